// cGadgetContainers: the gadgets that hold gadgets, as kinds of cGadget's
// table: Container, Frame (with #PB_Frame_Container), Panel, ScrollArea
// and Splitter. Emitted calls are cGadget's: cGadget.ContainerGadget(...)
// ... cGadget.CloseGadgetList(), cGadget.OpenGadgetList(#G[, tab]),
// cGadget.AddGadgetItem(#Panel, -1, title$) for a tab.
// The gadgets made while a container's list is open are placed inside it,
// at coordinates of its inside.
(function (kit) {
  var W = kit.W, num = kit.num, text = kit.text, el = kit.el, on = kit.on, send = kit.send,
      setLabel = kit.setLabel, insertAt = kit.insertAt, validIndex = kit.validIndex,
      clamp = kit.clamp, place = kit.place, gadgets = kit.gadgets, kinds = kit.kinds,
      currentList = kit.currentList, replaceCurrentList = kit.replaceCurrentList,
      gadgetList = kit.gadgetList, freeMembers = kit.freeMembers;
  var kChange = 768, kLeftClick = 0;
  var kTabHeight = 24, kSplitterBar = 6;

  // ---- Containers ----

  function containerList(g, element) {
    var list = gadgetList(element, g.window, g);
    g.lists = [list];
    return list;
  }

  var kContainerFlat = 1, kContainerRaised = 2, kContainerSingle = 4, kContainerDouble = 8;

  var Container = {
    type: 11,
    build: function (g, args) {
      var flags = num(args[0]);
      g.box = el('div', 'pb-container');
      if (flags & kContainerFlat) g.box.classList.add('pb-flat');
      if (flags & kContainerRaised) g.box.classList.add('pb-raised');
      if (flags & kContainerSingle) g.box.classList.add('pb-single');
      if (flags & kContainerDouble) g.box.classList.add('pb-double');
      containerList(g, g.box);
    },
    opens: true,
    list: function (g) { return g.lists[0]; }
  };

  var kFrameContainer = 8;

  var Frame = {
    type: 7,
    // FrameGadget(#G, x, y, w, h, text$[, flags]); with #PB_Frame_Container
    // the gadgets that follow go inside it.
    build: function (g, args) {
      var flags = num(args[1]);
      g.box = el('div', 'pb-frame');
      g.caption = el('span', 'pb-frame-caption', g.box);
      g.text = text(args[0]);
      setLabel(g.caption, g.text);
      if (g.text === '') g.caption.style.display = 'none';
      if (flags & 1) g.box.classList.add('pb-single');
      if (flags & 2) g.box.classList.add('pb-double');
      if (flags & 4) g.box.classList.add('pb-flat');
      if (flags & kFrameContainer) {
        containerList(g, g.box);
        g.opensList = true;
      }
    },
    getText: function (g) { return g.text; },
    setText: function (g, t) {
      g.text = text(t);
      setLabel(g.caption, g.text);
      g.caption.style.display = g.text === '' ? 'none' : '';
    },
    list: function (g) { return g.lists[0] || null; }
  };

  var kPanelItemWidth = 1, kPanelItemHeight = 2, kPanelTabHeight = 3;

  function showTab(g, index) {
    g.tab = index;
    g.tabs.forEach(function (tab, i) {
      tab.button.classList.toggle('pb-selected', i === index);
      tab.page.style.display = i === index ? '' : 'none';
    });
  }

  function sizePanel(g) {
    g.body.style.height = Math.max(0, g.height - kTabHeight) + 'px';
  }

  // A panel's tabs are its items; AddGadgetItem adds a tab and makes its
  // page the current gadget list while the panel's list is open.
  var Panel = {
    type: 28,
    build: function (g) {
      g.box = el('div', 'pb-panel');
      g.strip = el('div', 'pb-panel-tabs', g.box);
      g.body = el('div', 'pb-panel-body', g.box);
      g.tabs = [];
      g.tab = -1;
      containerList(g, g.body);
      sizePanel(g);
      on(g.strip, 'click', function (e) {
        for (var i = 0; i < g.tabs.length; i++) {
          if (g.tabs[i].button === e.target && i !== g.tab) {
            showTab(g, i);
            send(g, kChange);
          }
        }
      });
    },
    opens: true,
    resized: sizePanel,
    addItem: function (g, position, t) {
      var i = insertAt(g.tabs.length, position);
      var tab = { title: text(t), button: el('button', 'pb-panel-tab'), page: el('div', 'pb-panel-page') };
      tab.button.type = 'button';
      setLabel(tab.button, tab.title);
      g.strip.insertBefore(tab.button, g.tabs[i] ? g.tabs[i].button : null);
      g.body.appendChild(tab.page);
      g.tabs.splice(i, 0, tab);
      tab.list = gadgetList(tab.page, g.window, g);
      g.lists.push(tab.list);
      var open = currentList();
      if (open && open.owner === g) replaceCurrentList(tab.list);
      showTab(g, g.tab < 0 ? 0 : g.tab >= i ? g.tab + 1 : g.tab);
    },
    removeItem: function (g, index) {
      var i = validIndex(g.tabs, index);
      if (i < 0) return;
      var tab = g.tabs.splice(i, 1)[0];
      freeMembers(tab.list);
      g.lists.splice(g.lists.indexOf(tab.list), 1);
      g.strip.removeChild(tab.button);
      g.body.removeChild(tab.page);
      showTab(g, g.tabs.length ? clamp(g.tab > i ? g.tab - 1 : g.tab, 0, g.tabs.length - 1) : -1);
    },
    clearItems: function (g) { while (g.tabs.length) Panel.removeItem(g, 0); },
    countItems: function (g) { return g.tabs.length; },
    getItemText: function (g, i) { return g.tabs[i].title; },
    setItemText: function (g, i, t) {
      g.tabs[i].title = text(t);
      setLabel(g.tabs[i].button, g.tabs[i].title);
    },
    getState: function (g) { return g.tab; },
    setState: function (g, v) { var i = validIndex(g.tabs, v); if (i >= 0) showTab(g, i); },
    getText: function (g) { return g.tab >= 0 ? g.tabs[g.tab].title : ''; },
    getAttribute: function (g, a) {
      return a === kPanelItemWidth ? Math.max(0, g.width - 2) :
        a === kPanelItemHeight ? Math.max(0, g.height - kTabHeight - 2) :
        a === kPanelTabHeight ? kTabHeight : 0;
    },
    // OpenGadgetList(#Panel[, tab]): the last tab when none is named.
    list: function (g, item) {
      if (!g.tabs.length) return g.lists[0];
      var i = item >= 0 && item < g.tabs.length ? item : g.tabs.length - 1;
      return g.tabs[i].list;
    }
  };

  var kInnerWidth = 1, kInnerHeight = 2, kScrollX = 3, kScrollY = 4, kScrollStep = 5;

  var ScrollArea = {
    type: 16,
    // ScrollAreaGadget(#G, x, y, w, h, innerWidth, innerHeight[, step[, flags]])
    build: function (g, args) {
      g.box = el('div', 'pb-scrollarea');
      g.inner = el('div', 'pb-scrollarea-inner', g.box);
      g.step = args[2] === undefined ? 10 : num(args[2]);
      ScrollArea.setAttribute(g, kInnerWidth, args[0]);
      ScrollArea.setAttribute(g, kInnerHeight, args[1]);
      var flags = num(args[3]);
      if (flags & 8) g.box.classList.add('pb-borderless');
      containerList(g, g.inner);
      on(g.box, 'scroll', function () { send(g, kLeftClick, null, true); });
    },
    opens: true,
    getAttribute: function (g, a) {
      switch (a) {
        case kInnerWidth: return g.innerWidth;
        case kInnerHeight: return g.innerHeight;
        case kScrollX: return Math.round(g.box.scrollLeft);
        case kScrollY: return Math.round(g.box.scrollTop);
        case kScrollStep: return g.step;
      }
      return 0;
    },
    setAttribute: function (g, a, v) {
      var n = Math.round(num(v));
      if (a === kInnerWidth) { g.innerWidth = n; g.inner.style.width = n + 'px'; }
      if (a === kInnerHeight) { g.innerHeight = n; g.inner.style.height = n + 'px'; }
      if (a === kScrollX) g.box.scrollLeft = n;
      if (a === kScrollY) g.box.scrollTop = n;
      if (a === kScrollStep) g.step = n;
    },
    list: function (g) { return g.lists[0]; }
  };

  var kSplitterVertical = 1, kFirstMinimum = 1, kSecondMinimum = 2, kFirstGadget = 3, kSecondGadget = 4;

  // Two gadgets, one above the other (or side by side with
  // #PB_Splitter_Vertical), share the splitter; its state is the position
  // of the bar between them in pixels.
  function layoutSplitter(g) {
    var length = (g.vertical ? g.width : g.height) - kSplitterBar;
    var low = g.firstMin, high = Math.max(low, length - g.secondMin);
    g.state = clamp(g.state, low, high);
    var first = g.state, second = Math.max(0, length - g.state);
    var panes = g.vertical ?
      [[0, 0, first, g.height], [first + kSplitterBar, 0, second, g.height]] :
      [[0, 0, g.width, first], [0, first + kSplitterBar, g.width, second]];
    var bar = g.bar.style;
    var along = g.vertical ? [first, 0, kSplitterBar, g.height] : [0, first, g.width, kSplitterBar];
    bar.left = along[0] + 'px';
    bar.top = along[1] + 'px';
    bar.width = along[2] + 'px';
    bar.height = along[3] + 'px';
    [g.first, g.second].forEach(function (child, i) {
      if (!child || gadgets.find(child.number) !== child) return;
      child.x = panes[i][0];
      child.y = panes[i][1];
      child.width = panes[i][2];
      child.height = panes[i][3];
      place(child);
      if (kinds[child.kind].resized) kinds[child.kind].resized(child);
    });
  }

  function adopt(g, number) {
    var child = gadgets.find(number);
    if (!child) {
      if (num(number) !== 0)
        W.debuggerError('SplitterGadget', 'the #Gadget ' + num(number) + ' is not initialised.');
      return null;
    }
    g.box.appendChild(child.box);
    child.splitter = g;
    return child;
  }

  var Splitter = {
    type: 29,
    // SplitterGadget(#G, x, y, w, h, #Gadget1, #Gadget2[, flags])
    build: function (g, args) {
      g.vertical = !!(num(args[2]) & kSplitterVertical);
      g.box = el('div', 'pb-splitter' + (g.vertical ? ' pb-vertical' : ''));
      g.bar = el('div', 'pb-splitter-bar', g.box);
      g.firstMin = 0;
      g.secondMin = 0;
      g.state = Math.floor(((g.vertical ? g.width : g.height) - kSplitterBar) / 2);
      g.first = adopt(g, args[0]);
      g.second = adopt(g, args[1]);
      layoutSplitter(g);
      on(g.bar, 'mousedown', function (e) {
        var start = g.vertical ? e.clientX : e.clientY, from = g.state;
        function move(m) {
          g.state = from + (g.vertical ? m.clientX : m.clientY) - start;
          layoutSplitter(g);
          send(g, kChange, null, true);
        }
        function up() {
          document.removeEventListener('mousemove', move);
          document.removeEventListener('mouseup', up);
        }
        document.addEventListener('mousemove', move);
        document.addEventListener('mouseup', up);
        e.preventDefault();
      });
    },
    children: function (g) { return [g.first, g.second].filter(function (c) { return c; }); },
    resized: layoutSplitter,
    getState: function (g) { return g.state; },
    setState: function (g, v) { g.state = Math.round(num(v)); layoutSplitter(g); },
    getAttribute: function (g, a) {
      switch (a) {
        case kFirstMinimum: return g.firstMin;
        case kSecondMinimum: return g.secondMin;
        case kFirstGadget: return g.first ? g.first.number : 0;
        case kSecondGadget: return g.second ? g.second.number : 0;
      }
      return 0;
    },
    setAttribute: function (g, a, v) {
      if (a === kFirstMinimum) g.firstMin = num(v);
      if (a === kSecondMinimum) g.secondMin = num(v);
      if (a === kFirstGadget) g.first = adopt(g, v);
      if (a === kSecondGadget) g.second = adopt(g, v);
      layoutSplitter(g);
    }
  };

  kit.kinds.Container = Container;
  kit.kinds.Frame = Frame;
  kit.kinds.Panel = Panel;
  kit.kinds.ScrollArea = ScrollArea;
  kit.kinds.Splitter = Splitter;
})(cGadget.kit);
