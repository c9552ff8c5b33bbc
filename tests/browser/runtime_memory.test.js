// The memory library in the browser: blocks of one byte heap, every Peek and
// Poke (little-endian), texts in their formats, and the fields that the
// translation of pointers reads and writes by offset and type.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () {
  runtime = await openRuntimePage();
  await runtime.evaluate(['var M = cMemory, C = cConstants, m = M.AllocateMemory(64)']);
});
after(async function () { await runtime.close(); });

// The bytes at m, as a list.
function bytes(count) {
  return 'Array.from({ length: ' + count + ' }, function (x, i) { return M.PeekA(m + i); })';
}

test('AllocateMemory gives zeroed, aligned blocks, never at address 0', async function () {
  await runtime.check([
    ['m > 0 && m % 16 === 0', true],
    ['M.MemorySize(m)', 64],
    [bytes(4), [0, 0, 0, 0]],
    ['M.AllocateMemory(0)', 0],
    ['M.AllocateMemory(-5)', 0],
    ['M.MemorySize(12345)', 0],
    // a freed block is given again, cleared
    ['var f = M.AllocateMemory(32); M.PokeL(f, 99); M.FreeMemory(f); var g = M.AllocateMemory(20);' +
     ' [g === f, M.PeekL(g), M.MemorySize(g)]', [true, 0, 20]],
    ['var n = M.AllocateMemory(8, C.PB_Memory_NoClear); n > 0', true]
  ]);
});

test('ReAllocateMemory grows in place or moves, keeping the bytes', async function () {
  await runtime.check([
    ['var r = M.AllocateMemory(10); M.PokeA(r + 9, 7); var r1 = M.ReAllocateMemory(r, 16);' +
     ' [r1 === r, M.PeekA(r1 + 9), M.PeekA(r1 + 12), M.MemorySize(r1)]', [true, 7, 0, 16]],
    ['var r2 = M.ReAllocateMemory(r1, 100); [r2 !== r1, M.PeekA(r2 + 9), M.PeekA(r2 + 99), M.MemorySize(r2)]',
     [true, 7, 0, 100]],
    ['[M.ReAllocateMemory(r2, -1), M.MemorySize(r2)]', [0, 100]],
    ['M.MemorySize(M.ReAllocateMemory(0, 8))', 8],
    // the heap grows and the blocks made before stay where they were
    ['M.PokeL(m, 1234); var big = M.AllocateMemory(3000000); M.PokeL(big + 2999996, 42);' +
     ' [M.PeekL(big + 2999996), M.PeekL(m)]', [42, 1234]]
  ]);
});

test('Peek and Poke of every type, little-endian, wrapped to the width', async function () {
  await runtime.check([
    ['M.PokeB(m, 200); [M.PeekB(m), M.PeekA(m)]', [-56, 200]],
    ['M.PokeA(m, -1); M.PeekA(m)', 255],
    ['M.PokeW(m, -2); [M.PeekW(m), M.PeekU(m), M.PeekC(m)].concat(' + bytes(2) + ')', [-2, 65534, 65534, 254, 255]],
    ['M.PokeL(m, 0x12345678); ' + bytes(4), [0x78, 0x56, 0x34, 0x12]],
    ['M.PokeL(m, 4294967295); M.PeekL(m)', -1],
    ['M.PokeI(m, -1); [M.PeekI(m), M.PeekL(m + 4)]', [-1, -1]],
    ['M.PokeI(m, Math.pow(2, 40) + 5); [M.PeekI(m), M.PeekL(m), M.PeekL(m + 4)]', [1099511627781, 5, 256]],
    ['M.PokeQ(m, 9223372036854775807n); String(M.PeekQ(m))', '9223372036854775807'],
    ['M.PokeQ(m, -2); [typeof M.PeekQ(m), String(M.PeekQ(m)), M.PeekI(m)]', ['bigint', '-2', -2]],
    ['M.PokeI(m, 5n); M.PeekI(m)', 5],
    ['M.PokeF(m, 0.1); M.PeekF(m)', 0.10000000149011612],
    ['M.PokeD(m, 0.1); M.PeekD(m)', 0.1],
    // a fraction rounds to the nearest integer, halves to even
    ['[2.5, 3.5, -2.5, 2.7].map(function (v) { M.PokeL(m, v); return M.PeekL(m); })', [2, 4, -2, 3]],
    ['(function () { try { M.PeekL(1e12); return "read"; } catch (e) { return e instanceof RangeError; } })()', true]
  ]);
});

test('PokeS and PeekS with lengths and formats', async function () {
  await runtime.check([
    ['[M.PokeS(m, "H\u00e9"), M.PeekS(m)].concat(' + bytes(6) + ')', [4, 'H\u00e9', 72, 0, 0xe9, 0, 0, 0]],
    ['[M.PokeS(m, "H\u00e9", -1, C.PB_UTF8), M.PeekS(m, -1, C.PB_UTF8)].concat(' + bytes(4) + ')',
     [3, 'H\u00e9', 72, 0xc3, 0xa9, 0]],
    ['[M.PokeS(m, "Hello", 3, C.PB_Ascii), M.PeekS(m, -1, C.PB_Ascii)]', [3, 'Hel']],
    ['M.PokeS(m, "abc", -1, C.PB_Ascii); M.PokeS(m, "X", -1, C.PB_Ascii | C.PB_String_NoZero);' +
     ' M.PeekS(m, -1, C.PB_Ascii)', 'Xbc'],
    ['M.PokeS(m, "Hello", -1, C.PB_Ascii); M.PeekS(m, 2, C.PB_Ascii)', 'He'],
    ['M.PokeS(m, "H\u00e9!", -1, C.PB_UTF8); [M.PeekS(m, 3, C.PB_UTF8 | C.PB_ByteLength), M.PeekS(m, 2, C.PB_UTF8)]',
     ['H\u00e9', 'H\u00e9']],
    ['M.PokeS(m, "abc"); [M.PeekS(m, 4, C.PB_Unicode | C.PB_ByteLength), M.PeekS(m, 1)]', ['ab', 'a']],
    // Ascii has one byte per character: "?" for those beyond 255
    ['M.PokeS(m, "\u20ac1", -1, C.PB_Ascii); ' + bytes(3), [63, 49, 0]],
    // a text where an address is expected stands for its characters
    ['[M.PeekA("Test"), M.PeekS("Test"), M.PeekS("Test", 2)]', [84, 'Test', 'Te']]
  ]);
});

test('Ascii, UTF8 and Unicode blocks, StringByteLength, MemoryStringLength', async function () {
  await runtime.check([
    ['var u = M.UTF8("\u00e4\u20ac"); [M.MemorySize(u), M.PeekA(u), M.PeekA(u + 1), M.PeekA(u + 5)]', [6, 0xc3, 0xa4, 0]],
    ['M.MemorySize(M.Ascii("Hi"))', 3],
    ['M.MemorySize(M.Unicode("Hi"))', 6],
    ['[M.StringByteLength("\u00e4"), M.StringByteLength("\u00e4", C.PB_UTF8), M.StringByteLength("ab\u20ac", C.PB_UTF8),' +
     ' M.StringByteLength("ab\u20ac", C.PB_Ascii), M.StringByteLength("ab\u20ac")]', [2, 2, 5, 3, 6]],
    ['M.MemoryStringLength(M.Unicode("hello"))', 5],
    ['[M.MemoryStringLength(u, C.PB_UTF8), M.MemoryStringLength(u, C.PB_UTF8 | C.PB_ByteLength)]', [2, 5]],
    ['var t = M.AllocateMemory(32); M.CopyMemoryString("ab", t); M.CopyMemoryString("cd"); M.PeekS(t)', 'abcd']
  ]);
});

test('CopyMemory, MoveMemory, FillMemory, CompareMemory, CompareMemoryString', async function () {
  const oneToEight = 'for (var i = 0; i < 8; i++) M.PokeA(m + i, i + 1); ';
  await runtime.check([
    [oneToEight + 'M.MoveMemory(m, m + 2, 4); ' + bytes(8), [1, 2, 1, 2, 3, 4, 7, 8]],
    [oneToEight + 'M.MoveMemory(m + 2, m, 4); ' + bytes(8), [3, 4, 5, 6, 5, 6, 7, 8]],
    [oneToEight + 'var d = M.AllocateMemory(8); M.CopyMemory(m, d, 8); [M.CompareMemory(m, d, 8),' +
     ' (M.PokeA(d + 7, 0), M.CompareMemory(m, d, 8)), M.CompareMemory(m, d, 7)]', [1, 0, 1]],
    ['M.FillMemory(m, 8); ' + bytes(8), [0, 0, 0, 0, 0, 0, 0, 0]],
    ['M.FillMemory(m, 8, 0x41); ' + bytes(3), [65, 65, 65]],
    ['M.FillMemory(m, 8, 0x1234, C.PB_Word); [M.PeekW(m + 6)].concat(' + bytes(2) + ')', [0x1234, 0x34, 0x12]],
    ['M.FillMemory(m, 6, -1, C.PB_Long); [M.PeekL(m), M.PeekA(m + 5), M.PeekA(m + 6)]', [-1, 255, 0x34]],
    ['var a = M.Unicode("abc"), b = M.Unicode("abd"), c = M.Unicode("ABC");' +
     ' [M.CompareMemoryString(a, b), M.CompareMemoryString(b, a), M.CompareMemoryString(a, a),' +
     ' M.CompareMemoryString(a, c), M.CompareMemoryString(a, c, C.PB_String_NoCase),' +
     ' M.CompareMemoryString(a, b, C.PB_String_CaseSensitive, 2)]',
     [-1, 1, 0, 1, 0, 0]],
    ['M.CompareMemoryString(M.Ascii("x\u00c4"), M.Ascii("X\u00e4"), C.PB_String_NoCaseAscii, -1, C.PB_Ascii)', -1]
  ]);
});

test('Fields of a structure at an address, by offset and type letter', async function () {
  await runtime.check([
    ['var p = M.AllocateMemory(48); M.poke(p, "l", 7); M.poke(p + 4, "d", 2.5); M.poke(p + 12, "s", "name");' +
     ' [M.peek(p, "l"), M.peek(p + 4, "d"), M.peek(p + 12, "s")]', [7, 2.5, 'name']],
    ['M.poke(p + 12, "s", "other"); M.peek(p + 12, "s")', 'other'],
    ['var held = M.PeekI(p + 12); M.dropText(p + 12); [M.peek(p + 12, "s"), M.MemorySize(held)]', ['', 0]],
    ['M.poke(p + 20, "s", "abcdef", 4); var first = M.peek(p + 20, "s", 4); M.poke(p + 20, "s", "xy", 4);' +
     ' [first, M.peek(p + 20, "s", 4), M.PeekW(p + 26)]', ['abcd', 'xy', 0]],
    ['M.poke(p + 28, "b", 255); M.poke(p + 29, "w", 65535); M.poke(p + 31, "q", 3n); M.poke(p + 39, "i", -9);' +
     ' [M.peek(p + 28, "b"), M.peek(p + 28, "a"), M.peek(p + 29, "w"), M.peek(p + 29, "u"),' +
     ' String(M.peek(p + 31, "q")), M.peek(p + 39, "i")]', [-1, 255, -1, 65535, '3', -9]],
    ['["b", "a", "c", "w", "u", "l", "f", "i", "q", "d", "s", "p"].map(M.sizeOf)', [1, 1, 2, 2, 2, 4, 4, 8, 8, 8, 8, 8]],
    // a string field that holds no text yet reads as ""
    ['M.peek(M.AllocateMemory(8), "s")', '']
  ]);
});
