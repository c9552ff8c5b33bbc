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
// Each kind of gadget is one entry of the table `kinds`: the buttons,
// texts, strings, check boxes and options here; the kinds with items
// (cGadgetItems.js), with values (cGadgetValues.js), with pictures
// (cGadgetPictures.js) and the containers (cGadgetContainers.js) add
// theirs through cGadget.kit. A command that a kind does not have does
// nothing (a text "" and a number 0).
var cGadget = (function () {
  var W = cWindow, num = W.num, given = W.given, text = W.text;
  var kDefault = -1;
  var kEventGadget = 13100;
  var kLeftClick = 0, kFocus = 14, kLostFocus = 15, kChange = 768;
  var kFrontColor = 1, kBackColor = 2, kLineColor = 3;

  var hasPage = typeof document !== 'undefined';
  var el = W.makeElement;

  var gadgets = W.registry('Gadget', release);
  var lists = [];              // the gadget lists, the current one last
  var defaultFont = null;      // SetGadgetFont(#PB_Default, FontID)
  var optionGroups = 0;

  // ---- Gadget lists ----

  // A gadget list: where its gadgets go (element), its window, the gadget
  // that owns it (null for the window's own), the gadget made last in it
  // (for the groups of options), and its gadgets.
  function gadgetList(element, window, owner) {
    return { element: element, window: window, owner: owner, last: null, members: new Set() };
  }

  function windowList(w) {
    if (!w.gadgetList) w.gadgetList = gadgetList(w.client, w, null);
    return w.gadgetList;
  }

  // OpenWindow makes the new window's list the current one.
  function useWindow(w) { lists = [windowList(w)]; }

  function currentList() { return lists.length ? lists[lists.length - 1] : null; }

  function pushList(list) { lists.push(list); }

  // A panel's new tab becomes the open list in place of the panel's own.
  function replaceCurrentList(list) { if (lists.length) lists[lists.length - 1] = list; }

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
    list.members.add(g);
    if (defaultFont) setFont(g, defaultFont);
    list.last = g;
    // a container (a frame or canvas only with its flag) opens its own list
    if (kinds[kind].opens || g.opensList) pushList(g.lists[0]);
    return W.created(number, g);
  }

  // A gadget goes with the gadgets inside it (those of its lists, the two
  // of a splitter).
  function release(g) {
    var kind = kinds[g.kind];
    if (kind.children) kind.children(g).forEach(function (child) { gadgets.free(child); });
    g.lists.forEach(freeMembers);
    if (g.list) g.list.members.delete(g);
    lists = lists.filter(function (l) { return l.owner !== g; });
    if (g.box && g.box.parentNode) g.box.parentNode.removeChild(g.box);
  }

  function freeMembers(list) {
    Array.from(list.members).forEach(function (child) { gadgets.free(child); });
  }

  function FreeGadget(number) {
    var g = gadgets.get('FreeGadget', number);
    if (g) gadgets.free(g);
  }

  // CloseWindow frees the window's gadgets with it.
  function freeWindow(w) {
    if (w.gadgetList) freeMembers(w.gadgetList);
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
      var follows = last && last.kind === 'Option' && gadgets.find(last.number) === last;
      g.group = follows ? last.group : ++optionGroups;
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

  var kinds = {
    Button: Button, Text: Text, String: String_, CheckBox: CheckBox, Option: Option, HyperLink: HyperLink
  };

  // ---- The creators ----

  // Each creator, the kind it makes: XxxGadget(#G, x, y, width, height,
  // ...) hands its own arguments after the size to the kind.
  var kCreators = {
    ButtonGadget: 'Button', ButtonImageGadget: 'ButtonImage', TextGadget: 'Text',
    StringGadget: 'String', CheckBoxGadget: 'CheckBox', OptionGadget: 'Option',
    HyperLinkGadget: 'HyperLink', ComboBoxGadget: 'ComboBox', ListViewGadget: 'ListView',
    ListIconGadget: 'ListIcon', TreeGadget: 'Tree', EditorGadget: 'Editor', SpinGadget: 'Spin',
    TrackBarGadget: 'TrackBar', ProgressBarGadget: 'ProgressBar', DateGadget: 'Date',
    ImageGadget: 'Image', CanvasGadget: 'Canvas', ContainerGadget: 'Container', FrameGadget: 'Frame',
    PanelGadget: 'Panel', ScrollAreaGadget: 'ScrollArea', SplitterGadget: 'Splitter'
  };

  function creator(command, kind) {
    return function (number, x, y, width, height) {
      return create(command, number, kind, x, y, width, height, Array.prototype.slice.call(arguments, 5));
    };
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
    var parts = Array.prototype.slice.call(g.box.querySelectorAll('button, input, select, textarea'));
    [g.target, g.select].concat(parts).forEach(function (e) {
      if (e && 'disabled' in e) e.disabled = g.disabled;
    });
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

  // AddGadgetColumn(#G, position, title$, width) of a list icon.
  function AddGadgetColumn(number, position, title, width) {
    var c = call('AddGadgetColumn', number, 'addColumn');
    if (c.g) c.kind.addColumn(c.g, position, title, width);
  }
  function RemoveGadgetColumn(number, column) {
    var c = call('RemoveGadgetColumn', number, 'removeColumn');
    if (c.g) c.kind.removeColumn(c.g, column);
  }

  // CanvasOutput(#G): the canvas as the output of StartDrawing.
  function CanvasOutput(number) {
    var c = call('CanvasOutput', number, 'output');
    if (c.g) return c.kind.output(c.g);
    var g = gadgets.find(number);
    if (g) W.debuggerError('CanvasOutput', 'the #Gadget ' + g.number + ' is no CanvasGadget.');
    return 0;
  }

  function GadgetToolTip(number, t) {
    var g = target('GadgetToolTip', number);
    if (g) g.target.title = text(t);
  }

  var library = {
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

    // helpers of the desktop libraries, and of the files with more kinds
    useWindow: useWindow, freeWindow: freeWindow, gadgets: gadgets,
    kit: {
      W: W, num: num, text: text, el: el, on: on, send: send, sendOn: sendOn,
      focusEvents: focusEvents, label: label, setLabel: setLabel, insertAt: insertAt,
      validIndex: validIndex, clamp: clamp, place: place, gadgets: gadgets, kinds: kinds,
      currentList: currentList, replaceCurrentList: replaceCurrentList, gadgetList: gadgetList,
      freeMembers: freeMembers,
      filterInput: filterInput, digitsOnly: digitsOnly
    },

    // the PureBasic type of each function's result, for the converter
    returns: {
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
  Object.keys(kCreators).forEach(function (name) {
    library[name] = creator(name, kCreators[name]);
    library.returns[name] = 'i';
  });
  return library;
})();
