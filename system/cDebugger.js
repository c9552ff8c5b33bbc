// cDebugger: the Debug output window of PureBasic, as a page area.
// Emitted calls: cDebugger.EnableDebugger() or cDebugger.DisableDebugger()
// first in every program, then cDebugger.Debug (value) and
// cDebugger.Debug (value, level) for each Debug statement. Each value is
// shown on its own line in the element with id "debug" (as text, never as
// markup) and in the browser's developer console. A truth value shows as 1
// or 0, null (#Null, an unset field) as 0.
var cDebugger = (function () {
  var enabled = true;
  var level = 0;  // Debug statements with a level above this are not shown

  function Show(value) {
    var text = value === true ? '1' : value === false ? '0' :
               value === null || value === undefined ? '0' : String(value);
    if (typeof console !== 'undefined' && console.log) console.log(text);
    var area = typeof document !== 'undefined' ? document.getElementById('debug') : null;
    if (!area) return;
    var line = document.createElement('div');
    line.className = 'debug-line';
    line.appendChild(document.createTextNode(text));
    area.appendChild(line);
  }

  return {
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
