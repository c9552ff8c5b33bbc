// The string library in the browser, against PureBasic's documented
// results.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () { runtime = await openRuntimePage(); });
after(async function () { await runtime.close(); });

test('Asc, Chr, Len', async function () {
  await runtime.check([
    ['cString.Asc("A")', 65],
    ['cString.Asc("abc")', 97],
    ['cString.Asc("")', 0],
    ['cString.Chr(65)', 'A'],
    ['cString.Chr(9)', '\t'],
    ['cString.Len("Hello")', 5],
    ['cString.Len("")', 0]
  ]);
});

test('Str writes integers whole and other numbers with up to ten decimals', async function () {
  await runtime.check([
    ['cString.Str(42)', '42'],
    ['cString.Str(-7)', '-7'],
    ['cString.Str(0)', '0'],
    ['cString.Str(2.5)', '2.5'],
    ['cString.Str(1 / 3)', '0.3333333333'],
    ['cString.Str(-0.25)', '-0.25'],
    ['cString.Str(9007199254740991)', '9007199254740991']
  ]);
});

test('StrF and StrD: a count of decimals, or ten without trailing zeros', async function () {
  await runtime.check([
    ['cString.StrD(3.14159, 2)', '3.14'],
    ['cString.StrD(2.5)', '2.5'],
    ['cString.StrD(10)', '10'],
    ['cString.StrD(1, 3)', '1.000'],
    ['cString.StrD(2.75, 0)', '3'],
    ['cString.StrD(-1.5, 1)', '-1.5'],
    ['cString.StrD(1 / 3)', '0.3333333333'],
    // a float holds 1.1 as 1.10000002384...
    ['cString.StrF(1.1)', '1.1000000238'],
    ['cString.StrF(1.1, 2)', '1.10'],
    ['cString.StrF(0.5)', '0.5']
  ]);
});

test('StrU, Hex and Bin see the value as unsigned, a quad unless a type is given', async function () {
  await runtime.check([
    ['cString.Hex(255)', 'FF'],
    ['cString.Hex(0)', '0'],
    ['cString.Hex(-1)', 'FFFFFFFFFFFFFFFF'],
    ['cString.Hex(-1, cConstants.PB_Long)', 'FFFFFFFF'],
    ['cString.Hex(-1, cConstants.PB_Word)', 'FFFF'],
    ['cString.Hex(-1, cConstants.PB_Byte)', 'FF'],
    ['cString.Hex(4096)', '1000'],
    ['cString.Bin(5)', '101'],
    ['cString.Bin(-1, cConstants.PB_Byte)', '11111111'],
    ['cString.StrU(-1, cConstants.PB_Byte)', '255'],
    ['cString.StrU(-1, cConstants.PB_Long)', '4294967295'],
    ['cString.StrU(-1)', '18446744073709551615'],
    ['cString.StrU(200)', '200']
  ]);
});

test('Val reads the number at the start of the text', async function () {
  await runtime.check([
    ['cString.Val("123")', 123],
    ['cString.Val("12abc")', 12],
    ['cString.Val("abc")', 0],
    ['cString.Val("")', 0],
    ['cString.Val("-45")', -45],
    ['cString.Val("  7")', 7],
    ['cString.Val("$FF")', 255],
    ['cString.Val("$1F")', 31],
    ['cString.Val("%101")', 5],
    ['cString.Val("3.9")', 3]
  ]);
});

test('ValF and ValD read a decimal number', async function () {
  await runtime.check([
    ['cString.ValD("3.25")', 3.25],
    ['cString.ValD("-0.5x")', -0.5],
    ['cString.ValD("1.5e3")', 1500],
    ['cString.ValD("abc")', 0],
    ['cString.ValD("12")', 12],
    ['cString.ValF("2.5")', 2.5],
    ['cString.ValF("0.1") === Math.fround(0.1)', true]
  ]);
});

test('Left, Right and Mid, also past the end', async function () {
  await runtime.check([
    ['cString.Left("Hello", 2)', 'He'],
    ['cString.Left("Hello", 10)', 'Hello'],
    ['cString.Left("Hello", 0)', ''],
    ['cString.Right("Hello", 3)', 'llo'],
    ['cString.Right("Hello", 9)', 'Hello'],
    ['cString.Mid("Hello", 2, 3)', 'ell'],
    ['cString.Mid("Hello", 2)', 'ello'],
    ['cString.Mid("Hello", 4, 10)', 'lo'],
    ['cString.Mid("Hello", 6)', ''],
    ['cString.Mid("Hello", 10, 2)', ''],
    ['cString.Mid("Hello", 1, 0)', '']
  ]);
});

test('LCase, UCase, ReverseString, Space', async function () {
  await runtime.check([
    ['cString.LCase("PureBasic")', 'purebasic'],
    ['cString.UCase("PureBasic")', 'PUREBASIC'],
    ['cString.ReverseString("abc")', 'cba'],
    ['cString.Space(3)', '   '],
    ['cString.Space(0)', '']
  ]);
});

test('Trim, LTrim and RTrim remove spaces or the given character only', async function () {
  await runtime.check([
    ['cString.Trim("  ab  ")', 'ab'],
    ['cString.LTrim("  ab  ")', 'ab  '],
    ['cString.RTrim("  ab  ")', '  ab'],
    ['cString.Trim("\\tab\\t")', '\tab\t'],
    ['cString.Trim("xxabxx", "x")', 'ab'],
    ['cString.LTrim("00120", "0")', '120'],
    ['cString.RTrim("1.500", "0")', '1.5'],
    ['cString.Trim("     ")', '']
  ]);
});

test('LSet and RSet pad to the length, or cut a longer text', async function () {
  await runtime.check([
    ['cString.LSet("ab", 5)', 'ab   '],
    ['cString.LSet("ab", 5, "*")', 'ab***'],
    ['cString.RSet("ab", 5)', '   ab'],
    ['cString.RSet("42", 5, "0")', '00042'],
    ['cString.LSet("Hello", 3)', 'Hel'],
    ['cString.RSet("Hello", 3)', 'Hel']
  ]);
});

test('FindString counts positions from 1 and answers 0 when not found', async function () {
  await runtime.check([
    ['cString.FindString("Hello World", "o")', 5],
    ['cString.FindString("Hello World", "o", 6)', 8],
    ['cString.FindString("Hello World", "x")', 0],
    ['cString.FindString("Hello World", "H", 0)', 1],
    ['cString.FindString("Hello", "l", 5)', 0],
    ['cString.FindString("Hello", "")', 0],
    ['cString.FindString("Hello", "LL", 1, cConstants.PB_String_NoCase)', 3],
    ['cString.FindString("Hello", "LL")', 0]
  ]);
});

test('ReplaceString and RemoveString, with mode, start and count', async function () {
  await runtime.check([
    ['cString.ReplaceString("a-b-c", "-", "+")', 'a+b+c'],
    ['cString.ReplaceString("aaa", "a", "aa")', 'aaaaaa'],
    ['cString.ReplaceString("Cat cat", "cat", "dog", cConstants.PB_String_NoCase)', 'dog dog'],
    ['cString.ReplaceString("a-b-c", "-", "+", 0, 3)', 'a-b+c'],
    ['cString.ReplaceString("a-b-c-d", "-", "+", 0, 1, 2)', 'a+b+c-d'],
    ['cString.ReplaceString("abc", "", "x")', 'abc'],
    ['cString.RemoveString("Hello World", "o")', 'Hell Wrld'],
    ['cString.RemoveString("aXbxc", "x", cConstants.PB_String_NoCase)', 'abc']
  ]);
});

test('InsertString and CountString', async function () {
  await runtime.check([
    ['cString.InsertString("Hello", "XX", 3)', 'HeXXllo'],
    ['cString.InsertString("Hello", "XX", 1)', 'XXHello'],
    ['cString.InsertString("Hello", "!", 6)', 'Hello!'],
    ['cString.InsertString("Hello", "!", 20)', 'Hello!'],
    ['cString.CountString("banana", "a")', 3],
    ['cString.CountString("banana", "an")', 2],
    ['cString.CountString("aaaa", "aa")', 2],
    ['cString.CountString("abc", "x")', 0]
  ]);
});

test('StringField, with empty and missing fields', async function () {
  await runtime.check([
    ['cString.StringField("a,b,c", 2, ",")', 'b'],
    ['cString.StringField("a,b,c", 1, ",")', 'a'],
    ['cString.StringField("a,,c", 2, ",")', ''],
    ['cString.StringField("a,,c", 3, ",")', 'c'],
    ['cString.StringField("a,b,c", 4, ",")', ''],
    ['cString.StringField("a,b,c", 0, ",")', ''],
    ['cString.StringField("one::two", 2, "::")', 'two'],
    ['cString.StringField("Hello World", 2, " ")', 'World']
  ]);
});

test('FormatNumber: two decimals and thousands separators by default', async function () {
  await runtime.check([
    ['cString.FormatNumber(1234567.891)', '1,234,567.89'],
    ['cString.FormatNumber(1234.5, 1)', '1,234.5'],
    ['cString.FormatNumber(999)', '999.00'],
    ['cString.FormatNumber(-1234.5)', '-1,234.50'],
    ['cString.FormatNumber(1234567, 0)', '1,234,567'],
    ['cString.FormatNumber(1234.5, 2, ",", ".")', '1.234,50'],
    ['cString.FormatNumber(0.5)', '0.50']
  ]);
});
