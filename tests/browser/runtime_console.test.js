// The console, the keyboard and the waits of a program in the browser: what
// Print draws, a line typed with real keys for Input, Inkey and RawKey, a
// Delay, the requesters, the program's state and its pauses, and End.
// The tests run in order: the last ones end the page's program.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('assert');
const { openRuntimePage } = require('./support/runtime_page');

let runtime, page;
before(async function () {
  runtime = await openRuntimePage();
  page = runtime.page;
});
after(async function () { await runtime.close(); });

// The console's lines as text, once what was printed is drawn.
const kLines = '(function () { cConsole.draw(); return Array.prototype.map.call(' +
  'document.querySelectorAll("#console .console-line"), function (e) { return e.textContent; }); })()';

const kState = 'document.body.dataset.korvexState';

test('Print and PrintN write lines, drawn when the page gets control', async function () {
  await runtime.check([
    ['cConsole.ClearConsole(); cConsole.draw(); cConsole.Print("a"); cConsole.Print("b");' +
     ' cConsole.PrintN("c"); cConsole.PrintN(""); cConsole.PrintN(42);' +
     ' document.querySelectorAll("#console .console-line").length', 1],
    [kLines, ['abc', '', '42', '']],
    ['cConsole.ClearConsole(); cConsole.PrintN("x" + "\\n" + "y"); ' + kLines, ['x', 'y', '']],
    ['cConsole.ClearConsole(); cConsole.Print("abc\\rX"); cConsole.Print("12" + cString.Chr(8) + "3"); ' + kLines,
     ['X13']],
    ['cConsole.ClearConsole(); cConsole.Print("long ".repeat(20000)); ' + kLines + '[0].length', 100000],
    ['cConsole.ClearConsole(); cConsole.PrintN("<i>not markup</i>"); cConsole.draw();' +
     ' document.querySelector("#console .console-line").innerHTML', '&lt;i&gt;not markup&lt;/i&gt;'],
    ['cConsole.ClearConsole(); ' + kLines, ['']],
    ['cConsole.ConsoleTitle("My tool"); document.title', 'My tool']
  ]);
});

test('The graphical console is a screen of 80 x 25 cells', async function () {
  const row = function (y) { return kLines + '[' + y + ']'; };
  await runtime.check([
    ['cConsole.ClearConsole(); cConsole.ConsoleLocate(5, 5); cConsole.Print("here"); ' + kLines, ['here']],
    ['cConsole.EnableGraphicalConsole(1); cConsole.ClearConsole(); cConsole.ConsoleLocate(4, 2);' +
     ' cConsole.Print("X"); cConsole.ConsoleLocate(0, 0); cConsole.Print("ab"); cConsole.ConsoleLocate(1, 0);' +
     ' cConsole.Print("Z"); ' + kLines + '.slice(0, 3)', ['aZ', '', '    X']],
    [kLines + '.length', 25],
    ['cConsole.ConsoleLocate(78, 5); cConsole.Print("abcd"); ' + row(5), ' '.repeat(78) + 'ab'],
    ['cConsole.ConsoleLocate(200, 200); cConsole.Print("Q"); ' + row(24), ' '.repeat(79) + 'Q'],
    // printing past the bottom line scrolls the screen up; text is written over
    ['cConsole.ConsoleLocate(0, 24); cConsole.PrintN("bottom"); [' + kLines + '.length, ' + row(0) + ', ' +
     row(23) + ', ' + row(24) + ']', [25, '', 'bottom' + ' '.repeat(73) + 'Q', '']],
    ['document.getElementById("console").className', 'graphical'],
    ['cConsole.EnableGraphicalConsole(0); cConsole.ClearConsole(); document.getElementById("console").className', '']
  ]);
});

test('ConsoleColor colours the text printed after it, in the 16 console colours', async function () {
  await runtime.check([
    ['cConsole.ClearConsole(); cConsole.Print("plain "); cConsole.ConsoleColor(12, 1); cConsole.Print("red");' +
     ' cConsole.ConsoleColor(14, 0); cConsole.Print("!"); cConsole.ConsoleColor(7, 0); cConsole.draw();' +
     ' var spans = document.querySelectorAll("#console .console-line span:not(.console-cursor)");' +
     ' [spans.length, spans[0].textContent, spans[0].style.color, spans[0].style.backgroundColor,' +
     ' spans[1].style.color, document.querySelector("#console .console-line").textContent]',
     [2, 'red', 'rgb(255, 0, 0)', 'rgb(0, 0, 128)', 'rgb(255, 255, 0)', 'plain red!']]
  ]);
});

// Starts an Input() in the page; the answer lands in window.answer.
async function startInput(prompt) {
  await page.evaluate(function (text) {
    cConsole.ClearConsole();
    cConsole.Print(text);
    window.answer = undefined;
    cConsole.Input().then(function (line) { window.answer = line; });
  }, prompt);
}

async function answer() {
  await page.waitForFunction('window.answer !== undefined', null, { timeout: 5000 });
  return page.evaluate('[window.answer, ' + kLines + ']');
}

test('Input reads a line typed into the console', async function () {
  await startInput('Name: ');
  assert.strictEqual(await page.evaluate(kState), 'waiting');
  await page.keyboard.type('Anx');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('n');
  assert.deepStrictEqual(await page.evaluate(kLines), ['Name: Ann']);
  await page.keyboard.press('Enter');
  assert.deepStrictEqual(await answer(), ['Ann', ['Name: Ann', '']]);
  assert.strictEqual(await page.evaluate(kState), 'running');

  // Escape takes back the whole line; Backspace stops at the prompt
  await startInput('> ');
  await page.keyboard.type('abc');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('ok');
  await page.keyboard.press('Enter');
  assert.deepStrictEqual(await answer(), ['ok', ['> ok', '']]);

  // keys typed before Input waited in the buffer
  await page.keyboard.type('42');
  await page.keyboard.press('Enter');
  await startInput('Age: ');
  assert.deepStrictEqual(await answer(), ['42', ['Age: 42', '']]);

  // Ctrl+D ends the input: #PB_Input_Eof
  await startInput('');
  await page.keyboard.press('Control+D');
  assert.deepStrictEqual((await answer())[0], '\u0004');
});

test('Inkey takes one key a call, RawKey tells its code', async function () {
  for (const key of ['a', 'Shift+B', 'ArrowUp', 'Escape', 'Enter', 'Tab', 'Backspace', 'Space']) await page.keyboard.press(key);
  const got = await page.evaluate(async function () {
    var keys = [];
    for (var i = 0; i < 9; i++) keys.push([await cConsole.Inkey(), cConsole.RawKey()]);
    return keys;
  });
  assert.deepStrictEqual(got, [['a', 65], ['B', 66], ['', 38], ['\u001b', 27], ['\r', 13], ['\t', 9],
    ['\b', 8], [' ', 32], ['', 0]]);
});

test('A loop that only asks Inkey rests until a key comes', async function () {
  await page.evaluate(function () {
    window.polls = [];
    (async function () {
      var key;
      while ((key = await cConsole.Inkey()) === '') window.polls.push(performance.now());
      window.pressed = [key, performance.now()];
    })();
  });
  await new Promise(function (resolve) { setTimeout(resolve, 600); });
  const resting = await page.evaluate(function () {
    var t = performance.now();
    return [window.polls.filter(function (p) { return p > t - 300; }).length, document.body.dataset.korvexState];
  });
  // resting 20 ms a call: some 15 calls in 300 ms (not hundreds of thousands)
  assert.ok(resting[0] < 100, 'calls in 300 ms: ' + resting[0]);
  assert.strictEqual(resting[1], 'waiting');
  const sent = await page.evaluate('performance.now()');
  await page.keyboard.press('k');
  await page.waitForFunction('window.pressed !== undefined');
  const pressed = await page.evaluate('window.pressed');
  assert.strictEqual(pressed[0], 'k');
  assert.ok(pressed[1] - sent < 200, 'the key came after ' + (pressed[1] - sent) + ' ms');
});

test('Delay waits, with the state "waiting"', async function () {
  const waited = await page.evaluate(async function () {
    var t = performance.now();
    var during;
    setTimeout(function () { during = document.body.dataset.korvexState; }, 100);
    await cMisc.Delay(300);
    return [performance.now() - t >= 295, during, document.body.dataset.korvexState];
  });
  assert.deepStrictEqual(waited, [true, 'waiting', 'running']);
  await runtime.check([
    ['(function () { var t = cMisc.ElapsedMilliseconds(), until = Date.now() + 30; while (Date.now() < until) {}' +
     ' var d = cMisc.ElapsedMilliseconds() - t; return d >= 29 && d < 1000; })()', true],
    ['Number.isInteger(cMisc.ElapsedMilliseconds())', true]
  ]);
});

test('A long loop with the checks gives the page back now and then', async function () {
  const run = await page.evaluate(async function () {
    var start = performance.now(), ticks = [], passes = 0;
    (function tick() { ticks.push(performance.now() - start); if (ticks.length < 100) setTimeout(tick, 0); })();
    // the loop as the converter writes it around a While
    for (;;) {
      var resume = false, left = cCommon.KVX_Passes();
      while (performance.now() - start < 1000) {
        passes++;
        if ((left -= 1) < 0) { resume = true; break; }
      }
      if (!resume) break;
      await cCommon.KVX_Pause();
    }
    return [ticks.length, Math.max.apply(null, ticks.slice(1).map(function (t, i) { return t - ticks[i]; })), passes];
  });
  // every 100 ms or so (more on a busy machine), and not at every pass
  assert.ok(run[0] >= 3 && run[0] <= 40, 'the page got control ' + run[0] + ' times in a second');
  assert.ok(run[1] < 500, 'longest time without the page: ' + run[1] + ' ms');
  assert.ok(run[2] > 10000, 'passes: ' + run[2]);
});

test('KVX_Wait marks the state until the promise settles and answers its value', async function () {
  const states = await page.evaluate(async function () {
    var seen = [];
    var waited = cCommon.KVX_Wait(new Promise(function (resolve) { setTimeout(resolve, 50, 'value'); }));
    seen.push(document.body.dataset.korvexState);
    seen.push(await waited, document.body.dataset.korvexState);
    try {
      await cCommon.KVX_Wait(Promise.reject(new Error('failed')));
    } catch (error) {
      seen.push(error.message, document.body.dataset.korvexState);
    }
    return seen;
  });
  assert.deepStrictEqual(states, ['waiting', 'value', 'running', 'failed', 'running']);
});

test('End stops the program without an error report; the page marks the end', async function () {
  const errors = [];
  const listener = function (error) { errors.push(error.message); };
  page.on('pageerror', listener);
  await page.evaluate(function () {
    window.afterEnd = 'no';
    window.pending = 'waiting';
    cMisc.Delay(50).then(function () { window.pending = 'went on'; });
    var script = document.createElement('script');
    script.textContent = 'cConsole.PrintN("last line"); cMisc.End(); window.afterEnd = "yes";';
    document.head.appendChild(script);
  });
  await new Promise(function (resolve) { setTimeout(resolve, 200); });
  page.off('pageerror', listener);
  await runtime.check([
    ['window.afterEnd', 'no'],
    ['window.pending', 'waiting'],  // a wait of the ended program does not go on
    ['cMisc.hasEnded()', true],
    [kState, 'ended'],
    ['getComputedStyle(document.getElementById("status"), "::before").content', '"The program has ended."'],
    [kLines + '.indexOf("last line") >= 0', true],
    ['true', errors.length === 0]
  ]);
});
