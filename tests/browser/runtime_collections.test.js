// Linked lists, maps, arrays and sorting in the browser, with PureBasic's
// semantics of the current element.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () { runtime = await openRuntimePage(); });
after(async function () { await runtime.close(); });

// A list of the given values, made by adding each at the end.
function list(values) {
  return '(function () { var l = new cLinkedList(); ' +
    values.map(function (v) { return 'l.AddElement(); l.setData(' + JSON.stringify(v) + '); '; }).join('') +
    'return l; })()';
}

// The list's values from the first to the last element.
function walk(expression) {
  return '(function () { var l = ' + expression + '; var out = []; l.ForEach_Init();' +
    ' while (l.ForEach()) out.push(l.getData()); return out; })()';
}

test('A new list is empty, with no current element', async function () {
  await runtime.check([
    ['new cLinkedList().ListSize()', 0],
    ['new cLinkedList().ListIndex()', -1],
    ['new cLinkedList().FirstElement()', 0],
    ['new cLinkedList().NextElement()', 0],
    ['new cLinkedList().DeleteElement()', 0]
  ]);
});

test('AddElement inserts after the current element and makes it current', async function () {
  await runtime.check([
    [walk(list([1, 2, 3])), [1, 2, 3]],
    ['(function () { var l = ' + list([1, 2, 3]) + '; l.SelectElement(0); l.AddElement(); l.setData(9);' +
     ' return [l.ListIndex(), l.getData(), l.ListSize()]; })()', [1, 9, 4]],
    [walk('(function () { var l = ' + list([1, 2, 3]) + '; l.SelectElement(0); l.AddElement();' +
     ' l.setData(9); return l; })()'), [1, 9, 2, 3]],
    // after ResetList there is no current element: the new one goes first
    [walk('(function () { var l = ' + list([1, 2]) + '; cLinkedList.ResetList(l); l.AddElement();' +
     ' l.setData(0); return l; })()'), [0, 1, 2]],
    ['(function () { var l = ' + list([1, 2, 3]) + '; return l.ListIndex(); })()', 2]
  ]);
});

test('AddElement with an object stores it and answers it', async function () {
  await runtime.check([
    ['(function () { var l = new cLinkedList(); var o = { x: 1 }; return l.AddElement(o) === o &&' +
     ' l.getData() === o; })()', true],
    ['(function () { var l = new cLinkedList(); return l.AddElement(); })()', 1],
    ['(function () { var l = new cLinkedList(); l.AddElement(); return l.getData(); })()', 0]
  ]);
});

test('Moves answer a truth value and keep the current element at the ends', async function () {
  await runtime.check([
    ['(function () { var l = ' + list([1, 2, 3]) + '; return [l.FirstElement() !== 0, l.getData(),' +
     ' l.ListIndex()]; })()', [true, 1, 0]],
    ['(function () { var l = ' + list([1, 2, 3]) + '; l.FirstElement(); return [l.PreviousElement(),' +
     ' l.getData()]; })()', [0, 1]],
    ['(function () { var l = ' + list([1, 2, 3]) + '; l.LastElement(); return [l.NextElement(),' +
     ' l.getData(), l.ListIndex()]; })()', [0, 3, 2]],
    ['(function () { var l = ' + list([1, 2, 3]) + '; l.LastElement(); l.PreviousElement();' +
     ' return [l.getData(), l.ListIndex()]; })()', [2, 1]],
    ['(function () { var l = ' + list([1, 2, 3]) + '; cLinkedList.ResetList(l); var out = [];' +
     ' while (l.NextElement()) out.push(l.getData()); return out; })()', [1, 2, 3]]
  ]);
});

test('SelectElement counts from 0 and refuses a position outside the list', async function () {
  await runtime.check([
    ['(function () { var l = ' + list([10, 20, 30, 40]) + '; l.SelectElement(2); return [l.getData(),' +
     ' l.ListIndex()]; })()', [30, 2]],
    ['(function () { var l = ' + list([10, 20, 30, 40]) + '; l.SelectElement(1); l.SelectElement(3);' +
     ' l.SelectElement(0); return l.getData(); })()', 10],
    ['(function () { var l = ' + list([10, 20]) + '; l.SelectElement(1); return [l.SelectElement(5),' +
     ' l.SelectElement(-1), l.getData()]; })()', [0, 0, 20]]
  ]);
});

test('DeleteElement makes the previous element current', async function () {
  await runtime.check([
    ['(function () { var l = ' + list([1, 2, 3]) + '; l.SelectElement(1); l.DeleteElement();' +
     ' return [l.getData(), l.ListIndex(), l.ListSize()]; })()', [1, 0, 2]],
    // deleting the first element leaves no current element
    ['(function () { var l = ' + list([1, 2, 3]) + '; l.FirstElement(); l.DeleteElement();' +
     ' return [l.ListIndex(), l.ListSize()]; })()', [-1, 2]],
    ['(function () { var l = ' + list([1, 2, 3]) + '; l.FirstElement(); l.DeleteElement(); l.NextElement();' +
     ' return l.getData(); })()', 2],
    [walk('(function () { var l = ' + list([1, 2, 3]) + '; l.LastElement(); l.DeleteElement(); return l; })()'),
     [1, 2]],
    ['(function () { var l = ' + list([7]) + '; l.DeleteElement(); return [l.ListSize(), l.ListIndex(),' +
     ' l.FirstElement()]; })()', [0, -1, 0]]
  ]);
});

test('DeleteElement inside ForEach goes on with the next element', async function () {
  await runtime.check([
    [walk('(function () { var l = ' + list([1, 2, 3, 4, 5, 6]) + '; l.ForEach_Init();' +
     ' while (l.ForEach()) if (l.getData() % 2 === 0) l.DeleteElement(); return l; })()'), [1, 3, 5]],
    [walk('(function () { var l = ' + list([1, 2, 3]) + '; l.ForEach_Init();' +
     ' while (l.ForEach()) l.DeleteElement(); return l; })()'), []]
  ]);
});

test('ClearList empties the list; ForEach over an empty list runs no step', async function () {
  await runtime.check([
    ['(function () { var l = ' + list([1, 2]) + '; l.ClearList(); l.ForEach_Init();' +
     ' return [l.ListSize(), l.ListIndex(), l.ForEach()]; })()', [0, -1, false]]
  ]);
});

test('InsertElement inserts before the current element', async function () {
  await runtime.check([
    [walk('(function () { var l = ' + list([1, 3]) + '; l.LastElement(); l.InsertElement(); l.setData(2);' +
     ' return l; })()'), [1, 2, 3]],
    ['(function () { var l = ' + list([1, 3]) + '; l.LastElement(); l.InsertElement();' +
     ' return l.ListIndex(); })()', 1]
  ]);
});

test('A map reads a missing key by creating its element', async function () {
  await runtime.check([
    ['(function () { var m = new cMap(); var v = m.getData2("x"); return [v, m.MapSize(),' +
     ' m.MapKey()]; })()', [0, 1, 'x']],
    ['(function () { var m = new cMap(); m.setData2("a", 5); m.getData2("a"); return m.MapSize(); })()', 1],
    ['(function () { function P() { this.x = 0; } var m = new cMap(P); m.getData2("k").x = 3;' +
     ' return [m.getData2("k") instanceof P, m.getData2("k").x]; })()', [true, 3]],
    // a map of texts starts its new elements as ""
    ['(function () { var m = new cMap(); m.setData2("a", "text"); return m.getData2("b"); })()', '']
  ]);
});

test('setData2 creates or replaces; the element set becomes current', async function () {
  await runtime.check([
    ['(function () { var m = new cMap(); m.setData2("Ann", 12); m.setData2("Bob", 7); m.setData2("Ann", 13);' +
     ' return [m.MapSize(), m.getData2("Ann"), m.getData2("Bob")]; })()', [2, 13, 7]],
    ['(function () { var m = new cMap(); m.setData2("Ann", 12); m.setData2("Bob", 7);' +
     ' return [m.MapKey(), m.getData()]; })()', ['Bob', 7]],
    ['(function () { var m = new cMap(); m.setData2("a", 1); m.setData(2); return m.getData2("a"); })()', 2]
  ]);
});

test('FindMapElement and AddMapElement', async function () {
  await runtime.check([
    ['(function () { var m = new cMap(); m.setData2("a", 1); m.setData2("b", 2);' +
     ' return [m.FindMapElement("a") !== 0, m.MapKey(), m.getData()]; })()', [true, 'a', 1]],
    ['(function () { var m = new cMap(); m.setData2("a", 1); return [m.FindMapElement("z"), m.MapSize(),' +
     ' m.MapKey()]; })()', [0, 1, 'a']],
    ['(function () { var m = new cMap(); m.AddMapElement("k"); m.setData(4);' +
     ' return [m.MapKey(), m.getData2("k"), m.MapSize()]; })()', ['k', 4, 1]],
    // adding an existing key makes a new, empty element
    ['(function () { var m = new cMap(); m.setData2("k", 4); m.AddMapElement("k");' +
     ' return [m.getData(), m.MapSize()]; })()', [0, 1]],
    ['new cMap().MapKey()', ''],
    ['new cMap().MapSize()', 0]
  ]);
});

test('ForEach over a map follows the order the keys were added', async function () {
  await runtime.check([
    ['(function () { var m = new cMap(); m.setData2("b", 2); m.setData2("a", 1); m.setData2("c", 3);' +
     ' m.setData2("b", 20); var out = []; ForEachMap_Init(m);' +
     ' while (ForEachMap(m)) out.push(m.MapKey() + "=" + m.getData()); return out; })()', ['b=20', 'a=1', 'c=3']],
    ['(function () { var m = new cMap(); ForEachMap_Init(m); return ForEachMap(m); })()', false],
    ['(function () { var m = new cMap(); m.setData2("a", 1); m.setData2("b", 2); m.setData2("c", 3);' +
     ' ForEachMap_Init(m); while (ForEachMap(m)) if (m.MapKey() === "b") m.DeleteMapElement();' +
     ' var out = []; m.ForEach_Init(); while (m.ForEach()) out.push(m.MapKey()); return out; })()', ['a', 'c']]
  ]);
});

test('Map commands given as library calls take the map read last', async function () {
  await runtime.check([
    ['(function () { var m = new cMap(); m.setData2("a", 1); m.setData2("b", 2);' +
     ' cMap.DeleteMapElement(m.getData(), "a"); return [m.MapSize(), cMap.MapSize(m)]; })()', [1, 1]],
    ['(function () { var m = new cMap(); m.setData2("a", 1); cMap.ClearMap(m.getData());' +
     ' return m.MapSize(); })()', 0],
    ['(function () { var m = new cMap(); m.setData2("a", 1); m.setData2("b", 2); cMap.ResetMap(m.getData());' +
     ' var out = []; while (cMap.NextMapElement(m.getData())) out.push(m.MapKey()); return out; })()', ['a', 'b']]
  ]);
});

test('ArraySize answers the highest index Dim declared', async function () {
  await runtime.check([
    // Dim a(5): elements 0 to 5
    ['cArray.ArraySize(cArray.dim(null, "i", null, 5))', 5],
    ['(function () { var g = cArray.dim(null, "l", null, 3, 7);' +
     ' return [cArray.ArraySize(g), cArray.ArraySize(g, 1), cArray.ArraySize(g, 2), cArray.ArraySize(g, 3)]; })()',
     [3, 3, 7, -1]],
    // never dimensioned, freed, or no array at all
    ['cArray.ArraySize(new cArray("i"))', -1],
    ['(function () { var a = cArray.dim(null, "s", null, 2); cArray.FreeArray(a); return cArray.ArraySize(a); })()', -1],
    ['cArray.ArraySize(undefined)', -1]
  ]);
});

// Dim starts every element by the type; the typed store wraps as
// PureBasic's types do; ReDim keeps what stays; CopyArray copies the sizes.
test('arrays hold their type and keep their elements on ReDim', async function () {
  await runtime.check([
    ['(function () { var a = cArray.dim(null, "b", null, 1); a.d[0] = 200; return a.d[0]; })()', -56],
    ['(function () { var a = cArray.dim(null, "s", null, 2); return a.d.join("|"); })()', '||'],
    ['(function () { var a = cArray.dim(null, "l", null, 2, 3); a.d[1 * a.s0 + 2] = 9;' +
     ' cArray.redim(a, 5); return [a.s0, a.d[1 * a.s0 + 2], a.d[1 * a.s0 + 5], a.d.length]; })()', [6, 9, 0, 18]],
    ['(function () { var a = cArray.dim(null, "i", null, 4); a.d[4] = 7; cArray.redim(a, 1);' +
     ' return [cArray.ArraySize(a), a.d.length]; })()', [1, 2]],
    ['(function () { var a = cArray.dim(null, "i", null, 1, 1), b = new cArray("i"); a.d[3] = 8;' +
     ' cArray.CopyArray(a, b); a.d[3] = 1; return [cArray.ArraySize(b, 2), b.d[3]]; })()', [1, 8]],
    // Dim of an array that exists renews the same object
    ['(function () { var a = cArray.dim(null, "i", null, 1); var b = cArray.dim(a, "i", null, 3);' +
     ' return [a === b, cArray.ArraySize(a)]; })()', [true, 3]]
  ]);
});

test('SortArray and SortList, ascending, descending, without case', async function () {
  await runtime.check([
    ['(function () { var a = [5, 3, 9, 1]; cSort.SortArray(a, cConstants.PB_Sort_Ascending); return a; })()',
     [1, 3, 5, 9]],
    ['(function () { var a = [5, 3, 9, 1]; cSort.SortArray(a, cConstants.PB_Sort_Descending); return a; })()',
     [9, 5, 3, 1]],
    ['(function () { var a = ["b", "C", "a"]; cSort.SortArray(a, 0); return a; })()', ['C', 'a', 'b']],
    ['(function () { var a = ["b", "C", "a"]; cSort.SortArray(a, cConstants.PB_Sort_NoCase); return a; })()',
     ['a', 'b', 'C']],
    ['(function () { var a = [9, 8, 7, 6, 5]; cSort.SortArray(a, 0, 1, 3); return a; })()', [9, 6, 7, 8, 5]],
    [walk('(function () { var l = ' + list([3, 1, 2]) + '; cSort.SortList(l.getData(), 0); return l; })()'),
     [1, 2, 3]]
  ]);
});

test('RandomizeList and RandomizeArray keep every element', async function () {
  await runtime.check([
    ['(function () { var l = ' + list([1, 2, 3, 4, 5, 6, 7, 8]) + '; cSort.RandomizeList(l); var out = [];' +
     ' l.ForEach_Init(); while (l.ForEach()) out.push(l.getData());' +
     ' return [l.ListSize(), out.sort().join()]; })()', [8, '1,2,3,4,5,6,7,8']],
    ['(function () { var a = [1, 2, 3, 4, 5]; cSort.RandomizeArray(a); return a.slice().sort().join(); })()',
     '1,2,3,4,5'],
    ['(function () { var seen = {}; for (var i = 0; i < 200; i++) { var l = ' + list([1, 2, 3]) +
     '; cSort.RandomizeList(l); l.FirstElement(); seen[l.getData()] = 1; }' +
     ' return Object.keys(seen).sort().join(); })()', '1,2,3']
  ]);
});
