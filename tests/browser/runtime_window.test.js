// Windows, the event queue, bound callbacks, timers and keyboard shortcuts
// of the web runtime, driven by real clicks and keys in Chromium.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('assert');
const { openDesktop, start, seen, finished, debugLines } = require('./support/desktop_page');

// PureBasic's event numbers as the runtime has them.
const kGadget = 13100, kClose = 13116, kMenu = 13313, kTimer = 13082;
const kSize = 13102, kMove = 13103, kActivate = 13107, kDeactivate = 13108;
const kMinimize = 13104, kMaximize = 13105, kRestore = 13106;

let desktop;
before(async function () { desktop = await openDesktop(); });
after(async function () { await desktop.close(); });

test('a window is placed with its inner size, its title and its number', async function () {
  const page = await desktop.open();
  const shown = await page.evaluate(function () {
    var C = cConstants, W = cWindow;
    var handle = W.OpenWindow(3, 40, 30, 200, 120, 'First', C.PB_Window_SystemMenu);
    var a = W.OpenWindow(C.PB_Any, C.PB_Ignore, C.PB_Ignore, 100, 50, 'Second');
    var b = W.OpenWindow(C.PB_Any, 5, 5, 10, 10, '', C.PB_Window_BorderLess);
    var e = document.querySelector('[data-pb-window="3"]');
    W.ResizeWindow(a, C.PB_Ignore, 60, 150, C.PB_Ignore);
    W.SetWindowTitle(3, 'Renamed');
    var before = [W.WindowX(a), W.WindowY(a), W.WindowWidth(a), W.WindowHeight(a),
                  W.WindowX(a, C.PB_Window_InnerCoordinate), W.WindowY(a, C.PB_Window_InnerCoordinate)];
    W.HideWindow(b, 1);
    return [handle !== 0 && handle !== 3, a !== b && a > 3 && W.IsWindow(a) === 1 && W.IsWindow(b) === 1,
      e.offsetLeft, e.offsetTop, W.WindowWidth(3), W.WindowHeight(3),
      W.WindowWidth(3, C.PB_Window_FrameCoordinate), W.WindowHeight(3, C.PB_Window_FrameCoordinate),
      e.querySelector('.pb-window-caption').textContent, W.GetWindowTitle(3),
      !!e.querySelector('.pb-window-close'),
      !!document.querySelector('[data-pb-window="' + b + '"] .pb-window-title'),
      before.join(' '), getComputedStyle(document.querySelector('[data-pb-window="' + b + '"]')).display];
  });
  assert.deepStrictEqual(shown, [true, true, 40, 30, 200, 120, 202, 148, 'Renamed', 'Renamed', true, false,
    '20 60 150 50 21 87', 'none']);
  const centered = await page.evaluate(function () {
    cWindow.OpenWindow(9, 0, 0, 300, 200, 'Centre', cConstants.PB_Window_ScreenCentered);
    var box = document.querySelector('[data-pb-window="9"]').getBoundingClientRect();
    return [Math.round(box.left + box.width / 2), Math.round(box.top + box.height / 2),
      !!document.querySelector('[data-pb-window="9"] .pb-window-close')];
  });
  assert.deepStrictEqual(centered, [500, 350, false]);
  await page.close();
});

test('WaitWindowEvent waits for the close box; the page says it waits', async function () {
  const page = await desktop.open();
  await start(page, `
    cWindow.OpenWindow(0, 10, 10, 200, 100, 'Close me');
    await loop(function (e) { return e === cConstants.PB_Event_CloseWindow; });
    cWindow.CloseWindow(0);`);
  await page.waitForFunction('document.body.dataset.korvexState === "waiting"');
  await page.click('[data-pb-window="0"] .pb-window-close');
  await finished(page);
  assert.deepStrictEqual(await seen(page, 1), [kClose + ' 0 -1 0']);
  assert.strictEqual(await page.evaluate('document.querySelector("[data-pb-window]")'), null);
  assert.notStrictEqual(await page.evaluate('document.body.dataset.korvexState'), 'waiting');
  await page.close();
});

test('a timeout, WindowEvent, PostEvent and the bound callbacks', async function () {
  const page = await desktop.open();
  await start(page, `
    var W = cWindow;
    W.OpenWindow(0, 10, 10, 200, 100, 'Events');
    KVX_Log(await W.WaitWindowEvent(30));
    KVX_Log(W.WindowEvent());
    W.BindEvent(65537, function () { KVX_Log('bound ' + W.EventGadget() + ' ' + W.EventData()); }, 0);
    W.BindEvent(65537, async function () {
      await new Promise(function (done) { setTimeout(done, 30); });
      KVX_Log('waited');
    });
    W.BindEvent(65538, function () { KVX_Log('not this window'); }, 0);
    var dropped = function () { KVX_Log('unbound'); };
    W.BindEvent(65538, dropped);
    W.UnbindEvent(65538, dropped);
    W.PostEvent(65537, 0, 5, 0, 77);
    W.PostEvent(65538, 1, 6);
    await loop(function (e) { return e === 65538; });`);
  await finished(page);
  assert.deepStrictEqual(await seen(page, 6), ['0', '0', 'bound 5 77', 'waited', '65537 0 5 0', '65538 1 6 0']);
  await page.close();
});

test('timers come when the queue is empty, one event per timer however late', async function () {
  const page = await desktop.open();
  await start(page, `
    var W = cWindow;
    W.OpenWindow(0, 10, 10, 200, 100, 'Timers');
    W.AddWindowTimer(0, 7, 10);
    await new Promise(function (done) { setTimeout(done, 80); });
    W.PostEvent(65540);
    W.PostEvent(65541);
    for (var i = 0; i < 3; i++) await loop(function () { return true; });
    W.RemoveWindowTimer(0, 7);
    W.AddWindowTimer(0, 8, 20);
    await loop(function (e) { return e === cConstants.PB_Event_Timer; });
    W.CloseWindow(0);
    KVX_Log(await W.WaitWindowEvent(100));`);
  await finished(page);
  assert.deepStrictEqual(await seen(page, 5),
    ['65540 -1 -1 0', '65541 -1 -1 0', kTimer + ' 0 7 0', kTimer + ' 0 8 0', '0']);
  await page.close();
});

test('keyboard shortcuts send menu events, also while a gadget has the keys', async function () {
  const page = await desktop.open();
  await start(page, `
    var C = cConstants;
    cWindow.OpenWindow(0, 10, 10, 200, 100, 'Keys');
    cGadget.StringGadget(1, 10, 10, 100, 20, '');
    cWindow.AddKeyboardShortcut(0, C.PB_Shortcut_Control | C.PB_Shortcut_N, 5);
    cWindow.AddKeyboardShortcut(0, C.PB_Shortcut_Return, 6);
    await loop(function (e) { return e === C.PB_Event_Menu && cWindow.EventMenu() === 6; });
    cWindow.RemoveKeyboardShortcut(0, C.PB_All);
    KVX_Log('removed');
    await loop(function (e) { return e === C.PB_Event_CloseWindow; });`);
  await page.click('[data-pb-gadget="1"]');
  await page.keyboard.press('Control+N');
  await page.keyboard.type('ab');
  await page.keyboard.press('Enter');
  await seen(page, 6);
  await page.keyboard.press('Enter');
  await page.click('[data-pb-window="0"] .pb-window-close');
  await finished(page);
  const lines = (await seen(page, 0)).filter(function (l) { return !l.startsWith(kGadget + ' '); });
  assert.deepStrictEqual(lines, [kMenu + ' 0 5 0', kMenu + ' 0 6 0', 'removed', kClose + ' 0 -1 0']);
  assert.strictEqual(await page.evaluate('cGadget.GetGadgetText(1)'), 'ab');
  await page.close();
});

test('moving, sizing and activating windows by hand send their events', async function () {
  const page = await desktop.open();
  await start(page, `
    var C = cConstants;
    cWindow.OpenWindow(0, 10, 10, 200, 100, 'Sizes', C.PB_Window_SystemMenu | C.PB_Window_SizeGadget);
    cWindow.OpenWindow(1, 300, 10, 100, 100, 'Other');
    await loop(function (e) { return e === C.PB_Event_CloseWindow; });
    KVX_Log(cWindow.WindowX(0) + ' ' + cWindow.WindowY(0) + ' ' + cWindow.WindowWidth(0) + ' ' +
            cWindow.WindowHeight(0) + ' ' + cWindow.GetActiveWindow());`);
  const title = await page.locator('[data-pb-window="0"] .pb-window-title').boundingBox();
  await page.mouse.move(title.x + 50, title.y + 10);
  await page.mouse.down();
  await page.mouse.move(title.x + 80, title.y + 50, { steps: 4 });
  await page.mouse.up();
  const corner = await page.locator('[data-pb-window="0"] .pb-window-size').boundingBox();
  await page.mouse.move(corner.x + 5, corner.y + 5);
  await page.mouse.down();
  await page.mouse.move(corner.x + 25, corner.y + 15, { steps: 3 });
  await page.mouse.up();
  await page.click('[data-pb-window="0"] .pb-window-close');
  await finished(page);
  assert.deepStrictEqual(await seen(page, 6), [kDeactivate + ' 1 -1 0', kActivate + ' 0 -1 0',
    kMove + ' 0 -1 0', kSize + ' 0 -1 0', kClose + ' 0 -1 0', '40 50 220 110 0']);
  await page.close();
});

test('the minimize and maximize boxes change the state and send their events', async function () {
  const page = await desktop.open();
  await start(page, `
    var C = cConstants, W = cWindow;
    W.OpenWindow(0, 50, 40, 200, 100, 'Boxes', C.PB_Window_MinimizeGadget | C.PB_Window_MaximizeGadget);
    var show = function () {
      KVX_Log([W.GetWindowState(0), W.WindowX(0), W.WindowY(0), W.WindowWidth(0), W.WindowHeight(0)].join(' '));
    };
    for (var i = 0; i < 4; i++) {
      await loop(function (e) { return e !== C.PB_Event_SizeWindow; });
      show();
    }
    await loop(function (e) { return e === C.PB_Event_CloseWindow; });`);
  const box = function (name) { return page.click('[data-pb-window="0"] .pb-window-' + name); };
  await box('max');
  await seen(page, 2);
  await box('max');
  await seen(page, 5);
  await box('min');
  await seen(page, 8);
  const hidden = await page.evaluate('document.querySelector(\'[data-pb-window="0"] .pb-window-client\').offsetHeight');
  await box('min');
  await box('close');
  await finished(page);
  // maximized: the desktop's width (1000 - 2 * 16) and the view's height
  // below its top (700 - 16), less the frame (2 and 2 + 26)
  assert.deepStrictEqual(await seen(page, 0), [kMaximize + ' 0 -1 0', '16777216 0 0 966 656', kSize + ' 0 -1 0',
    kRestore + ' 0 -1 0', '0 50 40 200 100', kSize + ' 0 -1 0', kMinimize + ' 0 -1 0', '536870912 50 40 200 100',
    kRestore + ' 0 -1 0', '0 50 40 200 100', kClose + ' 0 -1 0']);
  assert.strictEqual(hidden, 0);
  await page.close();
});

test('a window freed twice or never made: the message in the Debug area, and the program goes on', async function () {
  const page = await desktop.open();
  await start(page, `
    cWindow.OpenWindow(0, 10, 10, 100, 100, 'Once');
    cWindow.CloseWindow(0);
    cWindow.CloseWindow(0);
    cWindow.SetWindowTitle(12, 'nothing');
    KVX_Log(cWindow.WindowWidth(12) + ' ' + cWindow.IsWindow(0));`);
  await finished(page);
  assert.deepStrictEqual(await debugLines(page), [
    '[ERROR] CloseWindow(): the #Window 0 is not initialised.',
    '[ERROR] SetWindowTitle(): the #Window 12 is not initialised.',
    '[ERROR] WindowWidth(): the #Window 12 is not initialised.']);
  assert.deepStrictEqual(await seen(page, 1), ['0 0']);
  assert.deepStrictEqual(page.errors, []);
  await page.close();
});

test('an event loop that does not await WaitWindowEvent stops instead of freezing the page', async function () {
  const page = await desktop.open();
  const message = await page.evaluate(function () {
    cWindow.OpenWindow(0, 10, 10, 100, 100, 'Loop');
    try {
      var e;
      do { e = cWindow.WaitWindowEvent(); } while (e !== cConstants.PB_Event_CloseWindow);
    } catch (error) {
      return error.message;
    }
    return 'no stop';
  });
  assert.match(message, /WaitWindowEvent\(\) must be awaited/);
  await page.close();
});
