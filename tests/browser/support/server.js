// A static HTTP server on 127.0.0.1 for the browser tests: serves one
// folder, and jQuery (the local stand-in for jQuery 1.10.2) at /jquery.js.
// Nothing the tests load comes from outside this machine.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const kJQuery = path.join(__dirname, '..', 'node_modules', 'jquery', 'dist', 'jquery.js');
const kTypes = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css' };

// Serves root (which may be changed between pages with setRoot). Resolves
// to { url, setRoot, close }.
function startServer(root) {
  let folder = root;
  const server = http.createServer(function (request, response) {
    const name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    const file = name === '/jquery.js' ? kJQuery : path.join(folder, path.normalize(name));
    if (file !== kJQuery && !file.startsWith(folder)) {
      response.writeHead(403);
      response.end();
      return;
    }
    fs.readFile(file, function (error, bytes) {
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, { 'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream' });
      response.end(bytes);
    });
  });
  return new Promise(function (resolve) {
    server.listen(0, '127.0.0.1', function () {
      resolve({
        url: 'http://127.0.0.1:' + server.address().port + '/',
        setRoot: function (next) { folder = next; },
        close: function () { return new Promise(function (done) { server.close(done); }); }
      });
    });
  });
}

module.exports = { startServer };
