// Times compute.pb, converted by Korvex, in headless Chromium against the
// same work written by hand in plain JavaScript: integer loops with / and %,
// a sieve over a typed array, a matrix product.
//   node bench/browser/compute.js        (after building; uses build/dist)
// Not a test: it prints the best of five runs of each part and the ratios.
'use strict';
const fs = require('fs');
const path = require('path');
const support = path.join(__dirname, '..', '..', 'tests', 'browser', 'support');
const { startServer } = require(path.join(support, 'server'));
const { launchBrowser } = require(path.join(support, 'browser'));
const { openPage } = require(path.join(support, 'page'));
const { makeWorkplace } = require(path.join(support, 'convert'));

const kRuns = 5;
const kParts = ['Collatz lengths', 'digit sums', 'sieve of 10,000,000', 'matrix 300 x 300'];

// What a JavaScript programmer would write for the same work.
function handWritten() {
  const times = [];
  let t = performance.now();
  let best = 0, bestN = 0;
  for (let n = 1; n <= 300000; n++) {
    let x = n, steps = 0;
    while (x !== 1) {
      if (x % 2 === 0) x = x / 2;
      else x = 3 * x + 1;
      steps++;
    }
    if (steps > best) { best = steps; bestN = n; }
  }
  times.push(performance.now() - t);
  t = performance.now();
  let total = 0;
  for (let n = 1; n <= 3000000; n++) {
    let m = n;
    while (m > 0) { total += m % 10; m = Math.floor(m / 10); }
  }
  times.push(performance.now() - t);
  t = performance.now();
  const limit = 10000000;
  const composite = new Uint8Array(limit + 1);
  let primes = 0;
  for (let i = 2; i <= limit; i++) {
    if (composite[i] === 0) {
      primes++;
      for (let j = i * i; j <= limit; j += i) composite[j] = 1;
    }
  }
  times.push(performance.now() - t);
  t = performance.now();
  const size = 300;
  const a = new Float64Array(size * size), b = new Float64Array(size * size), c = new Float64Array(size * size);
  for (let i = 0; i < size; i++)
    for (let j = 0; j < size; j++) { a[i * size + j] = i + j; b[i * size + j] = i - j; }
  for (let i = 0; i < size; i++)
    for (let j = 0; j < size; j++) {
      let sum = 0;
      for (let k = 0; k < size; k++) sum += a[i * size + k] * b[k * size + j];
      c[i * size + j] = sum;
    }
  times.push(performance.now() - t);
  return { times, results: [bestN, total, primes, c[10 * size + 20]] };
}

async function main() {
  const workplace = makeWorkplace();
  const source = path.join(workplace.root, 'compute.pb');
  fs.copyFileSync(path.join(__dirname, 'compute.pb'), source);
  workplace.convert(source);
  const server = await startServer(workplace.site);
  const browser = await launchBrowser();
  const converted = kParts.map(() => Infinity), hand = kParts.map(() => Infinity);
  let results = [], handResults = [];
  for (let run = 0; run < kRuns; run++) {
    const shown = await openPage(browser.context, server.url + 'index.html');
    if (shown.errors.length) throw new Error(shown.errors.join('\n'));
    kParts.forEach((_, i) => { converted[i] = Math.min(converted[i], Number(shown.debug[i])); });
    results = shown.debug.slice(kParts.length);
    const page = await browser.context.newPage();
    await page.goto(server.url + 'index.html');
    const h = await page.evaluate(handWritten);
    await page.close();
    kParts.forEach((_, i) => { hand[i] = Math.min(hand[i], h.times[i]); });
    handResults = h.results;
  }
  await browser.close();
  await server.close();
  workplace.remove();
  console.log('results: converted ' + results.join(', ') + '; by hand ' + handResults.join(', '));
  kParts.forEach((name, i) => {
    console.log(name.padEnd(22) + ' converted ' + converted[i] + ' ms, by hand ' + hand[i].toFixed(1) +
                ' ms, ratio ' + (converted[i] / hand[i]).toFixed(2));
  });
}

main().catch(function (error) { console.error(error); process.exit(1); });
