// The cost of code that can wait: each program of async_loops/ converted,
// and run in headless Chromium in three forms: as converted; without the
// lines that let its loops give the page back; and without those and
// without async code (the program as it was converted before programs could
// wait). Times are the processor time of the main thread of the page's
// renderer from opening the page to the program's end, less that of
// empty.pb, so that other work on the machine does not count (Linux only:
// they are read from /proc).
//   node bench/browser/async_loops.js     (after building; uses build/dist)
// Not a test: the forms of a program run in turn, nine rounds; it prints the
// median time of each form and the median of the rounds' ratios to the form
// without async code (the machine's other work moves single runs a lot).
'use strict';
const fs = require('fs');
const path = require('path');
const support = path.join(__dirname, '..', '..', 'tests', 'browser', 'support');
const { chromium } = require(path.join(support, '..', 'node_modules', 'playwright-core'));
const { startServer } = require(path.join(support, 'server'));
const { makeWorkplace } = require(path.join(support, 'convert'));
const { untilState } = require(path.join(support, 'page'));

const kRuns = 9;
const kPrograms = path.join(__dirname, 'async_loops');
// The lines that make an outermost loop of async code give the page back:
// the loop around it and the check in it.
const kCheckLines = [
  'for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();\n',
  'if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };\n',
  'if(! KVX_Resume) break ;\nawait cCommon.KVX_Pause() ;\n};\n'
];

// The converted script in its three forms.
function forms(script) {
  let unchecked = script;
  for (const line of kCheckLines) unchecked = unchecked.split(line).join('');
  const plain = unchecked.split('cCommon.KVX_Main(async function () {').join('cCommon.KVX_Main(function () {')
    .split('async function').join('function').split('await ').join('');
  return { converted: script, 'without checks': unchecked, 'without async': plain };
}

// The processor time of a process's main thread (the one that runs the
// page's scripts), in milliseconds, from /proc: the scheduler's count of
// the nanoseconds it ran (clock ticks would only sample it).
function mainThreadTime(pid) {
  try {
    const schedstat = fs.readFileSync('/proc/' + pid + '/task/' + pid + '/schedstat', 'latin1');
    return Number(schedstat.split(' ')[0]) / 1e6;
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

function median(values) {
  const sorted = values.slice().sort(function (a, b) { return a - b; });
  return sorted[Math.floor(sorted.length / 2)];
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
  const times = {}, results = {};
  for (let run = 0; run < kRuns; run++) {
    for (const program of Object.keys(programs)) {
      for (const form of Object.keys(programs[program])) {
        fs.writeFileSync(scriptFile, programs[program][form], 'latin1');
        const shown = await timeRun(browser, cdp, server.url + 'index.html');
        const key = program + '/' + form;
        (times[key] = times[key] || []).push(shown.ms);
        results[key] = shown.debug.join(', ');
      }
    }
  }
  await browser.close();
  await server.close();
  workplace.remove();
  const base = median(times['empty/without async']);
  for (const program of Object.keys(programs)) {
    if (program === 'empty') continue;
    console.log(program + ' (' + results[program + '/converted'] + '):');
    const plain = times[program + '/without async'];
    for (const form of Object.keys(programs[program])) {
      const own = times[program + '/' + form];
      const ratios = own.map(function (ms, i) { return (ms - base) / (plain[i] - base); });
      console.log('  ' + form.padEnd(16) + String(Math.round(median(own) - base)).padStart(6) +
                  ' ms   ratio ' + median(ratios).toFixed(2));
    }
  }
  console.log('(opening the page: ' + Math.round(base) + ' ms, taken off)');
}

main().catch(function (error) { console.error(error); process.exit(1); });
