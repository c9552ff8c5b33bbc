// Times a converted PureBasic program (list_map.pb) in headless Chromium
// against the same work written by hand in plain JavaScript.
//   node bench/browser/run.js        (after building; uses build/dist)
//   KORVEX_DIST_DIR=... node bench/browser/run.js
// Not a test: it prints the times of the best of five runs and their ratio.
'use strict';
const fs = require('fs');
const path = require('path');
const support = path.join(__dirname, '..', '..', 'tests', 'browser', 'support');
const { startServer } = require(path.join(support, 'server'));
const { launchBrowser } = require(path.join(support, 'browser'));
const { openPage } = require(path.join(support, 'page'));
const { makeWorkplace } = require(path.join(support, 'convert'));

const kRuns = 5;

// The same work by hand: an array for the list, a Map for the map.
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
  return [listTime, mapTime, total, sum];
}

async function main() {
  const workplace = makeWorkplace();
  const source = path.join(workplace.root, 'list_map.pb');
  fs.copyFileSync(path.join(__dirname, 'list_map.pb'), source);
  workplace.convert(source);
  const server = await startServer(workplace.site);
  const browser = await launchBrowser();
  let converted = [Infinity, Infinity], hand = [Infinity, Infinity], results;
  for (let run = 0; run < kRuns; run++) {
    const shown = await openPage(browser.context, server.url + 'index.html');
    if (shown.errors.length) throw new Error(shown.errors.join('\n'));
    results = shown.debug.slice(2);
    converted = [Math.min(converted[0], Number(shown.debug[0])), Math.min(converted[1], Number(shown.debug[1]))];
    const page = await browser.context.newPage();
    await page.goto(server.url + 'index.html');
    const h = await page.evaluate(handWritten);
    await page.close();
    hand = [Math.min(hand[0], h[0]), Math.min(hand[1], h[1])];
  }
  await browser.close();
  await server.close();
  workplace.remove();
  console.log('results of the converted program: ' + results.join(', '));
  console.log('list, 1,000,000 adds and a ForEach: converted ' + converted[0] + ' ms, by hand ' +
              hand[0].toFixed(1) + ' ms, ratio ' + (converted[0] / hand[0]).toFixed(1));
  console.log('map, 100,000 keys set and read:     converted ' + converted[1] + ' ms, by hand ' +
              hand[1].toFixed(1) + ' ms, ratio ' + (converted[1] / hand[1]).toFixed(1));
}

main().catch(function (error) { console.error(error); process.exit(1); });
