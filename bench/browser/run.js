// Times converted PureBasic programs (list_map.pb, strings.pb) in headless
// Chromium against the same work written by hand in plain JavaScript: an
// array for the list, a Map for the map, Array.prototype.sort for SortList,
// += on a string for the texts built in loops.
//   node bench/browser/run.js [rounds] [program]   (after building; uses build/dist)
//   KORVEX_DIST_DIR=... node bench/browser/run.js
// program is list_map or strings; without it both run.
// Each part of a program (the code between "start =
// ElapsedMilliseconds()" and the Debug of the time) runs as Korvex wrote it,
// in a new page each round, so that neither the runtime nor the part is
// compiled yet, as when the program is opened; the code before it has run
// first, outside the time. The time is the CPU time of the page's main
// thread, which other work on a busy machine does not stretch.
// Not a test: it prints the best time of each part over the rounds
// (default 7), the ratio, and fails when the results of a converted
// program differ from those by hand.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const support = path.join(__dirname, '..', '..', 'tests', 'browser', 'support');
const { startServer } = require(path.join(support, 'server'));
const { launchBrowser } = require(path.join(support, 'browser'));
const { openPage, deployRuntime } = require(path.join(support, 'page'));
const { makeWorkplace } = require(path.join(support, 'convert'));

const kRounds = Number(process.argv[2] || 7);

// For each program: the titles of its parts; the same work by hand, for
// each part the code before it and the part; and an expression that gives
// the results the converted program shows after its times.
const kPrograms = {
  list_map: {
    titles: ['list, 1,000,000 adds and a ForEach', 'map, 100,000 keys set and read',
      'SortList of 1,000,000 texts'],
    byHand: [
      ['', `var numbers = [], total = 0;
for (var i = 1; i <= 1000000; i++) numbers.push(i);
for (const n of numbers) total += n;`],
      ['', `var squares = new Map(), sum = 0;
for (var i = 1; i <= 100000; i++) squares.set(String(i), i);
for (var i = 1; i <= 100000; i++) sum += squares.get(String(i));`],
      [`var words = [], x = 1;
for (var i = 1; i <= 1000000; i++) { x = (x * 7919 + 13) % 1000003; words.push('w' + x); }`,
      'words.sort();']
    ],
    results: `(function () {
  var total = 0, sum = 0, words = [], x = 1;
  for (var i = 1; i <= 1000000; i++) total += i;
  for (var i = 1; i <= 100000; i++) sum += i;
  for (var i = 1; i <= 1000000; i++) { x = (x * 7919 + 13) % 1000003; words.push('w' + x); }
  words.sort();
  return [total, sum, words[0], words[500000], words[999999]].map(String);
})()`
  },
  // A JavaScript programmer grows a string with += as well: the engine
  // keeps the pieces joined without copying them, so this is the measure.
  strings: {
    titles: ['s + Chr(x), 1,000,000 times', 'line + Str(i) + ",", 200,000 times',
      'Asc(Mid(s, i, 1)), 1,000,000 chars'],
    byHand: [
      ['var letters = "";', `for (var i = 1; i <= 1000000; i++) letters += String.fromCharCode(65 + i % 26);`],
      ['var line = "";', `for (var i = 1; i <= 200000; i++) line += i + ',';`],
      [`var text = "";
for (var i = 1; i <= 1000000; i++) text += String.fromCharCode(97 + i % 26);`,
      `var sum = 0;
for (var i = 0; i < text.length; i++) sum += text.charCodeAt(i) * ((i + 1) % 7 + 1);`]
    ],
    results: `(function () {
  var letters = '', line = '', text = '', sum = 0;
  for (var i = 1; i <= 1000000; i++) letters += String.fromCharCode(65 + i % 26);
  for (var i = 1; i <= 200000; i++) line += i + ',';
  for (var i = 1; i <= 1000000; i++) text += String.fromCharCode(97 + i % 26);
  for (var i = 0; i < text.length; i++) sum += text.charCodeAt(i) * ((i + 1) % 7 + 1);
  return [letters.length, letters.slice(-5), text.length, sum, line.length, line.slice(0, 12),
          line.slice(-14)].map(String);
})()`
  }
};

const kStart = /^\s*start\s*=\s*cMisc\.ElapsedMilliseconds\(\)\s*;\s*$/;
const kStop = /^\s*cDebugger\.Debug\(\s*cMisc\.ElapsedMilliseconds\(\)\s*-\s*start\s*\)\s*;\s*$/;

// The converted program's statements (the lines inside the function that
// the page runs) cut into its timed parts: for each, the code before it
// (without the parts before) and the part.
function partsOf(program, name, count) {
  const lines = program.split('\n');
  const open = lines.findIndex(function (l) { return /function\s*\(\)\s*\{\s*$/.test(l); });
  let close = lines.length - 1;
  while (close > open && !/^\s*\}\)/.test(lines[close])) close--;
  const parts = [];
  let before = [], timed = null;
  for (const line of lines.slice(open + 1, close)) {
    if (kStart.test(line)) timed = [];
    else if (kStop.test(line) && timed) {
      parts.push([before.join('\n'), timed.join('\n')]);
      timed = null;
    } else (timed || before).push(line);
  }
  if (parts.length !== count) throw new Error(name + '.js has ' + parts.length + ' timed parts');
  return parts;
}

// The variables that code declares, which the part takes over.
function declared(code) {
  const names = new Set();
  for (const line of code.split('\n')) {
    if (!/^\s*(var|let)\s/.test(line)) continue;
    const pattern = /(?:^\s*(?:var|let)\s+|,\s*)([A-Za-z_$][\w$]*)\s*=/g;
    let m;
    while ((m = pattern.exec(line)) !== null) names.add(m[1]);
  }
  return Array.from(names);
}

// Runs before in a new page, then times part; answers the CPU milliseconds.
async function timePart(browser, url, before, part) {
  const page = await browser.context.newPage();
  try {
    await page.goto(url, { waitUntil: 'load' });
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Performance.enable', { timeDomain: 'threadTicks' });
    const names = declared(before);
    await page.evaluate('(async function () {\n' + before + '\nwindow.kvxBench = {' +
      names.map(function (n) { return n + ': ' + n; }).join(', ') + '};\n})()');
    await cdp.send('HeapProfiler.collectGarbage');
    const cpu = async function () {
      const metrics = (await cdp.send('Performance.getMetrics')).metrics;
      return metrics.find(function (m) { return m.name === 'ThreadTime'; }).value * 1000;
    };
    const start = await cpu();
    await page.evaluate('(async function () {\n' + names.map(function (n) {
      return 'var ' + n + ' = window.kvxBench.' + n + ';\n';
    }).join('') + part + '\n})()');
    return await cpu() - start;
  } finally {
    await page.close();
  }
}

// Converts and times one program; answers whether its results are those by
// hand.
async function benchProgram(name, browser, empty) {
  const program = kPrograms[name];
  const titles = program.titles;
  const workplace = makeWorkplace();
  const source = path.join(workplace.root, name + '.pb');
  fs.copyFileSync(path.join(__dirname, name + '.pb'), source);
  workplace.convert(source);
  const converted = partsOf(fs.readFileSync(path.join(workplace.site, 'program.js'), 'latin1'),
                            name, titles.length);
  const server = await startServer(workplace.site);

  const shown = await openPage(browser.context, server.url + 'index.html');
  if (shown.errors.length) throw new Error(shown.errors.join('\n'));
  const results = shown.debug.slice(titles.length);
  server.setRoot(empty);   // the parts run in pages of the runtime alone
  const page = await browser.context.newPage();
  await page.goto(server.url + 'index.html');
  const expected = await page.evaluate(program.results);
  await page.close();

  for (let p = 0; p < titles.length; p++) {
    const best = [Infinity, Infinity];
    for (let round = 0; round < kRounds; round++) {
      best[0] = Math.min(best[0], await timePart(browser, server.url + 'index.html', converted[p][0], converted[p][1]));
      best[1] = Math.min(best[1], await timePart(browser, server.url + 'index.html', program.byHand[p][0], program.byHand[p][1]));
    }
    console.log((titles[p] + ':').padEnd(38) + ' converted ' + best[0].toFixed(1) + ' ms, by hand ' +
                best[1].toFixed(1) + ' ms, ratio ' + (best[0] / best[1]).toFixed(2));
  }
  await server.close();
  workplace.remove();
  console.log('results of ' + name + '.pb: ' + results.join(', '));
  if (results.join() === expected.join()) return true;
  console.error('the results differ from those by hand: ' + expected.join(', '));
  return false;
}

async function main() {
  const names = process.argv[3] ? [process.argv[3]] : Object.keys(kPrograms);
  for (const name of names) if (!kPrograms[name]) throw new Error('no program ' + name);
  const empty = fs.mkdtempSync(path.join(os.tmpdir(), 'korvex-bench-'));
  fs.writeFileSync(path.join(empty, 'empty.js'), '');
  deployRuntime(empty, 'empty.js');
  const browser = await launchBrowser();
  let same = true;
  for (const name of names) same = await benchProgram(name, browser, empty) && same;
  await browser.close();
  fs.rmSync(empty, { recursive: true, force: true });
  if (!same) process.exit(1);
}

main().catch(function (error) { console.error(error); process.exit(1); });
