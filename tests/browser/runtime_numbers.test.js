// cNum: PureBasic's integer arithmetic in the emitted code, in Chromium.
// The values are PureBasic's: 64-bit two's complement bits for the bit
// operators (on integers that a double holds exactly), halves to even when
// a float is stored into an integer.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () { runtime = await openRuntimePage(); });
after(async function () { await runtime.close(); });

test('bit operators keep all 53 bits', async function () {
  await runtime.check([
    ['cNum.and(6, 3)', 2],
    ['cNum.and(Math.pow(2, 40) + 5, 4)', 4],
    ['cNum.and(-1, Math.pow(2, 40))', 1099511627776],
    ['cNum.and(-8, Math.pow(2, 35) + 15)', 34359738376],
    ['cNum.or(Math.pow(2, 32), 1)', 4294967297],
    ['cNum.or(-Math.pow(2, 33), 5)', -8589934587],
    ['cNum.xor(Math.pow(2, 32) + 1, 1)', 4294967296],
    ['cNum.xor(-1, 5)', -6],
    ['cNum.not(5)', -6],
    ['cNum.not(Math.pow(2, 40))', -1099511627777]
  ]);
});

test('shifts as 64-bit integers', async function () {
  await runtime.check([
    ['cNum.shl(1, 31)', 2147483648],
    ['cNum.shl(1, 40)', 1099511627776],
    ['cNum.shl(-1, 3)', -8],
    ['cNum.shl(3, 62)', -4611686018427387904],
    ['cNum.shr(-128, 1)', -64],
    ['cNum.shr(Math.pow(2, 40), 8)', 4294967296],
    ['cNum.shr(-1, 40)', -1],
    ['cNum.shr(5, 1)', 2]
  ]);
});

test('a float stored into an integer rounds halves to even', async function () {
  await runtime.check([
    ['cNum.round(2.5)', 2], ['cNum.round(3.5)', 4], ['cNum.round(-2.5)', -2],
    ['cNum.round(-3.5)', -4], ['cNum.round(2.4999)', 2], ['cNum.round(2.5000001)', 3],
    ['cNum.round(-0.4)', 0], ['cNum.round(7)', 7],
    ['String(cNum.quad(2.5))', '2'], ['String(cNum.quad(-7.5))', '-8'],
    ['String(cNum.quad(9007199254740993n))', '9007199254740993']
  ]);
});
