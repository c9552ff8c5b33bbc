// cDebugger: the Debug output window of PureBasic, as a page area.
// Emitted calls: cDebugger.EnableDebugger() or cDebugger.DisableDebugger()
// first in every program, then cDebugger.Debug (value) and
// cDebugger.Debug (value, level) for each Debug statement. Each value is
// shown on its own line in the element with id "debug" (as text, never as
// markup) and in the browser's developer console; null (#Null, an unset
// field) shows as 0. A float or double value comes as
// cDebugger.Debug (cDebugger.floatText(value, single)): the shortest
// decimals that read back as the value (as a single-precision float when
// single is 1), never an exponent, at least one decimal: 11.0, 3.14159.
var cDebugger = (function () {
  var enabled = true;
  var level = 0;  // Debug statements with a level above this are not shown

  // "1.235e-18" -> "0.000000000000000001235", "1e+21" -> "1000000000000000000000"
  function withoutExponent(text) {
    var m = /^(-?)(\d)(?:\.(\d+))?e([+-]\d+)$/.exec(text);
    if (!m) return text;
    var digits = m[2] + (m[3] || ''), exponent = Number(m[4]);
    if (exponent < 0) return m[1] + '0.' + new Array(-exponent).join('0') + digits;
    while (digits.length <= exponent) digits += '0';
    var fraction = digits.substring(exponent + 1);
    return m[1] + digits.substring(0, exponent + 1) + (fraction ? '.' + fraction : '');
  }

  function floatText(value, single) {
    var x = single ? Math.fround(Number(value)) : Number(value);
    if (x !== x) return 'NaN';
    if (x === Infinity) return '+Infinity';
    if (x === -Infinity) return '-Infinity';
    var text = String(x);
    if (single) {
      // a .f computation is a single-precision value: the fewest digits
      // that give the same one
      for (var p = 1; p <= 9; p++) {
        var candidate = Number(x.toPrecision(p));
        if (Math.fround(candidate) === x) { text = String(candidate); break; }
      }
    }
    text = withoutExponent(text);
    if (text.indexOf('.') < 0) text += '.0';
    return text;
  }

  function Show(value) {
    var text = value === null || value === undefined ? '0' : String(value);
    if (typeof console !== 'undefined' && console.log) console.log(text);
    var area = typeof document !== 'undefined' ? document.getElementById('debug') : null;
    if (!area) return;
    var line = document.createElement('div');
    line.className = 'debug-line';
    line.appendChild(document.createTextNode(text));
    area.appendChild(line);
  }

  return {
    floatText: floatText,
    EnableDebugger: function () { enabled = true; },
    DisableDebugger: function () { enabled = false; },
    DebugLevel: function (n) { level = n; },
    Debug: function (value, debugLevel) {
      if (!enabled) return;
      if (debugLevel !== undefined && debugLevel > level) return;
      Show(value);
    }
  };
})();
