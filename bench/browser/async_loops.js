// The cost of code that can wait: each program of async_loops/ converted,
// and run in headless Chromium in three forms: as converted; without the
// lines that let its loops give the page back; and without those and
// without async code (the program as it was converted before programs could
// wait). Times are the processor time of the main thread of the page's
// renderer from opening the page to the program's end, less that of
// empty.pb, so that other work on the machine does not count (Linux only:
// they are read from /proc).
//   node bench/browser/async_loops.js     (after building; uses build/dist)
// Not a test: it prints the best of five runs of each form, run in turn,
// and the ratio to the form without async code.
'use strict';
const fs = require('fs');
const path = require('path');
const support = path.join(__dirname, '..', '..', 'tests', 'browser', 'support');
const { chromium } = require(path.join(support, '..', 'node_modules', 'playwright-core'));
const { startServer } = require(path.join(support, 'server'));
const { makeWorkplace } = require(path.join(support, 'convert'));
const { untilState } = require(path.join(support, 'page'));

const kRuns = 5;
const kPrograms = path.join(__dirname, 'async_loops');
const kCheck = 'if(cCommon.KVX_Due()) await cCommon.KVX_Pause();\n';

// The converted script in its three forms.
function forms(script) {
  const unchecked = script.split(kCheck).join('');
  const plain = unchecked.split('cCommon.KVX_Main(async function () {').join('cCommon.KVX_Main(function () {')
    .split('async function').join('function').split('await ').join('');
  return { converted: script, 'without checks': unchecked, 'without async': plain };
}

// The processor time of a process's main thread (the one that runs the
// page's scripts), in milliseconds, from /proc: user and system clock ticks.
function mainThreadTime(pid) {
  try {
    const stat = fs.readFileSync('/proc/' + pid + '/task/' + pid + '/stat', 'latin1');
    const fields = stat.substring(stat.lastIndexOf(')') + 2).split(' ');
    return (Number(fields[11]) + Number(fields[12])) * 10;  // fields 14 and 15, at 100 ticks a second
  } catch (error) {
    return 0;
  }
}

// The main-thread time of each renderer, by process id.
async function rendererTimes(cdp) {
  const info = await cdp.send('SystemInfo.getProcessInfo');
  const times = new Map();
  for (const p of info.processInfo) if (p.type === 'renderer') times.set(p.id, mainThreadTime(p.id));
  return times;
}

// The time the renderers alive at the end took since before (a renderer
// that ended meanwhile, the last page's, does not count).
function timeSince(before, after) {
  let ms = 0;
  for (const [id, time] of after) ms += time - (before.get(id) || 0);
  return ms;
}

// Opens the page, waits for the program's end; answers the processor time
// it took and its Debug lines.
async function timeRun(browser, cdp, url) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', function (error) { errors.push(error.message); });
  const before = await rendererTimes(cdp);
  await page.goto(url, { waitUntil: 'load' });
  await untilState(page, ['ended'], errors, 120000);
  const after = await rendererTimes(cdp);
  const debug = await page.evaluate(function () {
    return Array.prototype.map.call(document.querySelectorAll('#debug .debug-line'), function (e) {
      return e.textContent;
    });
  });
  await page.close();
  if (errors.length) throw new Error(errors.join('\n'));
  return { ms: timeSince(before, after), debug };
}

async function main() {
  const workplace = makeWorkplace();
  const scriptFile = path.join(workplace.site, 'program.js');
  const programs = {};
  for (const file of fs.readdirSync(kPrograms).sort()) {
    const source = path.join(workplace.root, file);
    fs.copyFileSync(path.join(kPrograms, file), source);
    workplace.convert(source);
    programs[path.basename(file, '.pb')] = forms(fs.readFileSync(scriptFile, 'latin1'));
  }
  const server = await startServer(workplace.site);
  const browser = await chromium.launch({
    executablePath: process.env.KORVEX_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking']
  });
  const cdp = await browser.newBrowserCDPSession();
  const best = {}, results = {};
  for (let run = 0; run < kRuns; run++) {
    for (const program of Object.keys(programs)) {
      for (const form of Object.keys(programs[program])) {
        fs.writeFileSync(scriptFile, programs[program][form], 'latin1');
        const shown = await timeRun(browser, cdp, server.url + 'index.html');
        const key = program + '/' + form;
        best[key] = Math.min(best[key] === undefined ? Infinity : best[key], shown.ms);
        results[key] = shown.debug.join(', ');
      }
    }
  }
  await browser.close();
  await server.close();
  workplace.remove();
  const base = best['empty/without async'];
  for (const program of Object.keys(programs)) {
    if (program === 'empty') continue;
    console.log(program + ' (' + results[program + '/converted'] + '):');
    const plain = best[program + '/without async'] - base;
    for (const form of Object.keys(programs[program])) {
      const ms = best[program + '/' + form] - base;
      console.log('  ' + form.padEnd(16) + String(Math.round(ms)).padStart(6) + ' ms   ratio ' +
                  (ms / plain).toFixed(2));
    }
  }
  console.log('(opening the page: ' + Math.round(base) + ' ms, taken off)');
}

main().catch(function (error) { console.error(error); process.exit(1); });
