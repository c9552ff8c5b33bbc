// Headless Chromium for the tests: Debian's chromium, a new empty profile
// folder per launch, nothing that reaches the network by itself.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');

const kChromium = process.env.KORVEX_CHROMIUM || '/usr/bin/chromium';
const kArguments = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

// Resolves to { context, close }; close also removes the profile folder.
async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'korvex-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: kChromium,
    headless: true,
    args: kArguments
  });
  return {
    context,
    close: async function () {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    }
  };
}

module.exports = { launchBrowser };
