// cMisc: the program's own commands and the colour helpers.
// Emitted calls: cMisc.End() for End (also written without parentheses),
// await cMisc.Delay(ms), cMisc.ElapsedMilliseconds(), cMisc.RGB(r, g, b),
// cMisc.RGBA(r, g, b, a), cMisc.Red(c), cMisc.Green(c), cMisc.Blue(c),
// cMisc.Alpha(c).
var cMisc = (function () {
  // End stops the program where it is; what it showed stays on the page,
  // which marks it as ended.
  function End() { cCommon.KVX_End(); }

  // The program waits that long while the page goes on (and shows what was
  // printed before).
  function Delay(milliseconds) {
    var ms = Math.max(0, Number(milliseconds) || 0);
    return cCommon.KVX_Wait(new Promise(function (resolve) { setTimeout(resolve, ms); }));
  }

  function now() {
    return typeof performance !== 'undefined' && performance.now ? performance.now() : Date.now();
  }

  function ElapsedMilliseconds() { return Math.floor(now()); }

  function channel(value) { return (Number(value) || 0) & 255; }

  // RGB(255, 128, 0) = 33023: red in the low byte, blue in the third.
  function RGB(red, green, blue) {
    return channel(red) + channel(green) * 256 + channel(blue) * 65536;
  }

  function RGBA(red, green, blue, alpha) {
    return RGB(red, green, blue) + channel(alpha) * 16777216;
  }

  function Red(color) { return Number(color) & 255; }
  function Green(color) { return (Number(color) >>> 8) & 255; }
  function Blue(color) { return (Number(color) >>> 16) & 255; }
  function Alpha(color) { return Math.floor(Number(color) / 16777216) & 255; }

  return {
    End: End, Delay: Delay, ElapsedMilliseconds: ElapsedMilliseconds,
    RGB: RGB, RGBA: RGBA, Red: Red, Green: Green, Blue: Blue, Alpha: Alpha,
    hasEnded: function () { return cCommon.KVX_HasEnded(); },
    // the PureBasic type of each function's result, for the converter
    returns: {
      End: '', Delay: '', ElapsedMilliseconds: 'i', RGB: 'i', RGBA: 'i', Red: 'i', Green: 'i',
      Blue: 'i', Alpha: 'i'
    }
  };
})();
