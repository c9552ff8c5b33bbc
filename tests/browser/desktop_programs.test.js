// Desktop programs converted by the built Korvex and used in headless
// Chromium as a user would: real clicks and typing into their windows and
// gadgets. Each folder of desktop/ holds program.pb; what the program must
// show (its Debug lines, its gadgets' texts, its pixels) is written here,
// worked out from the program by hand. Three of them also keep a
// screenshot of their window (screenshot.png), compared with room for font
// noise.
'use strict';
const { test } = require('node:test');
const assert = require('assert');
const fs = require('fs');
const path = require('path');
const { useSite } = require('./support/site');
const { checkScreenshot } = require('./support/screenshot');

const kPrograms = path.join(__dirname, 'desktop');

// The programs wait in their event loops, which needs a converter that
// runs them asynchronously (the runtime's cCommon.KVX_Main).
const kDist = process.env.KORVEX_DIST_DIR || path.join(__dirname, '..', '..', 'build', 'dist');
const kNoWaiting = !fs.readFileSync(path.join(kDist, 'system', 'cCommon.js'), 'latin1').includes('KVX_Main') &&
  'the converted programs do not run asynchronously yet';

function program(name, body) { test(name, { skip: kNoWaiting }, body); }

const site = useSite();

// Converts desktop/<name>/program.pb and opens it; resolves once the
// program waits for its first event.
async function run(name) {
  const source = path.join(site.workplace.root, name + '.pb');
  fs.copyFileSync(path.join(kPrograms, name, 'program.pb'), source);
  site.workplace.convert(source);
  const page = await site.browser.context.newPage();
  page.errors = [];
  page.on('pageerror', function (error) { page.errors.push(error.message); });
  await page.setViewportSize({ width: 800, height: 600 });
  await page.goto(site.server.url + 'index.html', { waitUntil: 'load' });
  await waiting(page);
  return page;
}

// Waits until the program waits again (for an event or a requester).
async function waiting(page) {
  await page.waitForFunction('document.body.dataset.korvexState === "waiting"', null, { timeout: 5000 });
}

function debugLines(page) {
  return page.evaluate(function () {
    return Array.prototype.map.call(document.querySelectorAll('#debug .debug-line'), function (e) {
      return e.textContent;
    });
  });
}

// Waits for the Debug area to hold count lines, and answers them.
async function debugged(page, count) {
  await page.waitForFunction(function (n) { return document.querySelectorAll('#debug .debug-line').length >= n; },
    count, { timeout: 5000 });
  return debugLines(page);
}

function gadget(n) { return '[data-pb-gadget="' + n + '"]'; }
function windowOf(n) { return '[data-pb-window="' + n + '"]'; }

async function closeAndEnd(page, window) {
  await page.click(windowOf(window) + ' .pb-window-close');
  await page.waitForFunction('document.body.dataset.korvexState === "ended"', null, { timeout: 5000 });
  assert.deepStrictEqual(page.errors, []);
}

// The window's picture against the one kept beside the program; the mouse
// is moved off it first, so that no hover shows.
async function screenshot(page, name) {
  await page.mouse.move(790, 590);
  await checkScreenshot(site.browser.context, page.locator(windowOf(0)), path.join(kPrograms, name, 'screenshot.png'));
}

program('calculator: digit keys, operations, Return for "=", and typing into the display', async function () {
  const page = await run('calculator');
  // the enumeration numbers the display 1, "C" 2, "=" 3, + 4, - 5, * 6, / 7, the digits 8 to 17
  const key = function (k) { return page.click(gadget(k)); };
  const digit = function (d) { return key(8 + d); };
  await digit(1); await digit(2); await key(4); await digit(3); await digit(0); await key(3);
  assert.deepStrictEqual(await debugged(page, 1), ['42']);
  await key(6); await digit(2);
  await page.keyboard.press('Enter');
  await key(7); await digit(4); await key(3);
  await key(2);
  assert.strictEqual(await page.inputValue(gadget(1)), '0');
  await page.click(gadget(1));
  await page.keyboard.press('Control+A');
  await page.keyboard.type('1x00');
  await key(5); await digit(1); await key(3);
  assert.deepStrictEqual(await debugged(page, 4), ['42', '84', '21', '99']);
  await screenshot(page, 'calculator');
  await closeAndEnd(page, 0);
  await page.close();
});

program('to-do list: tasks added, removed and cleared by bound procedures', async function () {
  const page = await run('todo');
  // the gadgets: task 0, Add 1, Remove 2, list 3, count 4; the menu items: Add 0, Remove 1, Clear 2, Quit 3
  const items = function () {
    return page.evaluate('Array.prototype.map.call(document.querySelectorAll(\'[data-pb-gadget="3"] .pb-item\'),' +
      ' function (e) { return e.textContent; })');
  };
  const menu = async function (title, id) {
    await page.click('.pb-menu-title:has(> .pb-menu-caption:text-is("' + title + '"))');
    await page.click('[data-pb-menu="' + id + '"]');
  };
  assert.strictEqual(await page.textContent(gadget(4)), '0 task(s)');
  await page.keyboard.type('Milk');
  await page.click(gadget(1));
  await page.keyboard.type('Bread');
  await page.keyboard.press('Enter');
  await page.keyboard.type('   ');
  await page.keyboard.press('Enter');
  await page.keyboard.type('Tea');
  await menu('Edit', 0);
  assert.deepStrictEqual(await items(), ['Milk', 'Bread', 'Tea']);
  await page.click(gadget(3) + ' .pb-item:text-is("Milk")');
  await page.click(gadget(2));
  assert.deepStrictEqual(await items(), ['Bread', 'Tea']);
  assert.strictEqual(await page.textContent(gadget(4)), '2 task(s)');
  await page.click(gadget(3) + ' .pb-item:text-is("Tea")');
  await menu('Edit', 1);
  await menu('File', 2);
  assert.deepStrictEqual(await items(), []);
  assert.strictEqual(await page.textContent(gadget(4)), '0 task(s)');
  await menu('File', 3);
  await page.waitForFunction('document.body.dataset.korvexState === "ended"', null, { timeout: 5000 });
  assert.deepStrictEqual(await debugLines(page),
    ['Added Milk', 'Added Bread', 'Added Tea', 'Removed Milk', 'Removed Tea', 'Cleared', 'Bye']);
  assert.deepStrictEqual(page.errors, []);
  await page.close();
});

program('order form: check boxes, option groups, a combo box and a spin gadget', async function () {
  const page = await run('form');
  // gift 1, express 2, small 4, medium 5, large 6, card 8, cash 9, colour 10, amount 11, order 12, summary 13
  await page.click(gadget(12));
  assert.deepStrictEqual(await debugged(page, 6), ['Gift wrap: 0', 'Express: 0', 'Size: Medium', 'Payment: Card',
    'Color: Red', 'Amount: 1']);
  await page.click(gadget(1));
  await page.click(gadget(6));
  await page.click(gadget(9));
  await page.selectOption(gadget(10), 'Blue');
  await page.click('.pb-spin:has(' + gadget(11) + ') .pb-spin-up');
  await page.click('.pb-spin:has(' + gadget(11) + ') .pb-spin-up');
  await page.click(gadget(12));
  assert.deepStrictEqual((await debugged(page, 12)).slice(6), ['Gift wrap: 1', 'Express: 0', 'Size: Large',
    'Payment: Cash', 'Color: Blue', 'Amount: 3']);
  assert.strictEqual(await page.textContent(gadget(13)), '3 x Large Blue');
  await screenshot(page, 'form');
  await closeAndEnd(page, 0);
  await page.close();
});

program('drawing: a house on a canvas, its pixels; clicks leave a star and name what they hit', async function () {
  const page = await run('drawing');
  const pixel = function (x, y) {
    return page.evaluate(function (p) {
      var d = document.querySelector('[data-pb-gadget="1"]').getContext('2d').getImageData(p[0], p[1], 1, 1).data;
      return [d[0], d[1], d[2]].join(' ');
    }, [x, y]);
  };
  const sky = '200 230 255', grass = '60 160 60', wall = '200 60 40', roof = '120 70 30', line = '80 40 20',
    door = '90 50 20', sun = '255 220 0';
  const points = [[10, 100], [10, 180], [110, 100], [150, 60], [150, 85], [150, 40], [90, 90], [150, 130],
    [250, 40], [250, 60], [250, 61], [95, 50]];
  const seen = [];
  for (const p of points) seen.push(await pixel(p[0], p[1]));
  assert.deepStrictEqual(seen, [sky, grass, wall, roof, roof, line, line, door, sun, sun, sky, sky]);
  const box = await page.locator(gadget(1)).boundingBox();
  for (const p of [[20, 120], [150, 130], [150, 65], [50, 170], [250, 40]])
    await page.mouse.click(box.x + p[0], box.y + p[1]);
  assert.deepStrictEqual(await debugged(page, 5), ['Click at 20,120: sky', 'Click at 150,130: door',
    'Click at 150,65: roof', 'Click at 50,170: grass', 'Click at 250,40: sun']);
  assert.deepStrictEqual([await pixel(20, 120), await pixel(23, 120), await pixel(24, 120)],
    ['255 255 0', '255 255 0', sky]);
  assert.strictEqual(await page.textContent(gadget(2)), 'You clicked the sun.');
  await screenshot(page, 'drawing');
  await closeAndEnd(page, 0);
  await page.close();
});

program('progress: a bound timer fills the bar in ten steps, twice', async function () {
  const page = await run('progress');
  // bar 1, label 2, start 3
  const fill = function () {
    return page.evaluate('document.querySelector(\'[data-pb-gadget="1"] .pb-progress-fill\').style.width');
  };
  assert.strictEqual(await fill(), '0%');
  await page.click(gadget(3));
  await page.waitForFunction('document.querySelector(\'[data-pb-gadget="2"]\').textContent === "Done"', null,
    { timeout: 5000 });
  assert.deepStrictEqual([await fill(), await page.isDisabled(gadget(3))], ['100%', false]);
  await page.click(gadget(3));
  assert.strictEqual(await page.isDisabled(gadget(3)), true);
  const steps = ['10', '20', '30', '40', '50', '60', '70', '80', '90', '100'];
  assert.deepStrictEqual(await debugged(page, 20), steps.concat(steps));
  await closeAndEnd(page, 0);
  await page.close();
});

program('two windows: the second asks for a name, each close box closes its own window', async function () {
  const page = await run('two-windows');
  // greeting 0, open 1 in the main window 0; name 2, OK 3 in the window 1
  await page.click(gadget(1));
  await page.waitForSelector(windowOf(1));
  assert.strictEqual(await page.textContent(windowOf(1) + ' .pb-window-caption'), 'Your name');
  await page.keyboard.type('Ada');
  await page.click(gadget(3));
  await page.waitForSelector(windowOf(1), { state: 'detached' });
  assert.strictEqual(await page.textContent(gadget(0)), 'Hello, Ada!');
  await page.click(gadget(1));
  await page.click(windowOf(1) + ' .pb-window-close');
  await page.waitForSelector(windowOf(1), { state: 'detached' });
  await closeAndEnd(page, 0);
  assert.deepStrictEqual(await debugLines(page), ['Hello, Ada', 'Asking cancelled', 'Main window closed']);
  await page.close();
});

program('mistakes the debugger stops on: each named in the Debug area, the program goes on', async function () {
  const page = await run('mistakes');
  assert.deepStrictEqual(await debugLines(page), [
    '[ERROR] SetGadgetText(): the #Gadget 5 is not initialised.', 'after the gadget',
    '[ERROR] CloseWindow(): the #Window 0 is not initialised.', 'after the window',
    '[ERROR] Box(): there is no current drawing output (use StartDrawing() first).', 'after the drawing']);
  await page.click(gadget(1));
  assert.strictEqual((await debugged(page, 7))[6], 'pressed');
  await closeAndEnd(page, 1);
  await page.close();
});

program('the example sketchpad: strokes, colours from the track bars, the menu and a requester', async function () {
  // the example names its profile; the workplace converts with its own
  const source = path.join(site.workplace.root, 'sketchpad.pb');
  const text = fs.readFileSync(path.join(__dirname, '..', '..', 'examples', 'sketchpad.pb'), 'latin1');
  fs.writeFileSync(source, text.replace(/^KVX_Converter_SetProfile .*$/m, ''), 'latin1');
  site.workplace.convert(source);
  const page = await site.browser.context.newPage();
  page.errors = [];
  page.on('pageerror', function (error) { page.errors.push(error.message); });
  await page.setViewportSize({ width: 800, height: 600 });
  await page.goto(site.server.url + 'index.html', { waitUntil: 'load' });
  await waiting(page);
  // canvas 0, the bars red 2, green 4, blue 6, preview 7, the pen sizes 9 to 11, status 12
  const pixel = function (x, y) {
    return page.evaluate(function (p) {
      var d = document.querySelector('[data-pb-gadget="0"]').getContext('2d').getImageData(p[0], p[1], 1, 1).data;
      return [d[0], d[1], d[2]].join(' ');
    }, [x, y]);
  };
  const box = await page.locator(gadget(0)).boundingBox();
  const stroke = async function (points) {
    await page.mouse.move(box.x + points[0][0], box.y + points[0][1]);
    await page.mouse.down();
    for (const p of points.slice(1)) await page.mouse.move(box.x + p[0], box.y + p[1], { steps: 4 });
    await page.mouse.up();
  };
  await stroke([[40, 40], [140, 40]]);
  assert.deepStrictEqual([await pixel(90, 40), await pixel(90, 44), await pixel(90, 45)],
    ['20 60 160', '20 60 160', '255 255 255']);
  await page.fill(gadget(2), '200');
  await page.fill(gadget(6), '0');
  await page.click(gadget(11));
  await stroke([[40, 100], [40, 200]]);
  assert.deepStrictEqual([await pixel(48, 150), await pixel(49, 150)], ['200 60 0', '255 255 255']);
  assert.strictEqual(await page.textContent(gadget(12)), '40, 200');
  await page.keyboard.press('Control+N');
  await page.waitForFunction(function () {
    var d = document.querySelector('[data-pb-gadget="0"]').getContext('2d').getImageData(40, 40, 1, 1).data;
    return d[0] === 255 && d[2] === 255;
  });
  await page.click('.pb-menu-title:has(> .pb-menu-caption:text-is("Help"))');
  await page.click('[data-pb-menu="2"]');
  await page.waitForSelector('.pb-requester-text:text-is("Sketchpad, a PureBasic program in a web page.")');
  await page.click('.pb-requester-buttons button:text-is("OK")');
  await waiting(page);
  // a face for the picture in the README
  await page.fill(gadget(2), '230'); await page.fill(gadget(4), '150'); await page.fill(gadget(6), '20');
  const ring = [];
  for (let a = 0; a <= 360; a += 15) ring.push([180 + Math.round(100 * Math.cos(a * Math.PI / 180)),
    150 + Math.round(100 * Math.sin(a * Math.PI / 180))]);
  await stroke(ring);
  await page.fill(gadget(2), '30'); await page.fill(gadget(4), '30'); await page.fill(gadget(6), '30');
  await stroke([[145, 115], [145, 125]]);
  await stroke([[215, 115], [215, 125]]);
  await page.click(gadget(10));
  const smile = [];
  for (let a = 30; a <= 150; a += 15) smile.push([180 + Math.round(55 * Math.cos(a * Math.PI / 180)),
    160 + Math.round(45 * Math.sin(a * Math.PI / 180))]);
  await stroke(smile);
  await page.mouse.move(790, 590);
  const picture = path.join(__dirname, '..', '..', 'examples', 'sketchpad.png');
  await checkScreenshot(site.browser.context, page.locator(windowOf(0)), picture);
  await page.click('.pb-menu-title:has(> .pb-menu-caption:text-is("File"))');
  await page.click('[data-pb-menu="1"]');
  await page.waitForFunction('document.body.dataset.korvexState === "ended"', null, { timeout: 5000 });
  assert.deepStrictEqual(page.errors, []);
  await page.close();
});
