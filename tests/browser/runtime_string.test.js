// The string library in the browser, against PureBasic's results: one
// table per function, its edges included (positions and lengths outside
// the text, negative values, quads as BigInt, NaN and the infinities,
// characters beyond ASCII).
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () { runtime = await openRuntimePage(); });
after(async function () { await runtime.close(); });

const kMinQuad = '-9223372036854775808';

test('Asc, Chr, Len: characters beyond 255', async function () {
  await runtime.check([
    ['cString.Asc("A")', 65],
    ['cString.Asc("abc")', 97],
    ['cString.Asc("")', 0],
    ['cString.Asc("é")', 233],
    ['cString.Asc("€")', 8364],
    ['cString.Asc("日本")', 26085],
    ['cString.Chr(65)', 'A'],
    ['cString.Chr(9)', '\t'],
    ['cString.Chr(8364)', '€'],
    ['cString.Chr(26085)', '日'],
    ['cString.Chr(233n)', 'é'],
    ['cString.Chr(65535)', '\uFFFF'],
    // no character: 0 ends a string, surrogates and codes past $FFFF are invalid
    ['cString.Chr(0)', ''],
    ['cString.Chr(0xD800)', ''],
    ['cString.Chr(0x10000)', ''],
    ['cString.Chr(-1)', ''],
    ['cString.Chr(-0)', ''],
    ['cString.Chr(4294967361)', ''],
    // a fraction is rounded as the integer parameter stores it, halves to even
    ['cString.Chr(66.5)', 'B'],
    ['cString.Len("Hello")', 5],
    ['cString.Len("")', 0],
    ['cString.Len("Größe ≥ 5 €, 日本")', 15]
  ]);
});

test('Str writes the quad: fractions rounded, halves to even', async function () {
  await runtime.check([
    ['cString.Str(42)', '42'],
    ['cString.Str(-7)', '-7'],
    ['cString.Str(0)', '0'],
    ['cString.Str(-0)', '0'],
    ['cString.Str(2.7)', '3'],
    ['cString.Str(-2.7)', '-3'],
    ['cString.Str(2.5)', '2'],
    ['cString.Str(3.5)', '4'],
    ['cString.Str(-2.5)', '-2'],
    ['cString.Str(1 / 3)', '0'],
    ['cString.Str(9007199254740991)', '9007199254740991'],
    ['cString.Str(-9007199254740991)', '-9007199254740991'],
    ['cString.Str(2 ** 53)', '9007199254740992'],
    ['cString.Str(2 ** 62)', '4611686018427387904'],
    ['cString.Str(9007199254740993n)', '9007199254740993'],
    ['cString.Str(9223372036854775807n)', '9223372036854775807'],
    ['cString.Str(-9223372036854775808n)', kMinQuad],
    // what no quad holds: the processor's "integer indefinite"
    ['cString.Str(cMath.NaN())', kMinQuad],
    ['cString.Str(cMath.Infinity())', kMinQuad],
    ['cString.Str(1e19)', kMinQuad]
  ]);
});

test('StrD: ten decimals without trailing zeros, or rounded to the count', async function () {
  await runtime.check([
    ['cString.StrD(2.5)', '2.5'],
    ['cString.StrD(10)', '10'],
    ['cString.StrD(1 / 3)', '0.3333333333'],
    ['cString.StrD(2 / 3)', '0.6666666667'],
    ['cString.StrD(0.000012345)', '0.000012345'],
    ['cString.StrD(1e-11)', '0'],
    ['cString.StrD(-1e-11)', '0'],
    ['cString.StrD(123456789.123456789)', '123456789.123456791'],
    ['cString.StrD(1e21)', '1000000000000000000000'],
    ['cString.StrD(3.14159, 2)', '3.14'],
    ['cString.StrD(1, 3)', '1.000'],
    ['cString.StrD(2.75, 0)', '3'],
    ['cString.StrD(2.5, 0)', '3'],
    ['cString.StrD(-2.5, 0)', '-3'],
    ['cString.StrD(-1.5, 1)', '-1.5'],
    ['cString.StrD(0.125, 2)', '0.13'],
    ['cString.StrD(-0.001, 2)', '0.00'],
    ['cString.StrD(1e21, 2)', '1000000000000000000000.00'],
    ['cString.StrD(1152921504606846976n)', '1152921504606846976'],
    ['cString.StrD(7, 2n)', '7.00'],
    ['cString.StrD(cMath.NaN())', 'NaN'],
    ['cString.StrD(cMath.Infinity())', '+Infinity'],
    ['cString.StrD(-cMath.Infinity(), 2)', '-Infinity']
  ]);
});

test('StrF works on the single-precision float', async function () {
  await runtime.check([
    // a float holds 1.1 as 1.10000002384...
    ['cString.StrF(1.1)', '1.1000000238'],
    ['cString.StrF(1.1, 2)', '1.10'],
    ['cString.StrF(0.5)', '0.5'],
    ['cString.StrF(0.1, 10)', '0.1000000015'],
    ['cString.StrF(16777217)', '16777216'],
    ['cString.StrF(cMath.NaN())', 'NaN'],
    ['cString.StrF(-cMath.Infinity())', '-Infinity']
  ]);
});

test('StrU, Hex and Bin see the value as unsigned, a quad unless a type is given', async function () {
  await runtime.check([
    ['cString.Hex(255)', 'FF'],
    ['cString.Hex(0)', '0'],
    ['cString.Hex(12)', 'C'],
    ['cString.Hex(1234567890)', '499602D2'],
    ['cString.Hex(-1)', 'FFFFFFFFFFFFFFFF'],
    ['cString.Hex(-1, cConstants.PB_Quad)', 'FFFFFFFFFFFFFFFF'],
    ['cString.Hex(-1, cConstants.PB_Integer)', 'FFFFFFFFFFFFFFFF'],
    ['cString.Hex(-1, cConstants.PB_Long)', 'FFFFFFFF'],
    ['cString.Hex(-1, cConstants.PB_Word)', 'FFFF'],
    ['cString.Hex(-1, cConstants.PB_Unicode)', 'FFFF'],
    ['cString.Hex(-1, cConstants.PB_Character)', 'FFFF'],
    ['cString.Hex(-1, cConstants.PB_Byte)', 'FF'],
    ['cString.Hex(-1, cConstants.PB_Ascii)', 'FF'],
    ['cString.Hex(256, cConstants.PB_Byte)', '0'],
    ['cString.Hex(255.5)', '100'],
    ['cString.Hex(0x123456789ABCDEF0n)', '123456789ABCDEF0'],
    ['cString.Hex(-2n)', 'FFFFFFFFFFFFFFFE'],
    ['cString.Hex(-9223372036854775808n)', '8000000000000000'],
    ['cString.Bin(5)', '101'],
    ['cString.Bin(-1, cConstants.PB_Byte)', '11111111'],
    ['cString.Bin(-2, cConstants.PB_Word)', '1111111111111110'],
    ['cString.Bin(-9223372036854775808n)', '1' + '0'.repeat(63)],
    ['cString.StrU(200)', '200'],
    ['cString.StrU(-1, cConstants.PB_Byte)', '255'],
    ['cString.StrU(-56, cConstants.PB_Ascii)', '200'],
    ['cString.StrU(-1, cConstants.PB_Word)', '65535'],
    ['cString.StrU(-1, cConstants.PB_Long)', '4294967295'],
    ['cString.StrU(-1)', '18446744073709551615'],
    ['cString.StrU(-1n)', '18446744073709551615']
  ]);
});

test('Val reads a quad at the start of the text, with its prefix', async function () {
  await runtime.check([
    ['cString.Val("123")', 123],
    ['cString.Val("12abc")', 12],
    ['cString.Val("abc")', 0],
    ['cString.Val("")', 0],
    ['cString.Val("-45")', -45],
    ['cString.Val("+8")', 8],
    ['cString.Val("  7")', 7],
    ['cString.Val("\\t42")', 42],
    ['cString.Val("3.9")', 3],
    ['cString.Val("1e3")', 1],
    ['cString.Val("$FF")', 255],
    ['cString.Val("$ff")', 255],
    ['cString.Val("$1Fg")', 31],
    ['cString.Val("$")', 0],
    ['cString.Val("-$10")', -16],
    ['cString.Val("$7FFFFFFF")', 2147483647],
    ['cString.Val("$FFFFFFFFFFFFFFFF")', -1],
    ['cString.Val("%101")', 5],
    ['cString.Val("%102")', 2]
  ]);
});

test('ValD and ValF read a decimal or exponent form, NaN and the infinities', async function () {
  await runtime.check([
    ['cString.ValD("3.25")', 3.25],
    ['cString.ValD("-0.5x")', -0.5],
    ['cString.ValD("1.5e3")', 1500],
    ['cString.ValD("1.5e3 kg")', 1500],
    ['cString.ValD("1e-2")', 0.01],
    ['cString.ValD("1e")', 1],
    ['cString.ValD(".5")', 0.5],
    ['cString.ValD("5.")', 5],
    ['cString.ValD("+2.5")', 2.5],
    ['cString.ValD("  2")', 2],
    ['cString.ValD("1,5")', 1],
    ['cString.ValD("abc")', 0],
    ['cString.ValD("$FF")', 0],
    ['cString.ValD("NaN")', NaN],
    ['cString.ValD("+Infinity")', Infinity],
    ['cString.ValD("-Infinity")', -Infinity],
    ['cString.ValF("2.5")', 2.5],
    ['cString.ValF("0.1") === Math.fround(0.1)', true]
  ]);
});

test('Left, Right and Mid with positions and lengths outside the text', async function () {
  await runtime.check([
    ['cString.Left("Hello", 2)', 'He'],
    ['cString.Left("Hello", 10)', 'Hello'],
    ['cString.Left("Hello", 0)', ''],
    ['cString.Left("Hello", -1)', ''],
    ['cString.Left("Hello", 2n)', 'He'],
    ['cString.Left("Hello", 4294967298)', 'Hello'],
    ['cString.Right("Hello", 3)', 'llo'],
    ['cString.Right("Hello", 9)', 'Hello'],
    ['cString.Right("Hello", 0)', ''],
    ['cString.Right("Hello", -2)', ''],
    ['cString.Mid("Hello", 2, 1)', 'e'],
    ['cString.Mid("Hello", 2, 3)', 'ell'],
    ['cString.Mid("Hello", 2)', 'ello'],
    ['cString.Mid("Hello", 4, 10)', 'lo'],
    ['cString.Mid("Hello", 6)', ''],
    ['cString.Mid("Hello", 10, 2)', ''],
    ['cString.Mid("Hello", 1, 0)', ''],
    ['cString.Mid("Hello", 0, 2)', 'He'],
    ['cString.Mid("Hello", -3)', 'Hello'],
    ['cString.Mid("Hello", 2, -1)', 'ello'],
    ['cString.Mid("Größe", 3, 1)', 'ö'],
    ['cString.Mid("Hello", 2.5, 1.5)', 'el']
  ]);
});

test('LCase and UCase, accented letters included, one character for one', async function () {
  await runtime.check([
    ['cString.LCase("PureBasic")', 'purebasic'],
    ['cString.UCase("PureBasic")', 'PUREBASIC'],
    ['cString.UCase("größe")', 'GRÖßE'],
    ['cString.UCase("straße")', 'STRAßE'],
    ['cString.LCase("ÄÖÜ ÉÀ")', 'äöü éà'],
    ['cString.UCase("ÿ")', 'Ÿ'],
    ['cString.UCase("日本 ≥ 5 €")', '日本 ≥ 5 €']
  ]);
});

test('ReverseString and Space', async function () {
  await runtime.check([
    ['cString.ReverseString("abc")', 'cba'],
    ['cString.ReverseString("Größe")', 'eßörG'],
    ['cString.ReverseString("")', ''],
    ['cString.Space(3)', '   '],
    ['cString.Space(0)', ''],
    ['cString.Space(-2)', ''],
    ['cString.Space(2n)', '  ']
  ]);
});

test('Trim, LTrim and RTrim remove spaces or the given character only', async function () {
  await runtime.check([
    ['cString.Trim("  ab  ")', 'ab'],
    ['cString.LTrim("  ab  ")', 'ab  '],
    ['cString.RTrim("  ab  ")', '  ab'],
    ['cString.Trim("\\tab\\t")', '\tab\t'],
    ['cString.Trim("!!Hello!!", "!")', 'Hello'],
    ['cString.Trim("xxabxx", "x")', 'ab'],
    ['cString.LTrim("00120", "0")', '120'],
    ['cString.RTrim("1.500", "0")', '1.5'],
    ['cString.Trim("--a--", "-x")', 'a'],
    ['cString.Trim("     ")', '']
  ]);
});

test('LSet and RSet pad to the length with a character, or keep the left part', async function () {
  await runtime.check([
    ['cString.LSet("ab", 5)', 'ab   '],
    ['cString.LSet("ab", 5, "*")', 'ab***'],
    ['cString.RSet("ab", 5)', '   ab'],
    ['cString.RSet("42", 5, "0")', '00042'],
    ['cString.RSet("R", 8, "-")', '-------R'],
    ['cString.RSet("ab", 4, "xy")', 'xxab'],
    ['cString.LSet("LongString", 4)', 'Long'],
    ['cString.RSet("LongString", 4)', 'Long'],
    ['cString.LSet("ab", 0)', ''],
    ['cString.RSet("ab", -1)', ''],
    ['cString.RSet("ab", 3n)', ' ab']
  ]);
});

test('FindString with a start and a mode', async function () {
  await runtime.check([
    ['cString.FindString("Hello World", "o")', 5],
    ['cString.FindString("Hello World", "o", 6)', 8],
    ['cString.FindString("Hello World", "x")', 0],
    ['cString.FindString("Hello World", "H", 0)', 1],
    ['cString.FindString("Hello", "l", -5)', 3],
    ['cString.FindString("Hello", "l", 5)', 0],
    ['cString.FindString("Hello", "o", 99)', 0],
    ['cString.FindString("Hello", "")', 0],
    ['cString.FindString("Hello", "LL")', 0],
    ['cString.FindString("Hello", "LL", 1, cConstants.PB_String_NoCase)', 3],
    ['cString.FindString("GRÖSSE größe", "größe", 1, cConstants.PB_String_NoCase)', 8],
    ['cString.FindString("a€b€", "€", 3n)', 4]
  ]);
});

test('ReplaceString and RemoveString, with mode, start and count', async function () {
  await runtime.check([
    ['cString.ReplaceString("a-b-c", "-", "+")', 'a+b+c'],
    ['cString.ReplaceString("aaa", "a", "aa")', 'aaaaaa'],
    ['cString.ReplaceString("Cat cat", "cat", "dog", cConstants.PB_String_NoCase)', 'dog dog'],
    ['cString.ReplaceString("Hello again, hello again", "HELLO", "oh no...", cConstants.PB_String_NoCase, 10)',
     'Hello again, oh no... again'],
    ['cString.ReplaceString("abc", "b", "x", cConstants.PB_String_InPlace)', 'axc'],
    ['cString.ReplaceString("a-b-c", "-", "+", 0, 3)', 'a-b+c'],
    ['cString.ReplaceString("a-b-c-d", "-", "+", 0, 1, 2)', 'a+b+c-d'],
    ['cString.ReplaceString("a-b", "-", "+", 0, 99)', 'a-b'],
    ['cString.ReplaceString("abc", "", "x")', 'abc'],
    ['cString.ReplaceString("Größe", "ö", "oe")', 'Groeße'],
    ['cString.RemoveString("This is Art", "is")', 'Th  Art'],
    ['cString.RemoveString("Hello World", "o")', 'Hell Wrld'],
    ['cString.RemoveString("aXbxc", "x", cConstants.PB_String_NoCase)', 'abc'],
    ['cString.RemoveString("a.b.c.d", ".", 0, 1, 2)', 'abc.d']
  ]);
});

test('InsertString, CountString and StringField out of range', async function () {
  await runtime.check([
    ['cString.InsertString("Hello", "XX", 3)', 'HeXXllo'],
    ['cString.InsertString("Hello", "XX", 1)', 'XXHello'],
    ['cString.InsertString("Hello", "!", 0)', '!Hello'],
    ['cString.InsertString("Hello", "!", 6)', 'Hello!'],
    ['cString.InsertString("Hello", "!", 20)', 'Hello!'],
    ['cString.CountString("How many \'ow\' contains Bow ?", "ow")', 3],
    ['cString.CountString("banana", "an")', 2],
    ['cString.CountString("aaaa", "aa")', 2],
    ['cString.CountString("abc", "x")', 0],
    ['cString.CountString("abc", "")', 0],
    ['cString.StringField("a,b,c", 2, ",")', 'b'],
    ['cString.StringField("a,,c", 2, ",")', ''],
    ['cString.StringField("a,b,c", 4, ",")', ''],
    ['cString.StringField("a,b,c", 0, ",")', ''],
    ['cString.StringField("a,b,c", -1, ",")', ''],
    ['cString.StringField("one::two", 2, "::")', 'two'],
    ['cString.StringField("abc", 1, "")', 'abc'],
    ['cString.StringField("x;y", 2n, ";")', 'y']
  ]);
});

test('FormatNumber: two decimals and thousands separators by default', async function () {
  await runtime.check([
    ['cString.FormatNumber(125400.25)', '125,400.25'],
    ['cString.FormatNumber(1234567.891)', '1,234,567.89'],
    ['cString.FormatNumber(1234.5, 1)', '1,234.5'],
    ['cString.FormatNumber(999)', '999.00'],
    ['cString.FormatNumber(-1234.5)', '-1,234.50'],
    ['cString.FormatNumber(1234567, 0)', '1,234,567'],
    ['cString.FormatNumber(1234.5, 2, ",", ".")', '1.234,50'],
    ['cString.FormatNumber(1234.5, 2, ".", "")', '1234.50'],
    ['cString.FormatNumber(0.5)', '0.50'],
    ['cString.FormatNumber(0.125)', '0.13'],
    ['cString.FormatNumber(-0.001)', '0.00'],
    ['cString.FormatNumber(1e21)', '1,000,000,000,000,000,000,000.00'],
    ['cString.FormatNumber(1000000n, 0)', '1,000,000']
  ]);
});

test('The text of a number joined to a string', async function () {
  await runtime.check([
    ['cString.text(7)', '7'],
    ['cString.text(2.5)', '2.5'],
    ['cString.text(1 / 3)', '0.3333333333'],
    ['cString.text(12345678901234567890n)', '12345678901234567890'],
    ['cString.text(cMath.NaN())', 'NaN'],
    ['cString.text(-cMath.Infinity())', '-Infinity'],
    ['cString.text(null)', '']
  ]);
});
