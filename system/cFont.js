// cFont: PureBasic's fonts, as CSS fonts.
// Emitted calls: cFont.LoadFont(#F, name$, size[, style]), cFont.FontID(#F)
// for SetGadgetFont and DrawingFont, cFont.FreeFont(#F), cFont.IsFont(#F).
// The size is in points, as PureBasic gives it; a font the browser does not
// have falls back to the page's sans-serif.
var cFont = (function () {
  var W = cWindow, num = W.num, text = W.text;
  var kUnderline = 4, kStrikeOut = 8, kBold = 256, kItalic = 512;

  var fonts = W.registry('Font', function () {});

  // "Courier New" 10 bold becomes: bold 10pt "Courier New", sans-serif.
  function cssOf(name, size, style) {
    var family = text(name).replace(/["\\]/g, '');
    return (style & kItalic ? 'italic ' : '') + (style & kBold ? 'bold ' : '') +
      Math.max(1, num(size)) + 'pt "' + family + '", sans-serif';
  }

  // LoadFont(#F, name$, size[, #PB_Font_Bold | #PB_Font_Italic | ...])
  function LoadFont(number, name, size, style) {
    var n = fonts.reserve('LoadFont', number);
    if (n < 0) return 0;
    var s = num(style);
    var font = fonts.add({ number: n, name: text(name), size: num(size), css: cssOf(name, size, s),
                           underline: !!(s & kUnderline), strikeOut: !!(s & kStrikeOut) });
    return W.created(number, font);
  }

  function FontID(number) {
    var font = fonts.get('FontID', number);
    return font ? font.handle : 0;
  }

  function FreeFont(number) {
    var font = fonts.get('FreeFont', number);
    if (font) fonts.free(font);
  }

  function IsFont(number) { return fonts.find(number) ? 1 : 0; }

  return {
    LoadFont: LoadFont, FontID: FontID, FreeFont: FreeFont, IsFont: IsFont,
    // the PureBasic type of each function's result, for the converter
    returns: { LoadFont: 'i', FontID: 'i', FreeFont: '', IsFont: 'i' }
  };
})();
