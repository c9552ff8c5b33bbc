// Console programs converted by the built Korvex, watched while they run in
// headless Chromium: a countdown whose lines come one a second, a program
// that prints 100,000 lines and answers the page all the while, a text
// screen checked cell by cell, a loop that waits for a key without using
// the processor, Ctrl+C on a program that never ends, and a page opened
// from its file.
'use strict';
const { test } = require('node:test');
const assert = require('assert');
const fs = require('fs');
const path = require('path');
const { useSite } = require('./support/site');
const { untilState, lineTexts } = require('./support/page');

const site = useSite();

function sleep(milliseconds) {
  return new Promise(function (resolve) { setTimeout(resolve, milliseconds); });
}

// Converts the program (lines of PureBasic) and opens its page; the page
// is not waited for. Resolves to { page, errors }.
async function start(lines, beforeLoad) {
  const source = path.join(site.workplace.root, 'program.pb');
  fs.writeFileSync(source, lines.join('\n') + '\n');
  site.workplace.convert(source);
  const page = await site.browser.context.newPage();
  const errors = [];
  page.on('pageerror', function (error) { errors.push(error.message); });
  if (beforeLoad) await page.addInitScript(beforeLoad);
  await page.goto(site.server.url + 'index.html', { waitUntil: 'load' });
  return { page, errors };
}

async function consoleLines(page) {
  const lines = (await page.evaluate(lineTexts)).console;
  if (lines.length && lines[lines.length - 1] === '') lines.pop();
  return lines;
}

// The time each console line was first seen, by its text.
function recordLineTimes() {
  window.lineTimes = {};
  new MutationObserver(function () {
    document.querySelectorAll('#console .console-line').forEach(function (line) {
      if (line.textContent !== '' && !(line.textContent in window.lineTimes))
        window.lineTimes[line.textContent] = performance.now();
    });
  }).observe(document, { childList: true, subtree: true, characterData: true });
}

test('a countdown shows a line a second', async function () {
  const { page, errors } = await start([
    '; A countdown, one line a second',
    'OpenConsole()',
    'For i = 3 To 1 Step -1',
    '  PrintN(Str(i) + "...")',
    '  Delay(1000)',
    'Next',
    'PrintN("Go!")'
  ], recordLineTimes);
  await sleep(500);
  assert.deepStrictEqual(await consoleLines(page), ['3...'], 'the first line before the first second is over');
  assert.strictEqual(await page.evaluate('document.body.dataset.korvexState'), 'waiting');
  assert.strictEqual(await untilState(page, ['ended'], errors, 10000), 'ended');
  const times = await page.evaluate('window.lineTimes');
  await page.close();
  assert.deepStrictEqual(errors, []);
  const lines = ['3...', '2...', '1...', 'Go!'];
  assert.deepStrictEqual(Object.keys(times).sort(), lines.slice().sort());
  for (let i = 1; i < lines.length; i++) {
    const gap = times[lines[i]] - times[lines[i - 1]];
    // a line's time is taken when the observer runs, which on a busy
    // machine can be late for one line and so shorten the gap after it
    assert.ok(gap >= 950 && gap < 1600, lines[i] + ' came ' + gap + ' ms after ' + lines[i - 1]);
  }
});

test('100,000 lines show while the program computes, and the page answers all the while', async function () {
  const { page, errors } = await start([
    '; Many lines while computing',
    'OpenConsole()',
    'For i = 1 To 100000',
    '  sum = 0',
    '  For d = 1 To 2000',
    '    sum + (i * d) % 7',
    '  Next',
    '  PrintN("Line " + Str(i) + ": " + Str(sum))',
    'Next',
    'PrintN("Done")'
  ]);
  const seen = [];
  for (;;) {
    const asked = Date.now();
    const sample = await page.evaluate(function () {
      return [document.body.dataset.korvexState, document.querySelectorAll('#console .console-line').length];
    });
    seen.push({ state: sample[0], lines: sample[1], answeredIn: Date.now() - asked });
    if (sample[0] === 'ended' || errors.length || seen.length > 2000) break;
    await sleep(50);
  }
  const lines = await consoleLines(page);
  await page.close();
  assert.deepStrictEqual(errors, []);
  const whileRunning = seen.filter(function (s) { return s.state === 'running' && s.lines > 0; });
  assert.ok(whileRunning.length > 0, 'no lines shown while it ran: ' + JSON.stringify(seen.slice(0, 5)));
  assert.ok(whileRunning.some(function (s) { return s.lines < 100000; }), 'all lines came at once');
  const slowest = Math.max.apply(null, seen.map(function (s) { return s.answeredIn; }));
  assert.ok(slowest < 1000, 'the page took ' + slowest + ' ms to answer');
  // d % 7 for d = 1 to 2000: 285 rounds of 0 + 1 + ... + 6, then 1 + ... + 5;
  // for i = 100,000 (5 more than a multiple of 7) 5d % 7 goes 5, 3, 1, 6, 4,
  // 2, 0, so the last five give 5 + 3 + 1 + 6 + 4
  assert.deepStrictEqual([lines.length, lines[0], lines[99999], lines[100000]],
    [100001, 'Line 1: 6000', 'Line 100000: 6004', 'Done']);
});

// The cells of the console's lines: the character, and the text and
// background colours as console colour numbers (the page's own colours
// are 7 on 0).
function readCells() {
  var palette = ['rgb(0, 0, 0)', 'rgb(0, 0, 128)', 'rgb(0, 128, 0)', 'rgb(0, 128, 128)', 'rgb(128, 0, 0)',
    'rgb(128, 0, 128)', 'rgb(128, 128, 0)', 'rgb(192, 192, 192)', 'rgb(128, 128, 128)', 'rgb(0, 0, 255)',
    'rgb(0, 255, 0)', 'rgb(0, 255, 255)', 'rgb(255, 0, 0)', 'rgb(255, 0, 255)', 'rgb(255, 255, 0)',
    'rgb(255, 255, 255)'];
  return Array.prototype.map.call(document.querySelectorAll('#console .console-line'), function (line) {
    var cells = [];
    line.childNodes.forEach(function (node) {
      if (node.nodeType === 1 && node.classList.contains('console-cursor')) return;
      var fg = 7, bg = 0;
      if (node.nodeType === 1) {
        fg = palette.indexOf(node.style.color);
        bg = node.style.backgroundColor ? palette.indexOf(node.style.backgroundColor) : 0;
      }
      for (var c of node.textContent) cells.push(c + fg + '/' + bg);
    });
    return cells;
  });
}

test('a text screen with ConsoleLocate and ConsoleColor, cell by cell', async function () {
  const { page, errors } = await start([
    '; A framed word on a blue screen',
    'OpenConsole()',
    'EnableGraphicalConsole(1)',
    'ConsoleColor(15, 1)',
    'ClearConsole()',
    'ConsoleColor(14, 4)',
    'ConsoleLocate(2, 1) : Print("+----+")',
    'ConsoleLocate(2, 2) : Print("|")',
    'ConsoleColor(10, 4) : Print("OK")',
    'ConsoleColor(14, 4) : Print("  |")',
    'ConsoleLocate(2, 3) : Print("+----+")',
    'ConsoleColor(7, 0)',
    'ConsoleLocate(0, 24)',
    'Print("Press a key")',
    'Repeat : Delay(20) : Until Inkey() <> ""'
  ]);
  assert.strictEqual(await untilState(page, ['waiting'], errors, 10000), 'waiting');
  const cells = await page.evaluate(readCells);
  // By hand: blanks in white on blue, the frame in yellow on red with "OK"
  // in bright green on red, and the last line in the page's own colours.
  const expected = [];
  for (let y = 0; y < 25; y++) {
    const row = [];
    for (let x = 0; x < 80; x++) row.push(' 15/1');
    expected.push(row);
  }
  const put = function (x, y, text, color) {
    for (let i = 0; i < text.length; i++) expected[y][x + i] = text[i] + color;
  };
  put(2, 1, '+----+', '14/4');
  put(2, 2, '|', '14/4');
  put(3, 2, 'OK', '10/4');
  put(5, 2, '  |', '14/4');
  put(2, 3, '+----+', '14/4');
  put(0, 24, 'Press a key', '7/0');
  assert.deepStrictEqual(cells, expected);
  await page.keyboard.press('x');
  assert.strictEqual(await untilState(page, ['ended'], errors, 10000), 'ended');
  await page.close();
  assert.deepStrictEqual(errors, []);
});

test('a loop that waits for a key with Inkey uses next to no processor time', async function () {
  const { page, errors } = await start([
    '; Press a key, the busy way',
    'OpenConsole()',
    'PrintN("Press a key")',
    'While Inkey() = "" : Wend',
    'PrintN("Bye")'
  ]);
  assert.strictEqual(await untilState(page, ['waiting'], errors, 10000), 'waiting');
  const cdp = await site.browser.context.newCDPSession(page);
  await cdp.send('Performance.enable');
  const busy = async function () {
    const metrics = (await cdp.send('Performance.getMetrics')).metrics;
    return metrics.find(function (m) { return m.name === 'TaskDuration'; }).value;
  };
  const before = await busy();
  await sleep(1000);
  const used = (await busy()) - before;
  assert.ok(used < 0.25, 'the page worked ' + used.toFixed(3) + ' s of one second');
  assert.deepStrictEqual(await consoleLines(page), ['Press a key']);
  await page.keyboard.press('Enter');
  assert.strictEqual(await untilState(page, ['ended'], errors, 10000), 'ended');
  assert.deepStrictEqual(await consoleLines(page), ['Press a key', 'Bye']);
  await page.close();
  assert.deepStrictEqual(errors, []);
});

test('Ctrl+C stops a program that never ends', async function () {
  const { page, errors } = await start([
    '; Working forever',
    'OpenConsole()',
    'PrintN("Working")',
    'n = 0',
    'Repeat',
    '  n + 1',
    '  If n % 1000000 = 0 : Print(".") : EndIf',
    'ForEver'
  ]);
  await sleep(500);
  assert.strictEqual(await page.evaluate('document.body.dataset.korvexState'), 'running');
  await page.keyboard.press('Control+C');
  assert.strictEqual(await untilState(page, ['ended'], errors, 5000), 'ended');
  const stopped = await consoleLines(page);
  assert.strictEqual(stopped[0], 'Working');
  assert.match(stopped[stopped.length - 1], /^\.*\^C$/);
  await sleep(300);
  assert.deepStrictEqual(await consoleLines(page), stopped, 'the loop went on');
  await page.close();
  assert.deepStrictEqual(errors, []);
});

test('the page works when opened from its file', async function () {
  const source = path.join(site.workplace.root, 'program.pb');
  fs.writeFileSync(source, ['OpenConsole("From a file")', 'Print("Waiting... ")', 'Delay(100)',
    'PrintN("done")', ''].join('\n'));
  site.workplace.convert(source);
  // jQuery beside the page instead of from the test's server
  fs.copyFileSync(path.join(__dirname, 'node_modules', 'jquery', 'dist', 'jquery.js'),
    path.join(site.workplace.site, 'jquery.js'));
  const index = path.join(site.workplace.site, 'index.html');
  fs.writeFileSync(index, fs.readFileSync(index, 'latin1').split('src="/jquery.js"').join('src="jquery.js"'),
    'latin1');
  const page = await site.browser.context.newPage();
  const errors = [];
  page.on('pageerror', function (error) { errors.push(error.message); });
  await page.goto('file://' + index, { waitUntil: 'load' });
  assert.strictEqual(await untilState(page, ['ended'], errors, 10000), 'ended');
  assert.deepStrictEqual(await consoleLines(page), ['Waiting... done']);
  assert.strictEqual(await page.title(), 'From a file');
  await page.close();
  assert.deepStrictEqual(errors, []);
});
