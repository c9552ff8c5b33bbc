// cGadgetValues: the gadgets that show a value, as kinds of cGadget's
// table: Spin, TrackBar, ProgressBar and Date. Emitted calls are cGadget's:
// cGadget.SpinGadget(#G, x, y, w, h, minimum, maximum[, flags]),
// cGadget.SetGadgetState(#G, value), cGadget.GetGadgetAttribute(#G,
// #PB_Spin_Maximum) and the like.
(function (kit) {
  var num = kit.num, text = kit.text, el = kit.el, on = kit.on, send = kit.send,
      focusEvents = kit.focusEvents, clamp = kit.clamp, filterInput = kit.filterInput,
      digitsOnly = kit.digitsOnly;
  var kChange = 768, kUp = 65551, kDown = 65552;

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
    getAttribute: function (g, a) {
      return a === kMinimum ? Number(g.box.min) : a === kMaximum ? Number(g.box.max) : 0;
    },
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

  kit.kinds.Spin = Spin;
  kit.kinds.TrackBar = TrackBar;
  kit.kinds.ProgressBar = ProgressBar;
  kit.kinds.Date = DateKind;
})(cGadget.kit);
