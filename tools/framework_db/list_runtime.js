// list_runtime.js: lists what the web runtime offers, as the source of
// framework.db, so that no function or constant is listed without existing.
//   node list_runtime.js <system folder> <framework.tsv>
// Loads the runtime files in the order the page template loads them, then
// writes one "Library<TAB>Function<TAB>Type" row for every function member
// of every library object (cString.Mid gives "String<TAB>Mid<TAB>s") and one
// "#Name" row for every member of cConstants. Members whose name does not
// start with a capital letter are the runtime's own helpers and are not
// listed. Each library object declares the PureBasic type of every listed
// function's result in its member "returns" ('i', 'q', 'd', 'f', 's', the
// small integer letters, or '' for no value); the converter types
// expressions with it, so a function without an entry fails the listing.
// A function that takes whole arrays, lists or maps names their positions
// in the member "containers" ({ CopyList: [0, 1] }): the converter hands it
// the containers there, not their current elements.
'use strict';
const fs = require('fs');
const path = require('path');
const vm = require('vm');

// Runtime objects that are no library: the emitted code reaches them by
// passes of their own (Debug, constants, the data array, the explicit
// switches), so their members must not turn source words into calls.
const kNotLibraries = new Set(['cCommon', 'cDebugger', 'cConstants', 'cCompilerDirectives']);

// The list pass recognises these by their own names; a row for one of them
// would make a library call of it first.
const kListCommands = new Set(['AddElement', 'ListSize', 'ClearList', 'ListIndex', 'FirstElement',
  'NextElement', 'PreviousElement', 'LastElement', 'DeleteElement', 'SelectElement']);

function fail(message) {
  process.stderr.write('list_runtime: ' + message + '\n');
  process.exit(1);
}

// The runtime files named by the page template, in its order.
function runtimeFiles(systemDir) {
  const page = fs.readFileSync(path.join(systemDir, 'index.html'), 'latin1');
  const files = [];
  const pattern = /<script src="(c[A-Za-z]+\.js)"/g;
  let m;
  while ((m = pattern.exec(page)) !== null) files.push(m[1]);
  if (files.length === 0) fail('index.html loads no runtime file');
  return files;
}

// The globals the runtime defines, loaded as the page would (without a
// document: the runtime touches the page only when it is called).
function loadRuntime(systemDir) {
  const context = vm.createContext({});
  for (const file of runtimeFiles(systemDir)) {
    const code = fs.readFileSync(path.join(systemDir, file), 'latin1');
    vm.runInContext(code, context, { filename: file });
  }
  return context;
}

const kResultTypes = new Set(['', 'b', 'a', 'c', 'w', 'u', 'l', 'i', 'q', 'f', 'd', 's']);

function resultType(library, object, member) {
  const returns = library.returns;
  if (!returns || !Object.prototype.hasOwnProperty.call(returns, member))
    fail(object + '.' + member + ' has no result type in ' + object + '.returns');
  if (!kResultTypes.has(returns[member])) fail(object + '.returns.' + member + ' is no type letter');
  return returns[member];
}

// The arguments (from 0) that take a whole array, list or map, as the
// library's member "containers" declares them: "0,1" for CopyList.
function containerArguments(library, object, member) {
  const containers = library.containers;
  if (!containers || !Object.prototype.hasOwnProperty.call(containers, member)) return '';
  const positions = containers[member];
  if (!Array.isArray(positions) || !positions.every(function (p) { return Number.isInteger(p) && p >= 0; }))
    fail(object + '.containers.' + member + ' is no list of argument positions');
  return positions.join(',');
}

function libraryRows(runtime) {
  const rows = [];
  const seen = new Map();
  for (const object of Object.keys(runtime).sort()) {
    if (!/^c[A-Z]/.test(object) || kNotLibraries.has(object)) continue;
    const library = object.substring(1);
    for (const member of Object.keys(runtime[object]).sort()) {
      if (!/^[A-Z]/.test(member) || typeof runtime[object][member] !== 'function') continue;
      if (kListCommands.has(member)) fail(object + '.' + member + ' would hide the list command');
      if (seen.has(member)) fail(member + ' is in both c' + seen.get(member) + ' and ' + object);
      seen.set(member, library);
      rows.push(library + '\t' + member + '\t' + resultType(runtime[object], object, member) +
                '\t' + containerArguments(runtime[object], object, member));
    }
  }
  return rows;
}

function constantRows(runtime) {
  const constants = runtime.cConstants;
  if (!constants) fail('cConstants is missing');
  return Object.keys(constants).map(function (name) {
    const value = constants[name];
    if (typeof value !== 'number' && typeof value !== 'string') fail('cConstants.' + name + ' is no value');
    return '#' + name;
  });
}

function main() {
  if (process.argv.length !== 4) fail('usage: node list_runtime.js <system folder> <framework.tsv>');
  const runtime = loadRuntime(process.argv[2]);
  const lines = ['// Generated at build time from the web runtime in system/; do not edit.']
    .concat(libraryRows(runtime), constantRows(runtime));
  const target = process.argv[3];
  fs.writeFileSync(target + '.tmp', lines.join('\n') + '\n');
  fs.renameSync(target + '.tmp', target);
}

main();
