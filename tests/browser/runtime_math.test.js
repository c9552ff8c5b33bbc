// The math functions and random numbers in the browser, against
// PureBasic's documented results.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () { runtime = await openRuntimePage(); });
after(async function () { await runtime.close(); });

test('Abs, Sign, Sqr, Pow, Exp, Log, Log10', async function () {
  await runtime.check([
    ['cMath.Abs(-3.5)', 3.5],
    ['cMath.Abs(4)', 4],
    ['cMath.Sign(-8)', -1],
    ['cMath.Sign(0)', 0],
    ['cMath.Sign(0.1)', 1],
    ['cMath.Sqr(16)', 4],
    ['cMath.Pow(2, 10)', 1024],
    ['cMath.Pow(9, 0.5)', 3],
    ['cMath.Exp(0)', 1],
    ['cMath.Log(Math.E)', 1],
    ['cMath.Log10(1000)', 3]
  ]);
});

test('Trigonometry in radians; ATan2 takes x first', async function () {
  await runtime.check([
    ['cMath.Sin(0)', 0],
    ['cMath.Cos(0)', 1],
    ['Math.abs(cMath.Tan(Math.PI / 4) - 1) < 1e-12', true],
    ['cMath.ASin(1) === Math.PI / 2', true],
    ['cMath.ACos(1)', 0],
    ['cMath.ATan(0)', 0],
    ['cMath.ATan2(0, 1) === Math.PI / 2', true],
    ['cMath.ATan2(1, 0)', 0],
    ['cMath.ATan2(-1, 0) === Math.PI', true],
    ['cMath.Radian(180) === Math.PI', true],
    ['cMath.Degree(Math.PI)', 180]
  ]);
});

test('Int and IntQ cut the fraction off', async function () {
  await runtime.check([
    ['cMath.Int(2.9)', 2],
    ['cMath.Int(-2.9)', -2],
    ['cMath.Int(-0.5)', 0],
    ['cMath.IntQ(123456789012.7)', 123456789012]
  ]);
});

test('Round with each rounding mode, negative halves included', async function () {
  await runtime.check([
    ['cMath.Round(2.5, cConstants.PB_Round_Nearest)', 3],
    ['cMath.Round(2.4, cConstants.PB_Round_Nearest)', 2],
    ['cMath.Round(-2.5, cConstants.PB_Round_Nearest)', -3],
    ['cMath.Round(-1.5, cConstants.PB_Round_Nearest)', -2],
    ['cMath.Round(-2.4, cConstants.PB_Round_Nearest)', -2],
    ['cMath.Round(2.7, cConstants.PB_Round_Down)', 2],
    ['cMath.Round(-1.5, cConstants.PB_Round_Down)', -2],
    ['cMath.Round(2.1, cConstants.PB_Round_Up)', 3],
    ['cMath.Round(-2.7, cConstants.PB_Round_Up)', -2],
    ['cMath.Round(-0.4, cConstants.PB_Round_Up)', 0]
  ]);
});

test('Mod keeps the sign of the dividend', async function () {
  await runtime.check([
    ['cMath.Mod(7, 3)', 1],
    ['cMath.Mod(-7, 3)', -1],
    ['cMath.Mod(7.5, 2)', 1.5]
  ]);
});

test('NaN and Infinity, and their tests', async function () {
  await runtime.check([
    ['cMath.IsNAN(cMath.NaN())', 1],
    ['cMath.IsNAN(1)', 0],
    ['cMath.IsInfinity(cMath.Infinity())', 1],
    ['cMath.IsInfinity(-cMath.Infinity())', 1],
    ['cMath.IsInfinity(1e308)', 0],
    ['cMath.IsNAN(cMath.Sqr(-1))', 1]
  ]);
});

test('Random stays within its bounds, the minimum included', async function () {
  await runtime.check([
    ['(function () { for (var i = 0; i < 2000; i++) { var r = cMath.Random(6, 1);' +
     ' if (r < 1 || r > 6 || r !== Math.floor(r)) return r; } return "ok"; })()', 'ok'],
    ['(function () { for (var i = 0; i < 2000; i++) { var r = cMath.Random(3);' +
     ' if (r < 0 || r > 3) return r; } return "ok"; })()', 'ok'],
    ['(function () { var seen = {}; for (var i = 0; i < 2000; i++) seen[cMath.Random(3)] = 1;' +
     ' return Object.keys(seen).sort().join(); })()', '0,1,2,3'],
    ['cMath.Random(0)', 0],
    ['cMath.Random(5, 5)', 5]
  ]);
});

test('RandomSeed repeats a sequence', async function () {
  await runtime.check([
    ['(function () { cMath.RandomSeed(42); var a = [cMath.Random(1000), cMath.Random(1000), cMath.Random(1000)];' +
     ' cMath.RandomSeed(42); var b = [cMath.Random(1000), cMath.Random(1000), cMath.Random(1000)];' +
     ' return a.join() === b.join(); })()', true],
    ['(function () { cMath.RandomSeed(1); var a = cMath.Random(1000000);' +
     ' cMath.RandomSeed(2); return a !== cMath.Random(1000000); })()', true]
  ]);
});
