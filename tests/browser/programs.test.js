// PureBasic programs converted by the built Korvex and run in headless
// Chromium: each folder of programs/ holds program.pb and expected.txt, the
// output PureBasic gives (the console's lines, then the Debug window's
// lines). keys.txt, when present, holds what the user types when the
// program waits, one entry a line: a line of text ended with Return, or
// "key: " and one key's name (the program must be waiting for each entry,
// and must end after the last); answers.txt the answers to the page's
// dialogs, one a line; dialogs.txt the dialogs the page must open
// ("prompt: " and the prompt's text, one a line); from-editor.txt, when
// present, has the program converted from the IDE's editor instead of from
// its file (the file says why). Every page must still
// answer once its program is done. A folder with known-difference.txt is a
// program whose converted form cannot give PureBasic's output; the file
// says why, and the test checks that the difference is still there, so
// that it is noticed when it goes away. Every program's page starts with an
// empty local storage (the page's files and preferences); expected-2.txt,
// expected-3.txt, ... are the output of the page opened again, finding what
// the openings before kept (answers-2.txt and keys-2.txt, ... their answers
// and keys). The files of a folder deployed/ are put beside the page, as an
// author deploys data files with an application.
'use strict';
const { test } = require('node:test');
const assert = require('assert');
const fs = require('fs');
const path = require('path');
const { useSite } = require('./support/site');
const { openPage, clearStorage, deployFiles } = require('./support/page');

const kPrograms = path.join(__dirname, 'programs');

const site = useSite();

function readLines(file) {
  if (!fs.existsSync(file)) return null;
  const text = fs.readFileSync(file, 'utf8');
  const lines = text.split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  return lines;
}

// Converts the program into the site; its page starts with an empty
// local storage.
async function convert(name) {
  const folder = path.join(kPrograms, name);
  if (fs.existsSync(path.join(folder, 'from-editor.txt'))) {
    site.workplace.convertEditorText(fs.readFileSync(path.join(folder, 'program.pb')));
  } else {
    const source = path.join(site.workplace.root, name + '.pb');
    fs.copyFileSync(path.join(folder, 'program.pb'), source);
    site.workplace.convert(source);
  }
  await clearStorage(site.browser.context, site.server.url);
}

// Opens the converted page for the round-th time (with answers-N.txt and
// keys-N.txt from the second on), with the folder's deployed files beside
// it.
async function open(name, round) {
  const folder = path.join(kPrograms, name);
  const deployed = deployFiles(path.join(folder, 'deployed'), site.workplace.site);
  const suffix = round === 1 ? '.txt' : '-' + round + '.txt';
  try {
    return await openPage(site.browser.context, site.server.url + 'index.html', {
      keys: readLines(path.join(folder, 'keys' + suffix)),
      answers: readLines(path.join(folder, 'answers' + suffix))
    });
  } finally {
    for (const file of deployed) fs.rmSync(file, { force: true });
  }
}

for (const name of fs.readdirSync(kPrograms).sort()) {
  const folder = path.join(kPrograms, name);
  if (!fs.existsSync(path.join(folder, 'program.pb'))) continue;
  const expected = readLines(path.join(folder, 'expected.txt'));
  const known = fs.existsSync(path.join(folder, 'known-difference.txt'))
    ? fs.readFileSync(path.join(folder, 'known-difference.txt'), 'utf8').trim() : null;

  test(name + (known ? ' (known difference)' : ''), async function (t) {
    await convert(name);
    const shown = await open(name, 1);
    const lines = shown.console.concat(shown.debug);
    if (known) {
      t.diagnostic(known);
      t.diagnostic('shown: ' + JSON.stringify(lines.concat(shown.errors)));
      assert.notDeepStrictEqual({ lines, errors: shown.errors }, { lines: expected, errors: [] },
        'the program now gives PureBasic\'s output: remove known-difference.txt');
      return;
    }
    assert.deepStrictEqual(shown.errors, [], 'errors in the page');
    assert.deepStrictEqual(lines, expected);
    assert.deepStrictEqual(shown.keysLeft, [], 'the program ended before these keys');
    assert.ok(shown.ended, 'the program has not ended');
    assert.ok(shown.responsive, 'the page no longer answers');
    const dialogs = readLines(path.join(folder, 'dialogs.txt'));
    if (dialogs) assert.deepStrictEqual(shown.dialogs, dialogs);
    // the page opened again finds what the last opening kept
    for (let round = 2; fs.existsSync(path.join(folder, 'expected-' + round + '.txt')); round++) {
      const again = await open(name, round);
      assert.deepStrictEqual(again.errors, [], 'errors in the page, opening ' + round);
      assert.deepStrictEqual(again.console.concat(again.debug), readLines(path.join(folder, 'expected-' + round + '.txt')),
        'opening ' + round);
    }
  });
}
