// 2D drawing, images and fonts of the web runtime: pixels read back at
// chosen points of shapes drawn on a canvas gadget and on images.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('assert');
const { openDesktop, debugLines } = require('./support/desktop_page');

let desktop, page;
before(async function () {
  desktop = await openDesktop();
  page = await desktop.open();
  await page.evaluate(function () {
    cWindow.OpenWindow(0, 10, 10, 400, 300, 'Drawing');
    cGadget.CanvasGadget(1, 0, 0, 200, 150);
  });
  await page.evaluate(kColours);
});
after(async function () { await desktop.close(); });

const kWhite = 0xFFFFFF, kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kBlack = 0;
// The same colours in the page (red in the low byte).
const kColours = 'var K = { White: 0xFFFFFF, Red: 0x0000FF, Green: 0x00FF00, Blue: 0xFF0000, Black: 0,' +
  ' Yellow: 0x00FFFF };';

// Draws with body on a fresh white canvas, then answers Point() at each
// point of points.
function pixels(body, points) {
  return page.evaluate(function (args) {
    var D = cDrawing, C = cConstants;
    cGadget.ResizeGadget(1, 0, 0, 1, 1);
    cGadget.ResizeGadget(1, 0, 0, 200, 150);
    D.StartDrawing(cGadget.CanvasOutput(1));
    D.Box(0, 0, 200, 150, K.White);
    (0, eval)('(function (D, C) {' + args.body + '})')(D, C);
    var out = args.points.map(function (p) { return D.Point(p[0], p[1]); });
    D.StopDrawing();
    return out;
  }, { body: body, points: points });
}

test('Box, filled and outlined', async function () {
  assert.deepStrictEqual(await pixels('D.Box(10, 10, 20, 10, K.Red);',
    [[10, 10], [29, 19], [30, 10], [10, 20], [9, 10]]), [kRed, kRed, kWhite, kWhite, kWhite]);
  assert.deepStrictEqual(await pixels('D.DrawingMode(C.PB_2DDrawing_Outlined); D.Box(40, 10, 10, 10, K.Blue);',
    [[40, 10], [49, 19], [45, 10], [40, 15], [45, 15], [50, 10]]), [kBlue, kBlue, kBlue, kBlue, kWhite, kWhite]);
});

test('Line counts its first pixel; LineXY includes both ends', async function () {
  assert.deepStrictEqual(await pixels(
    'D.Line(0, 40, 10, 1, K.Green); D.Line(0, 50, 1, 5, K.Green); D.Line(50, 50, 0, 5, K.Green);' +
    'D.LineXY(20, 40, 25, 45, K.Blue); D.Line(100, 10, -5, 1, K.Red);',
    [[0, 40], [9, 40], [10, 40], [0, 54], [0, 55], [50, 50], [20, 40], [22, 42], [25, 45], [26, 46],
     [100, 10], [96, 10], [95, 10]]),
  [kGreen, kGreen, kWhite, kGreen, kWhite, kWhite, kBlue, kBlue, kBlue, kWhite, kRed, kRed, kWhite]);
});

test('Circle and Ellipse: the radius does not count the centre', async function () {
  // a row dy from the centre reaches floor(sqrt(r*r - dy*dy) + 0.5) to each side
  assert.deepStrictEqual(await pixels('D.Circle(70, 50, 10, K.Red); D.Ellipse(30, 100, 10, 5, K.Blue);',
    [[70, 50], [80, 50], [81, 50], [60, 50], [70, 40], [70, 39], [77, 57], [78, 58],
     [40, 100], [41, 100], [30, 95], [30, 94], [20, 100]]),
  [kRed, kRed, kWhite, kRed, kRed, kWhite, kRed, kWhite, kBlue, kWhite, kBlue, kWhite, kBlue]);
  assert.deepStrictEqual(await pixels('D.DrawingMode(C.PB_2DDrawing_Outlined); D.Circle(70, 50, 10, K.Red);',
    [[70, 50], [80, 50], [79, 50], [70, 40], [70, 41], [77, 57]]), [kWhite, kRed, kWhite, kRed, kWhite, kRed]);
});

test('Plot, Point and FillArea up to an outline or over one colour', async function () {
  assert.deepStrictEqual(await pixels(
    'D.Plot(3, 4, K.Green); D.DrawingMode(C.PB_2DDrawing_Outlined); D.Box(10, 10, 20, 20, K.Black);' +
    'D.FillArea(15, 15, K.Black, K.Red); D.FillArea(5, 5, -1, K.Blue);',
    [[3, 4], [3, 5], [15, 15], [29, 29], [10, 10], [5, 5], [199, 149]]),
  [kGreen, kBlue, kRed, kBlack, kBlack, kBlue, kBlue]);
});

test('XOr mode undoes a shape drawn twice; AlphaBlend mixes by the alpha of RGBA', async function () {
  assert.deepStrictEqual(await pixels(
    'D.DrawingMode(C.PB_2DDrawing_XOr); D.Box(0, 0, 10, 10, K.White); D.Box(5, 5, 10, 10, K.White);',
    [[2, 2], [7, 7], [12, 12], [20, 20]]), [kBlack, kWhite, kBlack, kWhite]);
  const [mixed] = await pixels('D.DrawingMode(C.PB_2DDrawing_AlphaBlend); D.Box(0, 0, 10, 10, cMisc.RGBA(0, 0, 0, 128));',
    [[5, 5]]);
  assert.ok(Math.abs((mixed & 255) - 127) <= 1 && mixed === (mixed & 255) * 0x010101, 'grey ' + mixed.toString(16));
});

test('DrawText: the box in the back colour, the x after the text; Transparent keeps the box out', async function () {
  const shown = await page.evaluate(function () {
    var D = cDrawing, C = cConstants;
    D.StartDrawing(cGadget.CanvasOutput(1));
    D.Box(0, 0, 200, 150, K.White);
    D.FrontColor(K.Black);
    D.BackColor(K.Yellow);
    var next = D.DrawText(10, 10, 'Hi there');
    var width = D.TextWidth('Hi there'), height = D.TextHeight('Hi there');
    var corner = D.Point(10, 10), past = D.Point(next, 10), below = D.Point(10, 10 + height);
    D.DrawingMode(C.PB_2DDrawing_Transparent);
    D.DrawText(10, 60, 'Hi there');
    var open = D.Point(10, 60);
    cFont.LoadFont(1, 'sans-serif', 24);
    D.DrawingFont(cFont.FontID(1));
    var large = D.TextHeight('x');
    D.StopDrawing();
    return [next === 10 + width, width > 20, height >= 12 && height <= 20, corner, past, below, open, large > 2 * height - 4];
  });
  assert.deepStrictEqual(shown, [true, true, true, 0x00FFFF, kWhite, kWhite, kWhite, true]);
});

test('images: made black or in a colour, drawn with DrawImage, shown by an ImageGadget at their size', async function () {
  const shown = await page.evaluate(function () {
    var D = cDrawing, C = cConstants, I = cImage, out = [];
    var any = I.CreateImage(C.PB_Any, 4, 3);
    I.CreateImage(2, 4, 4, 24, K.Green);
    out.push(any > 2 && I.IsImage(any) === 1, I.ImageWidth(any), I.ImageHeight(any), I.CreateImage(3, 0, 5));
    D.StartDrawing(I.ImageOutput(any));
    out.push(D.Point(1, 1), D.OutputWidth());
    D.Plot(1, 1);
    out.push(D.Point(1, 1));
    D.StopDrawing();
    D.StartDrawing(cGadget.CanvasOutput(1));
    D.Box(0, 0, 200, 150, K.White);
    D.DrawImage(I.ImageID(2), 50, 50);
    D.DrawImage(I.ImageID(2), 60, 60, 8, 8);
    out.push(D.Point(53, 53), D.Point(54, 54), D.Point(67, 67), D.Point(68, 68));
    D.GrabDrawingImage(5, 50, 50, 10, 10);
    D.StopDrawing();
    cGadget.ImageGadget(2, 210, 0, 100, 100, I.ImageID(2));
    out.push(cGadget.GadgetWidth(2), cGadget.GadgetHeight(2), cGadget.GetGadgetState(2) === I.ImageID(2),
      I.ImageWidth(5));
    I.FreeImage(any);
    out.push(I.IsImage(any));
    return out;
  });
  assert.deepStrictEqual(shown, [true, 4, 3, 0, kBlack, 4, kWhite, kGreen, kWhite, kGreen, kWhite, 4, 4, true, 10, 0]);
});

test('drawing outside StartDrawing: the message in the Debug area, and the program goes on', async function () {
  const shown = await page.evaluate(function () {
    var D = cDrawing;
    D.Box(0, 0, 10, 10);
    var p = D.Point(1, 1);
    D.StopDrawing();
    return [p, D.StartDrawing(0), D.StartDrawing(cImage.ImageOutput(77))];
  });
  assert.deepStrictEqual(shown, [0, 0, 0]);
  assert.deepStrictEqual((await debugLines(page)).slice(-4), [
    '[ERROR] Box(): there is no current drawing output (use StartDrawing() first).',
    '[ERROR] Point(): there is no current drawing output (use StartDrawing() first).',
    '[ERROR] StopDrawing(): there is no current drawing output (use StartDrawing() first).',
    '[ERROR] ImageOutput(): the #Image 77 is not initialised.']);
  assert.deepStrictEqual(page.errors, []);
});
