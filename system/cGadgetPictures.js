// cGadgetPictures: the gadgets that show pictures, as kinds of cGadget's
// table: ButtonImage, Image and Canvas. Emitted calls are cGadget's:
// cGadget.ImageGadget(#G, x, y, w, h, ImageID(#I)), cGadget.CanvasGadget(#G,
// x, y, w, h[, flags]), cGadget.CanvasOutput(#G) for StartDrawing,
// cGadget.GetGadgetAttribute(#G, #PB_Canvas_MouseX) and the like.
// A canvas sends the mouse and (with #PB_Canvas_Keyboard) the keys as event
// types; its attributes are those of the moment of the event taken.
(function (kit) {
  var W = kit.W, num = kit.num, el = kit.el, on = kit.on, send = kit.send, sendOn = kit.sendOn,
      place = kit.place;
  var kLeftClick = 0, kRightClick = 1, kLeftDoubleClick = 2, kFocus = 14, kLostFocus = 15,
      kMouseEnter = 65537, kMouseLeave = 65538, kMouseMove = 65539, kLeftButtonDown = 65540,
      kLeftButtonUp = 65541, kRightButtonDown = 65542, kRightButtonUp = 65543,
      kMiddleButtonDown = 65544, kMiddleButtonUp = 65545, kMouseWheel = 65546, kKeyDown = 65547,
      kKeyUp = 65548, kInput = 65549;

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
        g.lists = [kit.gadgetList(g.inner, g.window, g)];
        g.opensList = true;
      }
    },
    resized: function (g) { whiteCanvas(g.target, g.width - g.inset, g.height - g.inset); },
    list: function (g) { return g.lists[0] || null; },
    // the canvas as the output of StartDrawing (CanvasOutput)
    output: function (g) {
      if (!g.output) g.output = W.newHandle({ output: g.target });
      return g.output;
    },
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

  kit.kinds.ButtonImage = ButtonImage;
  kit.kinds.Image = ImageKind;
  kit.kinds.Canvas = Canvas;
})(cGadget.kit);
