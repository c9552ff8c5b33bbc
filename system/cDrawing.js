// cDrawing: PureBasic's 2D drawing on a canvas gadget, an image or a window.
// Emitted calls: cDrawing.StartDrawing(cGadget.CanvasOutput(#G)) (or
// cImage.ImageOutput(#I), cWindow.WindowOutput(#W)), then cDrawing.Box(x, y,
// w, h[, colour]), cDrawing.Line, LineXY, Circle, Ellipse, RoundBox, Plot,
// Point, FillArea, DrawText, TextWidth, TextHeight, DrawImage,
// DrawAlphaImage, DrawingMode, DrawingFont, FrontColor, BackColor,
// OutputWidth, OutputHeight, GrabDrawingImage, and cDrawing.StopDrawing().
// Shapes are drawn pixel by pixel as PureBasic draws them, without
// smoothing: each shape is a list of rows (spans), painted with the front
// colour (or the colour given), or XOr-ed into the pixels in
// #PB_2DDrawing_XOr mode. #PB_2DDrawing_AlphaBlend uses the colour's alpha
// (RGBA); the other modes paint opaquely. The colours start as PureBasic's:
// white in front, black behind, at each StartDrawing.
var cDrawing = (function () {
  var W = cWindow, num = W.num, text = W.text;
  var kTransparent = 1, kXOr = 2, kOutlined = 4, kAlphaBlend = 16;
  var kDefault = -1;
  var kDefaultFont = '12px sans-serif';

  var state = null;  // { canvas, ctx, front, back, mode, font, handle }

  // The drawing of the current output, or null with the debugger's error.
  function drawing(command) {
    if (state) return state;
    W.debuggerError(command, 'there is no current drawing output (use StartDrawing() first).');
    return null;
  }

  // StartDrawing(output): nonzero when the output can be drawn on.
  function StartDrawing(output) {
    var target = num(output) ? W.fromHandle(output) : null;
    if (!target || !target.output) return 0;
    if (state) StopDrawing();
    var ctx = target.output.getContext('2d');
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.globalAlpha = 1;
    ctx.globalCompositeOperation = 'source-over';
    state = { canvas: target.output, ctx: ctx, front: 0xFFFFFF, back: 0, mode: 0, font: kDefaultFont,
              handle: 0 };
    state.handle = W.newHandle({ drawing: state });
    return state.handle;
  }

  function StopDrawing() {
    if (!drawing('StopDrawing')) return;
    W.dropHandle(state.handle);
    state = null;
  }

  function colorOf(s, color) { return color === undefined ? s.front : num(color); }

  function fillStyle(s, color) {
    var c = color >>> 0;
    var rgb = (c & 255) + ',' + ((c >>> 8) & 255) + ',' + ((c >>> 16) & 255);
    return s.mode & kAlphaBlend ? 'rgba(' + rgb + ',' + ((c >>> 24) / 255) + ')' : 'rgb(' + rgb + ')';
  }

  // Paints spans [x, y, width] in one colour.
  function paint(s, spans, color) {
    if (!spans.length) return;
    if (s.mode & kXOr) return xorSpans(s, spans, color);
    s.ctx.fillStyle = fillStyle(s, color);
    for (var i = 0; i < spans.length; i++) s.ctx.fillRect(spans[i][0], spans[i][1], spans[i][2], 1);
  }

  function xorSpans(s, spans, color) {
    var left = Infinity, top = Infinity, right = -Infinity, bottom = -Infinity;
    spans.forEach(function (p) {
      left = Math.min(left, p[0]); right = Math.max(right, p[0] + p[2]);
      top = Math.min(top, p[1]); bottom = Math.max(bottom, p[1] + 1);
    });
    left = Math.max(0, left); top = Math.max(0, top);
    right = Math.min(s.canvas.width, right); bottom = Math.min(s.canvas.height, bottom);
    if (right <= left || bottom <= top) return;
    var image = s.ctx.getImageData(left, top, right - left, bottom - top), d = image.data;
    var r = color & 255, g = (color >>> 8) & 255, b = (color >>> 16) & 255, width = right - left;
    spans.forEach(function (p) {
      var y = p[1] - top;
      if (y < 0 || y >= bottom - top) return;
      for (var x = Math.max(p[0], left); x < Math.min(p[0] + p[2], right); x++) {
        var k = (y * width + x - left) * 4;
        d[k] ^= r; d[k + 1] ^= g; d[k + 2] ^= b;
      }
    });
    s.ctx.putImageData(image, left, top);
  }

  // Points joined into spans where they follow each other on a row.
  function pointSpans(points) {
    var spans = [];
    points.forEach(function (p) {
      var last = spans[spans.length - 1];
      if (last && last[1] === p[1] && last[0] + last[2] === p[0]) last[2]++;
      else spans.push([p[0], p[1], 1]);
    });
    return spans;
  }

  // The pixels from (x1, y1) to (x2, y2), both ends included.
  function linePoints(x1, y1, x2, y2) {
    var points = [], dx = Math.abs(x2 - x1), dy = -Math.abs(y2 - y1);
    var sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1, err = dx + dy;
    for (;;) {
      points.push([x1, y1]);
      if (x1 === x2 && y1 === y2) break;
      var e2 = 2 * err;
      if (e2 >= dy) { err += dy; x1 += sx; }
      if (e2 <= dx) { err += dx; y1 += sy; }
    }
    return points;
  }

  // A shape given by rows: extent(row) answers [left, right] (both
  // included) for each row from top to bottom. Filled, it is those rows;
  // outlined, the pixels of it that touch the outside.
  function shapeSpans(top, bottom, extent, outlined) {
    var spans = [];
    for (var y = top; y <= bottom; y++) {
      var e = extent(y);
      if (!outlined) { spans.push([e[0], y, e[1] - e[0] + 1]); continue; }
      var above = y > top ? extent(y - 1) : null, below = y < bottom ? extent(y + 1) : null;
      var innerL = above && below ? Math.max(e[0] + 1, above[0], below[0]) : Infinity;
      var innerR = above && below ? Math.min(e[1] - 1, above[1], below[1]) : -Infinity;
      if (innerL > innerR) { spans.push([e[0], y, e[1] - e[0] + 1]); continue; }
      if (innerL > e[0]) spans.push([e[0], y, innerL - e[0]]);
      if (innerR < e[1]) spans.push([innerR + 1, y, e[1] - innerR]);
    }
    return spans;
  }

  function round(v) { return Math.round(num(v)); }

  function shape(command, top, bottom, extent, color) {
    var s = drawing(command);
    if (!s || bottom < top) return;
    paint(s, shapeSpans(top, bottom, extent, !!(s.mode & kOutlined)), colorOf(s, color));
  }

  // Box(x, y, width, height[, colour]); a negative side goes the other way.
  function Box(x, y, width, height, color) {
    var x0 = round(x), y0 = round(y), w = round(width), h = round(height);
    if (w < 0) { x0 += w; w = -w; }
    if (h < 0) { y0 += h; h = -h; }
    if (w === 0 || h === 0) { drawing('Box'); return; }
    shape('Box', y0, y0 + h - 1, function () { return [x0, x0 + w - 1]; }, color);
  }

  // Half the width of an ellipse's row dy, with radii rx, ry.
  function halfWidth(rx, ry, dy) {
    if (ry === 0) return rx;
    var f = 1 - (dy * dy) / (ry * ry);
    return f <= 0 ? 0 : Math.floor(rx * Math.sqrt(f) + 0.5);
  }

  // RoundBox(x, y, width, height, radiusX, radiusY[, colour])
  function RoundBox(x, y, width, height, radiusX, radiusY, color) {
    var x0 = round(x), y0 = round(y), w = round(width), h = round(height);
    if (w <= 0 || h <= 0) { drawing('RoundBox'); return; }
    var rx = Math.min(round(radiusX), Math.floor(w / 2)), ry = Math.min(round(radiusY), Math.floor(h / 2));
    shape('RoundBox', y0, y0 + h - 1, function (row) {
      var d = row < y0 + ry ? y0 + ry - row : row > y0 + h - 1 - ry ? row - (y0 + h - 1 - ry) : 0;
      var inset = d > 0 ? rx - halfWidth(rx, ry, d) : 0;
      return [x0 + inset, x0 + w - 1 - inset];
    }, color);
  }

  // Circle(x, y, radius[, colour]): the radius does not count the centre.
  function Circle(x, y, radius, color) {
    var cx = round(x), cy = round(y), r = Math.abs(round(radius));
    shape('Circle', cy - r, cy + r, function (row) {
      var hw = halfWidth(r, r, row - cy);
      return [cx - hw, cx + hw];
    }, color);
  }

  // Ellipse(x, y, radiusX, radiusY[, colour])
  function Ellipse(x, y, radiusX, radiusY, color) {
    var cx = round(x), cy = round(y), rx = Math.abs(round(radiusX)), ry = Math.abs(round(radiusY));
    shape('Ellipse', cy - ry, cy + ry, function (row) {
      var hw = halfWidth(rx, ry, row - cy);
      return [cx - hw, cx + hw];
    }, color);
  }

  // Line(x, y, width, height[, colour]): width and height count the first
  // pixel, so Line(0, 0, 10, 1) is ten pixels across; a side of 0 draws
  // nothing.
  function Line(x, y, width, height, color) {
    var s = drawing('Line');
    var x0 = round(x), y0 = round(y), w = round(width), h = round(height);
    if (!s || w === 0 || h === 0) return;
    var x1 = x0 + w - Math.sign(w), y1 = y0 + h - Math.sign(h);
    paint(s, pointSpans(linePoints(x0, y0, x1, y1)), colorOf(s, color));
  }

  // LineXY(x1, y1, x2, y2[, colour]): both ends included.
  function LineXY(x1, y1, x2, y2, color) {
    var s = drawing('LineXY');
    if (!s) return;
    paint(s, pointSpans(linePoints(round(x1), round(y1), round(x2), round(y2))), colorOf(s, color));
  }

  function Plot(x, y, color) {
    var s = drawing('Plot');
    if (s) paint(s, [[round(x), round(y), 1]], colorOf(s, color));
  }

  // Point(x, y): the colour of a pixel, RGB. Called with new it is
  // PureBasic's built-in structure Point (x.l, y.l): the converter makes
  // "new cDrawing.Point" of a list or array of a structure named Point.
  function Point(x, y) {
    if (new.target) return { x: 0, y: 0 };
    var s = drawing('Point');
    if (!s) return 0;
    var px = round(x), py = round(y);
    if (px < 0 || py < 0 || px >= s.canvas.width || py >= s.canvas.height) return 0;
    var d = s.ctx.getImageData(px, py, 1, 1).data;
    return d[0] + d[1] * 256 + d[2] * 65536;
  }

  // A colour as an opaque pixel of ImageData seen as 32-bit words.
  function pixelOf(color) {
    var bytes = new Uint8Array([color & 255, (color >>> 8) & 255, (color >>> 16) & 255, 255]);
    return new Uint32Array(bytes.buffer)[0];
  }

  // FillArea(x, y, outline[, colour]): fills from (x, y) up to the outline
  // colour; an outline of -1 fills the area of the start pixel's colour.
  function FillArea(x, y, outline, color) {
    var s = drawing('FillArea');
    if (!s) return;
    var w = s.canvas.width, h = s.canvas.height, px = round(x), py = round(y);
    if (px < 0 || py < 0 || px >= w || py >= h) return;
    var image = s.ctx.getImageData(0, 0, w, h), d = image.data;
    var pixels = new Uint32Array(d.buffer);
    var fill = colorOf(s, color);
    var fillPixel = pixelOf(fill);
    var start = pixels[py * w + px], border = num(outline);
    var borderPixel = border === -1 ? 0 : pixelOf(border);
    var rgb = 0x00FFFFFF;
    var inside = border === -1 ?
      function (p) { return (p & rgb) === (start & rgb); } :
      function (p) { return (p & rgb) !== (borderPixel & rgb); };
    var seen = new Uint8Array(w * h), stack = [py * w + px];
    while (stack.length) {
      var k = stack.pop();
      if (seen[k] || !inside(pixels[k])) continue;
      var row = Math.floor(k / w), left = k, right = k, rowStart = row * w, rowEnd = rowStart + w - 1;
      while (left > rowStart && !seen[left - 1] && inside(pixels[left - 1])) left--;
      while (right < rowEnd && !seen[right + 1] && inside(pixels[right + 1])) right++;
      for (var i = left; i <= right; i++) {
        seen[i] = 1;
        pixels[i] = fillPixel;
        if (row > 0 && !seen[i - w]) stack.push(i - w);
        if (row < h - 1 && !seen[i + w]) stack.push(i + w);
      }
    }
    s.ctx.putImageData(image, 0, 0);
  }

  function measure(s, t) { s.ctx.font = s.font; return s.ctx.measureText(text(t)); }

  function heightOf(s) {
    s.ctx.font = s.font;
    var m = s.ctx.measureText('Hg');
    var h = m.fontBoundingBoxAscent !== undefined ? m.fontBoundingBoxAscent + m.fontBoundingBoxDescent :
      m.actualBoundingBoxAscent + m.actualBoundingBoxDescent;
    return Math.ceil(h);
  }

  // DrawText(x, y, t$[, front[, back]]): answers the x after the text. In
  // the default mode the text's box is filled with the back colour first.
  function DrawText(x, y, t, front, back) {
    var s = drawing('DrawText');
    if (!s) return 0;
    var x0 = round(x), y0 = round(y), words = text(t);
    var width = Math.round(measure(s, words).width);
    if (!(s.mode & kTransparent)) {
      s.ctx.fillStyle = fillStyle(s, back === undefined ? s.back : num(back));
      s.ctx.fillRect(x0, y0, width, heightOf(s));
    }
    s.ctx.font = s.font;
    s.ctx.textBaseline = 'top';
    s.ctx.fillStyle = fillStyle(s, colorOf(s, front));
    s.ctx.fillText(words, x0, y0);
    return x0 + width;
  }

  function TextWidth(t) {
    var s = drawing('TextWidth');
    return s ? Math.round(measure(s, t).width) : 0;
  }

  function TextHeight(t) {
    var s = drawing('TextHeight');
    return s ? heightOf(s) : 0;
  }

  // DrawingFont(FontID(#F)); #PB_Default is the default font again.
  function DrawingFont(fontID) {
    var s = drawing('DrawingFont');
    if (!s) return;
    var font = num(fontID) === kDefault ? null : W.fromHandle(fontID);
    s.font = font && font.css ? font.css : kDefaultFont;
  }

  // DrawImage(ImageID(#I), x, y[, width, height])
  function DrawImage(imageID, x, y, width, height) {
    var s = drawing('DrawImage');
    var image = W.fromHandle(imageID);
    if (!s) return;
    if (!image || !image.canvas) {
      W.debuggerError('DrawImage', 'the ImageID is not valid.');
      return;
    }
    if (width !== undefined && height !== undefined)
      s.ctx.drawImage(image.canvas, round(x), round(y), round(width), round(height));
    else s.ctx.drawImage(image.canvas, round(x), round(y));
  }

  // DrawAlphaImage(ImageID(#I), x, y[, alpha 0..255])
  function DrawAlphaImage(imageID, x, y, alpha) {
    var s = drawing('DrawAlphaImage');
    var image = W.fromHandle(imageID);
    if (!s) return;
    if (!image || !image.canvas) {
      W.debuggerError('DrawAlphaImage', 'the ImageID is not valid.');
      return;
    }
    s.ctx.globalAlpha = alpha === undefined ? 1 : Math.min(Math.max(num(alpha), 0), 255) / 255;
    s.ctx.drawImage(image.canvas, round(x), round(y));
    s.ctx.globalAlpha = 1;
  }

  function DrawingMode(mode) { var s = drawing('DrawingMode'); if (s) s.mode = num(mode); }
  function FrontColor(color) { var s = drawing('FrontColor'); if (s) s.front = num(color); }
  function BackColor(color) { var s = drawing('BackColor'); if (s) s.back = num(color); }

  function OutputWidth() { var s = drawing('OutputWidth'); return s ? s.canvas.width : 0; }
  function OutputHeight() { var s = drawing('OutputHeight'); return s ? s.canvas.height : 0; }

  // GrabDrawingImage(#I, x, y, width, height): a part of the output as an
  // image.
  function GrabDrawingImage(number, x, y, width, height) {
    var s = drawing('GrabDrawingImage');
    return s ? cImage.fromCanvas('GrabDrawingImage', number, s.canvas, x, y, width, height) : 0;
  }

  return {
    StartDrawing: StartDrawing, StopDrawing: StopDrawing, Box: Box, RoundBox: RoundBox,
    Circle: Circle, Ellipse: Ellipse, Line: Line, LineXY: LineXY, Plot: Plot, Point: Point,
    FillArea: FillArea, DrawText: DrawText, TextWidth: TextWidth, TextHeight: TextHeight,
    DrawingFont: DrawingFont, DrawImage: DrawImage, DrawAlphaImage: DrawAlphaImage,
    DrawingMode: DrawingMode, FrontColor: FrontColor, BackColor: BackColor,
    OutputWidth: OutputWidth, OutputHeight: OutputHeight, GrabDrawingImage: GrabDrawingImage,

    // the PureBasic type of each function's result, for the converter
    returns: {
      StartDrawing: 'i', StopDrawing: '', Box: '', RoundBox: '', Circle: '', Ellipse: '',
      Line: '', LineXY: '', Plot: '', Point: 'i', FillArea: '', DrawText: 'i', TextWidth: 'i',
      TextHeight: 'i', DrawingFont: '', DrawImage: '', DrawAlphaImage: '', DrawingMode: '',
      FrontColor: '', BackColor: '', OutputWidth: 'i', OutputHeight: 'i', GrabDrawingImage: 'i'
    }
  };
})();
