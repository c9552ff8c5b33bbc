// The README's first command: scripts/try-example.sh converts
// examples/hello.pb and deploys it; the deployed page, opened from its own
// folder in headless Chromium, shows the Debug lines PureBasic would show.
'use strict';
const { test } = require('node:test');
const assert = require('assert');
const { execFileSync } = require('child_process');
const path = require('path');
const { startServer } = require('./support/server');
const { launchBrowser } = require('./support/browser');
const { openPage } = require('./support/page');

const kRoot = path.join(__dirname, '..', '..');

test('the bundled example works as a web page', async function () {
  const build = path.dirname(process.env.KORVEX_DIST_DIR);
  execFileSync('bash', [path.join(kRoot, 'scripts', 'try-example.sh')], {
    env: Object.assign({}, process.env, { BUILD_DIR: build }),
    stdio: ['ignore', 'ignore', 'inherit']
  });
  const server = await startServer(path.join(build, 'example-site'));
  const browser = await launchBrowser();
  try {
    const shown = await openPage(browser.context, server.url + 'index.html');
    assert.deepStrictEqual(shown.errors, []);
    assert.deepStrictEqual(shown.debug,
      ['Hello, World!', 'Hello, Korvex?', 'one', 'two', '9', '16', '25', '20', 'Ann', 'Bob', '31', '25']);
  } finally {
    await browser.close();
    await server.close();
  }
});
