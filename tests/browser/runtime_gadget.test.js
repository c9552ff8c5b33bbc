// Gadgets of the web runtime: their states, items and events, driven by
// real clicks and typing in Chromium.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('assert');
const { openDesktop, start, seen, finished, debugLines } = require('./support/desktop_page');

const kGadget = 13100, kClose = 13116;
const kClick = 0, kRight = 1, kDouble = 2, kFocus = 14, kLost = 15, kChange = 768, kUp = 65551, kDown = 65552;

let desktop;
before(async function () { desktop = await openDesktop(); });
after(async function () { await desktop.close(); });

function gadget(n) { return '[data-pb-gadget="' + n + '"]'; }

// The gadget events still in the queue, as "gadget type".
function drain(page) {
  return page.evaluate(function () {
    var out = [];
    while (cWindow.WindowEvent()) {
      if (cWindow.Event() === cConstants.PB_Event_Gadget) out.push(cWindow.EventGadget() + ' ' + cWindow.EventType());
    }
    return out;
  });
}

test('buttons and string gadgets: clicks, typing, focus, password, numbers only, toggles', async function () {
  const page = await desktop.open();
  await start(page, `
    var C = cConstants, G = cGadget;
    cWindow.OpenWindow(0, 10, 10, 300, 200, 'Strings');
    G.ButtonGadget(1, 10, 10, 80, 24, '&Go');
    G.StringGadget(2, 10, 40, 100, 20, 'x');
    G.StringGadget(3, 10, 70, 100, 20, '', C.PB_String_Numeric);
    G.StringGadget(4, 10, 100, 100, 20, 'secret', C.PB_String_Password | C.PB_String_ReadOnly);
    G.ButtonGadget(5, 120, 10, 80, 24, 'Toggle', C.PB_Button_Toggle);
    await loop(function (e) { return e === C.PB_Event_CloseWindow; });`);
  await page.click(gadget(1));
  await page.click(gadget(2));
  await page.keyboard.press('End');
  await page.keyboard.type('yz');
  await page.click(gadget(3));
  await page.keyboard.type('a1b2');
  await page.click(gadget(5));
  await page.click('[data-pb-window="0"] .pb-window-close');
  await finished(page);
  const g = function (n, type) { return kGadget + ' 0 ' + n + ' ' + type; };
  assert.deepStrictEqual(await seen(page, 0), [g(1, kClick), g(2, kFocus), g(2, kChange), g(2, kChange),
    g(2, kLost), g(3, kFocus), g(3, kChange), g(3, kChange), g(3, kLost), g(5, kClick), kClose + ' 0 -1 0']);
  assert.deepStrictEqual(await page.evaluate(function () {
    var G = cGadget;
    return [G.GetGadgetText(1), document.querySelector('[data-pb-gadget="1"]').textContent, G.GetGadgetText(2),
      G.GetGadgetText(3), G.GetGadgetText(4), document.querySelector('[data-pb-gadget="4"]').type,
      document.querySelector('[data-pb-gadget="4"]').readOnly, G.GetGadgetState(5), G.GetGadgetState(1)];
  }), ['&Go', 'Go', 'xyz', '12', 'secret', 'password', true, 1, 0]);
  await page.close();
});

test('a form: check boxes, option groups, combo boxes and a spin gadget', async function () {
  const page = await desktop.open();
  await page.evaluate(function () {
    var C = cConstants, G = cGadget;
    cWindow.OpenWindow(0, 10, 10, 400, 300, 'Form');
    G.CheckBoxGadget(1, 10, 10, 100, 20, 'Plain');
    G.CheckBoxGadget(2, 10, 30, 100, 20, 'Three', C.PB_CheckBox_ThreeState);
    G.OptionGadget(3, 10, 60, 80, 20, 'Tea');
    G.OptionGadget(4, 10, 80, 80, 20, 'Coffee');
    G.TextGadget(5, 10, 100, 80, 20, 'Size:');
    G.OptionGadget(6, 10, 120, 80, 20, 'Small');
    G.OptionGadget(7, 10, 140, 80, 20, 'Large');
    G.ComboBoxGadget(8, 120, 10, 100, 22);
    ['Red', 'Green', 'Blue'].forEach(function (t) { G.AddGadgetItem(8, -1, t); });
    G.ComboBoxGadget(9, 120, 40, 100, 22, C.PB_ComboBox_Editable);
    ['Red', 'Green'].forEach(function (t) { G.AddGadgetItem(9, -1, t); });
    G.SpinGadget(10, 120, 70, 60, 22, 0, 5, C.PB_Spin_Numeric);
    G.SetGadgetState(10, 4);
  });
  await page.click(gadget(1));
  for (let i = 0; i < 5; i++) await page.click(gadget(2));
  await page.click(gadget(4));
  await page.click(gadget(6));
  await page.click(gadget(3));
  await page.selectOption(gadget(8), { index: 2 });
  await page.click(gadget(9));
  await page.keyboard.type('hello');
  const typed = await page.evaluate('[cGadget.GetGadgetText(9), cGadget.GetGadgetState(9)]');
  await page.selectOption('.pb-combobox:has(' + gadget(9) + ') select', { index: 1 });
  await page.click(gadget(10) + ' ~ .pb-spin-buttons .pb-spin-up');
  await page.click(gadget(10) + ' ~ .pb-spin-buttons .pb-spin-up');
  await page.click(gadget(10) + ' ~ .pb-spin-buttons .pb-spin-down');
  assert.deepStrictEqual(typed, ['hello', -1]);
  assert.deepStrictEqual(await page.evaluate(function () {
    var G = cGadget;
    return [1, 2, 3, 4, 6, 7, 8].map(G.GetGadgetState).concat(
      [G.GetGadgetText(8), G.GetGadgetText(9), G.GetGadgetState(9), G.GetGadgetState(10), G.GetGadgetText(10)]);
  }), [1, -1, 1, 0, 1, 0, 2, 'Blue', 'Green', 1, 4, '4']);
  const events = await drain(page);
  assert.deepStrictEqual(events.filter(function (e) { return e.startsWith('10 '); }),
    ['10 ' + kUp, '10 ' + kUp, '10 ' + kDown]);
  assert.deepStrictEqual(events.filter(function (e) { return e.startsWith('8 '); }), ['8 ' + kChange]);
  assert.strictEqual(events.filter(function (e) { return e.startsWith('2 '); }).length, 5);
  await page.close();
});

test('a list view: items added, read, removed, chosen by click, double click, keys and text', async function () {
  const page = await desktop.open();
  const items = await page.evaluate(function () {
    var G = cGadget;
    cWindow.OpenWindow(0, 10, 10, 300, 200, 'List');
    G.ListViewGadget(1, 10, 10, 150, 150);
    G.AddGadgetItem(1, -1, 'b');
    G.AddGadgetItem(1, 0, 'a');
    G.AddGadgetItem(1, -1, 'd');
    G.AddGadgetItem(1, 2, 'c');
    G.AddGadgetItem(1, 99, 'e');
    var texts = [0, 1, 2, 3, 4, 5, -1].map(function (i) { return G.GetGadgetItemText(1, i); });
    G.RemoveGadgetItem(1, 4);
    return [texts.join(','), G.CountGadgetItems(1), G.GetGadgetState(1), G.GetGadgetText(1)];
  });
  assert.deepStrictEqual(items, ['a,b,c,d,e,,', 4, -1, '']);
  await page.click(gadget(1) + ' .pb-item:nth-child(2)');
  const clicked = await page.evaluate('[cGadget.GetGadgetState(1), cGadget.GetGadgetText(1)]');
  await page.dblclick(gadget(1) + ' .pb-item:nth-child(3)');
  await page.keyboard.press('ArrowDown');
  const keyed = await page.evaluate('cGadget.GetGadgetState(1)');
  await page.click(gadget(1) + ' .pb-item:nth-child(1)', { button: 'right' });
  const rest = await page.evaluate(function () {
    var G = cGadget, out = [G.GetGadgetState(1)];
    G.SetGadgetText(1, 'c');
    out.push(G.GetGadgetState(1));
    G.SetGadgetState(1, -1);
    out.push(G.GetGadgetState(1));
    G.ClearGadgetItems(1);
    out.push(G.CountGadgetItems(1));
    return out;
  });
  assert.deepStrictEqual([clicked, keyed, rest], [[1, 'b'], 3, [0, 2, -1, 0]]);
  assert.deepStrictEqual(await drain(page),
    ['1 ' + kClick, '1 ' + kClick, '1 ' + kClick, '1 ' + kDouble, '1 ' + kChange, '1 ' + kRight]);
  await page.close();
});

test('list icons with columns, check boxes and a header; editors and trees keep their items', async function () {
  const page = await desktop.open();
  const shown = await page.evaluate(function () {
    var C = cConstants, G = cGadget, out = [];
    cWindow.OpenWindow(0, 10, 10, 400, 300, 'Items');
    G.ListIconGadget(1, 10, 10, 300, 100, 'Name', 120, C.PB_ListIcon_CheckBoxes | C.PB_ListIcon_GridLines);
    G.AddGadgetColumn(1, 1, 'Age', 50);
    G.AddGadgetItem(1, -1, 'Ann' + '\n' + '31');
    G.AddGadgetItem(1, -1, 'Bob' + '\n' + '25' + '\n' + 'extra');
    G.AddGadgetColumn(1, 1, 'City', 80);
    G.SetGadgetItemText(1, 0, 'Oslo', 1);
    G.SetGadgetItemText(1, -1, 'Years', 2);
    out.push([0, 1, 2].map(function (c) { return G.GetGadgetItemText(1, 0, c); }).join('|'));
    out.push([0, 1, 2].map(function (c) { return G.GetGadgetItemText(1, -1, c); }).join('|'));
    out.push(G.GetGadgetItemText(1, 1, 2), G.GetGadgetAttribute(1, C.PB_ListIcon_ColumnCount));
    G.SetGadgetItemState(1, 1, C.PB_ListIcon_Checked);
    out.push(G.GetGadgetItemState(1, 1), G.GetGadgetState(1));
    G.EditorGadget(2, 10, 120, 200, 80);
    G.AddGadgetItem(2, -1, 'one');
    G.AddGadgetItem(2, -1, 'three');
    G.AddGadgetItem(2, 1, 'two');
    out.push(G.CountGadgetItems(2), G.GetGadgetText(2), G.GetGadgetItemText(2, 1));
    G.SetGadgetText(2, 'x' + '\r\n' + 'y');
    out.push(G.CountGadgetItems(2), G.GetGadgetItemText(2, 1));
    G.TreeGadget(3, 220, 120, 150, 100);
    G.AddGadgetItem(3, -1, 'Root', 0, 0);
    G.AddGadgetItem(3, -1, 'Leaf', 0, 1);
    G.AddGadgetItem(3, -1, 'Other', 0, 0);
    var leaf = document.querySelectorAll('[data-pb-gadget="3"] .pb-item')[1];
    out.push(getComputedStyle(leaf).display);
    G.SetGadgetItemState(3, 0, C.PB_Tree_Expanded);
    out.push(getComputedStyle(leaf).display, G.GetGadgetItemAttribute(3, 1, 0));
    G.RemoveGadgetItem(3, 0);
    out.push(G.CountGadgetItems(3), G.GetGadgetItemText(3, 0));
    return out;
  });
  assert.deepStrictEqual(shown, ['Ann|Oslo|31', 'Name|City|Years', '25', 3, 2, -1,
    3, 'one\ntwo\nthree', 'two', 2, 'y', 'none', 'block', 1, 1, 'Other']);
  await page.click(gadget(1) + ' .pb-item:nth-child(2) input[type=checkbox]');
  await page.click(gadget(1) + ' .pb-item:nth-child(1)');
  assert.deepStrictEqual(await page.evaluate('[cGadget.GetGadgetItemState(1, 1), cGadget.GetGadgetState(1),' +
    ' cGadget.GetGadgetItemState(1, 0)]'), [0, 0, 1]);
  await page.close();
});

test('containers, panels, scroll areas and splitters place their gadgets inside them', async function () {
  const page = await desktop.open();
  const shown = await page.evaluate(function () {
    var C = cConstants, G = cGadget, out = [];
    function at(n) {
      var b = document.querySelector('[data-pb-gadget="' + n + '"]').getBoundingClientRect();
      var c = document.querySelector('[data-pb-window="0"] .pb-window-client').getBoundingClientRect();
      return [b.left - c.left, b.top - c.top, b.width, b.height].map(Math.round).join(' ');
    }
    cWindow.OpenWindow(0, 10, 10, 500, 400, 'Containers');
    G.ContainerGadget(1, 20, 20, 200, 100);
    G.ButtonGadget(2, 5, 6, 50, 20, 'In');
    G.CloseGadgetList();
    G.ButtonGadget(3, 5, 6, 50, 20, 'Out');
    G.PanelGadget(4, 240, 20, 200, 150);
    G.AddGadgetItem(4, -1, 'One');
    G.ButtonGadget(5, 10, 10, 60, 20, 'Tab 1');
    G.AddGadgetItem(4, -1, 'Two');
    G.ButtonGadget(6, 10, 10, 60, 20, 'Tab 2');
    G.CloseGadgetList();
    G.OpenGadgetList(4, 0);
    G.ButtonGadget(7, 10, 40, 60, 20, 'Later');
    G.CloseGadgetList();
    G.ScrollAreaGadget(8, 20, 200, 150, 100, 400, 300, 10);
    G.ButtonGadget(9, 300, 250, 60, 20, 'Far');
    G.CloseGadgetList();
    G.FrameGadget(10, 200, 200, 100, 80, 'Box', C.PB_Frame_Container);
    G.TextGadget(11, 10, 20, 60, 20, 'Framed');
    G.CloseGadgetList();
    G.StringGadget(12, 0, 0, 10, 10, 'top');
    G.EditorGadget(13, 0, 0, 10, 10);
    G.SplitterGadget(14, 320, 200, 150, 106, 12, 13);
    out.push(at(2), at(3), at(5), at(7), at(11), at(12), at(13));
    out.push(G.GetGadgetState(4), document.querySelector('[data-pb-gadget="6"]').offsetWidth);
    G.SetGadgetAttribute(8, C.PB_ScrollArea_Y, 100);
    out.push(at(9), G.GetGadgetAttribute(8, C.PB_ScrollArea_Y), G.GetGadgetAttribute(8, C.PB_ScrollArea_InnerWidth));
    G.SetGadgetState(14, 30);
    out.push(at(12), at(13), G.GetGadgetState(14), G.GadgetHeight(13));
    G.FreeGadget(1);
    out.push(G.IsGadget(2), G.IsGadget(3));
    G.FreeGadget(10);
    out.push(G.IsGadget(11), G.IsGadget(4));
    return out;
  });
  assert.deepStrictEqual(shown, ['25 26 50 20', '5 6 50 20', '251 55 60 20', '251 85 60 20', '210 220 60 20',
    '320 200 150 50', '320 256 150 50', 0, 0, '321 351 60 20', 100, 400,
    '320 200 150 30', '320 236 150 70', 30, 70, 0, 1, 0, 1]);
  await page.click('[data-pb-gadget="4"] .pb-panel-tab:nth-child(2)');
  assert.deepStrictEqual(await page.evaluate('[cGadget.GetGadgetState(4), cGadget.GetGadgetText(4)]'), [1, 'Two']);
  assert.deepStrictEqual((await drain(page)).filter(function (e) { return e.startsWith('4 '); }), ['4 ' + kChange]);
  // the window goes with every gadget in it, also those in the panel's tabs and the splitter
  assert.deepStrictEqual(await page.evaluate('cWindow.CloseWindow(0); [cGadget.gadgets.list().length,' +
    ' document.querySelectorAll("[data-pb-gadget]").length]'), [0, 0]);
  await page.close();
});

test('a canvas answers the mouse and, with #PB_Canvas_Keyboard, the keys', async function () {
  const page = await desktop.open();
  await start(page, `
    var C = cConstants;
    cWindow.OpenWindow(0, 10, 10, 300, 200, 'Canvas');
    cGadget.CanvasGadget(1, 20, 30, 200, 100, C.PB_Canvas_Keyboard);
    await loop(function (e) {
      if (e === C.PB_Event_Gadget) {
        var t = cWindow.EventType();
        var A = function (a) { return cGadget.GetGadgetAttribute(1, a); };
        if (t === C.PB_EventType_LeftButtonDown || t === C.PB_EventType_RightButtonUp)
          KVX_Log('at ' + A(C.PB_Canvas_MouseX) + ' ' + A(C.PB_Canvas_MouseY) + ' ' + A(C.PB_Canvas_Buttons));
        if (t === C.PB_EventType_KeyDown) KVX_Log('key ' + A(C.PB_Canvas_Key));
        if (t === C.PB_EventType_Input) KVX_Log('input ' + A(C.PB_Canvas_Input));
      }
      return e === C.PB_Event_CloseWindow;
    });`);
  const box = await page.locator(gadget(1)).boundingBox();
  await page.mouse.move(box.x + 10, box.y + 20);
  await page.mouse.move(box.x + 15, box.y + 25);
  await page.mouse.down();
  await page.mouse.up();
  await page.mouse.click(box.x + 50, box.y + 60, { button: 'right' });
  await page.keyboard.press('a');
  await page.click('[data-pb-window="0"] .pb-window-close');
  await finished(page);
  const lines = (await seen(page, 0)).map(function (l) {
    return l.startsWith(kGadget + ' 0 1 ') ? 'type ' + l.split(' ')[3] : l;
  }).filter(function (l, i, all) { return !(l === 'type 65539' && all[i - 1] === 'type 65539'); });
  // enter, move, the focus the click gives, down (the attributes of that
  // moment), up, click; the right button (the context menu comes with its
  // press on Linux); a key with its character; leaving and the close box.
  assert.deepStrictEqual(lines, ['type 65537', 'type 65539', 'type 14', 'type 65540', 'at 15 25 1', 'type 65541',
    'type 0', 'type 65539', 'type 65542', 'type 1', 'type 65543', 'at 50 60 0', 'type 65547', 'key 65',
    'type 65549', 'input 97', 'type 65548', 'type 65538', 'type 15', kClose + ' 0 -1 0']);
  await page.close();
});

test('the common commands: numbers, sizes, hiding, disabling, fonts, colours, data, bars and dates', async function () {
  const page = await desktop.open();
  const shown = await page.evaluate(function () {
    var C = cConstants, G = cGadget, out = [];
    cWindow.OpenWindow(0, 10, 10, 400, 300, 'Common');
    var any = G.ButtonGadget(C.PB_Any, 10, 10, 80, 24, 'Any');
    var fixed = G.ButtonGadget(1, 10, 40, 80, 24, 'One');
    out.push(any > 1 && G.IsGadget(any) === 1, fixed !== 0 && fixed !== 1, G.GadgetType(1) === C.PB_GadgetType_Button);
    G.TextGadget(1, 100, 40, 80, 20, 'Again');
    out.push(document.querySelectorAll('[data-pb-gadget="1"]').length, G.GadgetType(1) === C.PB_GadgetType_Text);
    G.ResizeGadget(1, C.PB_Ignore, 50, 120, C.PB_Ignore);
    out.push([G.GadgetX(1), G.GadgetY(1), G.GadgetWidth(1), G.GadgetHeight(1)].join(' '));
    G.SetGadgetData(1, 42);
    out.push(G.GetGadgetData(1));
    cFont.LoadFont(3, 'Courier New', 15, C.PB_Font_Bold);
    G.SetGadgetFont(1, cFont.FontID(3));
    G.SetGadgetColor(1, C.PB_Gadget_FrontColor, cMisc.RGB(255, 0, 0));
    G.SetGadgetColor(1, C.PB_Gadget_BackColor, cMisc.RGB(0, 0, 255));
    var style = getComputedStyle(document.querySelector('[data-pb-gadget="1"]'));
    out.push(style.fontWeight, style.fontSize, style.color, style.backgroundColor,
      G.GetGadgetColor(1, C.PB_Gadget_FrontColor), G.GetGadgetFont(1) === cFont.FontID(3));
    G.TrackBarGadget(4, 10, 80, 100, 20, 0, 10);
    G.SetGadgetState(4, 7);
    G.ProgressBarGadget(5, 10, 110, 100, 10, 0, 200);
    G.SetGadgetState(5, 50);
    out.push(G.GetGadgetState(4), G.GetGadgetAttribute(4, C.PB_TrackBar_Maximum), G.GetGadgetState(5),
      document.querySelector('[data-pb-gadget="5"] .pb-progress-fill').style.width);
    G.DateGadget(6, 10, 130, 120, 22, '%dd.%mm.%yyyy', cDate.Date(2024, 2, 29, 0, 0, 0));
    out.push(G.GetGadgetText(6), G.GetGadgetState(6) === cDate.Date(2024, 2, 29, 0, 0, 0),
      document.querySelector('[data-pb-gadget="6"]').value);
    G.HideGadget(any, 1);
    out.push(document.querySelector('[data-pb-gadget="' + any + '"]').offsetWidth);
    G.StringGadget(7, 200, 10, 100, 20, 'off');
    G.DisableGadget(7, 1);
    out.push(document.querySelector('[data-pb-gadget="7"]').disabled, G.GetGadgetText(8), G.CountGadgetItems(7));
    G.SetActiveGadget(1);
    out.push(G.GetActiveGadget());
    G.FreeGadget(any);
    out.push(G.IsGadget(any), document.querySelectorAll('[data-pb-gadget="' + any + '"]').length);
    return out;
  });
  assert.deepStrictEqual(shown, [true, true, true, 1, true, '100 50 120 20', 42, '700', '20px',
    'rgb(255, 0, 0)', 'rgb(0, 0, 255)', 255, true, 7, 10, 50, '25%', '29.02.2024', true, '2024-02-29', 0, true, '',
    0, -1, 0, 0]);
  assert.deepStrictEqual(await debugLines(page), ['[ERROR] GetGadgetText(): the #Gadget 8 is not initialised.']);
  await page.close();
});

test('an unknown gadget number, or a gadget without a window: the message in the Debug area, and the program goes on', async function () {
  const page = await desktop.open();
  await start(page, `
    cGadget.ButtonGadget(1, 0, 0, 10, 10, 'No window');
    cWindow.OpenWindow(0, 10, 10, 100, 100, 'Errors');
    cGadget.SetGadgetText(5, 'x');
    cGadget.AddGadgetItem(6, -1, 'y');
    KVX_Log('state ' + cGadget.GetGadgetState(5) + ' ' + cGadget.GetGadgetItemText(6, 0) + '.');`);
  await finished(page);
  assert.deepStrictEqual(await debugLines(page), [
    '[ERROR] ButtonGadget(): there is no current gadget list (open a window first).',
    '[ERROR] SetGadgetText(): the #Gadget 5 is not initialised.',
    '[ERROR] AddGadgetItem(): the #Gadget 6 is not initialised.',
    '[ERROR] GetGadgetState(): the #Gadget 5 is not initialised.',
    '[ERROR] GetGadgetItemText(): the #Gadget 6 is not initialised.']);
  assert.deepStrictEqual(await seen(page, 1), ['state 0 .']);
  assert.deepStrictEqual(page.errors, []);
  await page.close();
});
