// Times a converted PureBasic program (list_map.pb) in headless Chromium
// against the same work written by hand in plain JavaScript: an array for
// the list, a Map for the map, Array.prototype.sort for SortList.
//   node bench/browser/run.js [runs]     (after building; uses build/dist)
//   KORVEX_DIST_DIR=... node bench/browser/run.js
// Not a test: it prints the best time of each part over the runs (default
// 7), the ratio, and fails when the two programs' results differ. The
// times are the page's own clock, which other work on a busy machine
// stretches; runtime.js measures the same parts in CPU time.
'use strict';
const fs = require('fs');
const path = require('path');
const support = path.join(__dirname, '..', '..', 'tests', 'browser', 'support');
const { startServer } = require(path.join(support, 'server'));
const { launchBrowser } = require(path.join(support, 'browser'));
const { openPage } = require(path.join(support, 'page'));
const { makeWorkplace } = require(path.join(support, 'convert'));

const kRuns = Number(process.argv[2] || 7);
const kParts = ['list, 1,000,000 adds and a ForEach', 'map, 100,000 keys set and read',
  'SortList of 1,000,000 texts'];

// The same work by hand; runs in the page. Answers the three times, then
// the results as the converted program shows them.
function handWritten() {
  let t = performance.now();
  const numbers = [];
  for (let i = 1; i <= 1000000; i++) numbers.push(i);
  let total = 0;
  for (const n of numbers) total += n;
  const listTime = performance.now() - t;

  t = performance.now();
  const squares = new Map();
  for (let i = 1; i <= 100000; i++) squares.set(String(i), i);
  let sum = 0;
  for (let i = 1; i <= 100000; i++) sum += squares.get(String(i));
  const mapTime = performance.now() - t;

  const words = [];
  let x = 1;
  for (let i = 1; i <= 1000000; i++) {
    x = (x * 7919 + 13) % 1000003;
    words.push('w' + x);
  }
  t = performance.now();
  words.sort();
  const sortTime = performance.now() - t;
  return [listTime, mapTime, sortTime, total, sum, words[0], words[500000], words[999999]].map(String);
}

async function main() {
  const workplace = makeWorkplace();
  const source = path.join(workplace.root, 'list_map.pb');
  fs.copyFileSync(path.join(__dirname, 'list_map.pb'), source);
  workplace.convert(source);
  const server = await startServer(workplace.site);
  const browser = await launchBrowser();
  const converted = kParts.map(function () { return Infinity; });
  const hand = converted.slice();
  let results, expected;
  for (let run = 0; run < kRuns; run++) {
    const shown = await openPage(browser.context, server.url + 'index.html');
    if (shown.errors.length) throw new Error(shown.errors.join('\n'));
    results = shown.debug.slice(kParts.length);
    const page = await browser.context.newPage();
    await page.goto(server.url + 'index.html');
    const h = await page.evaluate(handWritten);
    await page.close();
    expected = h.slice(kParts.length);
    kParts.forEach(function (part, i) {
      converted[i] = Math.min(converted[i], Number(shown.debug[i]));
      hand[i] = Math.min(hand[i], Number(h[i]));
    });
  }
  await browser.close();
  await server.close();
  workplace.remove();
  console.log('results of the converted program: ' + results.join(', '));
  kParts.forEach(function (part, i) {
    console.log((part + ':').padEnd(38) + ' converted ' + converted[i] + ' ms, by hand ' +
                hand[i].toFixed(1) + ' ms, ratio ' + (converted[i] / hand[i]).toFixed(2));
  });
  if (results.join() !== expected.join()) {
    console.error('the results differ from those by hand: ' + expected.join(', '));
    process.exit(1);
  }
}

main().catch(function (error) { console.error(error); process.exit(1); });
