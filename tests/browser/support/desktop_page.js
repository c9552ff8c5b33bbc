// Pages of the web runtime for the desktop libraries' tests: a fresh page
// per test (windows and gadgets are the page's own state), a program
// started in it as an async function, and what its event loop saw.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { startServer } = require('./server');
const { launchBrowser } = require('./browser');
const { deployRuntime } = require('./page');

// In the page: loop() takes events with WaitWindowEvent until the
// condition holds and writes each one to window.seen as "event window
// object type"; KVX_Log(text) writes a line of the test's own.
const kLoop = `
window.seen = [];
window.KVX_Log = function (text) { window.seen.push(String(text)); };
window.loop = async function (until) {
  for (;;) {
    var e = await cWindow.WaitWindowEvent();
    seen.push(e + ' ' + cWindow.EventWindow() + ' ' + cWindow.EventGadget() + ' ' + cWindow.EventType());
    if (until(e)) return e;
  }
};`;

// Resolves to { open(), close() }; open() resolves to a page with the
// runtime loaded and its errors collected in page.errors.
async function openDesktop() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'korvex-desktop-'));
  fs.writeFileSync(path.join(folder, 'loop.js'), kLoop);
  deployRuntime(folder, 'loop.js');
  const server = await startServer(folder);
  const browser = await launchBrowser();

  async function open() {
    const page = await browser.context.newPage();
    page.errors = [];
    page.on('pageerror', function (error) { page.errors.push(error.message); });
    await page.setViewportSize({ width: 1000, height: 700 });
    await page.goto(server.url + 'index.html', { waitUntil: 'load' });
    return page;
  }

  async function close() {
    await browser.close();
    await server.close();
    fs.rmSync(folder, { recursive: true, force: true });
  }

  return { open, close };
}

// Starts body (JavaScript text of an async function's body) in the page
// without waiting for it; its end sets window.finished, an error
// window.failed.
async function start(page, body) {
  await page.evaluate(function (code) {
    window.finished = false;
    window.failed = '';
    var run = (0, eval)('(async function () {' + code + '\n})');
    run().then(function () { window.finished = true; },
               function (e) { window.failed = String(e && e.stack || e); });
  }, body);
}

// Waits until window.seen holds count lines (or the program failed) and
// answers them.
async function seen(page, count) {
  await page.waitForFunction(function (n) { return window.seen.length >= n || window.failed; }, count,
    { timeout: 5000 });
  const failed = await page.evaluate('window.failed');
  if (failed) throw new Error('the page program failed: ' + failed);
  return page.evaluate('window.seen.slice()');
}

async function finished(page) {
  await page.waitForFunction('window.finished || window.failed', null, { timeout: 5000 });
  const failed = await page.evaluate('window.failed');
  if (failed) throw new Error('the page program failed: ' + failed);
}

// The Debug area's lines.
function debugLines(page) {
  return page.evaluate(function () {
    return Array.prototype.map.call(document.querySelectorAll('#debug .debug-line'), function (e) {
      return e.textContent;
    });
  });
}

module.exports = { openDesktop, start, seen, finished, debugLines };
