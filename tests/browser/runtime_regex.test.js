// Regular expressions in the browser: PCRE patterns as PureBasic takes them,
// on the browser's own engine, with PureBasic's functions and results.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () {
  runtime = await openRuntimePage();
  await runtime.evaluate(['var R = cRegularExpression, C = cConstants;' +
    // [match?] of a pattern (with flags) on a text
    ' function matches(p, text, flags) { R.CreateRegularExpression(9, p, flags || 0);' +
    '   return R.MatchRegularExpression(9, text); }' +
    // the whole matches of a pattern on a text
    ' function all(p, text, flags) { var a = []; R.CreateRegularExpression(9, p, flags || 0);' +
    '   R.ExtractRegularExpression(9, text, a); return a; }' +
    // each match as "text@position/length" with its groups "text@position"
    ' function walk(p, text) { R.CreateRegularExpression(8, p); R.ExamineRegularExpression(8, text); var out = [];' +
    '   while (R.NextRegularExpressionMatch(8)) { var g = [];' +
    '     for (var i = 1; i <= R.CountRegularExpressionGroups(8); i++)' +
    '       g.push(R.RegularExpressionGroup(8, i) + "@" + R.RegularExpressionGroupPosition(8, i));' +
    '     out.push(R.RegularExpressionMatchString(8) + "@" + R.RegularExpressionMatchPosition(8) + "/" +' +
    '       R.RegularExpressionMatchLength(8) + (g.length ? " " + g.join(" ") : "")); }' +
    '   return out; }']);
});
after(async function () { await runtime.close(); });

function q(text) { return JSON.stringify(text); }

test('Match, Extract and Replace as in PureBasic\'s own example', async function () {
  await runtime.check([
    ['R.CreateRegularExpression(0, "[a-z]b[A-Z]") !== 0', true],
    ['[R.MatchRegularExpression(0, "abC"), R.MatchRegularExpression(0, "abc"), R.MatchRegularExpression(0, "xx abC xx")]',
     [1, 0, 1]],
    ['var parts = ["old"]; [R.ExtractRegularExpression(0, "abC ABc zbA abc", parts), parts]', [2, ['abC', 'zbA']]],
    ['R.ReplaceRegularExpression(0, "abC ABc zbA abc", "---")', '--- ABc --- abc'],
    // the replacement is put in as written
    ['R.CreateRegularExpression(1, "(\\\\w+)@"); R.ReplaceRegularExpression(1, "a@b", "$1\\\\1")', '$1\\1b'],
    ['var r = R.CreateRegularExpression(C.PB_Any, "x"); var was = R.IsRegularExpression(r);' +
     ' R.FreeRegularExpression(r); [was, R.IsRegularExpression(r), R.IsRegularExpression(12345)]', [1, 0, 0]]
  ]);
});

test('Examine and the matches with their groups, positions 1-based', async function () {
  await runtime.check([
    ['walk("\\\\d+", "a1 22 333")', ['1@2/1', '22@4/2', '333@7/3']],
    // group positions count within the match; a group that took no part is "" at 0
    ['walk("(\\\\w+)=(\\\\d+)?", "x=1 yy=")', ['x=1@1/3 x@1 1@3', 'yy=@5/3 yy@1 @0']],
    ['walk("x*", "axxb")', ['@1/0', 'xx@2/2', '@4/0', '@5/0']],
    ['R.CreateRegularExpression(7, "(?<key>\\\\w+):(?<value>\\\\w+)"); R.ExamineRegularExpression(7, "id a:bc");' +
     ' R.NextRegularExpressionMatch(7); [R.CountRegularExpressionGroups(7), R.RegularExpressionNamedGroup(7, "value"),' +
     ' R.RegularExpressionNamedGroupPosition(7, "value"), R.RegularExpressionNamedGroupLength(7, "value"),' +
     ' R.RegularExpressionNamedGroup(7, "Value"), R.RegularExpressionGroup(7, 3), R.NextRegularExpressionMatch(7)]',
     [2, 'bc', 3, 2, '', '', 0]]
  ]);
});

test('The flags and PCRE\'s meaning of ".", "^", "$" and the newlines', async function () {
  await runtime.check([
    ['matches("abc", "xABC", C.PB_RegularExpression_NoCase)', 1],
    ['[matches("a.b", "a\\nb"), matches("a.b", "a\\nb", C.PB_RegularExpression_DotAll), matches("a.b", "a\\rb")]', [0, 1, 1]],
    ['[matches("^b", "a\\nb"), matches("^b", "a\\nb", C.PB_RegularExpression_MultiLine)]', [0, 1]],
    // "$" also matches before a final line feed; \z only at the very end
    ['[matches("a$", "a\\n"), matches("a\\\\z", "a\\n"), matches("a\\\\Z", "a\\n"), matches("a\\\\A", "a")]', [1, 0, 1, 0]],
    ['[matches("a$", "a\\r\\nb", C.PB_RegularExpression_MultiLine),' +
     ' matches("a$", "a\\r\\nb", C.PB_RegularExpression_MultiLine | C.PB_RegularExpression_AnyNewLine)]', [0, 1]],
    ['all("^\\\\w+$", "one\\rtwo\\r\\nthree", C.PB_RegularExpression_MultiLine | C.PB_RegularExpression_AnyNewLine)',
     ['one', 'two', 'three']],
    ['matches("a b # comment\\n c", "abc", C.PB_RegularExpression_Extended)', 1],
    ['[matches("(?x) a b", "ab"), matches("(?s)a.b", "a\\nb"), matches("(?m)^b", "a\\nb")]', [1, 1, 1]]
  ]);
});

test('PCRE syntax that JavaScript writes otherwise', async function () {
  await runtime.check([
    // possessive and atomic: what they took is not given back
    ['[matches("a++a", "aaa"), matches("a+a", "aaa"), matches("(?>a|ab)c", "abc"), matches("(?>ab|a)c", "abc")]',
     [0, 1, 0, 1]],
    ['walk("(a)++(b)", "aab")', ['aab@1/3 a@2 b@3']],
    // inline options hold to the end of their group
    ['[matches("(?i)abc", "ABC"), matches("a(?i)b", "aB"), matches("a(?i)b", "AB"), matches("(?i:x)y", "Xy"),' +
     ' matches("(?i:x)y", "XY"), matches("(a(?i)b|c)", "C")]', [1, 1, 0, 1, 0, 1]],
    ['[matches("\\\\Q1+1\\\\E", "1+1"), matches("\\\\Q1+1\\\\E", "11")]', [1, 0]],
    ['[all("[[:digit:]]+", "ab12cd345"), all("[[:^alpha:]]", "ab1")]', [['12', '345'], ['1']]],
    ['[all("\\\\p{Lu}+", "aBCd\u00c9"), matches("\\\\x{E9}", "\u00e9"), matches("\\\\x41", "A")]', [['BC', '\u00c9'], 1, 1]],
    ['[matches("a\\\\Rb", "a\\r\\nb"), matches("a\\\\Rb", "a\\nb"), all("\\\\h+", "a \\t b")]', [1, 1, [' \t ']]],
    ['[all("(\\\\w)\\\\1", "aabbc"), all("(?<c>\\\\w)\\\\k<c>", "xxyz"), all("(?P<c>\\\\w)(?P=c)", "zz")]',
     [['aa', 'bb'], ['xx'], ['zz']]],
    ['[all("[\\\\w-.]+", "a-b.c d"), all("x{2}", "xxxxx")]', [['a-b.c', 'd'], ['xx', 'xx']]],
    ['R.translate("a*+b")', '/(?:(?=(a*))\\1)b/dgu'],
    ['R.translate("(?i)a.$")', '/a[^\\n](?:(?![\\s\\S])|(?=\\n)(?=\\n(?![\\s\\S])))/dgui']
  ]);
});

test('A pattern that cannot be used fails with its message', async function () {
  const cases = [
    ['a(b', 'missing closing parenthesis'],
    ['a)', 'unmatched closing parenthesis'],
    ['[ab', 'missing terminating ] for character class'],
    ['*a', 'quantifier does not follow a repeatable item'],
    ['a{3,1}', 'numbers out of order in {} quantifier'],
    ['[z-a]', 'range out of order in character class'],
    ['(a)\\2', 'reference to non-existent subpattern'],
    ['\\', '\\ at end of pattern'],
    ['a(?R)', 'recursion is not supported in the page'],
    ['(?(1)a|b)', 'conditional groups are not supported in the page'],
    ['\\Ga', '\\G is not supported in the page'],
    ['\\p{Nonsense}', 'unknown property name after \\P or \\p']
  ];
  await runtime.check(cases.map(function (c) {
    return ['[R.CreateRegularExpression(5, ' + q(c[0]) + '), R.RegularExpressionError()]', [0, c[1]]];
  }).concat([
    // the message stays until another creation fails
    ['R.CreateRegularExpression(5, "ok"); R.RegularExpressionError()', 'unknown property name after \\P or \\p']
  ]));
});
