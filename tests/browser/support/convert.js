// Converting a PureBasic program with the built Korvex, as a user would:
// the stand-in compiler as PB_TOOL_Compiler, a settings folder of the
// test's own with one profile "Browser" (chosen in SetupPicker from
// standard input), the server folder a temporary folder, and an xdg-open
// that opens nothing.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { kJQueryTag, kNoTag } = require('./page');

const kRepository = path.join(__dirname, '..', '..', '..');

// The dist folder and the stand-in compiler of a build: from the
// environment (ctest sets both), else from build/.
function buildPaths() {
  const dist = process.env.KORVEX_DIST_DIR || path.join(kRepository, 'build', 'dist');
  const compiler = process.env.KORVEX_PBCOMPILER ||
    path.join(path.dirname(dist), 'tools', 'pbcompiler', 'pbcompiler');
  return { korvex: path.join(dist, 'Korvex'), compiler };
}

// Makes the folders of a conversion under a new temporary folder.
// Resolves to { site, convert(sourceFile), remove() }.
function makeWorkplace() {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'korvex-programs-'));
  const config = path.join(root, 'config');
  const settings = path.join(config, 'vantorotools', 'Korvex');
  const bin = path.join(root, 'bin');
  const site = path.join(root, 'site');
  for (const dir of [settings, bin, site]) fs.mkdirSync(dir, { recursive: true });
  fs.writeFileSync(path.join(bin, 'xdg-open'), '#!/bin/sh\nexit 0\n', { mode: 0o755 });
  fs.writeFileSync(path.join(settings, 'Korvex.ini'), [
    '[profile:Browser]',
    'serverpath=' + site + '/',
    'applicationname=program',
    'jqueryjs=' + kJQueryTag,
    'jqueryuijs=' + kNoTag,
    'jqueryuicss=' + kNoTag,
    ''
  ].join('\n'));
  const paths = buildPaths();

  // Converts sourceFile into site/program.js and site/index.html; answers
  // the converter's console text. A conversion that writes no script
  // throws, with that text. Without a sourceFile the program is the text
  // in the IDE's editor (the stand-in control's file, see editorText).
  function convert(sourceFile, environment) {
    fs.rmSync(path.join(site, 'program.js'), { force: true });
    let log;
    try {
      log = execFileSync(paths.korvex, sourceFile ? [sourceFile] : [], {
        input: '1\n',
        cwd: root,
        timeout: 60000,
        encoding: 'latin1',
        env: {
          HOME: root,
          PATH: bin + ':/usr/bin:/bin',
          XDG_CONFIG_HOME: config,
          TMPDIR: root,
          PB_TOOL_Compiler: paths.compiler,
          ...environment
        }
      });
    } catch (error) {
      throw new Error('Korvex failed on ' + sourceFile + ':\n' + (error.stdout || '') + (error.stderr || ''));
    }
    if (!fs.existsSync(path.join(site, 'program.js')))
      throw new Error('Korvex wrote no script for ' + (sourceFile || 'the editor text') + ':\n' + log);
    return log;
  }

  // Converts the bytes as the text of the IDE's editor: the POSIX stand-in
  // for the editor control reads them from its file in the temporary folder.
  function convertEditorText(bytes) {
    fs.writeFileSync(path.join(root, 'korvex-scintilla-4711'), bytes);
    return convert(null, { PB_TOOL_Scintilla: '4711' });
  }

  function remove() { fs.rmSync(root, { recursive: true, force: true }); }

  return { root, site, convert, convertEditorText, remove };
}

module.exports = { makeWorkplace, buildPaths };
