// Times the web runtime's lists, maps and SortList in headless Chromium
// against the same work written by hand, in CPU time of the page's main
// thread (so that other programs on a busy machine do not count). The
// runtime's side is list_map.pb's three parts as Korvex writes them.
//   node bench/browser/runtime.js [rounds]      (default 15; SortList a third of them)
// Not a test: it prints the best time of each part, the ratio, and fails
// when the two sides' results differ.
'use strict';
const path = require('path');
const { openRuntimePage } = require(path.join(__dirname, '..', '..', 'tests', 'browser', 'support', 'runtime_page'));

// Each part: [name, emitted form, by hand]; both answer their result. The
// texts to sort are made once, the lists and arrays of them before each
// round (prepare), outside the time.
const kSetup = `
var kWords = (function () {
  var out = [], x = 1;
  for (var i = 1; i <= 1000000; i++) { x = (x * 7919 + 13) % 1000003; out.push('w' + x); }
  return out;
})();
var words, byHand;
function prepare() {
  words = new cLinkedList();
  for (var i = 0; i < kWords.length; i++) { words.AddElement(); words.setData(kWords[i]); }
  byHand = kWords.slice();
}
var parts = {
  list: [function () {
    var numbers = new cLinkedList(), total = 0;
    for (var i = 1; i <= 1000000; i++) { numbers.AddElement(); numbers.setData(i); }
    numbers.ForEach_Init();
    while (numbers.ForEach()) { total += numbers.getData(); }
    return total;
  }, function () {
    var numbers = [], total = 0;
    for (var i = 1; i <= 1000000; i++) numbers.push(i);
    for (const n of numbers) total += n;
    return total;
  }],
  map: [function () {
    var squares = new cMap(), key = '', sum = 0;
    for (var i = 1; i <= 100000; i++) { key = cString.Str(i); squares.setData2(key, i); }
    for (var i = 1; i <= 100000; i++) { key = cString.Str(i); sum += squares.getData2(key); }
    return sum;
  }, function () {
    var squares = new Map(), sum = 0;
    for (let i = 1; i <= 100000; i++) squares.set(String(i), i);
    for (let i = 1; i <= 100000; i++) sum += squares.get(String(i));
    return sum;
  }],
  sort: [function () {
    cSort.SortList(words, cConstants.PB_Sort_Ascending);
    words.SelectElement(500000);
    return words.getData();
  }, function () {
    byHand.sort();
    return byHand[500000];
  }]
};
0`;

const kParts = [['list', 'list, 1,000,000 adds and a ForEach'], ['map', 'map, 100,000 keys set and read'],
  ['sort', 'SortList of 1,000,000 texts']];

async function main() {
  const rounds = Number(process.argv[2] || 15);
  const runtime = await openRuntimePage();
  const cdp = await runtime.page.context().newCDPSession(runtime.page);
  await cdp.send('Performance.enable', { timeDomain: 'threadTicks' });
  async function cpuMilliseconds() {
    const metrics = (await cdp.send('Performance.getMetrics')).metrics;
    return metrics.find(function (m) { return m.name === 'ThreadTime'; }).value * 1000;
  }
  async function run(expression) {
    const result = (await runtime.evaluate([expression]))[0];
    if (result.error !== undefined) throw new Error(expression + ': ' + result.error);
    return result.value;
  }
  await run(kSetup);
  const best = {};
  let failed = false;
  for (const [part, title] of kParts) {
    const times = [Infinity, Infinity], results = [];
    const count = part === 'sort' ? Math.max(1, Math.round(rounds / 3)) : rounds;
    for (let r = 0; r < count; r++) {
      for (const side of [0, 1]) {
        if (part === 'sort') await run('prepare(), 0');
        const before = await cpuMilliseconds();
        results[side] = await run('parts.' + part + '[' + side + ']()');
        times[side] = Math.min(times[side], await cpuMilliseconds() - before);
      }
    }
    best[part] = times;
    console.log((title + ':').padEnd(38) + ' runtime ' + times[0].toFixed(1) + ' ms, by hand ' +
                times[1].toFixed(1) + ' ms, ratio ' + (times[0] / times[1]).toFixed(2));
    if (results[0] !== results[1]) {
      console.error('  the results differ: ' + results[0] + ' and ' + results[1]);
      failed = true;
    }
  }
  await runtime.close();
  if (failed) process.exit(1);
}

main().catch(function (error) { console.error(error); process.exit(1); });
