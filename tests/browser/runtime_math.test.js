// The math functions and random numbers in the browser, against
// PureBasic's results: one table per function, quads as BigInt and the
// values without a finite result included.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () { runtime = await openRuntimePage(); });
after(async function () { await runtime.close(); });

test('Abs and Sign', async function () {
  await runtime.check([
    ['cMath.Abs(-3.5)', 3.5],
    ['cMath.Abs(-3.14159)', 3.14159],
    ['cMath.Abs(4)', 4],
    ['cMath.Abs(-5n)', 5],
    ['cMath.Abs(-0)', 0],
    ['cMath.Sign(-8)', -1],
    ['cMath.Sign(0)', 0],
    ['cMath.Sign(0.1)', 1],
    ['cMath.Sign(-3n)', -1],
    ['cMath.Sign(cMath.NaN())', 0]
  ]);
});

test('Sqr, Pow, Exp, Log and Log10, their edges included', async function () {
  await runtime.check([
    ['cMath.Sqr(16)', 4],
    ['cMath.Sqr(2)', Math.SQRT2],
    ['cMath.Sqr(-1)', NaN],
    ['cMath.Pow(2, 10)', 1024],
    ['cMath.Pow(9, 0.5)', 3],
    ['cMath.Pow(-2, 3)', -8],
    ['cMath.Pow(-8, 1 / 3)', NaN],
    ['cMath.Pow(0, 0)', 1],
    ['cMath.Pow(2n, 3n)', 8],
    ['cMath.Exp(0)', 1],
    ['cMath.Exp(1)', Math.E],
    ['cMath.Log(Math.E)', 1],
    ['cMath.Log(1)', 0],
    ['cMath.Log(0)', -Infinity],
    ['cMath.Log(-1)', NaN],
    ['cMath.Log10(1000)', 3],
    ['cMath.Log10(0.001)', -3],
    ['cMath.Log10(0)', -Infinity]
  ]);
});

test('Trigonometry in radians; ATan2 takes x first', async function () {
  await runtime.check([
    ['cMath.Sin(0)', 0],
    ['cMath.Cos(0)', 1],
    ['Math.abs(cMath.Tan(Math.PI / 4) - 1) < 1e-12', true],
    ['cMath.ASin(1) === Math.PI / 2', true],
    ['cMath.ACos(1)', 0],
    ['cMath.ACos(2)', NaN],
    ['cMath.ATan(0)', 0],
    ['cMath.ATan2(0, 1) === Math.PI / 2', true],
    ['cMath.ATan2(1, 0)', 0],
    ['cMath.ATan2(-1, 0) === Math.PI', true],
    ['cMath.ATan2(0, -1) === -Math.PI / 2', true],
    ['cMath.ATan2(0, 0)', 0],
    ['cMath.SinH(0)', 0],
    ['cMath.CosH(0)', 1],
    ['cMath.TanH(0)', 0],
    ['cMath.ASinH(0)', 0],
    ['cMath.ACosH(1)', 0],
    ['cMath.ATanH(0)', 0],
    ['cMath.Radian(180) === Math.PI', true],
    ['cMath.Degree(Math.PI)', 180],
    ['cMath.Degree(4 * Math.PI)', 720]
  ]);
});

test('Int and IntQ cut the fraction off', async function () {
  await runtime.check([
    ['cMath.Int(2.9)', 2],
    ['cMath.Int(10.565)', 10],
    ['cMath.Int(-2.9)', -2],
    ['cMath.Int(-0.5)', 0],
    ['cMath.Int(5n)', 5],
    ['cMath.IntQ(123456789012.7)', 123456789012],
    // what no quad holds: the processor's "integer indefinite"
    ['cMath.Int(cMath.NaN())', -9223372036854775808],
    ['cMath.IntQ(1e19)', -9223372036854775808],
    ['cMath.Int(-cMath.Infinity())', -9223372036854775808]
  ]);
});

test('Round with each rounding mode, negative halves included', async function () {
  const nearest = 'cConstants.PB_Round_Nearest', down = 'cConstants.PB_Round_Down', up = 'cConstants.PB_Round_Up';
  await runtime.check([
    ['cMath.Round(11.5, ' + nearest + ')', 12],
    ['cMath.Round(-7.5, ' + nearest + ')', -8],
    ['cMath.Round(2.5, ' + nearest + ')', 3],
    ['cMath.Round(2.4, ' + nearest + ')', 2],
    ['cMath.Round(-2.5, ' + nearest + ')', -3],
    ['cMath.Round(-2.4, ' + nearest + ')', -2],
    ['cMath.Round(0.49999999999999994, ' + nearest + ')', 0],
    ['cMath.Round(11.6, ' + down + ')', 11],
    ['cMath.Round(-3.6, ' + down + ')', -4],
    ['cMath.Round(-1.5, ' + down + ')', -2],
    ['cMath.Round(2.1, ' + up + ')', 3],
    ['cMath.Round(-1.6, ' + up + ')', -1],
    ['cMath.Round(-0.4, ' + up + ')', 0],
    ['cMath.Round(7n, ' + up + ')', 7]
  ]);
});

test('Mod keeps the sign of the dividend', async function () {
  await runtime.check([
    ['cMath.Mod(7, 3)', 1],
    ['cMath.Mod(-7, 3)', -1],
    ['cMath.Mod(7, -3)', 1],
    ['cMath.Mod(7.5, 2)', 1.5],
    ['cMath.Mod(-7.5, 2)', -1.5],
    ['cMath.Mod(10n, 4)', 2],
    ['cMath.Mod(1, 0)', NaN]
  ]);
});

test('NaN and Infinity, and their tests', async function () {
  await runtime.check([
    ['cMath.IsNaN(cMath.NaN())', 1],
    ['cMath.IsNaN(1)', 0],
    ['cMath.IsNaN(5n)', 0],
    ['cMath.IsNAN(cMath.Sqr(-1))', 1],
    ['cMath.IsInfinity(cMath.Infinity())', 1],
    ['cMath.IsInfinity(-cMath.Infinity())', 1],
    ['cMath.IsInfinity(1e308)', 0],
    ['cMath.IsInfinity(5n)', 0],
    ['cMath.IsInfinity(cMath.Log(0))', 1]
  ]);
});

test('Random stays within its range, both ends included', async function () {
  // every value of the range turns up, none outside it
  function seen(call) {
    return '(function () { var seen = {}; for (var i = 0; i < 3000; i++) seen[' + call + '] = 1;' +
      ' return Object.keys(seen).map(Number).sort(function (a, b) { return a - b; }).join(); })()';
  }
  await runtime.check([
    [seen('cMath.Random(3)'), '0,1,2,3'],
    [seen('cMath.Random(10, 5)'), '5,6,7,8,9,10'],
    [seen('cMath.Random(2n, 1n)'), '1,2'],
    ['(function () { for (var i = 0; i < 2000; i++) { var r = cMath.Random(1000000, 1);' +
     ' if (r < 1 || r > 1000000 || r !== Math.floor(r)) return r; } return "ok"; })()', 'ok'],
    ['cMath.Random(0)', 0],
    ['cMath.Random(5, 5)', 5]
  ]);
});

test('RandomSeed repeats a sequence', async function () {
  function sequence(seed) {
    return 'cMath.RandomSeed(' + seed + '), [cMath.Random(1000), cMath.Random(1000), cMath.Random(1000, 10)].join()';
  }
  await runtime.check([
    ['(' + sequence(42) + ') === (' + sequence(42) + ')', true],
    ['(' + sequence(7) + ') === (' + sequence('7n') + ')', true],
    ['(' + sequence(1) + ') !== (' + sequence(2) + ')', true],
    ['(' + sequence('4294967296n') + ') !== (' + sequence(0) + ')', true]
  ]);
});
