// Menus of the web runtime: a window's menu bar, its lists and sub-lists,
// check marks, disabled items, bound callbacks and pop-up menus, chosen by
// real clicks in Chromium.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('assert');
const { openDesktop, start, seen, finished } = require('./support/desktop_page');

const kMenu = 13313;

let desktop;
before(async function () { desktop = await openDesktop(); });
after(async function () { await desktop.close(); });

function item(id) { return '[data-pb-menu="' + id + '"]'; }
function title(text) { return '.pb-menu-title:has(> .pb-menu-caption:text-is("' + text + '"))'; }

test('a menu bar: titles, items, a sub-list, check marks, a disabled item, a bound callback, a pop-up', async function () {
  const page = await desktop.open();
  await start(page, `
    var M = cMenu, C = cConstants;
    cWindow.OpenWindow(0, 10, 10, 300, 200, 'Menus');
    M.CreateMenu(0, cWindow.WindowID(0));
    M.MenuTitle('&File');
    M.MenuItem(1, '&New' + cString.Chr(9) + 'Ctrl+N');
    M.MenuItem(2, 'Open');
    M.MenuBar();
    M.OpenSubMenu('Recent');
    M.MenuItem(3, 'a.txt');
    M.CloseSubMenu();
    M.MenuItem(4, 'Quit');
    M.MenuTitle('&View');
    M.MenuItem(5, 'Grid');
    M.MenuItem(6, 'Disabled');
    M.SetMenuItemState(0, 5, 1);
    M.DisableMenuItem(0, 6, 1);
    M.BindMenuEvent(0, 2, function () { KVX_Log('bound ' + cWindow.EventMenu()); });
    M.CreatePopupMenu(1);
    M.MenuItem(7, 'Pop');
    KVX_Log([cWindow.WindowHeight(0), cWindow.WindowHeight(0, C.PB_Window_FrameCoordinate), M.MenuHeight(),
             M.GetMenuItemState(0, 5), M.GetMenuItemText(0, 1), M.GetMenuTitleText(0, 1)].join('|'));
    await loop(function (e) { return e === C.PB_Event_Menu && cWindow.EventMenu() === 4; });`);
  await seen(page, 1);
  await page.click(title('File'));
  const shown = await page.evaluate(function () {
    var e = document.querySelector('[data-pb-menu="1"]');
    return [e.querySelector('.pb-menu-text').textContent, e.querySelector('.pb-menu-key').textContent,
      e.offsetWidth > 0, document.querySelector('[data-pb-menu="5"]').classList.contains('pb-checked')];
  });
  assert.deepStrictEqual(shown, ['New', 'Ctrl+N', true, true]);
  await page.click(item(1));
  assert.strictEqual(await page.locator(item(1)).isVisible(), false);
  await page.click(title('File'));
  await page.click(item(2));
  await page.click(title('File'));
  await page.hover('.pb-submenu');
  await page.click(item(3));
  await page.click(title('View'));
  await page.click(item(6));
  await page.click(item(5));
  await page.evaluate('cMenu.DisplayPopupMenu(1, cWindow.WindowID(0), 40, 40)');
  await page.click(item(7));
  await page.click(title('File'));
  await page.click(item(4));
  await finished(page);
  assert.deepStrictEqual(await seen(page, 0), ['200|250|22|1|&New\tCtrl+N|&View',
    kMenu + ' 0 1 0', 'bound 2', kMenu + ' 0 2 0', kMenu + ' 0 3 0', kMenu + ' 0 5 0', kMenu + ' 0 7 0',
    kMenu + ' 0 4 0']);
  await page.close();
});
