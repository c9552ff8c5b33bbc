// Requesters of the web runtime: dialogs in the page that the program
// waits for, answered by real clicks and typing in Chromium.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('assert');
const fs = require('fs');
const { openDesktop, start, seen, finished } = require('./support/desktop_page');

let desktop;
before(async function () { desktop = await openDesktop(); });
after(async function () { await desktop.close(); });

// A page whose programs run asynchronously, as converted programs do.
async function open() {
  const page = await desktop.open();
  await page.evaluate('if (!cCommon.KVX_Main) cCommon.KVX_Main = function (main) { return main(); }');
  return page;
}

function button(label) { return '.pb-requester-buttons button:text-is("' + label + '")'; }

test('MessageRequester: its buttons, Return and Escape, the page waiting meanwhile', async function () {
  const page = await open();
  await start(page, `
    var C = cConstants, R = cRequester;
    KVX_Log(await R.MessageRequester('Question', 'Save the changes?', C.PB_MessageRequester_YesNoCancel));
    KVX_Log(await R.MessageRequester('Question', 'Again?', C.PB_MessageRequester_YesNoCancel | C.PB_MessageRequester_Warning));
    KVX_Log(await R.MessageRequester('Question', 'Sure?', C.PB_MessageRequester_YesNo));
    KVX_Log(await R.MessageRequester('Info', 'Done', C.PB_MessageRequester_Info));`);
  await page.waitForSelector('.pb-requester');
  const shown = await page.evaluate(function () {
    var box = document.querySelector('.pb-requester');
    return [box.querySelector('.pb-requester-title').textContent, box.querySelector('.pb-requester-text').textContent,
      Array.prototype.map.call(box.querySelectorAll('button'), function (b) { return b.textContent; }).join(' '),
      document.body.dataset.korvexState];
  });
  assert.deepStrictEqual(shown, ['Question', 'Save the changes?', 'Yes No Cancel', 'waiting']);
  await page.click(button('No'));
  await page.waitForSelector('.pb-requester-icon');
  await page.keyboard.press('Escape');
  await page.waitForSelector('.pb-requester-text:text-is("Sure?")');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Enter');
  await page.waitForSelector('.pb-requester-text:text-is("Done")');
  await page.keyboard.press('Enter');
  await finished(page);
  assert.deepStrictEqual(await seen(page, 4), ['7', '2', '6', '1']);
  assert.strictEqual(await page.$('.pb-requester'), null);
  await page.close();
});

test('InputRequester, ColorRequester, the file requesters: what was typed, chosen or cancelled', async function () {
  const page = await open();
  await start(page, `
    var C = cConstants, R = cRequester;
    KVX_Log(await R.InputRequester('Name', 'Your name?', 'nobody'));
    KVX_Log('[' + await R.InputRequester('Name', 'Again?', 'nobody') + ']');
    KVX_Log(await R.InputRequester('Secret', 'Password?', '', C.PB_InputRequester_Password));
    KVX_Log(await R.ColorRequester(cMisc.RGB(1, 2, 3)));
    KVX_Log(await R.ColorRequester());
    var first = await R.OpenFileRequester('Open', '', 'Text (*.txt)|*.txt;*.log|All files (*.*)|*.*', 0,
                                          C.PB_Requester_MultiSelection);
    KVX_Log(first + ' ' + R.NextSelectedFileName() + ' [' + R.NextSelectedFileName() + '] ' +
            Array.from(cFileSystem.readAll(first)).join(','));
    var saved = await R.SaveFileRequester('Save', 'report.txt', '*.txt', 0);
    cFileSystem.writeAll(saved, [79, 75]);
    KVX_Log(saved);
    KVX_Log('[' + await R.OpenFileRequester('Open', '', '', 0) + ']');`);
  await page.waitForSelector('.pb-requester input[type=text]');
  assert.strictEqual(await page.evaluate('document.activeElement.value.substring(' +
    'document.activeElement.selectionStart, document.activeElement.selectionEnd)'), 'nobody');
  await page.keyboard.type('Erik');
  await page.click(button('OK'));
  await page.waitForSelector('.pb-requester-text:text-is("Again?")');
  await page.click(button('Cancel'));
  await page.waitForSelector('.pb-requester input[type=password]');
  await page.keyboard.type('s3cret');
  await page.keyboard.press('Enter');
  await page.waitForSelector('.pb-requester input[type=color]');
  assert.strictEqual(await page.inputValue('.pb-requester input[type=color]'), '#010203');
  await page.fill('.pb-requester input[type=color]', '#ff8000');
  await page.click(button('OK'));
  await page.waitForFunction('(document.querySelector(".pb-requester input[type=color]") || {}).value === "#ffffff"');
  await page.click(button('Cancel'));
  await page.waitForSelector('.pb-requester input[type=file]');
  assert.deepStrictEqual(await page.evaluate('[document.querySelector(".pb-requester input[type=file]").accept,' +
    ' document.querySelector(".pb-requester input[type=file]").multiple]'), ['.txt,.log', true]);
  await page.setInputFiles('.pb-requester input[type=file]', [
    { name: 'notes.txt', mimeType: 'text/plain', buffer: Buffer.from('Hi') },
    { name: 'more.log', mimeType: 'text/plain', buffer: Buffer.from('x') }]);
  await page.click(button('Open'));
  await page.waitForSelector('.pb-requester input[type=text]');
  await page.keyboard.press('Enter');
  await page.waitForSelector('.pb-requester input[type=file]');
  await page.click(button('Cancel'));
  await finished(page);
  assert.deepStrictEqual(await seen(page, 8), ['Erik', '[]', 's3cret', String(255 + 128 * 256), '-1',
    '/notes.txt /more.log [] 72,105', '/report.txt', '[]']);
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('.pb-download')]);
  assert.strictEqual(download.suggestedFilename(), 'report.txt');
  assert.strictEqual(fs.readFileSync(await download.path(), 'latin1'), 'OK');
  await page.close();
});
