// The set-up every converted-program test file shares: a workplace that
// converts programs into a site, a server for the site and one Chromium,
// made before the file's tests and removed after them.
'use strict';
const { before, after } = require('node:test');
const { startServer } = require('./server');
const { launchBrowser } = require('./browser');
const { makeWorkplace } = require('./convert');

// Answers { workplace, server, browser }, filled once the tests start.
function useSite() {
  const site = {};
  before(async function () {
    site.workplace = makeWorkplace();
    site.server = await startServer(site.workplace.site);
    site.browser = await launchBrowser();
  });
  after(async function () {
    await site.browser.close();
    await site.server.close();
    site.workplace.remove();
  });
  return site;
}

module.exports = { useSite };
