// Dates, Debug output, data sections, the colour commands and the
// constants, in the browser (the console and the waits:
// runtime_console.test.js).
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () { runtime = await openRuntimePage(); });
after(async function () { await runtime.close(); });

// The lines of an area of the page, as text.
function linesOf(selector) {
  return 'Array.prototype.map.call(document.querySelectorAll("' + selector + '"),' +
    ' function (e) { return e.textContent; })';
}

test('Date builds a date from its parts and reads them back', async function () {
  await runtime.check([
    ['cDate.Date(1970, 1, 1, 0, 0, 0)', 0],
    ['cDate.Date(2000, 1, 1, 0, 0, 0)', 946684800],
    ['cDate.Year(cDate.Date(2023, 7, 14, 9, 5, 3))', 2023],
    ['cDate.Month(cDate.Date(2023, 7, 14, 9, 5, 3))', 7],
    ['cDate.Day(cDate.Date(2023, 7, 14, 9, 5, 3))', 14],
    ['cDate.Hour(cDate.Date(2023, 7, 14, 9, 5, 3))', 9],
    ['cDate.Minute(cDate.Date(2023, 7, 14, 9, 5, 3))', 5],
    ['cDate.Second(cDate.Date(2023, 7, 14, 9, 5, 3))', 3],
    // 1 January 2023 was a Sunday
    ['cDate.DayOfWeek(cDate.Date(2023, 1, 1, 0, 0, 0))', 0],
    ['cDate.DayOfWeek(cDate.Date(2023, 1, 7, 0, 0, 0))', 6],
    ['cDate.DayOfYear(cDate.Date(2023, 1, 1, 0, 0, 0))', 1],
    ['cDate.DayOfYear(cDate.Date(2024, 12, 31, 0, 0, 0))', 366]
  ]);
});

test('Date() is the clock of the machine, read without a time zone', async function () {
  await runtime.check([
    ['(function () { var n = new Date(); var d = cDate.Date(); return cDate.Year(d) === n.getFullYear() &&' +
     ' cDate.Month(d) === n.getMonth() + 1 && cDate.Day(d) === n.getDate() &&' +
     ' cDate.Hour(d) === n.getHours(); })()', true]
  ]);
});

test('AddDate adds each kind of unit; months keep the day where they can', async function () {
  const d = 'cDate.Date(2024, 1, 31, 12, 0, 0)';
  await runtime.check([
    ['cDate.FormatDate("%yyyy-%mm-%dd", cDate.AddDate(' + d + ', cConstants.PB_Date_Month, 1))', '2024-02-29'],
    ['cDate.FormatDate("%yyyy-%mm-%dd", cDate.AddDate(' + d + ', cConstants.PB_Date_Year, 1))', '2025-01-31'],
    ['cDate.FormatDate("%yyyy-%mm-%dd", cDate.AddDate(' + d + ', cConstants.PB_Date_Month, -2))', '2023-11-30'],
    ['cDate.FormatDate("%yyyy-%mm-%dd", cDate.AddDate(' + d + ', cConstants.PB_Date_Week, 1))', '2024-02-07'],
    ['cDate.FormatDate("%yyyy-%mm-%dd", cDate.AddDate(' + d + ', cConstants.PB_Date_Day, -31))', '2023-12-31'],
    ['cDate.AddDate(' + d + ', cConstants.PB_Date_Hour, 2) - ' + d, 7200],
    ['cDate.AddDate(' + d + ', cConstants.PB_Date_Minute, 3) - ' + d, 180],
    ['cDate.AddDate(' + d + ', cConstants.PB_Date_Second, 4) - ' + d, 4]
  ]);
});

test('FormatDate and ParseDate with the mask tokens', async function () {
  await runtime.check([
    ['cDate.FormatDate("%dd.%mm.%yyyy %hh:%ii:%ss", cDate.Date(2009, 3, 5, 7, 8, 9))', '05.03.2009 07:08:09'],
    ['cDate.FormatDate("%yy", cDate.Date(2009, 3, 5, 0, 0, 0))', '09'],
    ['cDate.FormatDate("Day %dd", 0)', 'Day 01'],
    ['cDate.ParseDate("%yyyy/%mm/%dd", "2012/12/23")', 1356220800],
    ['cDate.ParseDate("%dd.%mm.%yyyy %hh:%ii", "05.03.2009 07:08")', 1236236880],
    ['cDate.ParseDate("%yyyy/%mm/%dd", "2012-12-23")', -1],
    ['cDate.ParseDate("%yyyy/%mm/%dd", "2012/13/01")', -1],
    ['cDate.ParseDate("%yyyy/%mm/%dd", "2023/02/29")', -1]
  ]);
});

test('Debug shows each value on its own line, as text', async function () {
  await runtime.check([
    ['document.getElementById("debug").textContent = ""; cDebugger.EnableDebugger(); cDebugger.Debug("<b>bold?</b>");' +
     ' cDebugger.Debug(12); cDebugger.Debug(2.5); cDebugger.Debug(cDebugger.floatText(11, 0)); cDebugger.Debug(null); ' +
     linesOf('#debug .debug-line'), ['<b>bold?</b>', '12', '2.5', '11.0', '0']],
    ['document.querySelector("#debug .debug-line").innerHTML', '&lt;b&gt;bold?&lt;/b&gt;'],
    ['document.getElementById("debug").textContent = ""; cDebugger.DisableDebugger(); cDebugger.Debug("hidden");' +
     ' cDebugger.EnableDebugger(); cDebugger.Debug("shown"); ' + linesOf('#debug .debug-line'), ['shown']]
  ]);
});

// A float shown by Debug: the shortest text that reads back as the value
// (as a single-precision float for a .f), no exponent, one decimal at least.
test('Debug shows floats as the debugger does', async function () {
  await runtime.check([
    ['cDebugger.floatText(11, 0)', '11.0'],
    ['cDebugger.floatText(3.14159, 0)', '3.14159'],
    ['cDebugger.floatText(Math.fround(3.14159), 1)', '3.14159'],
    ['cDebugger.floatText(Math.fround(0.1), 1)', '0.1'],
    ['cDebugger.floatText(Math.fround(0.1), 0)', '0.10000000149011612'],
    ['cDebugger.floatText(1.235e-18, 0)', '0.000000000000000001235'],
    ['cDebugger.floatText(1e21, 0)', '1000000000000000000000.0'],
    ['cDebugger.floatText(-2.5, 0)', '-2.5'],
    ['cDebugger.floatText(0 / 0, 0)', 'NaN'],
    ['cDebugger.floatText(-1 / 0, 0)', '-Infinity']
  ]);
});

test('Debug output also goes to the developer console', async function () {
  const messages = [];
  const listener = function (message) { messages.push(message.text()); };
  runtime.page.on('console', listener);
  await runtime.evaluate(['cDebugger.Debug("to the console")']);
  runtime.page.off('console', listener);
  await runtime.check([['true', messages.indexOf('to the console') >= 0]]);
});

test('Read and Restore walk the data array from the read position', async function () {
  await runtime.check([
    ['cCommon.KVX_DataArray = ["red", "green", 1, 2, 3]; cCommon.KVX_Global_Label = 0;' +
     ' [cData.Read(), cData.Read(), cData.Read()]', ['red', 'green', 1]],
    ['cData.Restore(3); [cData.Read(), cData.Read()]', [2, 3]],
    ['cData.Read()', 0],
    ['cData.Restore(); cData.Read()', 'red']
  ]);
});

test('RGB and its parts', async function () {
  await runtime.check([
    ['cMisc.RGB(255, 0, 0)', 255],
    ['cMisc.RGB(0, 255, 0)', 65280],
    ['cMisc.RGB(0, 0, 255)', 16711680],
    ['cMisc.RGB(255, 128, 0)', 33023],
    ['cMisc.Red(cMisc.RGB(12, 34, 56))', 12],
    ['cMisc.Green(cMisc.RGB(12, 34, 56))', 34],
    ['cMisc.Blue(cMisc.RGB(12, 34, 56))', 56],
    ['cMisc.Alpha(cMisc.RGBA(1, 2, 3, 200))', 200],
    ['cMisc.Blue(cMisc.RGBA(1, 2, 3, 200))', 3]
  ]);
});

test('Constants have PureBasic\'s values; the explicit switches can be read', async function () {
  await runtime.check([
    ['cConstants.PB_Any', -1],
    ['cConstants.PB_Default', -1],
    ['cConstants.PB_Sort_Ascending', 0],
    ['cConstants.PB_Sort_Descending', 1],
    ['cConstants.PB_Sort_NoCase', 2],
    ['cConstants.PB_MessageRequester_Yes', 6],
    ['cConstants.PB_MessageRequester_No', 7],
    ['cConstants.PB_MessageRequester_Cancel', 2],
    ['cConstants.PB_MessageRequester_YesNo', 4],
    ['cConstants.PB_String_NoCase', 1],
    ['cConstants.PB_Long', 5],
    ['cConstants.PB_Date_Day', 3],
    ['typeof cCompilerDirectives.EnableExplicit', 'number'],
    ['typeof cCompilerDirectives.DisableExplicit', 'number']
  ]);
});
