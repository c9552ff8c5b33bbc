// A converted program that calls its ProcedureDLL procedures from the page:
// the built Korvex turns them into synchronous AJAX calls of the profile's
// CGI address, and a local server on 127.0.0.1 answers "?request=..." as the
// CGI program would (the request name lower-cased, the parameters decoded
// from the query). The page shows the procedures' results as Debug lines,
// with the "wait" element shown during each call and hidden after it.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('assert');
const fs = require('fs');
const http = require('http');
const path = require('path');
const { launchBrowser } = require('./support/browser');
const { makeWorkplace } = require('./support/convert');
const { kJQueryTag, kNoTag } = require('./support/page');

const kJQuery = path.join(__dirname, 'node_modules', 'jquery', 'dist', 'jquery.js');
const kCgiPath = '/cgi-bin/app.cgi';

const kProgram = [
  'ProcedureDLL.s Hello(name.s, greeting.s)',
  '  ProcedureReturn greeting + ", " + name',
  'EndProcedure',
  'ProcedureDLL.s Broken()',
  '  ProcedureReturn "never seen"',
  'EndProcedure',
  'Debug Hello("Ann Lee", "Good day & welcome")',
  'Debug Broken()',
  ''
].join('\n');

// The server procedures as the CGI program runs them.
const kProcedures = {
  hello: function (query) { return { status: 200, text: query.get('greeting') + ', ' + query.get('name') }; },
  broken: function () { return { status: 500, text: 'the procedure failed' }; }
};

// Serves the site folder and jQuery; answers the CGI address. Every CGI
// request is kept in requests. Resolves to { url, requests, close }.
function startSiteServer(site) {
  const requests = [];
  const server = http.createServer(function (request, response) {
    const url = new URL(request.url, 'http://127.0.0.1');
    if (url.pathname === kCgiPath) {
      requests.push(url.search);
      const procedure = kProcedures[(url.searchParams.get('request') || '').toLowerCase()];
      const answer = procedure ? procedure(url.searchParams)
        : { status: 200, text: "unknown request: '" + url.searchParams.get('request') + "'" };
      response.writeHead(answer.status, { 'Content-Type': 'text/plain' });
      response.end(answer.text);
      return;
    }
    const file = url.pathname === '/jquery.js' ? kJQuery : path.join(site, path.normalize(url.pathname));
    if (file !== kJQuery && !file.startsWith(site)) {
      response.writeHead(403);
      response.end();
      return;
    }
    fs.readFile(file, function (error, bytes) {
      response.writeHead(error ? 404 : 200);
      response.end(error ? '' : bytes);
    });
  });
  return new Promise(function (resolve) {
    server.listen(0, '127.0.0.1', function () {
      resolve({
        url: 'http://127.0.0.1:' + server.address().port + '/',
        requests,
        close: function () { return new Promise(function (done) { server.close(done); }); }
      });
    });
  });
}

// The test profile with the CGI settings added.
function writeProfile(workplace) {
  const ini = path.join(workplace.root, 'config', 'vantorotools', 'Korvex', 'Korvex.ini');
  fs.writeFileSync(ini, [
    '[profile:Browser]',
    'serverpath=' + workplace.site + '/',
    'applicationname=program',
    'cgifilename=' + path.join(workplace.root, 'cgi-bin', 'app.cgi'),
    'cgiaddress=' + kCgiPath,
    'jqueryjs=' + kJQueryTag,
    'jqueryuijs=' + kNoTag,
    'jqueryuicss=' + kNoTag,
    ''
  ].join('\n'));
}

// The page notes whether "wait" is visible when the document is ready,
// before the program runs, and when each request leaves.
function recordWaitAtSend() {
  window.waitAtSend = [];
  document.addEventListener('DOMContentLoaded', function () {
    window.waitAtStart = getComputedStyle(document.getElementById('wait')).display;
  });
  const send = XMLHttpRequest.prototype.send;
  XMLHttpRequest.prototype.send = function () {
    const wait = document.getElementById('wait');
    window.waitAtSend.push(wait ? getComputedStyle(wait).display : 'missing');
    return send.apply(this, arguments);
  };
}

let workplace, server, browser, log;
before(async function () {
  workplace = makeWorkplace();
  writeProfile(workplace);
  const source = path.join(workplace.root, 'server.pb');
  fs.writeFileSync(source, kProgram);
  log = workplace.convert(source);
  server = await startSiteServer(workplace.site);
  browser = await launchBrowser();
});
after(async function () {
  if (browser) await browser.close();
  if (server) await server.close();
  workplace.remove();
});

test('the conversion builds the CGI source and goes on when the compiler cannot build it', function () {
  const cgi = fs.readFileSync(path.join(workplace.root, 'tempcgi.pb'), 'latin1');
  assert.ok(cgi.includes('\tCase "hello"\r\n\t\tHTTP_Content(@HTTP, Hello( GetValue("name"),  GetValue("greeting")))'));
  assert.ok(cgi.includes('\tCase "broken"\r\n\t\tHTTP_Content(@HTTP, Broken())'));
  assert.ok(log.includes('\r\nPress return to continue\r\n'), log);
});

test('server procedures called from the page', async function () {
  const page = await browser.context.newPage();
  const errors = [];
  page.on('pageerror', function (error) { errors.push(error.message); });
  await page.addInitScript(recordWaitAtSend);
  await page.goto(server.url + 'index.html', { waitUntil: 'load' });
  const shown = await page.evaluate(function () {
    return {
      debug: Array.prototype.map.call(document.querySelectorAll('#debug .debug-line'),
        function (e) { return e.textContent; }),
      waitAtStart: window.waitAtStart,
      waitAtSend: window.waitAtSend,
      waitAfter: getComputedStyle(document.getElementById('wait')).display
    };
  });
  await page.close();
  assert.deepStrictEqual(errors, []);
  // the request name as written, the parameters as query values
  assert.deepStrictEqual(server.requests,
    ['?request=Hello&name=Ann+Lee&greeting=Good+day+%26+welcome', '?request=Broken']);
  // the server's text, and for the failed call status and error text
  assert.deepStrictEqual(shown.debug, ['Good day & welcome, Ann Lee', 'error/Internal Server Error']);
  assert.strictEqual(shown.waitAtStart, 'none');
  assert.deepStrictEqual(shown.waitAtSend, ['block', 'block']);
  assert.strictEqual(shown.waitAfter, 'none');
});
