// Opening a page of the web runtime in the browser, playing the user (keys
// typed into the console, answers to dialogs) and reading what it shows:
// the console area's lines, the Debug area's lines, the dialogs it opened
// and the errors it threw.
'use strict';
const fs = require('fs');
const path = require('path');

const kSystem = path.join(__dirname, '..', '..', '..', 'system');

// The jQuery tag of the test profile: jQuery from the test's own server.
const kJQueryTag = '<script src="/jquery.js" type="text/javascript"></script>';
const kNoTag = '<!-- no jQuery UI -->';

// Copies the runtime into folder and fills its page as deployment does,
// for a page whose script is the file scriptName.
function deployRuntime(folder, scriptName) {
  for (const file of fs.readdirSync(kSystem)) {
    const from = path.join(kSystem, file);
    if (fs.statSync(from).isFile()) fs.copyFileSync(from, path.join(folder, file));
  }
  const page = fs.readFileSync(path.join(kSystem, 'index.html'), 'latin1')
    .split('<!-- #JQueryUiCss# -->').join(kNoTag)
    .split('<!-- #JQueryJs# -->').join(kJQueryTag)
    .split('<!-- #JQueryUiJs# -->').join(kNoTag)
    .split('#application#').join(scriptName);
  fs.writeFileSync(path.join(folder, 'index.html'), page, 'latin1');
}

async function answersWithin(page, milliseconds) {
  let timer;
  const late = new Promise(function (resolve) { timer = setTimeout(resolve, milliseconds, false); });
  const answer = page.evaluate('1 + 1').then(function (n) { return n === 2; }, function () { return false; });
  const result = await Promise.race([answer, late]);
  clearTimeout(timer);
  return result;
}

const kPollMs = 20;
const kEndTimeoutMs = 30000;

function sleep(milliseconds) {
  return new Promise(function (resolve) { setTimeout(resolve, milliseconds); });
}

// The program's state ("running", "waiting", "ended"), "" before it runs.
function programState(page) {
  return page.evaluate(function () { return (document.body && document.body.dataset.korvexState) || ''; });
}

// Waits until the program's state is one of states; answers it, or the
// state it was in when errors came or the time ran out.
async function untilState(page, states, errors, milliseconds) {
  const end = Date.now() + (milliseconds || kEndTimeoutMs);
  for (;;) {
    const state = await programState(page);
    if (states.indexOf(state) >= 0 || errors.length || Date.now() > end) return state;
    await sleep(kPollMs);
  }
}

// What the user does at one wait: "key: Name" presses one key (a name as
// playwright knows it: "Escape", "ArrowUp", "x"); any other line is typed
// and ended with Return.
async function play(page, entry) {
  const match = /^key: (.+)$/.exec(entry);
  if (match) return page.keyboard.press(match[1]);
  await page.keyboard.type(entry);
  return page.keyboard.press('Enter');
}

// Types each key entry once the program waits for it, and makes sure it
// waits: it must not end in the first moment of its wait. Answers the
// entries the program ended before.
async function playKeys(page, keys, errors) {
  for (let i = 0; i < keys.length; i++) {
    let state = await untilState(page, ['waiting', 'ended'], errors);
    if (state === 'waiting') {
      await sleep(100);
      state = await programState(page);
    }
    if (state !== 'waiting' && state !== 'running') return keys.slice(i);
    await play(page, keys[i]);
  }
  return [];
}

// The requester open in the page, if any: its title, its text, its
// buttons and whether it takes a line of text.
function openRequester() {
  const box = document.querySelector('.pb-requester-box');
  if (!box) return null;
  const text = box.querySelector('.pb-requester-text');
  return {
    title: box.querySelector('.pb-requester-title').textContent,
    text: text ? text.textContent : '',
    buttons: Array.prototype.map.call(box.querySelectorAll('.pb-requester-buttons button'),
      function (b) { return b.textContent; }),
    input: !!box.querySelector('input[type="text"], input[type="password"]')
  };
}

// Answers the page's requesters until the program ends: each one is noted
// in dialogs ("Title: text"); a question takes the next answer ("yes" or
// "no"), a requester with a field gets the next answer typed into it and
// OK; a plain message is closed with OK; without answers left a requester
// is cancelled. Answers the state the program was left in.
async function answerRequesters(page, answers, dialogs, errors) {
  const end = Date.now() + kEndTimeoutMs;
  for (;;) {
    const state = await programState(page);
    if (state === 'ended' || errors.length || Date.now() > end) return state;
    const shown = await page.evaluate(openRequester);
    if (shown) {
      dialogs.push(shown.title + ': ' + shown.text);
      await page.evaluate(answerRequester, { shown, answer: answerFor(shown, answers) });
    }
    await sleep(kPollMs);
  }
}

function answerFor(shown, answers) {
  const single = shown.buttons.length === 1 && !shown.input;
  if (single) return { button: 0 };
  if (answers.length === 0) return { button: shown.buttons.length - 1 };
  const answer = answers.shift();
  if (shown.input) return { button: 0, text: answer };
  const index = shown.buttons.findIndex(function (b) { return b.toLowerCase() === answer.toLowerCase(); });
  return { button: index < 0 ? shown.buttons.length - 1 : index };
}

function answerRequester(arg) {
  const box = document.querySelector('.pb-requester-box');
  if (!box) return;
  const field = box.querySelector('input[type="text"], input[type="password"]');
  if (field && arg.answer.text !== undefined) field.value = arg.answer.text;
  box.querySelectorAll('.pb-requester-buttons button')[arg.answer.button].click();
}

function lineTexts() {
  function texts(selector) {
    return Array.prototype.map.call(document.querySelectorAll(selector), function (e) {
      return e.textContent;
    });
  }
  return { console: texts('#console .console-line'), debug: texts('#debug .debug-line') };
}

// Opens url and plays the user: options.keys are typed into the console as
// the program waits (see play), options.answers answer the dialogs and the
// page's requesters in turn (a question takes "yes" or "no"; without
// answers a prompt is cancelled).
// Once the program has ended (or after kEndTimeoutMs) resolves to
// { console, debug, dialogs, errors, ended, keysLeft, responsive }: ended
// tells whether it ended, keysLeft the key entries it ended before, and
// responsive whether the page still ran a script of the test within a
// second after that.
async function openPage(context, url, options) {
  if (Array.isArray(options)) options = { answers: options };  // the answers alone, as before
  const page = await context.newPage();
  const left = ((options && options.answers) || []).slice();
  const dialogs = [];
  const errors = [];
  page.on('dialog', function (dialog) {
    dialogs.push(dialog.type() + ': ' + dialog.message());
    if (dialog.type() === 'alert') return dialog.accept();
    if (left.length === 0) return dialog.dismiss();
    const answer = left.shift();
    if (dialog.type() === 'confirm') return answer === 'yes' ? dialog.accept() : dialog.dismiss();
    return dialog.accept(answer);
  });
  page.on('pageerror', function (error) { errors.push(error.message); });
  await page.goto(url, { waitUntil: 'load' });
  const keysLeft = await playKeys(page, (options && options.keys) || [], errors);
  const ended = (await answerRequesters(page, left, dialogs, errors)) === 'ended';
  const shown = await page.evaluate(lineTexts);
  const responsive = await answersWithin(page, 1000);
  await page.close();
  // The console's last line is where the cursor waits: it counts only when
  // something was printed on it.
  if (shown.console.length && shown.console[shown.console.length - 1] === '') shown.console.pop();
  return { console: shown.console, debug: shown.debug, dialogs, errors, ended, keysLeft, responsive };
}

// Empties the local storage of the pages from url's server, where the
// runtime keeps the files and preferences of an application.
async function clearStorage(context, url) {
  const page = await context.newPage();
  await page.goto(url + 'jquery.js');
  await page.evaluate(function () { localStorage.clear(); });
  await page.close();
}

// Copies the files of folder (when it exists) into site; answers the copies.
function deployFiles(folder, site) {
  if (!fs.existsSync(folder)) return [];
  return fs.readdirSync(folder).map(function (file) {
    fs.copyFileSync(path.join(folder, file), path.join(site, file));
    return path.join(site, file);
  });
}

module.exports = {
  deployRuntime, openPage, programState, untilState, play, lineTexts, clearStorage, deployFiles,
  kJQueryTag, kNoTag
};
