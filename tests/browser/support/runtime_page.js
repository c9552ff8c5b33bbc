// One browser page with the web runtime loaded, shared by the runtime
// tests of a file: expressions are evaluated in it and their results
// compared with the expected values.
'use strict';
const assert = require('assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { startServer } = require('./server');
const { launchBrowser } = require('./browser');
const { deployRuntime } = require('./page');

// Resolves to { page, check, close }. check(cases) evaluates each
// [expression, expected] pair in the page and fails once, listing every
// expression whose result differs.
async function openRuntimePage() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'korvex-runtime-'));
  fs.writeFileSync(path.join(folder, 'empty.js'), '');
  deployRuntime(folder, 'empty.js');
  const server = await startServer(folder);
  const browser = await launchBrowser();
  const page = await browser.context.newPage();
  page.on('dialog', function (dialog) { dialog.dismiss(); });
  await page.goto(server.url + 'index.html', { waitUntil: 'load' });

  async function evaluate(expressions) {
    return page.evaluate(function (list) {
      return list.map(function (expression) {
        try {
          return { value: (0, eval)(expression) };
        } catch (error) {
          return { error: String(error) };
        }
      });
    }, expressions);
  }

  async function check(cases) {
    const results = await evaluate(cases.map(function (c) { return c[0]; }));
    const wrong = [];
    cases.forEach(function (c, i) {
      const got = results[i];
      if (got.error !== undefined) wrong.push(c[0] + ' threw ' + got.error);
      else if (!Object.is(got.value, c[1]) && !deepEqual(got.value, c[1]))
        wrong.push(c[0] + ' gave ' + JSON.stringify(got.value) + ', expected ' + JSON.stringify(c[1]));
    });
    assert.deepStrictEqual(wrong, []);
  }

  async function close() {
    await page.close();
    await browser.close();
    await server.close();
    fs.rmSync(folder, { recursive: true, force: true });
  }

  return { page, evaluate, check, close };
}

function deepEqual(a, b) {
  try {
    assert.deepStrictEqual(a, b);
    return true;
  } catch (e) {
    return false;
  }
}

module.exports = { openRuntimePage };
