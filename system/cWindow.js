// cWindow: PureBasic's windows and their events, as elements of the page.
// Emitted calls: cWindow.OpenWindow(#W, x, y, width, height, title[, flags
// [, parentID]]), cWindow.CloseWindow(#W), await cWindow.WaitWindowEvent(
// [timeout]), cWindow.WindowEvent(), cWindow.EventGadget() ...,
// cWindow.BindEvent(event, callback[, #W[, object[, type]]]),
// cWindow.AddWindowTimer(#W, timer, ms), cWindow.PostEvent(event, ...),
// cWindow.AddKeyboardShortcut(#W, shortcut, event) and the other Window
// commands.
// A window is an element of the "desktop" area at the top of the page: a
// title bar with the title and a close box, an optional menu bar, and the
// client area of the inner size the program asked for, where the gadgets
// are placed in pixels. The element carries data-pb-window with the
// window's number.
// Events wait in one queue until the program takes them with
// WaitWindowEvent() or WindowEvent(); taking an event makes it the current
// one (EventWindow() and the others read it) and first calls the callbacks
// bound to it. A timer's event, as in PureBasic, comes only when the queue
// is empty. WaitWindowEvent is a waiting command: it answers a Promise
// (through cCommon.KVX_Wait, which shows the page as "waiting").
// The helpers of the desktop libraries are lower-case members: object
// numbers with #PB_Any, the handles of the ...ID() commands, the Debug
// area's error lines, the event queue.
var cWindow = (function () {
  var kAny = -1, kAll = -1, kIgnore = -2147483648;
  var kEventMenu = 13313, kEventGadget = 13100, kEventCloseWindow = 13116, kEventTimer = 13082;
  var kEventSizeWindow = 13102, kEventMoveWindow = 13103, kEventActivateWindow = 13107,
      kEventDeactivateWindow = 13108, kEventMinimize = 13104, kEventMaximize = 13105,
      kEventRestore = 13106;
  var kInnerCoordinate = 0, kFrameCoordinate = 1;
  // Window flags: bits of Windows' window styles
  var kSysMenuBit = 0x80000, kSizeBit = 0x40000, kMinimizeBit = 0x20000, kMaximizeBit = 0x10000,
      kInvisible = 0x10000000, kBorderLess = 0x80000000, kScreenCentered = 0x1,
      kWindowCentered = 0x2, kMaximize = 0x1000000, kMinimize = 0x20000000, kNoGadgets = 0x8,
      kNoActivate = 0x2000000, kTool = 0x4, kSystemMenu = 0xC80000;
  var kNormal = 0;
  var kShortcutShift = 0x10000, kShortcutControl = 0x20000, kShortcutAlt = 0x40000;

  var hasPage = typeof document !== 'undefined';

  // ---- Helpers shared by the desktop libraries ----

  // A number argument: a BigInt or a truth value too, NaN as 0.
  function num(value) {
    if (typeof value === 'bigint') return Number(value);
    var n = Number(value);
    return n === n ? n : 0;
  }

  function given(value) { return value !== undefined && num(value) !== kIgnore; }

  function text(value) {
    return typeof cString !== 'undefined' && cString.text ? cString.text(value) :
      value === undefined || value === null ? '' : String(value);
  }

  // A PureBasic colour (red in the low byte) as a CSS colour.
  function cssColor(color) {
    var c = num(color);
    return 'rgb(' + (c & 255) + ',' + ((c >>> 8) & 255) + ',' + ((c >>> 16) & 255) + ')';
  }

  // What the PureBasic debugger would stop the program with: a line in the
  // Debug area (shown even when Debug output is off) and the browser's
  // console; the command then does nothing and the program goes on.
  function debuggerError(command, message) {
    var line = '[ERROR] ' + command + '(): ' + message;
    if (typeof console !== 'undefined' && console.error) console.error(line);
    var area = hasPage ? document.getElementById('debug') : null;
    if (!area) return;
    var element = document.createElement('div');
    element.className = 'debug-line debug-error';
    element.appendChild(document.createTextNode(line));
    area.appendChild(element);
  }

  // The numbers the ...ID() commands answer (WindowID, GadgetID, ImageID,
  // FontID, MenuID, the outputs of StartDrawing): nonzero and far from the
  // numbers a program chooses.
  var handles = new Map();
  var nextHandle = 0x10000000;
  function newHandle(object) {
    var h = nextHandle;
    nextHandle += 16;
    handles.set(h, object);
    return h;
  }
  function fromHandle(handle) { return handles.get(num(handle)); }
  function dropHandle(handle) { handles.delete(num(handle)); }

  // The numbers #PB_Any gives, shared by every kind of object.
  var nextAny = 0x100000;

  // The objects of one kind ('Window', 'Gadget', ...) by their numbers.
  // release(object) frees one (the element, its children); an object
  // created again under its number frees the old one first.
  function Registry(kind, release) {
    this.kind = kind;
    this.release = release;
    this.objects = new Map();
  }
  // Answers the number to use, or -1 for a number PureBasic refuses.
  Registry.prototype.reserve = function (command, number) {
    var n = num(number);
    if (n === kAny) return nextAny++;
    if (n < 0 || n !== Math.floor(n) || n >= 0x1000000) {
      debuggerError(command, '#' + this.kind + ' object number is invalid (' + n + ').');
      return -1;
    }
    var old = this.objects.get(n);
    if (old) this.free(old);
    return n;
  };
  Registry.prototype.add = function (object) {
    this.objects.set(object.number, object);
    object.handle = newHandle(object);
    return object;
  };
  Registry.prototype.find = function (number) { return this.objects.get(num(number)); };
  // The object, or null with the debugger's error for a number never
  // created or already freed.
  Registry.prototype.get = function (command, number) {
    var object = this.objects.get(num(number));
    if (object) return object;
    debuggerError(command, 'the #' + this.kind + ' ' + num(number) + ' is not initialised.');
    return null;
  };
  Registry.prototype.free = function (object) {
    if (this.objects.get(object.number) !== object) return;
    this.objects.delete(object.number);
    dropHandle(object.handle);
    this.release(object);
  };
  Registry.prototype.list = function () { return Array.from(this.objects.values()); };
  // What a creator answers: the number made for #PB_Any, else the handle.
  function created(number, object) { return num(number) === kAny ? object.number : object.handle; }

  // The area of the page the windows are placed in, made on first use
  // above the console.
  function desktop() {
    var area = document.getElementById('desktop');
    if (area) return area;
    area = document.createElement('div');
    area.id = 'desktop';
    document.body.insertBefore(area, document.getElementById('console') || document.body.firstChild);
    return area;
  }

  // The desktop is as tall as its lowest window.
  function fitDesktop() {
    if (!hasPage) return;
    var area = desktop(), bottom = 0;
    windows.list().forEach(function (w) {
      if (!w.hidden) bottom = Math.max(bottom, w.element.offsetTop + w.element.offsetHeight);
    });
    area.style.height = bottom > 0 ? (bottom + 8) + 'px' : '0';
  }

  // ---- The waiting state ----

  // Until the console's own helper is there, the same helper: the page
  // shows "waiting" until the promise settles.
  function standInWait(promise) {
    var body = hasPage ? document.body : null;
    function set(state) { if (body) body.dataset.korvexState = state; }
    set('waiting');
    return promise.then(function (value) { set('running'); return value; },
                        function (error) { set('running'); throw error; });
  }
  function waitFor(promise) {
    return (typeof cCommon !== 'undefined' && cCommon.KVX_Wait || standInWait)(promise);
  }

  // ---- The event queue ----

  var queue = [];
  var none = { event: 0, window: -1, object: -1, type: 0, data: 0 };
  var current = none;
  var waiters = [];
  var timers = [];       // { window, id, interval, due }
  var dueTimers = [];    // timers that ticked, in order, each once
  var bindings = [];     // { event, callback, window, object, type }
  var shortcuts = [];    // { window, key, event }

  function wake() {
    var list = waiters;
    waiters = [];
    list.forEach(function (resolve) { resolve(); });
  }

  // Puts an event behind the others: { event, window, object, type, data,
  // state }. state, when given, is applied when the event is taken (the
  // mouse position of a canvas at the time of the event). With merge, an
  // equal event at the end of the queue is replaced (mouse moves, sizes).
  function queueEvent(record, merge) {
    var last = queue[queue.length - 1];
    if (merge && last && last.event === record.event && last.window === record.window &&
        last.object === record.object && last.type === record.type) {
      queue[queue.length - 1] = record;
    } else {
      queue.push(record);
    }
    wake();
  }

  function takeEvent() {
    if (queue.length) return queue.shift();
    while (dueTimers.length) {
      var timer = dueTimers.shift();
      timer.due = false;
      if (timers.indexOf(timer) >= 0)
        return { event: kEventTimer, window: timer.window, object: timer.id, type: 0, data: 0 };
    }
    return null;
  }

  function matches(binding, record) {
    return binding.event === record.event &&
      (binding.window === kAll || binding.window === record.window) &&
      (binding.object === kAll || binding.object === record.object) &&
      (binding.type === kAll || binding.type === record.type);
  }

  // Calls the callbacks bound to the event one after the other; a callback
  // that waits (an async procedure) is waited for before the next. Answers
  // a Promise when one waited, else nothing.
  function runCallbacks(record) {
    var list = bindings.filter(function (b) { return matches(b, record); });
    for (var i = 0; i < list.length; i++) {
      var result = list[i].callback();
      if (result && typeof result.then === 'function') {
        var rest = list.slice(i + 1);
        return rest.reduce(function (chain, b) {
          return chain.then(function () { return b.callback(); });
        }, result);
      }
    }
    return null;
  }

  // Makes the event the current one, calls its callbacks, answers its
  // number (a Promise of it while a callback waits).
  function deliver(record) {
    current = record;
    if (record.apply) record.apply();
    var pending = runCallbacks(record);
    return pending ? pending.then(function () { return record.event; }) : record.event;
  }

  // A WaitWindowEvent() whose Promise nobody awaits would loop without end
  // and freeze the tab: after many calls without a pause, stop the program.
  var callsWithoutPause = 0;
  function checkAwaited() {
    if (callsWithoutPause++ === 0) Promise.resolve().then(function () { callsWithoutPause = 0; });
    if (callsWithoutPause > 100000)
      throw new Error('WaitWindowEvent() must be awaited: the program does not run asynchronously');
  }

  // WaitWindowEvent([timeout]): the next event; 0 when the timeout (in
  // milliseconds) passed without one.
  function WaitWindowEvent(timeout) {
    checkAwaited();
    // a program stopped from outside takes no more events
    if (typeof cCommon !== 'undefined' && cCommon.KVX_HasEnded && cCommon.KVX_HasEnded())
      return waitFor(Promise.resolve(0));
    var record = takeEvent();
    if (record) return deliver(record);
    var limit = timeout === undefined ? -1 : Math.max(0, num(timeout));
    var timer = null;
    var arrived = new Promise(function (resolve) {
      waiters.push(resolve);
      if (limit >= 0) timer = setTimeout(wake, limit);
    });
    return waitFor(arrived).then(function () {
      if (timer !== null) clearTimeout(timer);
      var next = takeEvent();
      if (next) return deliver(next);
      current = none;
      return 0;
    });
  }

  // WindowEvent(): the next event or 0, at once. A callback that waits goes
  // on by itself.
  function WindowEvent() {
    var record = takeEvent();
    if (!record) {
      current = none;
      return 0;
    }
    var answer = deliver(record);
    if (typeof answer === 'number') return answer;
    answer.catch(function (error) { if (typeof console !== 'undefined') console.error(error); });
    return record.event;
  }

  function Event() { return current.event; }
  function EventWindow() { return current.window; }
  function EventGadget() { return current.object; }
  function EventMenu() { return current.object; }
  function EventTimer() { return current.object; }
  function EventType() { return current.type; }
  function EventData() { return current.data; }

  // PostEvent(event[, #W, object[, type[, data]]]) puts an event of the
  // program's own in the queue.
  function PostEvent(event, window, object, type, data) {
    queueEvent({ event: num(event), window: window === undefined ? -1 : num(window),
                 object: object === undefined ? -1 : num(object),
                 type: type === undefined ? 0 : num(type), data: data === undefined ? 0 : num(data) });
    return 1;
  }

  function bindingOf(event, callback, window, object, type) {
    return { event: num(event), callback: callback,
             window: window === undefined ? kAll : num(window),
             object: object === undefined ? kAll : num(object),
             type: type === undefined ? kAll : num(type) };
  }

  // BindEvent(event, @Callback()[, #W[, object[, type]]]); a binding made
  // twice is kept once. command names the Bind command for its error.
  function bind(command, event, callback, window, object, type) {
    if (typeof callback !== 'function') {
      debuggerError(command, 'the callback is not a procedure.');
      return;
    }
    var b = bindingOf(event, callback, window, object, type);
    unbind(b);
    bindings.push(b);
  }

  function unbind(b) {
    bindings = bindings.filter(function (o) {
      return !(o.event === b.event && o.callback === b.callback && o.window === b.window &&
               o.object === b.object && o.type === b.type);
    });
  }

  function BindEvent(event, callback, window, object, type) {
    bind('BindEvent', event, callback, window, object, type);
  }
  function UnbindEvent(event, callback, window, object, type) {
    unbind(bindingOf(event, callback, window, object, type));
  }

  // ---- Windows ----

  var windows = new Registry('Window', releaseWindow);
  var active = null;
  var zOrder = 10;

  // Flags are 32-bit: #PB_Window_BorderLess reads as a negative number.
  function hasFlag(flags, bits) { return (flags & bits) === (bits | 0); }

  function makeElement(tag, className, parent) {
    var element = document.createElement(tag);
    if (className) element.className = className;
    if (parent) parent.appendChild(element);
    return element;
  }

  function titleButton(w, className, title, symbol) {
    var button = makeElement('button', 'pb-window-box ' + className, w.titleBar);
    button.type = 'button';
    button.title = title;
    button.appendChild(document.createTextNode(symbol));
    button.addEventListener('mousedown', function (e) { e.stopPropagation(); });
    return button;
  }

  function buildWindowElement(w) {
    var element = makeElement('div', 'pb-window');
    element.dataset.pbWindow = String(w.number);
    element.tabIndex = -1;
    if (!hasFlag(w.flags, kBorderLess)) {
      w.titleBar = makeElement('div', 'pb-window-title', element);
      w.caption = makeElement('span', 'pb-window-caption', w.titleBar);
      if (hasFlag(w.flags, kMinimizeBit))
        w.minimizeBox = titleButton(w, 'pb-window-min', 'Minimize', '\u2013');
      if (hasFlag(w.flags, kMaximizeBit))
        w.maximizeBox = titleButton(w, 'pb-window-max', 'Maximize', '\u25a1');
      if (hasFlag(w.flags, kSysMenuBit)) w.closeBox = titleButton(w, 'pb-window-close', 'Close', '\u00d7');
    } else {
      element.classList.add('pb-window-borderless');
    }
    if (hasFlag(w.flags, kTool)) element.classList.add('pb-window-tool');
    w.menuSlot = makeElement('div', 'pb-window-menu', element);
    w.client = makeElement('div', 'pb-window-client', element);
    if (hasFlag(w.flags, kSizeBit) && !hasFlag(w.flags, kBorderLess))
      w.sizeBox = makeElement('div', 'pb-window-size', element);
    w.element = element;
    desktop().appendChild(element);
    listenToWindow(w);
  }

  // Where a window without a place goes: a little lower and to the right
  // of the one opened before.
  var cascade = 0;
  function place(w, x, y, parent) {
    var outerW = w.element.offsetWidth, outerH = w.element.offsetHeight;
    if (hasFlag(w.flags, kScreenCentered)) {
      var area = desktop().getBoundingClientRect();
      var viewW = document.documentElement.clientWidth || outerW;
      var viewH = window.innerHeight || outerH;
      x = Math.max(0, Math.round((Math.min(viewW, area.width || viewW) - outerW) / 2));
      y = Math.max(0, Math.round((viewH - outerH) / 2 - Math.max(0, area.top + window.scrollY)));
    } else if (hasFlag(w.flags, kWindowCentered) && parent) {
      x = Math.max(0, parent.x + Math.round((parent.element.offsetWidth - outerW) / 2));
      y = Math.max(0, parent.y + Math.round((parent.element.offsetHeight - outerH) / 2));
    } else {
      var chosen = !given(x) || !given(y);
      if (!given(x)) x = 20 + cascade * 24;
      if (!given(y)) y = 20 + cascade * 24;
      if (chosen) cascade = (cascade + 1) % 8;
    }
    moveTo(w, num(x), num(y));
  }

  function moveTo(w, x, y) {
    w.x = Math.round(x);
    w.y = Math.round(y);
    w.element.style.left = w.x + 'px';
    w.element.style.top = w.y + 'px';
  }

  function sizeClient(w, width, height) {
    w.width = Math.max(0, Math.round(width));
    w.height = Math.max(0, Math.round(height));
    w.client.style.width = w.width + 'px';
    w.client.style.height = w.height + 'px';
  }

  // OpenWindow(#W, x, y, innerWidth, innerHeight, title$[, flags[, parentID]])
  function OpenWindow(number, x, y, width, height, title, flags, parentID) {
    var n = windows.reserve('OpenWindow', number);
    if (n < 0) return 0;
    var w = windows.add({ number: n, flags: flags === undefined ? kSystemMenu : num(flags) | 0,
                          hidden: false, state: kNormal, disabled: false, color: -1, menu: null,
                          output: null, mouseX: -1, mouseY: -1 });
    if (!hasPage) return created(number, w);
    buildWindowElement(w);
    setTitle(w, title);
    sizeClient(w, num(width), num(height));
    var parent = parentID !== undefined ? fromHandle(parentID) : null;
    place(w, x, y, parent && parent.client ? parent : active);
    w.element.style.zIndex = String(++zOrder);
    if (hasFlag(w.flags, kMaximize)) setState(w, kMaximize);
    if (hasFlag(w.flags, kMinimize)) setState(w, kMinimize);
    if (hasFlag(w.flags, kInvisible)) hide(w, true);
    else if (!hasFlag(w.flags, kNoActivate)) activate(w, false);
    if (!hasFlag(w.flags, kNoGadgets) && typeof cGadget !== 'undefined') cGadget.useWindow(w);
    fitDesktop();
    return created(number, w);
  }

  function releaseWindow(w) {
    if (typeof cGadget !== 'undefined') cGadget.freeWindow(w);
    if (typeof cMenu !== 'undefined') cMenu.freeWindow(w);
    timers.filter(function (t) { return t.window === w.number; }).forEach(stopTimer);
    shortcuts = shortcuts.filter(function (s) { return s.window !== w.number; });
    bindings = bindings.filter(function (b) { return b.window !== w.number; });
    queue = queue.filter(function (r) { return r.window !== w.number; });
    if (active === w) active = null;
    if (w.element && w.element.parentNode) w.element.parentNode.removeChild(w.element);
    if (hasPage) fitDesktop();
  }

  // CloseWindow(#W | #PB_All): with its gadgets, menu, timers, shortcuts
  // and bindings.
  function CloseWindow(number) {
    if (num(number) === kAll) {
      windows.list().forEach(function (w) { windows.free(w); });
      return;
    }
    var w = windows.get('CloseWindow', number);
    if (w) windows.free(w);
  }

  function IsWindow(number) { return windows.find(number) ? 1 : 0; }

  function WindowID(number) {
    var w = windows.get('WindowID', number);
    return w ? w.handle : 0;
  }

  function setTitle(w, title) {
    w.title = text(title);
    if (w.caption) w.caption.textContent = w.title;
  }

  function SetWindowTitle(number, title) {
    var w = windows.get('SetWindowTitle', number);
    if (w) setTitle(w, title);
  }

  function GetWindowTitle(number) {
    var w = windows.get('GetWindowTitle', number);
    return w ? w.title : '';
  }

  // The frame's size beside the client area: title bar, menu bar, borders.
  function frameWidth(w) { return w.element ? w.element.offsetWidth - w.client.offsetWidth : 0; }
  function frameHeight(w) { return w.element ? w.element.offsetHeight - w.client.offsetHeight : 0; }

  // WindowX(#W[, #PB_Window_FrameCoordinate | _InnerCoordinate]): the
  // frame's place by default, the client area's with _InnerCoordinate.
  function WindowX(number, mode) {
    var w = windows.get('WindowX', number);
    if (!w) return 0;
    return mode !== undefined && num(mode) === kInnerCoordinate && w.element ?
      w.x + w.element.clientLeft + w.client.offsetLeft : w.x;
  }
  function WindowY(number, mode) {
    var w = windows.get('WindowY', number);
    if (!w) return 0;
    return mode !== undefined && num(mode) === kInnerCoordinate && w.element ?
      w.y + w.element.clientTop + w.client.offsetTop : w.y;
  }
  // WindowWidth(#W[, #PB_Window_InnerCoordinate | _FrameCoordinate])
  function WindowWidth(number, mode) {
    var w = windows.get('WindowWidth', number);
    if (!w) return 0;
    return num(mode) === kFrameCoordinate ? w.width + frameWidth(w) : w.width;
  }
  function WindowHeight(number, mode) {
    var w = windows.get('WindowHeight', number);
    if (!w) return 0;
    return num(mode) === kFrameCoordinate ? w.height + frameHeight(w) : w.height;
  }

  // ResizeWindow(#W, x, y, width, height): #PB_Ignore keeps a value. The
  // program's own change sends no event.
  function ResizeWindow(number, x, y, width, height) {
    var w = windows.get('ResizeWindow', number);
    if (!w || !w.element) return;
    moveTo(w, given(x) ? num(x) : w.x, given(y) ? num(y) : w.y);
    sizeClient(w, given(width) ? num(width) : w.width, given(height) ? num(height) : w.height);
    fitDesktop();
  }

  function hide(w, state) {
    w.hidden = state;
    if (!w.element) return;
    w.element.style.display = state ? 'none' : '';
    if (state && active === w) active = null;
    fitDesktop();
  }

  // HideWindow(#W, state[, flags]): a window shown again becomes active
  // unless flags hold #PB_Window_NoActivate.
  function HideWindow(number, state, flags) {
    var w = windows.get('HideWindow', number);
    if (!w) return;
    hide(w, !!num(state));
    if (!w.hidden && !hasFlag(num(flags), kNoActivate)) activate(w, false);
  }

  function DisableWindow(number, state) {
    var w = windows.get('DisableWindow', number);
    if (!w) return;
    w.disabled = !!num(state);
    if (w.element) w.element.classList.toggle('pb-disabled', w.disabled);
  }

  function SetWindowColor(number, color) {
    var w = windows.get('SetWindowColor', number);
    if (!w) return;
    w.color = num(color);
    if (w.client) w.client.style.backgroundColor = w.color === -1 ? '' : cssColor(w.color);
  }

  function GetWindowColor(number) {
    var w = windows.get('GetWindowColor', number);
    return w ? w.color : -1;
  }

  // Minimized, a window shows only its title bar; maximized, it fills the
  // width of the desktop and the height of the browser's view, and its old
  // place and size come back when it is restored.
  function setState(w, state) {
    if (state === w.state || !w.element) {
      w.state = state;
      return;
    }
    if (w.state === kMaximize && w.normal) {
      moveTo(w, w.normal[0], w.normal[1]);
      sizeClient(w, w.normal[2], w.normal[3]);
    }
    if (state === kMaximize) {
      w.normal = [w.x, w.y, w.width, w.height];
      var area = desktop().getBoundingClientRect();
      moveTo(w, 0, 0);
      sizeClient(w, (area.width || w.width) - frameWidth(w),
                 Math.max(window.innerHeight - Math.max(0, area.top), 100) - frameHeight(w));
    }
    w.state = state;
    w.element.classList.toggle('pb-window-minimized', state === kMinimize);
    w.element.classList.toggle('pb-window-maximized', state === kMaximize);
    fitDesktop();
  }

  // The boxes of the title bar: minimize (or restore), maximize (or
  // restore); each change sends its event, and a new size #PB_Event_SizeWindow.
  function changeState(w, state) {
    if (w.disabled) return;
    var before = [w.width, w.height];
    setState(w, state);
    var event = state === kMinimize ? kEventMinimize : state === kMaximize ? kEventMaximize : kEventRestore;
    queueEvent({ event: event, window: w.number, object: -1, type: 0, data: 0 });
    if (w.width !== before[0] || w.height !== before[1])
      queueEvent({ event: kEventSizeWindow, window: w.number, object: -1, type: 0, data: 0 });
  }

  // SetWindowState(#W, #PB_Window_Normal | _Maximize | _Minimize)
  function SetWindowState(number, state) {
    var w = windows.get('SetWindowState', number);
    if (w) setState(w, num(state));
  }
  function GetWindowState(number) {
    var w = windows.get('GetWindowState', number);
    return w ? w.state : kNormal;
  }

  function StickyWindow(number, state) {
    var w = windows.get('StickyWindow', number);
    if (w && w.element) w.element.classList.toggle('pb-window-sticky', !!num(state));
  }

  function WindowBounds(number, minWidth, minHeight, maxWidth, maxHeight) {
    var w = windows.get('WindowBounds', number);
    if (w) w.bounds = [minWidth, minHeight, maxWidth, maxHeight].map(num);
  }

  function SmartWindowRefresh(number, state) { windows.get('SmartWindowRefresh', number); }

  // The active window is in front; a change sends the deactivation of the
  // old one and the activation of the new one when the user made it.
  function activate(w, byUser) {
    if (!w || !w.element) return;
    w.element.style.zIndex = String(++zOrder);
    if (active === w) return;
    var previous = active;
    if (previous && previous.element) previous.element.classList.remove('pb-window-active');
    active = w;
    w.element.classList.add('pb-window-active');
    if (!byUser) return;
    if (previous)
      queueEvent({ event: kEventDeactivateWindow, window: previous.number, object: -1, type: 0, data: 0 });
    queueEvent({ event: kEventActivateWindow, window: w.number, object: -1, type: 0, data: 0 });
  }

  function GetActiveWindow() { return active ? active.number : -1; }

  function SetActiveWindow(number) {
    var w = windows.get('SetActiveWindow', number);
    if (w) activate(w, false);
  }

  // WindowMouseX(#W): the mouse in the client area, -1 outside it.
  function WindowMouseX(number) {
    var w = windows.get('WindowMouseX', number);
    return w ? w.mouseX : -1;
  }
  function WindowMouseY(number) {
    var w = windows.get('WindowMouseY', number);
    return w ? w.mouseY : -1;
  }

  // WindowOutput(#W): drawing on the client area, under the gadgets.
  function WindowOutput(number) {
    var w = windows.get('WindowOutput', number);
    if (!w || !hasPage) return 0;
    if (!w.output) {
      var canvas = makeElement('canvas', 'pb-window-canvas');
      canvas.width = w.width;
      canvas.height = w.height;
      w.client.insertBefore(canvas, w.client.firstChild);
      w.output = { canvas: canvas, handle: 0 };
      w.output.handle = newHandle({ output: canvas });
    }
    return w.output.handle;
  }

  // ---- The user's hand on a window ----

  function pointIn(w, event) {
    var box = w.client.getBoundingClientRect();
    var x = Math.floor(event.clientX - box.left), y = Math.floor(event.clientY - box.top);
    var inside = x >= 0 && y >= 0 && x < w.width && y < w.height;
    w.mouseX = inside ? x : -1;
    w.mouseY = inside ? y : -1;
  }

  // Dragging the title bar moves the window, the corner box sizes it; each
  // sends its event once the mouse is let go, as a PureBasic event loop
  // sees it (a callback bound to the event gets it then too).
  function drag(w, event, onMove, onEnd) {
    var startX = event.clientX, startY = event.clientY;
    function move(e) { onMove(e.clientX - startX, e.clientY - startY); }
    function up() {
      document.removeEventListener('mousemove', move);
      document.removeEventListener('mouseup', up);
      onEnd();
    }
    document.addEventListener('mousemove', move);
    document.addEventListener('mouseup', up);
    event.preventDefault();
  }

  function listenToWindow(w) {
    w.element.addEventListener('mousedown', function () {
      if (windows.find(w.number) === w) activate(w, true);
    }, true);
    w.element.addEventListener('mousemove', function (e) { pointIn(w, e); });
    w.element.addEventListener('mouseleave', function () { w.mouseX = -1; w.mouseY = -1; });
    if (w.minimizeBox) w.minimizeBox.addEventListener('click', function () {
      changeState(w, w.state === kMinimize ? kNormal : kMinimize);
    });
    if (w.maximizeBox) w.maximizeBox.addEventListener('click', function () {
      changeState(w, w.state === kMaximize ? kNormal : kMaximize);
    });
    if (w.closeBox) {
      w.closeBox.addEventListener('click', function () {
        if (w.disabled) return;
        queueEvent({ event: kEventCloseWindow, window: w.number, object: -1, type: 0, data: 0 });
      });
    }
    if (w.titleBar) w.titleBar.addEventListener('mousedown', function (e) {
      if (e.button !== 0 || e.target.classList.contains('pb-window-box') || w.state === kMaximize) return;
      var x0 = w.x, y0 = w.y, moved = false;
      drag(w, e, function (dx, dy) {
        moved = moved || dx !== 0 || dy !== 0;
        moveTo(w, Math.max(0, x0 + dx), Math.max(0, y0 + dy));
      }, function () {
        fitDesktop();
        if (moved) queueEvent({ event: kEventMoveWindow, window: w.number, object: -1, type: 0, data: 0 });
      });
    });
    if (w.sizeBox) w.sizeBox.addEventListener('mousedown', function (e) {
      var w0 = w.width, h0 = w.height, b = w.bounds || [0, 0, 1e9, 1e9];
      drag(w, e, function (dx, dy) {
        sizeClient(w, Math.min(Math.max(w0 + dx, b[0], 1), b[2] || 1e9),
                   Math.min(Math.max(h0 + dy, b[1], 1), b[3] || 1e9));
      }, function () {
        fitDesktop();
        if (w.width !== w0 || w.height !== h0)
          queueEvent({ event: kEventSizeWindow, window: w.number, object: -1, type: 0, data: 0 });
      });
    });
  }

  // ---- Timers ----

  function stopTimer(t) {
    clearInterval(t.interval);
    timers.splice(timers.indexOf(t), 1);
  }

  function findTimer(window, id) {
    return timers.filter(function (t) { return t.window === window && t.id === id; })[0];
  }

  // AddWindowTimer(#W, timer, milliseconds): a #PB_Event_Timer now and
  // then; a tick while the last one still waits is not counted twice.
  function AddWindowTimer(number, id, milliseconds) {
    var w = windows.get('AddWindowTimer', number);
    if (!w) return 0;
    var old = findTimer(w.number, num(id));
    if (old) stopTimer(old);
    var t = { window: w.number, id: num(id), due: false, interval: 0 };
    t.interval = setInterval(function () {
      if (t.due) return;
      t.due = true;
      dueTimers.push(t);
      wake();
    }, Math.max(1, num(milliseconds)));
    timers.push(t);
    return 1;
  }

  function RemoveWindowTimer(number, id) {
    var w = windows.get('RemoveWindowTimer', number);
    if (!w) return;
    var t = findTimer(w.number, num(id));
    if (t) stopTimer(t);
  }

  // ---- Keyboard shortcuts ----

  // AddKeyboardShortcut(#W, #PB_Shortcut_Control | #PB_Shortcut_N, event):
  // the keys send #PB_Event_Menu with EventMenu() = event while the window
  // is active, also when a gadget has the focus.
  function AddKeyboardShortcut(number, shortcut, event) {
    var w = windows.get('AddKeyboardShortcut', number);
    if (!w) return;
    var key = num(shortcut);
    shortcuts = shortcuts.filter(function (s) { return !(s.window === w.number && s.key === key); });
    shortcuts.push({ window: w.number, key: key, event: num(event) });
  }

  // RemoveKeyboardShortcut(#W, shortcut | #PB_All)
  function RemoveKeyboardShortcut(number, shortcut) {
    var w = windows.get('RemoveKeyboardShortcut', number);
    if (!w) return;
    var key = num(shortcut);
    shortcuts = shortcuts.filter(function (s) {
      return !(s.window === w.number && (key === kAll || s.key === key));
    });
  }

  function shortcutOf(e) {
    var key = e.keyCode || 0;
    if (key === 16 || key === 17 || key === 18 || key === 91) return -1;
    return key | (e.shiftKey ? kShortcutShift : 0) | (e.ctrlKey || e.metaKey ? kShortcutControl : 0) |
      (e.altKey ? kShortcutAlt : 0);
  }

  function windowOfElement(element) {
    for (var e = element; e && e.dataset; e = e.parentNode) {
      if (e.classList && e.classList.contains('pb-window')) return windows.find(e.dataset.pbWindow);
    }
    return null;
  }

  function onKeyDown(e) {
    if (document.querySelector('.pb-requester')) return;
    var w = windowOfElement(e.target) || active;
    if (!w) return;
    var key = shortcutOf(e);
    var found = shortcuts.filter(function (s) { return s.window === w.number && s.key === key; })[0];
    if (!found) return;
    e.preventDefault();
    e.stopPropagation();
    queueEvent({ event: kEventMenu, window: w.number, object: found.event, type: 0, data: 0 });
  }

  if (hasPage && document.addEventListener) document.addEventListener('keydown', onKeyDown, true);

  return {
    OpenWindow: OpenWindow, CloseWindow: CloseWindow, IsWindow: IsWindow, WindowID: WindowID,
    SetWindowTitle: SetWindowTitle, GetWindowTitle: GetWindowTitle,
    WindowX: WindowX, WindowY: WindowY, WindowWidth: WindowWidth, WindowHeight: WindowHeight,
    ResizeWindow: ResizeWindow, HideWindow: HideWindow, DisableWindow: DisableWindow,
    SetWindowColor: SetWindowColor, GetWindowColor: GetWindowColor,
    SetWindowState: SetWindowState, GetWindowState: GetWindowState, StickyWindow: StickyWindow,
    WindowBounds: WindowBounds, SmartWindowRefresh: SmartWindowRefresh,
    GetActiveWindow: GetActiveWindow, SetActiveWindow: SetActiveWindow,
    WindowMouseX: WindowMouseX, WindowMouseY: WindowMouseY, WindowOutput: WindowOutput,
    WaitWindowEvent: WaitWindowEvent, WindowEvent: WindowEvent, Event: Event,
    EventWindow: EventWindow, EventGadget: EventGadget, EventMenu: EventMenu,
    EventTimer: EventTimer, EventType: EventType, EventData: EventData, PostEvent: PostEvent,
    BindEvent: BindEvent, UnbindEvent: UnbindEvent,
    AddWindowTimer: AddWindowTimer, RemoveWindowTimer: RemoveWindowTimer,
    AddKeyboardShortcut: AddKeyboardShortcut, RemoveKeyboardShortcut: RemoveKeyboardShortcut,

    // helpers of the desktop libraries
    num: num, given: given, text: text, cssColor: cssColor, debuggerError: debuggerError,
    registry: function (kind, release) { return new Registry(kind, release); }, created: created,
    newHandle: newHandle, fromHandle: fromHandle,
    dropHandle: dropHandle, queueEvent: queueEvent, bind: bind, unbind: unbind,
    windows: windows, windowOfElement: windowOfElement, makeElement: makeElement,
    fitDesktop: fitDesktop, waitFor: waitFor, activeWindow: function () { return active; },

    // the PureBasic type of each function's result, for the converter
    returns: {
      OpenWindow: 'i', CloseWindow: '', IsWindow: 'i', WindowID: 'i', SetWindowTitle: '',
      GetWindowTitle: 's', WindowX: 'i', WindowY: 'i', WindowWidth: 'i', WindowHeight: 'i',
      ResizeWindow: '', HideWindow: '', DisableWindow: '', SetWindowColor: '', GetWindowColor: 'i',
      SetWindowState: '', GetWindowState: 'i', StickyWindow: '', WindowBounds: '',
      SmartWindowRefresh: '', GetActiveWindow: 'i', SetActiveWindow: '', WindowMouseX: 'i',
      WindowMouseY: 'i', WindowOutput: 'i', WaitWindowEvent: 'i', WindowEvent: 'i', Event: 'i',
      EventWindow: 'i', EventGadget: 'i', EventMenu: 'i', EventTimer: 'i', EventType: 'i',
      EventData: 'i', PostEvent: 'i', BindEvent: '', UnbindEvent: '', AddWindowTimer: 'i',
      RemoveWindowTimer: '', AddKeyboardShortcut: '', RemoveKeyboardShortcut: ''
    }
  };
})();
