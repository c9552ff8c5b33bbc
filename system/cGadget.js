// cGadget: PureBasic's gadgets as elements of a window's client area.
// Emitted calls: cGadget.ButtonGadget(#G, x, y, width, height, text$[,
// flags]) and the other ...Gadget creators, cGadget.SetGadgetText(#G, t$),
// cGadget.GetGadgetState(#G), cGadget.AddGadgetItem(#G, position, t$) and
// the other Gadget commands, cGadget.BindGadgetEvent(#G, @Callback()),
// cGadget.CanvasOutput(#G) for StartDrawing.
// A gadget is placed in pixels in the current gadget list: the window
// opened last (or chosen with UseGadgetList), or the container, panel tab,
// scroll area or frame opened and not yet closed with CloseGadgetList().
// The element that takes the clicks and the typing (the button, the input,
// the list, the canvas) carries data-pb-gadget with the gadget's number.
// What the user does becomes a #PB_Event_Gadget with the event type
// PureBasic gives it (a click #PB_EventType_LeftClick, typing
// #PB_EventType_Change, ...). The program's own changes send no event.
// Each kind of gadget is one entry of the table `kinds`; a command that a
// kind does not have does nothing (a text "" and a number 0).
// An editor's lines are joined with a line feed, as on Linux.
var cGadget = (function () {
  var W = cWindow, num = W.num, given = W.given, text = W.text;
  var kAny = -1, kDefault = -1;
  var kEventGadget = 13100;
  var kLeftClick = 0, kRightClick = 1, kLeftDoubleClick = 2, kFocus = 14, kLostFocus = 15,
      kChange = 768, kMouseEnter = 65537, kMouseLeave = 65538, kMouseMove = 65539,
      kLeftButtonDown = 65540, kLeftButtonUp = 65541, kRightButtonDown = 65542,
      kRightButtonUp = 65543, kMiddleButtonDown = 65544, kMiddleButtonUp = 65545,
      kMouseWheel = 65546, kKeyDown = 65547, kKeyUp = 65548, kInput = 65549, kResize = 65550,
      kUp = 65551, kDown = 65552;
  var kFrontColor = 1, kBackColor = 2, kLineColor = 3;
  var kTabHeight = 24, kSplitterBar = 6;

  var hasPage = typeof document !== 'undefined';
  var el = W.makeElement;

  var gadgets = W.registry('Gadget', release);
  var lists = [];              // the gadget lists, the current one last
  var defaultFont = null;      // SetGadgetFont(#PB_Default, FontID)
  var optionGroups = 0;

  // ---- Gadget lists ----

  function windowList(w) {
    if (!w.gadgetList) w.gadgetList = { element: w.client, window: w, owner: null, last: null };
    return w.gadgetList;
  }

  // OpenWindow makes the new window's list the current one.
  function useWindow(w) { lists = [windowList(w)]; }

  function currentList() { return lists.length ? lists[lists.length - 1] : null; }

  function pushList(list) { lists.push(list); }

  // CloseGadgetList(): back to the list the container was made in.
  function CloseGadgetList() {
    if (lists.length > 1) lists.pop();
    else W.debuggerError('CloseGadgetList', 'there is no open gadget list to close.');
  }

  // OpenGadgetList(#G[, item]): the gadgets that follow go into a
  // container again (into tab item of a panel).
  function OpenGadgetList(number, item) {
    var g = gadgets.get('OpenGadgetList', number);
    if (!g) return 0;
    var kind = kinds[g.kind];
    var list = kind.list ? kind.list(g, item === undefined ? -1 : num(item)) : null;
    if (!list) {
      W.debuggerError('OpenGadgetList', 'the #Gadget ' + g.number + ' is no container.');
      return 0;
    }
    pushList(list);
    return 1;
  }

  // UseGadgetList(WindowID(#W)): answers the window of the list before.
  function UseGadgetList(windowID) {
    var before = currentList();
    var w = W.fromHandle(windowID);
    if (w && w.client) useWindow(w);
    else if (num(windowID) !== 0) W.debuggerError('UseGadgetList', 'the WindowID is not valid.');
    return before ? before.window.handle : 0;
  }

  // ---- Creating and freeing ----

  function place(g) {
    var s = g.box.style;
    s.left = g.x + 'px';
    s.top = g.y + 'px';
    s.width = Math.max(0, g.width) + 'px';
    s.height = Math.max(0, g.height) + 'px';
  }

  // The common part of every ...Gadget() creator: args are the creator's
  // own arguments after the size.
  function create(command, number, kind, x, y, width, height, args) {
    var list = currentList();
    if (!list || W.windows.find(list.window.number) !== list.window) {
      W.debuggerError(command, 'there is no current gadget list (open a window first).');
      return 0;
    }
    var n = gadgets.reserve(command, number);
    if (n < 0) return 0;
    var g = gadgets.add({ number: n, kind: kind, window: list.window, list: list,
                          x: Math.round(num(x)), y: Math.round(num(y)),
                          width: Math.round(num(width)), height: Math.round(num(height)),
                          data: 0, colors: {}, font: 0, disabled: false, hidden: false, lists: [] });
    if (!hasPage) return W.created(number, g);
    kinds[kind].build(g, args);
    if (!g.target) g.target = g.box;
    g.box.classList.add('pb-gadget');
    g.target.dataset.pbGadget = String(n);
    place(g);
    list.element.appendChild(g.box);
    if (defaultFont) setFont(g, defaultFont);
    list.last = g;
    // a container (a frame or canvas only with its flag) opens its own list
    if (kinds[kind].opens || g.opensList) pushList(g.lists[0]);
    return W.created(number, g);
  }

  function release(g) {
    var kind = kinds[g.kind];
    if (kind.children) kind.children(g).forEach(function (child) { gadgets.free(child); });
    gadgets.list().forEach(function (other) {
      if (other.list && other.list.owner === g) gadgets.free(other);
    });
    lists = lists.filter(function (l) { return l.owner !== g; });
    if (g.box && g.box.parentNode) g.box.parentNode.removeChild(g.box);
  }

  function FreeGadget(number) {
    var g = gadgets.get('FreeGadget', number);
    if (g) gadgets.free(g);
  }

  // CloseWindow frees the window's gadgets with it.
  function freeWindow(w) {
    gadgets.list().forEach(function (g) { if (g.window === w) gadgets.free(g); });
    lists = lists.filter(function (l) { return l.window !== w; });
  }

  function IsGadget(number) { return gadgets.find(number) ? 1 : 0; }

  function GadgetID(number) {
    var g = gadgets.get('GadgetID', number);
    return g ? g.handle : 0;
  }

  function GadgetType(number) {
    var g = gadgets.get('GadgetType', number);
    return g ? kinds[g.kind].type : 0;
  }

  // ---- Events ----

  function send(g, type, apply, merge) {
    if (g.disabled || g.window.disabled) return;
    W.queueEvent({ event: kEventGadget, window: g.window.number, object: g.number,
                   type: type, data: 0, apply: apply }, merge);
  }

  function on(element, name, handler) { element.addEventListener(name, handler); }

  function sendOn(g, element, name, type) { on(element, name, function () { send(g, type); }); }

  function focusEvents(g, element) {
    sendOn(g, element, 'focus', kFocus);
    sendOn(g, element, 'blur', kLostFocus);
  }

  // BindGadgetEvent(#G, @Callback()[, type])
  function BindGadgetEvent(number, callback, type) {
    W.bind('BindGadgetEvent', kEventGadget, callback, undefined, number, type);
  }
  function UnbindGadgetEvent(number, callback, type) {
    W.unbind({ event: kEventGadget, callback: callback, window: -1, object: num(number),
               type: type === undefined ? -1 : num(type) });
  }

  // ---- Helpers of the kinds ----

  // "&File" shows as "File": the & marks a keyboard letter on Windows.
  function label(t) { return text(t).replace(/&(&?)/g, '$1'); }

  function setLabel(element, t) { element.textContent = label(t); }

  // The position of a new item: -1 or past the end is the end.
  function insertAt(length, position) {
    var p = num(position);
    return p < 0 || p > length ? length : Math.floor(p);
  }

  function validIndex(items, index) {
    var i = num(index);
    return i >= 0 && i < items.length && i === Math.floor(i) ? i : -1;
  }

  function clamp(value, low, high) { return Math.min(Math.max(value, low), high); }

  // ---- Lists of rows: ListView, ListIcon, Tree ----

  // Rows of items with one selection (or several with multi); item is
  // { texts, state, data, element, level }.
  function RowList(g, multi, clickSelect) {
    g.items = [];
    g.multi = multi;
    g.clickSelect = clickSelect;
    g.anchor = -1;
  }

  function selectedIndexes(g) {
    var out = [];
    g.items.forEach(function (item, i) { if (item.selected) out.push(i); });
    return out;
  }

  function showSelection(g) {
    g.items.forEach(function (item) {
      if (item.element) item.element.classList.toggle('pb-selected', !!item.selected);
    });
  }

  function selectOnly(g, index) {
    g.items.forEach(function (item, i) { item.selected = i === index; });
    g.anchor = index;
    showSelection(g);
    var item = g.items[index];
    if (item && item.element && item.element.scrollIntoView) item.element.scrollIntoView({ block: 'nearest' });
  }

  function clickRow(g, index, e) {
    if (g.clickSelect) {
      g.items[index].selected = !g.items[index].selected;
    } else if (g.multi && (e.ctrlKey || e.metaKey)) {
      g.items[index].selected = !g.items[index].selected;
      g.anchor = index;
    } else if (g.multi && e.shiftKey && g.anchor >= 0) {
      var a = Math.min(g.anchor, index), b = Math.max(g.anchor, index);
      g.items.forEach(function (item, i) { item.selected = i >= a && i <= b; });
    } else {
      selectOnly(g, index);
      return;
    }
    showSelection(g);
  }

  function rowIndex(g, element) {
    for (var e = element; e && e !== g.target; e = e.parentNode) {
      for (var i = 0; i < g.items.length; i++) if (g.items[i].element === e) return i;
    }
    return -1;
  }

  function visibleRows(g) {
    var out = [];
    g.items.forEach(function (item, i) { if (!item.element || item.element.style.display !== 'none') out.push(i); });
    return out;
  }

  // Clicks choose rows; Up and Down move the selection.
  function listenToRows(g) {
    var target = g.target = g.target || g.box;
    target.tabIndex = 0;
    on(target, 'mousedown', function (e) {
      var i = rowIndex(g, e.target);
      if (i >= 0 && e.button === 0 && !e.target.classList.contains('pb-tree-toggle') &&
          e.target.type !== 'checkbox') clickRow(g, i, e);
    });
    on(target, 'click', function (e) { if (rowIndex(g, e.target) >= 0) send(g, kLeftClick); });
    on(target, 'dblclick', function (e) { if (rowIndex(g, e.target) >= 0) send(g, kLeftDoubleClick); });
    on(target, 'contextmenu', function (e) {
      var i = rowIndex(g, e.target);
      if (i < 0) return;
      e.preventDefault();
      if (!g.items[i].selected) selectOnly(g, i);
      send(g, kRightClick);
    });
    on(target, 'keydown', function (e) {
      if (e.key !== 'ArrowUp' && e.key !== 'ArrowDown') return;
      e.preventDefault();
      var rows = visibleRows(g);
      if (!rows.length) return;
      var at = rows.indexOf(selectedIndexes(g)[0]);
      var next = at < 0 ? 0 : clamp(at + (e.key === 'ArrowDown' ? 1 : -1), 0, rows.length - 1);
      if (rows[next] === selectedIndexes(g)[0]) return;
      selectOnly(g, rows[next]);
      send(g, kChange);
    });
  }

  function rowsState(g) {
    var s = selectedIndexes(g);
    return s.length ? s[0] : -1;
  }

  function setRowsState(g, value) {
    var i = validIndex(g.items, value);
    selectOnly(g, i);
  }

  function removeRow(g, index) {
    var i = validIndex(g.items, index);
    if (i < 0) return;
    var item = g.items.splice(i, 1)[0];
    if (item.element && item.element.parentNode) item.element.parentNode.removeChild(item.element);
  }

  function clearRows(g) {
    g.items.forEach(function (item) { if (item.element && item.element.parentNode) item.element.parentNode.removeChild(item.element); });
    g.items = [];
  }

  function insertRow(g, container, index, element) {
    var after = g.items[index + 1];
    container.insertBefore(element, after && after.element ? after.element : null);
  }

  // ---- Row kinds ----

  var kListViewMulti = 1, kListViewClick = 2;

  var ListView = {
    type: 6,
    build: function (g, args) {
      var flags = num(args[0]);
      g.box = el('div', 'pb-listview');
      RowList(g, !!(flags & (kListViewMulti | kListViewClick)), !!(flags & kListViewClick));
      listenToRows(g);
    },
    addItem: function (g, position, t) {
      var i = insertAt(g.items.length, position);
      var item = { texts: [text(t)], selected: false, data: 0, element: el('div', 'pb-item') };
      item.element.textContent = item.texts[0];
      g.items.splice(i, 0, item);
      insertRow(g, g.box, i, item.element);
    },
    removeItem: removeRow, clearItems: clearRows,
    countItems: function (g) { return g.items.length; },
    getItemText: function (g, i) { return g.items[i].texts[0]; },
    setItemText: function (g, i, t) { g.items[i].texts[0] = text(t); g.items[i].element.textContent = text(t); },
    getItemState: function (g, i) { return g.items[i].selected ? 1 : 0; },
    setItemState: function (g, i, v) { g.items[i].selected = !!v; showSelection(g); },
    getState: rowsState, setState: setRowsState,
    getText: function (g) { var i = rowsState(g); return i < 0 ? '' : g.items[i].texts[0]; },
    // SetGadgetText selects the item with exactly that text.
    setText: function (g, t) {
      var s = text(t), found = -1;
      g.items.forEach(function (item, i) { if (found < 0 && item.texts[0] === s) found = i; });
      if (found >= 0) selectOnly(g, found);
    }
  };

  var kIconCheckBoxes = 1, kIconMulti = 4, kIconGrid = 8;
  var kIconSelected = 1, kIconChecked = 2;
  var kIconColumnCount = 1, kIconColumnWidth = 2;

  function iconCell(row, width) {
    var cell = el('div', 'pb-cell', row);
    cell.style.width = width + 'px';
    return cell;
  }

  function drawIconRow(g, item) {
    var row = item.element;
    while (row.firstChild) row.removeChild(row.firstChild);
    g.columns.forEach(function (column, c) {
      var cell = iconCell(row, column.width);
      if (c === 0 && g.checkBoxes) {
        var box = el('input', 'pb-item-check', cell);
        box.type = 'checkbox';
        box.checked = !!item.checked;
        on(box, 'click', function () {
          item.checked = box.checked;
          send(g, kChange);
        });
      }
      cell.appendChild(document.createTextNode(item.texts[c] || ''));
    });
  }

  function drawIconHeader(g) {
    var header = g.header;
    while (header.firstChild) header.removeChild(header.firstChild);
    g.columns.forEach(function (column) { iconCell(header, column.width).textContent = column.title; });
  }

  var ListIcon = {
    type: 12,
    // ListIconGadget(#G, x, y, w, h, title0$, width0[, flags])
    build: function (g, args) {
      var flags = num(args[2]);
      g.box = el('div', 'pb-listicon');
      if (flags & kIconGrid) g.box.classList.add('pb-grid');
      g.header = el('div', 'pb-listicon-header', g.box);
      g.body = el('div', 'pb-listicon-body', g.box);
      g.columns = [{ title: text(args[0]), width: Math.round(num(args[1])) }];
      g.checkBoxes = !!(flags & kIconCheckBoxes);
      RowList(g, !!(flags & kIconMulti), false);
      drawIconHeader(g);
      listenToRows(g);
    },
    // Columns of the item's text are separated by Chr(10).
    addItem: function (g, position, t) {
      var i = insertAt(g.items.length, position);
      var item = { texts: text(t).split('\n'), selected: false, checked: false, data: 0,
                   element: el('div', 'pb-item') };
      drawIconRow(g, item);
      g.items.splice(i, 0, item);
      insertRow(g, g.body, i, item.element);
    },
    removeItem: removeRow, clearItems: clearRows,
    countItems: function (g) { return g.items.length; },
    // Item -1 is the header.
    getItemText: function (g, i, column) {
      var c = num(column);
      return i === -1 ? (g.columns[c] ? g.columns[c].title : '') : g.items[i].texts[c] || '';
    },
    setItemText: function (g, i, t, column) {
      var c = num(column);
      if (i === -1) {
        if (g.columns[c]) g.columns[c].title = text(t);
        drawIconHeader(g);
        return;
      }
      g.items[i].texts[c] = text(t);
      drawIconRow(g, g.items[i]);
    },
    headerItem: true,
    getItemState: function (g, i) {
      return (g.items[i].selected ? kIconSelected : 0) | (g.items[i].checked ? kIconChecked : 0);
    },
    setItemState: function (g, i, v) {
      var item = g.items[i];
      item.selected = !!(num(v) & kIconSelected);
      item.checked = !!(num(v) & kIconChecked);
      drawIconRow(g, item);
      showSelection(g);
    },
    getState: rowsState, setState: setRowsState,
    getText: function (g) { var i = rowsState(g); return i < 0 ? '' : g.items[i].texts[0]; },
    getAttribute: function (g, a) { return a === kIconColumnCount ? g.columns.length : 0; },
    getItemAttribute: function (g, i, a, column) {
      var c = g.columns[num(column)];
      return a === kIconColumnWidth && c ? c.width : 0;
    },
    setItemAttribute: function (g, i, a, value, column) {
      var c = g.columns[num(column)];
      if (a !== kIconColumnWidth || !c) return;
      c.width = Math.round(num(value));
      drawIconHeader(g);
      g.items.forEach(function (item) { drawIconRow(g, item); });
    }
  };

  // AddGadgetColumn(#G, position, title$, width)
  function AddGadgetColumn(number, position, title, width) {
    var g = gadgets.get('AddGadgetColumn', number);
    if (!g || !g.columns) return;
    var c = insertAt(g.columns.length, position);
    g.columns.splice(c, 0, { title: text(title), width: Math.round(num(width)) });
    g.items.forEach(function (item) { item.texts.splice(c, 0, ''); drawIconRow(g, item); });
    drawIconHeader(g);
  }

  function RemoveGadgetColumn(number, column) {
    var g = gadgets.get('RemoveGadgetColumn', number);
    if (!g || !g.columns) return;
    var c = validIndex(g.columns, column);
    if (c < 0) return;
    g.columns.splice(c, 1);
    g.items.forEach(function (item) { item.texts.splice(c, 1); drawIconRow(g, item); });
    drawIconHeader(g);
  }

  var kTreeSelected = 1, kTreeExpanded = 2, kTreeCollapsed = 4, kTreeChecked = 8;

  // A tree's items are one list; each has a level, and an item shows while
  // every item above it at a lower level is expanded.
  function drawTree(g) {
    var open = [];
    g.items.forEach(function (item, i) {
      open.length = item.level;
      var shown = open.every(function (x) { return x; });
      var next = g.items[i + 1];
      var parent = !!next && next.level > item.level;
      item.element.style.display = shown ? '' : 'none';
      item.element.style.paddingLeft = (4 + item.level * 16) + 'px';
      item.toggle.textContent = parent ? (item.expanded ? '\u2212' : '+') : '';
      item.toggle.classList.toggle('pb-tree-leaf', !parent);
      open[item.level] = item.expanded;
    });
  }

  var Tree = {
    type: 27,
    build: function (g, args) {
      g.box = el('div', 'pb-tree');
      g.checkBoxes = !!(num(args[0]) & 8);
      RowList(g, false, false);
      listenToRows(g);
      on(g.box, 'click', function (e) {
        if (!e.target.classList.contains('pb-tree-toggle')) return;
        var i = rowIndex(g, e.target);
        if (i >= 0) { g.items[i].expanded = !g.items[i].expanded; drawTree(g); }
      });
    },
    // AddGadgetItem(#Tree, position, text$, imageID, sublevel)
    addItem: function (g, position, t, image, level) {
      var i = insertAt(g.items.length, position);
      var item = { texts: [text(t)], selected: false, expanded: false, checked: false, data: 0,
                   level: Math.max(0, Math.round(num(level))), element: el('div', 'pb-item') };
      item.toggle = el('span', 'pb-tree-toggle', item.element);
      if (g.checkBoxes) {
        var box = el('input', 'pb-item-check', item.element);
        box.type = 'checkbox';
        on(box, 'click', function () { item.checked = box.checked; item.box = box; });
        item.box = box;
      }
      item.label = el('span', 'pb-tree-text', item.element);
      item.label.textContent = item.texts[0];
      g.items.splice(i, 0, item);
      insertRow(g, g.box, i, item.element);
      drawTree(g);
    },
    removeItem: function (g, index) {
      var i = validIndex(g.items, index);
      if (i < 0) return;
      var level = g.items[i].level;
      removeRow(g, i);
      while (i < g.items.length && g.items[i].level > level) removeRow(g, i);
      drawTree(g);
    },
    clearItems: clearRows,
    countItems: function (g) { return g.items.length; },
    getItemText: function (g, i) { return g.items[i].texts[0]; },
    setItemText: function (g, i, t) { g.items[i].texts[0] = text(t); g.items[i].label.textContent = text(t); },
    getItemState: function (g, i) {
      var item = g.items[i];
      return (item.selected ? kTreeSelected : 0) | (item.expanded ? kTreeExpanded : kTreeCollapsed) |
        (item.checked ? kTreeChecked : 0);
    },
    setItemState: function (g, i, v) {
      var item = g.items[i], s = num(v);
      if (s & kTreeExpanded) item.expanded = true;
      if (s & kTreeCollapsed) item.expanded = false;
      item.checked = !!(s & kTreeChecked);
      if (item.box) item.box.checked = item.checked;
      if (s & kTreeSelected) selectOnly(g, i);
      drawTree(g);
    },
    getState: rowsState, setState: setRowsState,
    getText: function (g) { var i = rowsState(g); return i < 0 ? '' : g.items[i].texts[0]; },
    getItemAttribute: function (g, i) { return g.items[i].level; }
  };

  // GetGadgetItemAttribute(#Tree, i, #PB_Tree_SubLevel) and the like.
  function GetGadgetItemAttribute(number, item, attribute, column) {
    var g = gadgets.get('GetGadgetItemAttribute', number);
    var kind = g && kinds[g.kind];
    if (!kind || !kind.getItemAttribute) return 0;
    var i = num(item);
    if (g.items && i >= g.items.length) return 0;
    return kind.getItemAttribute(g, i, num(attribute), column);
  }

  function SetGadgetItemAttribute(number, item, attribute, value, column) {
    var g = gadgets.get('SetGadgetItemAttribute', number);
    var kind = g && kinds[g.kind];
    if (kind && kind.setItemAttribute) kind.setItemAttribute(g, num(item), num(attribute), value, column);
  }

  // ---- Buttons and texts ----

  var kButtonDefault = 1, kButtonLeft = 2, kButtonRight = 4, kButtonMultiLine = 8, kButtonToggle = 16;

  var Button = {
    type: 1,
    build: function (g, args) {
      var flags = num(args[1]);
      g.box = el('button', 'pb-button');
      g.box.type = 'button';
      g.text = text(args[0]);
      setLabel(g.box, g.text);
      g.toggle = !!(flags & kButtonToggle);
      g.state = 0;
      if (flags & kButtonDefault) g.box.classList.add('pb-default');
      if (flags & kButtonLeft) g.box.style.textAlign = 'left';
      if (flags & kButtonRight) g.box.style.textAlign = 'right';
      if (flags & kButtonMultiLine) g.box.style.whiteSpace = 'normal';
      on(g.box, 'click', function () {
        if (g.toggle) Button.setState(g, g.state ? 0 : 1);
        send(g, kLeftClick);
      });
    },
    getText: function (g) { return g.text; },
    setText: function (g, t) { g.text = text(t); setLabel(g.box, g.text); },
    getState: function (g) { return g.state; },
    setState: function (g, v) {
      if (!g.toggle) return;
      g.state = num(v) ? 1 : 0;
      g.box.classList.toggle('pb-pressed', !!g.state);
    }
  };

  // ButtonImageGadget(#G, x, y, w, h, imageID[, flags])
  var ButtonImage = {
    type: 19,
    build: function (g, args) {
      g.box = el('button', 'pb-button pb-buttonimage');
      g.box.type = 'button';
      g.picture = el('canvas', 'pb-picture', g.box);
      g.toggle = !!(num(args[1]) & 1);
      g.state = 0;
      g.image = 0;
      showImage(g, args[0]);
      on(g.box, 'click', function () {
        if (g.toggle) { g.state = g.state ? 0 : 1; g.box.classList.toggle('pb-pressed', !!g.state); }
        send(g, kLeftClick);
      });
    },
    getState: function (g) { return g.state; },
    setState: function (g, v) {
      if (!g.toggle) return;
      g.state = num(v) ? 1 : 0;
      g.box.classList.toggle('pb-pressed', !!g.state);
    },
    setAttribute: function (g, a, v) { if (a === 1) showImage(g, v); },
    getAttribute: function (g, a) { return a === 1 ? g.image : 0; }
  };

  var kTextCenter = 1, kTextRight = 2, kTextBorder = 4;

  var Text = {
    type: 3,
    build: function (g, args) {
      var flags = num(args[1]);
      g.box = el('div', 'pb-text');
      g.text = text(args[0]);
      g.box.textContent = g.text;
      if (flags & kTextCenter) g.box.style.textAlign = 'center';
      if (flags & kTextRight) g.box.style.textAlign = 'right';
      if (flags & kTextBorder) g.box.classList.add('pb-border');
    },
    getText: function (g) { return g.text; },
    setText: function (g, t) { g.text = text(t); g.box.textContent = g.text; }
  };

  var kStringPassword = 1, kStringReadOnly = 2, kStringNumeric = 4, kStringLower = 8,
      kStringUpper = 16, kStringBorderLess = 32;

  // A numeric field refuses what is not a digit before it reaches the
  // field, so a refused key sends no event.
  function digitsOnly(input) {
    input.addEventListener('beforeinput', function (e) {
      if (e.data && /[^0-9]/.test(e.data)) e.preventDefault();
    });
  }

  // Typing in a case-changing field changes the case of what is typed.
  function filterInput(input, numeric, lower, upper) {
    var v = input.value, w = v;
    if (numeric) w = w.replace(/[^0-9]/g, '');
    if (lower) w = w.toLowerCase();
    if (upper) w = w.toUpperCase();
    if (w !== v) {
      var at = input.selectionStart - (v.length - w.length);
      input.value = w;
      input.setSelectionRange(Math.max(0, at), Math.max(0, at));
    }
  }

  var String_ = {
    type: 2,
    build: function (g, args) {
      var flags = num(args[1]);
      g.box = el('input', 'pb-string');
      g.box.type = flags & kStringPassword ? 'password' : 'text';
      g.box.value = text(args[0]);
      g.box.readOnly = !!(flags & kStringReadOnly);
      g.box.spellcheck = false;
      if (flags & kStringBorderLess) g.box.classList.add('pb-borderless');
      if (flags & kStringNumeric) digitsOnly(g.box);
      on(g.box, 'input', function () {
        filterInput(g.box, flags & kStringNumeric, flags & kStringLower, flags & kStringUpper);
        send(g, kChange);
      });
      focusEvents(g, g.box);
    },
    getText: function (g) { return g.box.value; },
    setText: function (g, t) { g.box.value = text(t); }
  };

  var kCheckThreeState = 4, kCheckRight = 1, kCheckCenter = 2;

  function checkLabel(g, className, type, t) {
    g.box = el('label', className);
    g.target = el('input', '', g.box);
    g.target.type = type;
    g.caption = el('span', '', g.box);
    g.text = text(t);
    setLabel(g.caption, g.text);
  }

  var CheckBox = {
    type: 4,
    build: function (g, args) {
      var flags = num(args[1]);
      checkLabel(g, 'pb-checkbox', 'checkbox', args[0]);
      g.threeState = !!(flags & kCheckThreeState);
      g.state = 0;
      if (flags & kCheckRight) g.box.classList.add('pb-right');
      if (flags & kCheckCenter) g.box.classList.add('pb-center');
      // A three-state box goes unchecked, checked, in between, unchecked.
      on(g.target, 'click', function () {
        var next = g.threeState ? (g.state === 0 ? 1 : g.state === 1 ? -1 : 0) : (g.target.checked ? 1 : 0);
        CheckBox.setState(g, next);
        send(g, kLeftClick);
      });
    },
    getText: function (g) { return g.text; },
    setText: function (g, t) { g.text = text(t); setLabel(g.caption, g.text); },
    getState: function (g) { return g.state; },
    setState: function (g, v) {
      var s = num(v);
      g.state = s === -1 && g.threeState ? -1 : s ? 1 : 0;
      g.target.checked = g.state === 1;
      g.target.indeterminate = g.state === -1;
    }
  };

  // Options made one after another in the same gadget list form a group.
  var Option = {
    type: 5,
    build: function (g, args) {
      checkLabel(g, 'pb-option', 'radio', args[0]);
      var last = g.list.last;
      g.group = last && last.kind === 'Option' && gadgets.find(last.number) === last ? last.group : ++optionGroups;
      g.target.name = 'pb-option-' + g.group;
      on(g.target, 'click', function () { send(g, kLeftClick); });
    },
    getText: CheckBox.getText, setText: CheckBox.setText,
    getState: function (g) { return g.target.checked ? 1 : 0; },
    setState: function (g, v) { g.target.checked = !!num(v); }
  };

  var HyperLink = {
    type: 10,
    // HyperLinkGadget(#G, x, y, w, h, text$, hoverColor[, flags])
    build: function (g, args) {
      g.box = el('span', 'pb-hyperlink');
      g.box.tabIndex = 0;
      g.text = text(args[0]);
      g.box.textContent = g.text;
      g.box.style.setProperty('--pb-hover', W.cssColor(args[1]));
      if (num(args[2]) & 1) g.box.classList.add('pb-underline');
      on(g.box, 'click', function () { send(g, kLeftClick); });
    },
    getText: function (g) { return g.text; },
    setText: function (g, t) { g.text = text(t); g.box.textContent = g.text; }
  };

  // ---- Choices: ComboBox ----

  var kComboEditable = 1, kComboLower = 2, kComboUpper = 4;

  function comboOption(t) {
    var option = document.createElement('option');
    option.textContent = text(t);
    return option;
  }

  var ComboBox = {
    type: 8,
    // An editable box is a text field with the list as a drop-down beside
    // it; choosing an item puts its text in the field.
    build: function (g, args) {
      var flags = num(args[0]);
      g.items = [];
      g.editable = !!(flags & kComboEditable);
      g.box = el('div', 'pb-combobox' + (g.editable ? ' pb-editable' : ''));
      g.select = el('select', '', g.box);
      g.select.selectedIndex = -1;
      if (g.editable) {
        g.target = el('input', '', g.box);
        g.target.type = 'text';
        g.target.spellcheck = false;
        on(g.target, 'input', function () {
          filterInput(g.target, false, flags & kComboLower, flags & kComboUpper);
          send(g, kChange);
        });
        focusEvents(g, g.target);
      } else {
        g.target = g.select;
      }
      on(g.select, 'change', function () {
        if (g.editable) {
          g.target.value = g.select.selectedIndex >= 0 ? g.items[g.select.selectedIndex] : '';
          g.target.focus();
        }
        send(g, kChange);
      });
    },
    addItem: function (g, position, t) {
      var i = insertAt(g.items.length, position), keep = g.select.selectedIndex;
      g.items.splice(i, 0, text(t));
      g.select.insertBefore(comboOption(t), g.select.options[i] || null);
      // a new item never becomes the selection by itself
      g.select.selectedIndex = keep >= i && keep >= 0 ? keep + 1 : keep;
    },
    removeItem: function (g, index) {
      var i = validIndex(g.items, index);
      if (i < 0) return;
      g.items.splice(i, 1);
      g.select.remove(i);
    },
    clearItems: function (g) {
      g.items = [];
      while (g.select.options.length) g.select.remove(0);
      g.select.selectedIndex = -1;
    },
    countItems: function (g) { return g.items.length; },
    getItemText: function (g, i) { return g.items[i]; },
    setItemText: function (g, i, t) { g.items[i] = text(t); g.select.options[i].textContent = text(t); },
    getState: function (g) {
      if (!g.editable) return g.select.selectedIndex;
      var i = g.select.selectedIndex;
      return i >= 0 && g.items[i] === g.target.value ? i : g.items.indexOf(g.target.value);
    },
    setState: function (g, v) {
      var i = validIndex(g.items, v);
      g.select.selectedIndex = i;
      if (g.editable) g.target.value = i >= 0 ? g.items[i] : '';
    },
    getText: function (g) {
      if (g.editable) return g.target.value;
      var i = g.select.selectedIndex;
      return i >= 0 ? g.items[i] : '';
    },
    setText: function (g, t) {
      if (g.editable) { g.target.value = text(t); return; }
      var i = g.items.indexOf(text(t));
      if (i >= 0) g.select.selectedIndex = i;
    }
  };

  // ---- Text areas and numbers: Editor, Spin, TrackBar, ProgressBar, Date ----

  var kEditorReadOnly = 1, kEditorWordWrap = 2;

  function lines(g) { return g.box.value.split('\n'); }
  function setLines(g, list) { g.box.value = list.join('\n'); }

  var Editor = {
    type: 22,
    build: function (g, args) {
      var flags = num(args[0]);
      g.box = el('textarea', 'pb-editor');
      g.box.readOnly = !!(flags & kEditorReadOnly);
      g.box.wrap = flags & kEditorWordWrap ? 'soft' : 'off';
      g.box.spellcheck = false;
      sendOn(g, g.box, 'input', kChange);
      focusEvents(g, g.box);
    },
    getText: function (g) { return g.box.value; },
    setText: function (g, t) { g.box.value = text(t).replace(/\r\n?/g, '\n'); },
    // The lines are the items; an empty editor has none.
    countItems: function (g) { return g.box.value === '' ? 0 : lines(g).length; },
    addItem: function (g, position, t) {
      var list = g.box.value === '' ? [] : lines(g);
      list.splice(insertAt(list.length, position), 0, text(t));
      setLines(g, list);
    },
    removeItem: function (g, index) {
      var list = lines(g), i = validIndex(list, index);
      if (i < 0 || g.box.value === '') return;
      list.splice(i, 1);
      setLines(g, list);
    },
    clearItems: function (g) { g.box.value = ''; },
    items: function (g) { return g.box.value === '' ? [] : lines(g); },
    getItemText: function (g, i) { return lines(g)[i]; },
    setItemText: function (g, i, t) { var list = lines(g); list[i] = text(t); setLines(g, list); }
  };

  var kSpinReadOnly = 1, kSpinNumeric = 2, kMinimum = 1, kMaximum = 2;

  // Without #PB_Spin_Numeric the program writes the text itself.
  var Spin = {
    type: 26,
    // SpinGadget(#G, x, y, w, h, minimum, maximum[, flags])
    build: function (g, args) {
      g.min = num(args[0]);
      g.max = num(args[1]);
      var flags = num(args[2]);
      g.numeric = !!(flags & kSpinNumeric);
      g.state = g.min;
      g.box = el('div', 'pb-spin');
      g.target = el('input', '', g.box);
      g.target.type = 'text';
      g.target.readOnly = !!(flags & kSpinReadOnly);
      g.target.spellcheck = false;
      var buttons = el('div', 'pb-spin-buttons', g.box);
      var up = el('button', 'pb-spin-up', buttons), down = el('button', 'pb-spin-down', buttons);
      up.type = down.type = 'button';
      up.tabIndex = down.tabIndex = -1;
      up.textContent = '\u25b4';
      down.textContent = '\u25be';
      if (g.numeric) g.target.value = String(g.state);
      on(up, 'click', function () { Spin.step(g, 1); send(g, kUp); });
      on(down, 'click', function () { Spin.step(g, -1); send(g, kDown); });
      on(g.target, 'keydown', function (e) {
        if (e.key !== 'ArrowUp' && e.key !== 'ArrowDown') return;
        e.preventDefault();
        var upward = e.key === 'ArrowUp';
        Spin.step(g, upward ? 1 : -1);
        send(g, upward ? kUp : kDown);
      });
      if (g.numeric) digitsOnly(g.target);
      on(g.target, 'input', function () {
        filterInput(g.target, g.numeric, false, false);
        if (g.numeric && g.target.value !== '') g.state = clamp(parseInt(g.target.value, 10), g.min, g.max);
        send(g, kChange);
      });
      focusEvents(g, g.target);
    },
    step: function (g, delta) { Spin.setState(g, g.state + delta); },
    getState: function (g) { return g.state; },
    setState: function (g, v) {
      g.state = clamp(Math.round(num(v)), g.min, g.max);
      if (g.numeric) g.target.value = String(g.state);
    },
    getText: function (g) { return g.target.value; },
    setText: function (g, t) { g.target.value = text(t); },
    getAttribute: function (g, a) { return a === kMinimum ? g.min : a === kMaximum ? g.max : 0; },
    setAttribute: function (g, a, v) {
      if (a === kMinimum) g.min = num(v);
      if (a === kMaximum) g.max = num(v);
      Spin.setState(g, g.state);
    }
  };

  var TrackBar = {
    type: 17,
    // TrackBarGadget(#G, x, y, w, h, minimum, maximum[, flags])
    build: function (g, args) {
      g.box = el('input', 'pb-trackbar');
      g.box.type = 'range';
      g.box.min = String(num(args[0]));
      g.box.max = String(num(args[1]));
      g.box.step = '1';
      g.box.value = String(num(args[0]));
      if (num(args[2]) & 2) g.box.classList.add('pb-vertical');
      on(g.box, 'input', function () { send(g, kChange, null, true); });
    },
    getState: function (g) { return Number(g.box.value); },
    setState: function (g, v) { g.box.value = String(Math.round(num(v))); },
    getAttribute: function (g, a) { return a === kMinimum ? Number(g.box.min) : a === kMaximum ? Number(g.box.max) : 0; },
    setAttribute: function (g, a, v) {
      if (a === kMinimum) g.box.min = String(num(v));
      if (a === kMaximum) g.box.max = String(num(v));
    }
  };

  function drawProgress(g) {
    var span = g.max - g.min;
    var part = span > 0 ? clamp((g.state - g.min) / span, 0, 1) : 0;
    g.fill.style[g.vertical ? 'height' : 'width'] = (part * 100) + '%';
    g.box.classList.toggle('pb-unknown', g.state === -1 && g.min >= 0);
  }

  var ProgressBar = {
    type: 14,
    // ProgressBarGadget(#G, x, y, w, h, minimum, maximum[, flags])
    build: function (g, args) {
      g.box = el('div', 'pb-progressbar');
      g.fill = el('div', 'pb-progress-fill', g.box);
      g.min = num(args[0]);
      g.max = num(args[1]);
      g.state = g.min;
      g.vertical = !!(num(args[2]) & 2);
      if (g.vertical) g.box.classList.add('pb-vertical');
      drawProgress(g);
    },
    getState: function (g) { return g.state; },
    setState: function (g, v) { g.state = Math.round(num(v)); drawProgress(g); },
    getAttribute: function (g, a) { return a === kMinimum ? g.min : a === kMaximum ? g.max : 0; },
    setAttribute: function (g, a, v) {
      if (a === kMinimum) g.min = num(v);
      if (a === kMaximum) g.max = num(v);
      drawProgress(g);
    }
  };

  // A date is PureBasic's: seconds since 1970 read without a time zone.
  function dateInputValue(g) {
    var d = new Date(g.state * 1000), iso = d.toISOString();
    return g.inputType === 'date' ? iso.substring(0, 10) :
      g.inputType === 'time' ? iso.substring(11, 16) : iso.substring(0, 16);
  }

  var DateKind = {
    type: 21,
    // DateGadget(#G, x, y, w, h[, mask$[, date[, flags]]])
    build: function (g, args) {
      g.mask = args[0] === undefined || text(args[0]) === '' ? '%yyyy-%mm-%dd' : text(args[0]);
      var hasDay = /%(yyyy|yy|mm|dd)/.test(g.mask), hasTime = /%(hh|ii|ss)/.test(g.mask);
      g.inputType = hasDay && hasTime ? 'datetime-local' : hasTime ? 'time' : 'date';
      g.state = args[1] === undefined || num(args[1]) === 0 ? cDate.Date() : num(args[1]);
      g.box = el('input', 'pb-date');
      g.box.type = g.inputType;
      g.box.value = dateInputValue(g);
      on(g.box, 'change', function () {
        var v = g.box.value;
        if (v === '') return;
        if (g.inputType === 'time') v = '1970-01-01T' + v;
        var ms = Date.parse(v.length === 10 ? v + 'T00:00:00Z' : v + ':00Z');
        if (ms === ms) g.state = Math.floor(ms / 1000);
        send(g, kChange);
      });
    },
    getState: function (g) { return g.state; },
    setState: function (g, v) { g.state = num(v); g.box.value = dateInputValue(g); },
    getText: function (g) { return cDate.FormatDate(g.mask, g.state); },
    setText: function (g, t) {
      var d = cDate.ParseDate(g.mask, t);
      if (d !== -1) DateKind.setState(g, d);
    }
  };

  // ---- Pictures: Image and Canvas ----

  // The picture of an image (its ImageID) copied into the gadget's canvas;
  // the gadget takes the image's size. 0 leaves it empty.
  function showImage(g, imageID) {
    var image = num(imageID) ? W.fromHandle(imageID) : null;
    var canvas = g.picture;
    g.image = image && image.canvas ? num(imageID) : 0;
    if (!image || !image.canvas) {
      canvas.width = 0;
      canvas.height = 0;
      return;
    }
    canvas.width = image.canvas.width;
    canvas.height = image.canvas.height;
    canvas.getContext('2d').drawImage(image.canvas, 0, 0);
    if (g.kind === 'Image') {
      g.width = canvas.width;
      g.height = canvas.height;
      place(g);
    }
  }

  var ImageKind = {
    type: 9,
    build: function (g, args) {
      g.box = el('div', 'pb-image');
      g.picture = el('canvas', '', g.box);
      g.target = g.picture;
      if (num(args[1]) & 1) g.box.classList.add('pb-border');
      showImage(g, args[0]);
      sendOn(g, g.picture, 'click', kLeftClick);
      sendOn(g, g.picture, 'dblclick', kLeftDoubleClick);
      on(g.picture, 'contextmenu', function (e) { e.preventDefault(); send(g, kRightClick); });
    },
    getState: function (g) { return g.image; },
    setState: function (g, v) { showImage(g, v); }
  };

  var kCanvasKeyboard = 2, kCanvasBorder = 1, kCanvasContainer = 16;
  var kMouseX = 1, kMouseY = 2, kButtons = 3, kModifiers = 4, kWheelDelta = 5, kKey = 6,
      kInputChar = 7, kCursor = 8;
  var kCursors = ['default', 'crosshair', 'text', 'pointer', 'wait', 'not-allowed', 'move',
                  'ew-resize', 'ns-resize', 'nesw-resize', 'nwse-resize', 'none'];

  function modifiersOf(e) {
    return (e.shiftKey ? 1 : 0) | (e.altKey ? 2 : 0) | (e.ctrlKey ? 4 : 0) | (e.metaKey ? 8 : 0);
  }

  // The canvas's attributes at the time of each event, applied when the
  // program takes it.
  function canvasSend(g, type, e, extra) {
    var box = g.target.getBoundingClientRect();
    var state = {
      x: e && e.clientX !== undefined ? Math.floor(e.clientX - box.left) : g.mouse.x,
      y: e && e.clientY !== undefined ? Math.floor(e.clientY - box.top) : g.mouse.y,
      buttons: g.buttons, modifiers: e ? modifiersOf(e) : g.mouse.modifiers,
      wheel: 0, key: g.mouse.key, input: g.mouse.input
    };
    if (extra) Object.keys(extra).forEach(function (k) { state[k] = extra[k]; });
    send(g, type, function () { g.mouse = state; }, type === kMouseMove);
  }

  var kButtonBits = [1, 4, 2];  // browser button 0 left, 1 middle, 2 right
  var kDownTypes = [kLeftButtonDown, kMiddleButtonDown, kRightButtonDown];
  var kUpTypes = [kLeftButtonUp, kMiddleButtonUp, kRightButtonUp];

  function listenToCanvas(g, keyboard) {
    var c = g.target;
    on(c, 'mouseenter', function (e) { canvasSend(g, kMouseEnter, e); });
    on(c, 'mouseleave', function (e) { canvasSend(g, kMouseLeave, e); });
    on(c, 'mousemove', function (e) { canvasSend(g, kMouseMove, e); });
    on(c, 'mousedown', function (e) {
      if (keyboard) c.focus();
      g.buttons |= kButtonBits[e.button] || 0;
      canvasSend(g, kDownTypes[e.button] || kLeftButtonDown, e);
      e.preventDefault();
    });
    on(c, 'mouseup', function (e) {
      g.buttons &= ~(kButtonBits[e.button] || 0);
      canvasSend(g, kUpTypes[e.button] || kLeftButtonUp, e);
    });
    on(c, 'click', function (e) { canvasSend(g, kLeftClick, e); });
    on(c, 'dblclick', function (e) { canvasSend(g, kLeftDoubleClick, e); });
    on(c, 'contextmenu', function (e) { e.preventDefault(); canvasSend(g, kRightClick, e); });
    on(c, 'wheel', function (e) {
      e.preventDefault();
      canvasSend(g, kMouseWheel, e, { wheel: e.deltaY < 0 ? 1 : e.deltaY > 0 ? -1 : 0 });
    }, { passive: false });
    if (!keyboard) return;
    on(c, 'keydown', function (e) {
      e.preventDefault();
      canvasSend(g, kKeyDown, null, { key: e.keyCode, modifiers: modifiersOf(e) });
      if (e.key.length === 1 && !e.ctrlKey && !e.metaKey)
        canvasSend(g, kInput, null, { input: e.key.charCodeAt(0), modifiers: modifiersOf(e) });
    });
    on(c, 'keyup', function (e) {
      canvasSend(g, kKeyUp, null, { key: e.keyCode, modifiers: modifiersOf(e) });
    });
    on(c, 'focus', function () { send(g, kFocus); });
    on(c, 'blur', function () { send(g, kLostFocus); });
  }

  function whiteCanvas(canvas, width, height) {
    var old = canvas.width && canvas.height ? canvas : null, copy = null;
    if (old) {
      copy = document.createElement('canvas');
      copy.width = old.width;
      copy.height = old.height;
      copy.getContext('2d').drawImage(old, 0, 0);
    }
    canvas.width = Math.max(1, width);
    canvas.height = Math.max(1, height);
    var ctx = canvas.getContext('2d');
    ctx.fillStyle = '#ffffff';
    ctx.fillRect(0, 0, canvas.width, canvas.height);
    if (copy) ctx.drawImage(copy, 0, 0);
  }

  var Canvas = {
    type: 33,
    // A white surface that keeps what is drawn on it (also when resized).
    build: function (g, args) {
      var flags = num(args[0]);
      g.box = el('div', 'pb-canvas');
      g.target = el('canvas', '', g.box);
      // a border takes a pixel on each side from the surface
      g.inset = flags & kCanvasBorder ? 2 : 0;
      if (g.inset) g.box.classList.add('pb-border');
      whiteCanvas(g.target, g.width - g.inset, g.height - g.inset);
      g.buttons = 0;
      g.mouse = { x: 0, y: 0, buttons: 0, modifiers: 0, wheel: 0, key: 0, input: 0 };
      var keyboard = !!(flags & kCanvasKeyboard);
      if (keyboard) g.target.tabIndex = 0;
      listenToCanvas(g, keyboard);
      if (flags & kCanvasContainer) {
        g.inner = el('div', 'pb-canvas-children', g.box);
        g.lists = [{ element: g.inner, window: g.window, owner: g, last: null }];
        g.opensList = true;
      }
    },
    resized: function (g) { whiteCanvas(g.target, g.width - g.inset, g.height - g.inset); },
    list: function (g) { return g.lists[0] || null; },
    getAttribute: function (g, a) {
      var m = g.mouse;
      switch (a) {
        case kMouseX: return m.x;
        case kMouseY: return m.y;
        case kButtons: return m.buttons;
        case kModifiers: return m.modifiers;
        case kWheelDelta: return m.wheel;
        case kKey: return m.key;
        case kInputChar: return m.input;
        case kCursor: return g.cursor || 0;
      }
      return 0;
    },
    setAttribute: function (g, a, v) {
      if (a !== kCursor) return;
      g.cursor = num(v);
      g.target.style.cursor = kCursors[g.cursor] || 'default';
    }
  };

  // CanvasOutput(#G): the canvas as the output of StartDrawing.
  function CanvasOutput(number) {
    var g = gadgets.get('CanvasOutput', number);
    if (!g || g.kind !== 'Canvas') {
      if (g) W.debuggerError('CanvasOutput', 'the #Gadget ' + g.number + ' is no CanvasGadget.');
      return 0;
    }
    if (!g.output) g.output = W.newHandle({ output: g.target });
    return g.output;
  }

  // ---- Containers ----

  function containerList(g, element) {
    var list = { element: element, window: g.window, owner: g, last: null };
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
      tab.list = { element: tab.page, window: g.window, owner: g, last: null, tab: tab };
      var open = currentList();
      if (open && open.owner === g) lists[lists.length - 1] = tab.list;
      showTab(g, g.tab < 0 ? 0 : g.tab >= i ? g.tab + 1 : g.tab);
    },
    removeItem: function (g, index) {
      var i = validIndex(g.tabs, index);
      if (i < 0) return;
      var tab = g.tabs.splice(i, 1)[0];
      gadgets.list().forEach(function (o) { if (o.list === tab.list) gadgets.free(o); });
      g.strip.removeChild(tab.button);
      g.body.removeChild(tab.page);
      showTab(g, g.tabs.length ? clamp(g.tab > i ? g.tab - 1 : g.tab, 0, g.tabs.length - 1) : -1);
    },
    clearItems: function (g) { while (g.tabs.length) Panel.removeItem(g, 0); },
    countItems: function (g) { return g.tabs.length; },
    getItemText: function (g, i) { return g.tabs[i].title; },
    setItemText: function (g, i, t) { g.tabs[i].title = text(t); setLabel(g.tabs[i].button, g.tabs[i].title); },
    getState: function (g) { return g.tab; },
    setState: function (g, v) { var i = validIndex(g.tabs, v); if (i >= 0) showTab(g, i); },
    getText: function (g) { return g.tab >= 0 ? g.tabs[g.tab].title : ''; },
    getAttribute: function (g, a) {
      return a === kPanelItemWidth ? Math.max(0, g.width - 2) :
        a === kPanelItemHeight ? Math.max(0, g.height - kTabHeight - 2) : a === kPanelTabHeight ? kTabHeight : 0;
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
    if (g.vertical) { bar.left = first + 'px'; bar.top = '0'; bar.width = kSplitterBar + 'px'; bar.height = g.height + 'px'; }
    else { bar.left = '0'; bar.top = first + 'px'; bar.width = g.width + 'px'; bar.height = kSplitterBar + 'px'; }
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
      if (num(number) !== 0) W.debuggerError('SplitterGadget', 'the #Gadget ' + num(number) + ' is not initialised.');
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

  var kinds = {
    Button: Button, ButtonImage: ButtonImage, Text: Text, String: String_, CheckBox: CheckBox,
    Option: Option, HyperLink: HyperLink, ComboBox: ComboBox, ListView: ListView,
    ListIcon: ListIcon, Tree: Tree, Editor: Editor, Spin: Spin, TrackBar: TrackBar,
    ProgressBar: ProgressBar, Date: DateKind, Image: ImageKind, Canvas: Canvas,
    Container: Container, Frame: Frame, Panel: Panel, ScrollArea: ScrollArea, Splitter: Splitter
  };

  // ---- The creators ----

  function ButtonGadget(n, x, y, w, h, t, flags) { return create('ButtonGadget', n, 'Button', x, y, w, h, [t, flags]); }
  function ButtonImageGadget(n, x, y, w, h, image, flags) {
    return create('ButtonImageGadget', n, 'ButtonImage', x, y, w, h, [image, flags]);
  }
  function TextGadget(n, x, y, w, h, t, flags) { return create('TextGadget', n, 'Text', x, y, w, h, [t, flags]); }
  function StringGadget(n, x, y, w, h, t, flags) { return create('StringGadget', n, 'String', x, y, w, h, [t, flags]); }
  function CheckBoxGadget(n, x, y, w, h, t, flags) { return create('CheckBoxGadget', n, 'CheckBox', x, y, w, h, [t, flags]); }
  function OptionGadget(n, x, y, w, h, t) { return create('OptionGadget', n, 'Option', x, y, w, h, [t]); }
  function HyperLinkGadget(n, x, y, w, h, t, color, flags) {
    return create('HyperLinkGadget', n, 'HyperLink', x, y, w, h, [t, color, flags]);
  }
  function ComboBoxGadget(n, x, y, w, h, flags) { return create('ComboBoxGadget', n, 'ComboBox', x, y, w, h, [flags]); }
  function ListViewGadget(n, x, y, w, h, flags) { return create('ListViewGadget', n, 'ListView', x, y, w, h, [flags]); }
  function ListIconGadget(n, x, y, w, h, title, width, flags) {
    return create('ListIconGadget', n, 'ListIcon', x, y, w, h, [title, width, flags]);
  }
  function TreeGadget(n, x, y, w, h, flags) { return create('TreeGadget', n, 'Tree', x, y, w, h, [flags]); }
  function EditorGadget(n, x, y, w, h, flags) { return create('EditorGadget', n, 'Editor', x, y, w, h, [flags]); }
  function SpinGadget(n, x, y, w, h, min, max, flags) { return create('SpinGadget', n, 'Spin', x, y, w, h, [min, max, flags]); }
  function TrackBarGadget(n, x, y, w, h, min, max, flags) {
    return create('TrackBarGadget', n, 'TrackBar', x, y, w, h, [min, max, flags]);
  }
  function ProgressBarGadget(n, x, y, w, h, min, max, flags) {
    return create('ProgressBarGadget', n, 'ProgressBar', x, y, w, h, [min, max, flags]);
  }
  function DateGadget(n, x, y, w, h, mask, date, flags) { return create('DateGadget', n, 'Date', x, y, w, h, [mask, date, flags]); }
  function ImageGadget(n, x, y, w, h, image, flags) { return create('ImageGadget', n, 'Image', x, y, w, h, [image, flags]); }
  function CanvasGadget(n, x, y, w, h, flags) { return create('CanvasGadget', n, 'Canvas', x, y, w, h, [flags]); }
  function ContainerGadget(n, x, y, w, h, flags) { return create('ContainerGadget', n, 'Container', x, y, w, h, [flags]); }
  function FrameGadget(n, x, y, w, h, t, flags) { return create('FrameGadget', n, 'Frame', x, y, w, h, [t, flags]); }
  function PanelGadget(n, x, y, w, h) { return create('PanelGadget', n, 'Panel', x, y, w, h, []); }
  function ScrollAreaGadget(n, x, y, w, h, innerW, innerH, step, flags) {
    return create('ScrollAreaGadget', n, 'ScrollArea', x, y, w, h, [innerW, innerH, step, flags]);
  }
  function SplitterGadget(n, x, y, w, h, first, second, flags) {
    return create('SplitterGadget', n, 'Splitter', x, y, w, h, [first, second, flags]);
  }

  // ---- The common commands ----

  // The gadget and its kind for a command, or null (with the debugger's
  // error for an unknown number).
  function target(command, number) {
    var g = gadgets.get(command, number);
    return g && g.box ? g : null;
  }

  // { g, kind } when the gadget's kind has the method, else { g: null }.
  function call(command, number, method) {
    var g = target(command, number);
    var kind = g && kinds[g.kind];
    return kind && kind[method] ? { g: g, kind: kind } : { g: null };
  }

  function SetGadgetText(number, t) {
    var c = call('SetGadgetText', number, 'setText');
    if (c.g) c.kind.setText(c.g, t);
  }
  function GetGadgetText(number) {
    var c = call('GetGadgetText', number, 'getText');
    return c.g ? c.kind.getText(c.g) : '';
  }
  function SetGadgetState(number, state) {
    var c = call('SetGadgetState', number, 'setState');
    if (c.g) c.kind.setState(c.g, state);
  }
  function GetGadgetState(number) {
    var c = call('GetGadgetState', number, 'getState');
    return c.g ? c.kind.getState(c.g) : 0;
  }

  // AddGadgetItem(#G, position, text$[, imageID[, flags or sublevel]]):
  // position -1 is the end. Answers nonzero.
  function AddGadgetItem(number, position, t, image, flags) {
    var c = call('AddGadgetItem', number, 'addItem');
    if (!c.g) return 0;
    c.kind.addItem(c.g, position, t, image, flags);
    return 1;
  }

  function itemCount(g, kind) { return kind.countItems ? kind.countItems(g) : 0; }

  // An item command on an index outside the items does nothing.
  function item(command, number, index, method) {
    var c = call(command, number, method);
    if (!c.g) return null;
    var i = num(index);
    var headerOk = c.kind.headerItem && i === -1;
    if (!headerOk && (i < 0 || i >= itemCount(c.g, c.kind) || i !== Math.floor(i))) return null;
    c.index = i;
    return c;
  }

  function RemoveGadgetItem(number, index) {
    var c = item('RemoveGadgetItem', number, index, 'removeItem');
    if (c) c.kind.removeItem(c.g, c.index);
  }
  function ClearGadgetItems(number) {
    var c = call('ClearGadgetItems', number, 'clearItems');
    if (c.g) c.kind.clearItems(c.g);
  }
  function CountGadgetItems(number) {
    var c = call('CountGadgetItems', number, 'countItems');
    return c.g ? c.kind.countItems(c.g) : 0;
  }
  // GetGadgetItemText(#G, item[, column]): "" for an item that is not there.
  function GetGadgetItemText(number, index, column) {
    var c = item('GetGadgetItemText', number, index, 'getItemText');
    return c ? c.kind.getItemText(c.g, c.index, column === undefined ? 0 : column) : '';
  }
  function SetGadgetItemText(number, index, t, column) {
    var c = item('SetGadgetItemText', number, index, 'setItemText');
    if (c) c.kind.setItemText(c.g, c.index, t, column === undefined ? 0 : column);
  }
  function GetGadgetItemState(number, index) {
    var c = item('GetGadgetItemState', number, index, 'getItemState');
    return c ? c.kind.getItemState(c.g, c.index) : 0;
  }
  function SetGadgetItemState(number, index, state) {
    var c = item('SetGadgetItemState', number, index, 'setItemState');
    if (c) c.kind.setItemState(c.g, c.index, state);
  }

  function SetGadgetItemData(number, index, value) {
    var g = target('SetGadgetItemData', number);
    var i = g && g.items ? validIndex(g.items, index) : -1;
    if (i >= 0) g.items[i].data = value;
  }
  function GetGadgetItemData(number, index) {
    var g = target('GetGadgetItemData', number);
    var i = g && g.items ? validIndex(g.items, index) : -1;
    return i >= 0 ? g.items[i].data : 0;
  }

  function SetGadgetData(number, value) {
    var g = target('SetGadgetData', number);
    if (g) g.data = value;
  }
  function GetGadgetData(number) {
    var g = target('GetGadgetData', number);
    return g ? g.data : 0;
  }

  function SetGadgetAttribute(number, attribute, value) {
    var c = call('SetGadgetAttribute', number, 'setAttribute');
    if (c.g) c.kind.setAttribute(c.g, num(attribute), value);
  }
  function GetGadgetAttribute(number, attribute) {
    var c = call('GetGadgetAttribute', number, 'getAttribute');
    return c.g ? c.kind.getAttribute(c.g, num(attribute)) : 0;
  }

  // DisableGadget(#G, state): a disabled gadget sends no events.
  function DisableGadget(number, state) {
    var g = target('DisableGadget', number);
    if (!g) return;
    g.disabled = !!num(state);
    g.box.classList.toggle('pb-disabled', g.disabled);
    [g.target, g.select].concat(Array.prototype.slice.call(g.box.querySelectorAll('button, input, select, textarea')))
      .forEach(function (e) { if (e && 'disabled' in e) e.disabled = g.disabled; });
  }

  function HideGadget(number, state) {
    var g = target('HideGadget', number);
    if (!g) return;
    g.hidden = !!num(state);
    g.box.style.display = g.hidden ? 'none' : '';
  }

  // ResizeGadget(#G, x, y, width, height): #PB_Ignore keeps a value.
  function ResizeGadget(number, x, y, width, height) {
    var g = target('ResizeGadget', number);
    if (!g) return;
    if (given(x)) g.x = Math.round(num(x));
    if (given(y)) g.y = Math.round(num(y));
    if (given(width)) g.width = Math.round(num(width));
    if (given(height)) g.height = Math.round(num(height));
    place(g);
    if (kinds[g.kind].resized) kinds[g.kind].resized(g);
  }

  function GadgetX(number) { var g = target('GadgetX', number); return g ? g.x : 0; }
  function GadgetY(number) { var g = target('GadgetY', number); return g ? g.y : 0; }
  function GadgetWidth(number) { var g = target('GadgetWidth', number); return g ? g.width : 0; }
  function GadgetHeight(number) { var g = target('GadgetHeight', number); return g ? g.height : 0; }

  // SetActiveGadget(#G) gives it the keyboard; -1 takes it away.
  function SetActiveGadget(number) {
    if (num(number) === -1) {
      if (document.activeElement && document.activeElement.blur) document.activeElement.blur();
      return;
    }
    var g = target('SetActiveGadget', number);
    if (g && g.target.focus) g.target.focus();
  }

  function GetActiveGadget() {
    var focused = hasPage ? document.activeElement : null;
    var found = gadgets.list().filter(function (g) { return g.target === focused; })[0];
    return found ? found.number : -1;
  }

  function setFont(g, font) {
    g.font = font ? font.handle : 0;
    g.box.style.font = font ? font.css : '';
    if (g.target !== g.box) g.target.style.font = font ? font.css : '';
  }

  // SetGadgetFont(#G, FontID(#F)); #PB_Default as the font is the page's,
  // #PB_Default as the gadget sets the font of the gadgets made after.
  function SetGadgetFont(number, fontID) {
    var font = num(fontID) === kDefault || num(fontID) === 0 ? null : W.fromHandle(fontID);
    if (num(number) === kDefault) {
      defaultFont = font;
      return;
    }
    var g = target('SetGadgetFont', number);
    if (g) setFont(g, font && font.css ? font : null);
  }
  function GetGadgetFont(number) {
    if (num(number) === kDefault) return defaultFont ? defaultFont.handle : 0;
    var g = target('GetGadgetFont', number);
    return g ? g.font : 0;
  }

  // SetGadgetColor(#G, #PB_Gadget_FrontColor | _BackColor | _LineColor,
  // colour); #PB_Default gives the page's colour back.
  function SetGadgetColor(number, attribute, color) {
    var g = target('SetGadgetColor', number);
    if (!g) return;
    var a = num(attribute), c = num(color);
    g.colors[a] = c;
    var css = c === kDefault ? '' : W.cssColor(c);
    var element = g.kind === 'ProgressBar' ? g.fill : g.target;
    if (a === kFrontColor) { element.style.color = css; g.box.style.color = css; }
    if (a === kBackColor) (g.kind === 'ProgressBar' ? g.box : element).style.backgroundColor = css;
    if (a === kFrontColor && g.kind === 'ProgressBar') g.fill.style.backgroundColor = css;
    if (a === kLineColor) g.box.style.setProperty('--pb-line', css || '#d0d0d0');
  }
  function GetGadgetColor(number, attribute) {
    var g = target('GetGadgetColor', number);
    if (!g) return 0;
    var c = g.colors[num(attribute)];
    return c === undefined ? kDefault : c;
  }

  function GadgetToolTip(number, t) {
    var g = target('GadgetToolTip', number);
    if (g) g.target.title = text(t);
  }

  return {
    ButtonGadget: ButtonGadget, ButtonImageGadget: ButtonImageGadget, TextGadget: TextGadget,
    StringGadget: StringGadget, CheckBoxGadget: CheckBoxGadget, OptionGadget: OptionGadget,
    HyperLinkGadget: HyperLinkGadget, ComboBoxGadget: ComboBoxGadget,
    ListViewGadget: ListViewGadget, ListIconGadget: ListIconGadget, TreeGadget: TreeGadget,
    EditorGadget: EditorGadget, SpinGadget: SpinGadget, TrackBarGadget: TrackBarGadget,
    ProgressBarGadget: ProgressBarGadget, DateGadget: DateGadget, ImageGadget: ImageGadget,
    CanvasGadget: CanvasGadget, ContainerGadget: ContainerGadget, FrameGadget: FrameGadget,
    PanelGadget: PanelGadget, ScrollAreaGadget: ScrollAreaGadget, SplitterGadget: SplitterGadget,
    CloseGadgetList: CloseGadgetList, OpenGadgetList: OpenGadgetList, UseGadgetList: UseGadgetList,
    FreeGadget: FreeGadget, IsGadget: IsGadget, GadgetID: GadgetID, GadgetType: GadgetType,
    SetGadgetText: SetGadgetText, GetGadgetText: GetGadgetText,
    SetGadgetState: SetGadgetState, GetGadgetState: GetGadgetState,
    AddGadgetItem: AddGadgetItem, RemoveGadgetItem: RemoveGadgetItem,
    ClearGadgetItems: ClearGadgetItems, CountGadgetItems: CountGadgetItems,
    GetGadgetItemText: GetGadgetItemText, SetGadgetItemText: SetGadgetItemText,
    GetGadgetItemState: GetGadgetItemState, SetGadgetItemState: SetGadgetItemState,
    SetGadgetItemData: SetGadgetItemData, GetGadgetItemData: GetGadgetItemData,
    SetGadgetItemAttribute: SetGadgetItemAttribute, GetGadgetItemAttribute: GetGadgetItemAttribute,
    SetGadgetData: SetGadgetData, GetGadgetData: GetGadgetData,
    SetGadgetAttribute: SetGadgetAttribute, GetGadgetAttribute: GetGadgetAttribute,
    AddGadgetColumn: AddGadgetColumn, RemoveGadgetColumn: RemoveGadgetColumn,
    DisableGadget: DisableGadget, HideGadget: HideGadget, ResizeGadget: ResizeGadget,
    GadgetX: GadgetX, GadgetY: GadgetY, GadgetWidth: GadgetWidth, GadgetHeight: GadgetHeight,
    SetActiveGadget: SetActiveGadget, GetActiveGadget: GetActiveGadget,
    SetGadgetFont: SetGadgetFont, GetGadgetFont: GetGadgetFont,
    SetGadgetColor: SetGadgetColor, GetGadgetColor: GetGadgetColor, GadgetToolTip: GadgetToolTip,
    BindGadgetEvent: BindGadgetEvent, UnbindGadgetEvent: UnbindGadgetEvent,
    CanvasOutput: CanvasOutput,

    // helpers of the desktop libraries
    useWindow: useWindow, freeWindow: freeWindow, gadgets: gadgets,

    // the PureBasic type of each function's result, for the converter
    returns: {
      ButtonGadget: 'i', ButtonImageGadget: 'i', TextGadget: 'i', StringGadget: 'i',
      CheckBoxGadget: 'i', OptionGadget: 'i', HyperLinkGadget: 'i', ComboBoxGadget: 'i',
      ListViewGadget: 'i', ListIconGadget: 'i', TreeGadget: 'i', EditorGadget: 'i',
      SpinGadget: 'i', TrackBarGadget: 'i', ProgressBarGadget: 'i', DateGadget: 'i',
      ImageGadget: 'i', CanvasGadget: 'i', ContainerGadget: 'i', FrameGadget: 'i',
      PanelGadget: 'i', ScrollAreaGadget: 'i', SplitterGadget: 'i',
      CloseGadgetList: '', OpenGadgetList: 'i', UseGadgetList: 'i', FreeGadget: '',
      IsGadget: 'i', GadgetID: 'i', GadgetType: 'i', SetGadgetText: '', GetGadgetText: 's',
      SetGadgetState: '', GetGadgetState: 'i', AddGadgetItem: 'i', RemoveGadgetItem: '',
      ClearGadgetItems: '', CountGadgetItems: 'i', GetGadgetItemText: 's',
      SetGadgetItemText: '', GetGadgetItemState: 'i', SetGadgetItemState: '',
      SetGadgetItemData: '', GetGadgetItemData: 'i', SetGadgetItemAttribute: '',
      GetGadgetItemAttribute: 'i', SetGadgetData: '', GetGadgetData: 'i',
      SetGadgetAttribute: '', GetGadgetAttribute: 'i', AddGadgetColumn: '',
      RemoveGadgetColumn: '', DisableGadget: '', HideGadget: '', ResizeGadget: '',
      GadgetX: 'i', GadgetY: 'i', GadgetWidth: 'i', GadgetHeight: 'i', SetActiveGadget: '',
      GetActiveGadget: 'i', SetGadgetFont: '', GetGadgetFont: 'i', SetGadgetColor: '',
      GetGadgetColor: 'i', GadgetToolTip: '', BindGadgetEvent: '', UnbindGadgetEvent: '',
      CanvasOutput: 'i'
    }
  };
})();
