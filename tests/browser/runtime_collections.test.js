// Linked lists, maps and sorting in the browser, with PureBasic's
// semantics of the current element, given the containers themselves.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;

// Helpers defined in the page:
//   L([1, 2, 3])   a list made by adding each value at the end
//   W(l)           its values from the first to the last element (the
//                  current element stays)
//   S(l)           [values, ListIndex, current value or null, ListSize]
//   M([["a", 1]])  a map made by setting each key in turn
//   K(m)           its "key=value" texts in ForEach order
//   P(x, y)        a structure Point
const kHelpers = `
function L(values) { var l = new cLinkedList(); values.forEach(function (v) { l.AddElement(); l.setData(v); }); return l; }
function W(l) { return l.values(); }
function S(l) { var i = l.ListIndex(); return [W(l), i, i >= 0 ? l.getData() : null, l.ListSize()]; }
function M(pairs) { var m = new cMap(); pairs.forEach(function (p) { m.setData2(p[0], p[1]); }); return m; }
function K(m) { var out = []; for (var s = m.first_; s >= 0; s = m.next_[s]) out.push(m.keys_[s] + '=' + m.data_[s]); return out; }
function Point(x, y) { this.x = x === undefined ? 0 : x; this.y = y === undefined ? 0 : y; }
function Pts(xs) { var l = new cLinkedList(Point); xs.forEach(function (x) { l.AddElement().x = x; }); return l; }
function Xs(l) { return W(l).map(function (p) { return p.x; }); }
`;

before(async function () {
  runtime = await openRuntimePage();
  const defined = await runtime.evaluate([kHelpers + '; true']);
  if (defined[0].error) throw new Error(defined[0].error);
});
after(async function () { await runtime.close(); });

// Each case is one expression in a function body ending with its value.
function body(code) { return '(function () { ' + code + ' })()'; }

test('Moving through a list: Add, Insert, First, Last, Next, Previous, Select, Reset', async function () {
  await runtime.check([
    ['S(new cLinkedList())', [[], -1, null, 0]],
    [body('var l = new cLinkedList(); return [l.FirstElement(), l.LastElement(), l.NextElement(), l.PreviousElement(), l.DeleteElement()];'), [0, 0, 0, 0, 0]],
    ['S(L([1, 2, 3]))', [[1, 2, 3], 2, 3, 3]],
    // AddElement goes after the current element, InsertElement before it
    [body('var l = L([1, 2, 3]); l.SelectElement(0); l.AddElement(); l.setData(9); return S(l);'), [[1, 9, 2, 3], 1, 9, 4]],
    [body('var l = L([1, 3]); l.LastElement(); l.InsertElement(); l.setData(2); return S(l);'), [[1, 2, 3], 1, 2, 3]],
    // without a current element both put the new one first
    [body('var l = L([1, 2]); cLinkedList.ResetList(l); l.AddElement(); l.setData(0); return S(l);'), [[0, 1, 2], 0, 0, 3]],
    [body('var l = L([1, 2]); l.ResetList(); cLinkedList.InsertElement(l); l.setData(0); return S(l);'), [[0, 1, 2], 0, 0, 3]],
    [body('var l = new cLinkedList(); cLinkedList.InsertElement(l); return S(l);'), [[0], 0, 0, 1]],
    // the moves stop at the ends and keep the current element there
    [body('var l = L([1, 2, 3]); l.FirstElement(); return [l.PreviousElement(), l.getData(), l.ListIndex()];'), [0, 1, 0]],
    [body('var l = L([1, 2, 3]); l.LastElement(); return [l.NextElement(), l.getData(), l.ListIndex()];'), [0, 3, 2]],
    [body('var l = L([1, 2, 3]); cLinkedList.ResetList(l); var out = []; while (l.NextElement()) out.push(l.getData()); return out;'), [1, 2, 3]],
    [body('var l = L([10, 20, 30, 40]); l.SelectElement(1); l.SelectElement(3); l.SelectElement(2); return S(l);'), [[10, 20, 30, 40], 2, 30, 4]],
    [body('var l = L([10, 20]); l.SelectElement(1); return [l.SelectElement(2), l.SelectElement(-1), l.getData()];'), [0, 0, 20]],
    // the same once an element went in before the end (the list is linked)
    [body('var l = L([10, 20, 30, 40, 50]); l.FirstElement(); l.InsertElement(); l.setData(5); var out = [l.SelectElement(4) && l.getData(), l.SelectElement(1) && l.getData(), l.SelectElement(5) && l.getData(), l.PreviousElement() && l.getData(), l.ListIndex()]; l.LastElement(); return out.concat([l.NextElement(), l.ListIndex()]);'), [40, 10, 50, 40, 4, 0, 5]],
    // new elements of a text list start as "", of a typed list as declared
    [body('var l = L(["a"]); l.AddElement(); return l.getData();'), ''],
    [body('var l = new cLinkedList(0n); l.AddElement(); return typeof l.getData();'), 'bigint'],
    [body('var l = new cLinkedList(Point); l.AddElement(); return l.getData() instanceof Point;'), true]
  ]);
});

test('DeleteElement and ClearList', async function () {
  await runtime.check([
    [body('var l = L([1, 2, 3]); l.SelectElement(1); l.DeleteElement(); return S(l);'), [[1, 3], 0, 1, 2]],
    // deleting the first element leaves no current element, unless flags = 1
    [body('var l = L([1, 2, 3]); l.FirstElement(); var r = l.DeleteElement(); return [r, S(l)];'), [0, [[2, 3], -1, null, 2]]],
    [body('var l = L([1, 2, 3]); l.FirstElement(); l.DeleteElement(); l.NextElement(); return l.getData();'), 2],
    [body('var l = L([1, 2, 3]); l.FirstElement(); l.DeleteElement(1); return S(l);'), [[2, 3], 0, 2, 2]],
    [body('var l = L([7]); l.DeleteElement(); return [S(l), l.FirstElement()];'), [[[], -1, null, 0], 0]],
    // inside ForEach the walk goes on with the element after the deleted one
    [body('var l = L([1, 2, 3, 4, 5, 6]); l.ForEach_Init(); while (l.ForEach()) if (l.getData() % 2 === 0) l.DeleteElement(); return W(l);'), [1, 3, 5]],
    [body('var l = L([1, 2, 3]); l.ForEach_Init(); while (l.ForEach()) l.DeleteElement(); return S(l);'), [[], -1, null, 0]],
    // slots of deleted elements are used again
    [body('var l = L([1, 2, 3]); l.FirstElement(); l.DeleteElement(); l.LastElement(); l.AddElement(); l.setData(4); return [W(l), l.data_.length];'), [[2, 3, 4], 3]],
    [body('var l = L([1, 2]); l.ClearList(); l.ForEach_Init(); return [S(l), l.ForEach()];'), [[[], -1, null, 0], false]],
    [body('var l = L([1, 2]); cLinkedList.FreeList(l); var n = l.ListSize(); l.AddElement(); return [n, l.ListSize()];'), [-1, 1]]
  ]);
});

test('Element handles: what the moves answer, @list(), ChangeCurrentElement', async function () {
  await runtime.check([
    // a structure element's handle is its object, so *p\x reaches the field
    [body('var l = new cLinkedList(); var p = new Point(); return [l.AddElement(p) === p, l.elementHandle() === p];'), [true, true]],
    [body('var l = Pts([1, 2, 3]); var h = l.FirstElement(); h.x = 5; return Xs(l);'), [5, 2, 3]],
    // other elements have a number; every handle is truthy and stays with its element
    [body('var l = L([1, 2, 3]); var hs = [l.FirstElement(), l.NextElement(), l.NextElement()]; return hs.every(function (h) { return typeof h === "number" && h > 0; }) && new Set(hs).size;'), 3],
    [body('var l = L([1, 2, 3]); l.SelectElement(1); var h = l.elementHandle(); l.FirstElement(); l.InsertElement(); l.setData(0); l.ResetList(); cLinkedList.ChangeCurrentElement(l, h); return S(l);'), [[0, 1, 2, 3], 2, 2, 4]],
    [body('var l = Pts([1, 2, 3]); l.SelectElement(2); var h = l.elementHandle(); l.FirstElement(); cLinkedList.ChangeCurrentElement(l, h); return [l.getData().x, l.ListIndex()];'), [3, 2]],
    [body('var l = L([1, 2]); var h = l.elementHandle(); l.FirstElement(); return [l.elementHandle() !== h, new cLinkedList().elementHandle()];'), [true, 0]],
    // a handle of a deleted element or of no element changes nothing
    [body('var l = L([1, 2, 3]); var h = l.elementHandle(); l.DeleteElement(); l.FirstElement(); cLinkedList.ChangeCurrentElement(l, h); cLinkedList.ChangeCurrentElement(l, new Point()); return S(l);'), [[1, 2], 0, 1, 2]],
    // ForEach goes on after the element made current inside it
    [body('var l = L([1, 2, 3, 4]); l.SelectElement(2); var h = l.elementHandle(); var out = []; l.ForEach_Init(); while (l.ForEach()) { out.push(l.getData()); if (l.getData() === 1) cLinkedList.ChangeCurrentElement(l, h); } return out;'), [1, 4]]
  ]);
});

test('SwapElements and MoveElement relink the elements', async function () {
  await runtime.check([
    [body('var l = L([1, 2, 3, 4, 5]); var a = (l.SelectElement(1), l.elementHandle()); var b = (l.SelectElement(3), l.elementHandle()); cLinkedList.SwapElements(l, a, b); return S(l);'), [[1, 4, 3, 2, 5], 1, 4, 5]],
    // neighbours, both orders, and the ends
    [body('var l = L([1, 2, 3]); var a = (l.FirstElement(), l.elementHandle()); var b = (l.NextElement(), l.elementHandle()); cLinkedList.SwapElements(l, a, b); return S(l);'), [[2, 1, 3], 0, 2, 3]],
    [body('var l = L([1, 2, 3]); var a = (l.FirstElement(), l.elementHandle()); var b = (l.LastElement(), l.elementHandle()); cLinkedList.SwapElements(l, b, a); l.ForEach_Init(); var out = []; while (l.ForEach()) out.push(l.getData()); return [out, l.ListIndex()];'), [[3, 2, 1], 2]],
    [body('var l = Pts([1, 2]); var a = l.FirstElement(), b = l.LastElement(); cLinkedList.SwapElements(l, a, a); cLinkedList.SwapElements(l, a, b); a.x = 9; return Xs(l);'), [2, 9]],
    [body('var l = L([1, 2, 3]); l.SelectElement(1); cLinkedList.MoveElement(l, cConstants.PB_List_First); return S(l);'), [[2, 1, 3], 0, 2, 3]],
    [body('var l = L([1, 2, 3]); l.SelectElement(0); cLinkedList.MoveElement(l, cConstants.PB_List_Last); return S(l);'), [[2, 3, 1], 2, 1, 3]],
    [body('var l = L([1, 2, 3, 4]); var r = (l.SelectElement(3), l.elementHandle()); l.SelectElement(0); cLinkedList.MoveElement(l, cConstants.PB_List_Before, r); return S(l);'), [[2, 3, 1, 4], 2, 1, 4]],
    [body('var l = L([1, 2, 3, 4]); var r = (l.SelectElement(0), l.elementHandle()); l.SelectElement(3); cLinkedList.MoveElement(l, cConstants.PB_List_After, r); return S(l);'), [[1, 4, 2, 3], 1, 4, 4]],
    [body('var l = L([1, 2]); l.ResetList(); cLinkedList.MoveElement(l, cConstants.PB_List_First); return S(l);'), [[1, 2], -1, null, 2]]
  ]);
});

test('PushListPosition and PopListPosition', async function () {
  await runtime.check([
    [body('var l = L([1, 2, 3]); l.SelectElement(1); cLinkedList.PushListPosition(l); l.ForEach_Init(); while (l.ForEach()); cLinkedList.PopListPosition(l); return S(l);'), [[1, 2, 3], 1, 2, 3]],
    // a stack: the last one pushed comes back first; none pushed, nothing changes
    [body('var l = L([1, 2, 3]); l.FirstElement(); cLinkedList.PushListPosition(l); l.LastElement(); cLinkedList.PushListPosition(l); l.SelectElement(1); cLinkedList.PopListPosition(l); var a = l.getData(); cLinkedList.PopListPosition(l); var b = l.getData(); cLinkedList.PopListPosition(l); return [a, b, l.getData()];'), [3, 1, 1]],
    [body('var l = L([1, 2]); l.ResetList(); cLinkedList.PushListPosition(l); l.FirstElement(); cLinkedList.PopListPosition(l); return l.ListIndex();'), -1],
    // the element remembered was deleted: no current element afterwards, even when its slot is used again
    [body('var l = L([1, 2, 3]); l.SelectElement(1); cLinkedList.PushListPosition(l); l.DeleteElement(); l.AddElement(); l.setData(8); cLinkedList.PopListPosition(l); return S(l);'), [[1, 8, 3], -1, null, 3]],
    [body('var l = L([1, 2]); cLinkedList.PushListPosition(l); l.ClearList(); l.AddElement(); cLinkedList.PopListPosition(l); return l.ListIndex();'), -1],
    // a queue worked from the front while the position is kept
    [body('var l = L([1, 2, 3]); l.LastElement(); cLinkedList.PushListPosition(l); l.FirstElement(); l.DeleteElement(); cLinkedList.PopListPosition(l); return S(l);'), [[2, 3], 1, 3, 2]]
  ]);
});

test('CopyList, MergeLists and SplitList', async function () {
  await runtime.check([
    // CopyList: dst cleared, a copy of each element, no current element; src unchanged
    [body('var a = L([1, 2, 3]), b = L([9]); a.SelectElement(1); var r = cLinkedList.CopyList(a, b); return [r, S(a), S(b)];'), [1, [[1, 2, 3], 1, 2, 3], [[1, 2, 3], -1, null, 3]]],
    [body('var a = Pts([1, 2]), b = new cLinkedList(); cLinkedList.CopyList(a, b); b.FirstElement(); b.getData().x = 7; return [Xs(a), Xs(b), b.getData() instanceof Point];'), [[1, 2], [7, 2], true]],
    [body('var a = new cLinkedList(), b = L([1]); cLinkedList.CopyList(a, b); return S(b);'), [[], -1, null, 0]],
    [body('var a = Pts([1]), b = new cLinkedList(function Other() {}), c = new cLinkedList(""); c.AddElement(); return [cLinkedList.CopyList(a, b), cLinkedList.CopyList(new cLinkedList(0n), c), c.ListSize()];'), [0, 0, 1]],
    [body('var a = L(["x"]), b = new cLinkedList(); cLinkedList.CopyList(a, b); b.AddElement(); return b.getData();'), ''],
    // MergeLists: all of src into dst (at the end by default), src empty
    [body('var a = L([1, 2]), b = L([3, 4]); b.FirstElement(); cLinkedList.MergeLists(a, b); return [S(a), S(b)];'), [[[], -1, null, 0], [[3, 4, 1, 2], 0, 3, 4]]],
    [body('var a = L([1, 2]), b = L([3, 4]); b.LastElement(); cLinkedList.MergeLists(a, b, cConstants.PB_List_First); return S(b);'), [[1, 2, 3, 4], 3, 4, 4]],
    [body('var a = L([1, 2]), b = L([3, 4]); b.LastElement(); cLinkedList.MergeLists(a, b, cConstants.PB_List_Before); return S(b);'), [[3, 1, 2, 4], 3, 4, 4]],
    [body('var a = L([1, 2]), b = L([3, 4]); b.FirstElement(); cLinkedList.MergeLists(a, b, cConstants.PB_List_After); return S(b);'), [[3, 1, 2, 4], 0, 3, 4]],
    [body('var a = L([1]), b = L([3]); b.ResetList(); cLinkedList.MergeLists(a, b, cConstants.PB_List_After); return S(b);'), [[1, 3], -1, null, 2]],
    [body('var a = new cLinkedList(), b = L([3]); cLinkedList.MergeLists(a, b); return S(b);'), [[3], 0, 3, 1]],
    [body('var a = Pts([1]), b = new cLinkedList(); var h = a.FirstElement(); cLinkedList.MergeLists(a, b); cLinkedList.ChangeCurrentElement(b, h); return [b.getData() === h, b.ListIndex()];'), [true, 0]],
    // SplitList: the current element and those after it go to dst (cleared, no current)
    [body('var a = L([1, 2, 3, 4]), b = L([9]); a.SelectElement(2); cLinkedList.SplitList(a, b); return [S(a), S(b)];'), [[[1, 2], 1, 2, 2], [[3, 4], -1, null, 2]]],
    [body('var a = L([1, 2, 3, 4]), b = new cLinkedList(); a.SelectElement(2); cLinkedList.SplitList(a, b, 1); return [S(a), S(b)];'), [[[1, 2, 3], 2, 3, 3], [[4], -1, null, 1]]],
    [body('var a = L([1, 2]), b = new cLinkedList(); a.FirstElement(); cLinkedList.SplitList(a, b); return [S(a), S(b)];'), [[[], -1, null, 0], [[1, 2], -1, null, 2]]],
    [body('var a = L([1, 2]), b = L([9]); a.ResetList(); cLinkedList.SplitList(a, b); return [S(a), S(b)];'), [[[1, 2], -1, null, 2], [[], -1, null, 0]]],
    [body('var a = L([1, 2]), b = new cLinkedList(); a.LastElement(); cLinkedList.SplitList(a, b, 1); return [S(a), S(b)];'), [[[1, 2], 1, 2, 2], [[], -1, null, 0]]]
  ]);
});

test('Maps: keyed access, AddMapElement, FindMapElement, handles', async function () {
  await runtime.check([
    // reading a missing key creates its element, which becomes current
    [body('var m = new cMap(); var v = m.getData2("x"); return [v, m.MapSize(), m.MapKey()];'), [0, 1, 'x']],
    [body('var m = M([["Ann", 12], ["Bob", 7], ["Ann", 13]]); return [K(m), m.MapKey(), m.getData()];'), [['Ann=13', 'Bob=7'], 'Ann', 13]],
    [body('var m = new cMap(Point); m.getData2("k").x = 3; return [m.getData2("k") instanceof Point, m.getData2("k").x];'), [true, 3]],
    [body('var m = M([["a", "text"]]); return m.getData2("b");'), ''],
    [body('var m = new cMap(""); return m.getData2(5) + "|" + m.MapKey();'), '|5'],
    [body('var m = M([["a", 1], ["b", 2]]); var h = m.FindMapElement("a"); return [h > 0, m.MapKey(), m.FindMapElement("z"), m.MapKey(), m.MapSize()];'), [true, 'a', 0, 'a', 2]],
    [body('var m = new cMap(Point); var h = m.AddMapElement("k"); h.x = 4; return [m.FindMapElement("k") === h, m.elementHandle() === h, m.getData2("k").x];'), [true, true, 4]],
    // AddMapElement of a key there replaces its element (a new, empty one, at the end)
    [body('var m = M([["k", 4], ["j", 1]]); m.AddMapElement("k"); return [K(m), m.getData(), m.MapSize()];'), [['j=1', 'k=0'], 0, 2]],
    // with #PB_Map_NoElementCheck the old element stays, walked but not found
    [body('var m = M([["k", 4]]); m.AddMapElement("k", cConstants.PB_Map_NoElementCheck); m.setData(5); return [K(m), m.MapSize(), m.getData2("k")];'), [['k=4', 'k=5'], 2, 5]],
    [body('var m = M([["k", 4]]); m.AddMapElement("k", cConstants.PB_Map_NoElementCheck); m.ResetMap(); m.NextMapElement(); m.DeleteMapElement(); return [K(m), m.getData2("k"), m.MapSize()];'), [['k=0'], 0, 1]],
    [body('var m = new cMap(); return [m.MapKey(), m.MapSize(), m.elementHandle(), m.getData()];'), ['', 0, 0, 0]]
  ]);
});

test('Maps: ForEach, NextMapElement, DeleteMapElement, Clear, Free, Copy', async function () {
  await runtime.check([
    [body('var m = M([["b", 2], ["a", 1], ["c", 3], ["b", 20]]); var out = []; ForEachMap_Init(m); while (ForEachMap(m)) out.push(m.MapKey() + "=" + m.getData()); return [out, m.MapKey()];'), [['b=20', 'a=1', 'c=3'], '']],
    [body('var m = new cMap(); ForEachMap_Init(m); return ForEachMap(m);'), false],
    [body('var m = M([["a", 1], ["b", 2]]); cMap.ResetMap(m); var out = []; while (cMap.NextMapElement(m)) out.push(m.MapKey()); return [out, m.MapKey()];'), [['a', 'b'], '']],
    // without a key the current element goes and the one before it becomes current
    [body('var m = M([["a", 1], ["b", 2], ["c", 3]]); m.FindMapElement("b"); var h = cMap.DeleteMapElement(m); return [h > 0, m.MapKey(), K(m)];'), [true, 'a', ['a=1', 'c=3']]],
    [body('var m = M([["a", 1], ["b", 2]]); m.FindMapElement("a"); var h = cMap.DeleteMapElement(m); return [h, m.MapKey(), cMap.NextMapElement(m) > 0, m.MapKey()];'), [0, '', true, 'b']],
    [body('var m = M([["a", 0], ["b", 2], ["c", 0], ["d", 4]]); ForEachMap_Init(m); while (ForEachMap(m)) if (m.getData() === 0) cMap.DeleteMapElement(m); return K(m);'), ['b=2', 'd=4']],
    // with a key: that element goes, no element is current
    [body('var m = M([["a", 1], ["b", 2]]); var r = cMap.DeleteMapElement(m, "a"); return [r, m.MapKey(), K(m), cMap.DeleteMapElement(m, "zz"), m.MapSize()];'), [0, '', ['b=2'], 0, 1]],
    [body('var m = new cMap(); return cMap.DeleteMapElement(m);'), 0],
    [body('var m = M([["a", 1]]); cMap.ClearMap(m); return [m.MapSize(), m.MapKey(), m.FindMapElement("a")];'), [0, '', 0]],
    [body('var m = M([["a", 1]]); cMap.FreeMap(m); var n = m.MapSize(); m.setData2("b", 1); return [n, m.MapSize()];'), [-1, 1]],
    [body('var a = M([["x", 1], ["y", 2]]), b = M([["z", 9]]); a.FindMapElement("y"); var r = cMap.CopyMap(a, b); b.setData2("x", 5); return [r, K(a), K(b), a.MapKey(), b.MapKey()];'), [1, ['x=1', 'y=2'], ['x=5', 'y=2'], 'y', 'x']],
    [body('var a = new cMap(Point), b = new cMap(Point); a.getData2("p").x = 1; cMap.CopyMap(a, b); b.getData2("p").x = 2; return [a.getData2("p").x, b.getData2("p").x, b.MapSize()];'), [1, 2, 1]],
    [body('var a = new cMap(Point), b = new cMap(""); b.setData2("x", "y"); return [cMap.CopyMap(a, b), K(b)];'), [0, ['x=y']]],
    [body('var a = M([["x", 1]]), b = M([["x", 2]]); a.ResetMap(); cMap.CopyMap(a, b); return [K(b), b.MapKey()];'), [['x=1'], '']],
    // a copied structure holds its own lists and maps
    [body('function Order() { this.items = new cLinkedList(); this.tags = new cMap(); } var a = new cMap(Order), b = new cMap(Order); var o = a.getData2("o"); o.items.AddElement(); o.items.setData(3); o.tags.setData2("t", 1); cMap.CopyMap(a, b); var c = b.getData2("o"); c.items.FirstElement(); c.items.setData(4); c.tags.setData2("t", 2); return [W(o.items), W(c.items), o.tags.getData2("t"), c.tags.getData2("t")];'), [[3], [4], 1, 2]]
  ]);
});

test('PushMapPosition and PopMapPosition', async function () {
  await runtime.check([
    [body('var m = M([["a", 1], ["b", 2], ["c", 3]]); m.FindMapElement("b"); cMap.PushMapPosition(m); ForEachMap_Init(m); while (ForEachMap(m)); cMap.PopMapPosition(m); return m.MapKey();'), 'b'],
    [body('var m = M([["a", 1], ["b", 2]]); m.FindMapElement("a"); cMap.PushMapPosition(m); m.FindMapElement("b"); cMap.PushMapPosition(m); cMap.PopMapPosition(m); var x = m.MapKey(); cMap.PopMapPosition(m); var y = m.MapKey(); cMap.PopMapPosition(m); return [x, y, m.MapKey()];'), ['b', 'a', 'a']],
    // the element remembered was deleted: no current element
    [body('var m = M([["a", 1], ["b", 2]]); m.FindMapElement("a"); cMap.PushMapPosition(m); cMap.DeleteMapElement(m, "a"); m.setData2("c", 3); cMap.PopMapPosition(m); return [m.MapKey(), cMap.NextMapElement(m) > 0, m.MapKey()];'), ['', true, 'b']]
  ]);
});

test('SortArray, SortStructuredArray and RandomizeArray', async function () {
  await runtime.check([
    // a cArray of numbers keeps them in a typed array, one of texts or structures in an Array
    [body('var a = { d: new Float64Array([5, 3, 9, 1, 2]), n: [4] }; cSort.SortArray(a, cConstants.PB_Sort_Ascending); return Array.from(a.d);'), [1, 2, 3, 5, 9]],
    [body('var a = { d: new Int32Array([5, 3, 9, 1, 2]), n: [4] }; cSort.SortArray(a, cConstants.PB_Sort_Descending); return Array.from(a.d);'), [9, 5, 3, 2, 1]],
    [body('var a = { d: new Float64Array([9, 8, 7, 6, 5]), n: [4] }; cSort.SortArray(a, 0, 1, 3); return Array.from(a.d);'), [9, 6, 7, 8, 5]],
    // arrays as Dim makes them
    [body('var a = cArray.dim(null, "l", null, 4); a.d.set([5, 3, 9, 1, 2]); cSort.SortArray(a, cConstants.PB_Sort_Descending); return Array.from(a.d);'), [9, 5, 3, 2, 1]],
    [body('var a = cArray.dim(null, "s", null, 2); a.d[0] = "b"; a.d[2] = "a"; cSort.SortArray(a, 0); return a.d;'), ['', 'a', 'b']],
    [body('var a = cArray.dim(null, "S", Point, 2); a.d[0].x = 3; a.d[1].x = 1; a.d[2].x = 2; cSort.SortStructuredArray(a, 0, "x", cConstants.PB_Integer); cSort.RandomizeArray(a, 5, 9); return a.d.map(function (p) { return p.x; });'), [1, 2, 3]],
    // only the elements Dim made count, whatever room the store has
    [body('var a = { d: new Int32Array([3, 2, 1, 0]), n: new Int32Array([2]) }; cSort.SortArray(a, 0); return Array.from(a.d);'), [1, 2, 3, 0]],
    [body('var a = { d: new BigInt64Array([3n, -1n, 2n]), n: [2] }; cSort.SortArray(a, 0); return Array.from(a.d).map(String);'), ['-1', '2', '3']],
    // texts by their character codes; the empty ones first when ascending
    [body('var a = { d: ["b", "", "C", "a", ""], n: [4] }; cSort.SortArray(a, 0); return a.d;'), ['', '', 'C', 'a', 'b']],
    [body('var a = { d: ["b", "", "C", "a"], n: [3] }; cSort.SortArray(a, cConstants.PB_Sort_Descending); return a.d;'), ['b', 'a', 'C', '']],
    [body('var a = { d: ["b", "C", "a", "A"], n: [3] }; cSort.SortArray(a, cConstants.PB_Sort_NoCase); return a.d;'), ['a', 'A', 'b', 'C']],
    [body('var a = { d: ["b", "C", "a", "A"], n: [3] }; cSort.SortArray(a, cConstants.PB_Sort_NoCase | cConstants.PB_Sort_Descending); return a.d;'), ['C', 'b', 'a', 'A']],
    // plain arrays; a range past the end is clipped, an empty one changes nothing
    [body('var a = [5, 3, 9, 1]; cSort.SortArray(a, 0, 2, 10); return a;'), [5, 3, 1, 9]],
    [body('var a = [5, 3, 9, 1]; cSort.SortArray(a, 0, 3, 1); cSort.SortArray({ d: new Float64Array(0), n: [-1] }, 0); return a;'), [5, 3, 9, 1]],
    [body('var a = { d: [new Point(3, 1), new Point(1, 2), new Point(3, 0), new Point(2, 3)], n: [3] }; cSort.SortStructuredArray(a, 0, "x", cConstants.PB_Integer); return a.d.map(function (p) { return p.x + "/" + p.y; });'), ['1/2', '2/3', '3/1', '3/0']],
    [body('var a = { d: [{ s: "b" }, { s: "A" }, { s: "a" }], n: [2] }; cSort.SortStructuredArray(a, cConstants.PB_Sort_NoCase | cConstants.PB_Sort_Descending, "s", cConstants.PB_String); return a.d.map(function (p) { return p.s; });'), ['b', 'A', 'a']],
    [body('var a = { d: [{ v: 10 }, { v: 9 }, { v: 100 }], n: [2] }; cSort.SortStructuredArray(a, 0, "v", cConstants.PB_Double); return a.d.map(function (p) { return p.v; });'), [9, 10, 100]],
    [body('var a = { d: new Int32Array([1, 2, 3, 4, 5, 6]), n: [5] }; cSort.RandomizeArray(a, 1, 4); var mid = Array.from(a.d.subarray(1, 5)).sort(); return [a.d[0], mid, a.d[5]];'), [1, [2, 3, 4, 5], 6]],
    [body('var seen = {}; for (var i = 0; i < 200; i++) { var a = [1, 2, 3]; cSort.RandomizeArray(a); seen[a.join("")] = 1; } return Object.keys(seen).length;'), 6]
  ]);
});

test('SortList, SortStructuredList and RandomizeList', async function () {
  await runtime.check([
    [body('var l = L([3, 1, 2]); cSort.SortList(l, 0); return W(l);'), [1, 2, 3]],
    [body('var l = L(["b", "", "C", "a"]); cSort.SortList(l, cConstants.PB_Sort_Descending); return W(l);'), ['b', 'a', 'C', '']],
    // stable: equal texts without case keep their order
    [body('var l = L(["b", "A", "B", "a"]); cSort.SortList(l, cConstants.PB_Sort_NoCase); return W(l);'), ['A', 'a', 'b', 'B']],
    [body('var l = L(["b", "A", "B", "a"]); cSort.SortList(l, cConstants.PB_Sort_NoCase | cConstants.PB_Sort_Descending); return W(l);'), ['b', 'B', 'A', 'a']],
    [body('var l = L([9, 8, 7, 6, 5]); cSort.SortList(l, 0, 1, 3); return S(l);'), [[9, 6, 7, 8, 5], 4, 5, 5]],
    // the elements keep their handles; the current element stays, at its new position
    [body('var l = L([3, 1, 2]); l.FirstElement(); var h = l.elementHandle(); cSort.SortList(l, 0); return [S(l), l.elementHandle() === h];'), [[[1, 2, 3], 2, 3, 3], true]],
    [body('var l = new cLinkedList(); cSort.SortList(l, 0); l.AddElement(); cSort.SortList(l, 1, 0, 5); return S(l);'), [[0], 0, 0, 1]],
    [body('var l = Pts([3, 1, 3, 2]); l.SelectElement(2); l.getData().y = 1; var h = l.FirstElement(); cSort.SortStructuredList(l, 0, "x", cConstants.PB_Long); return [W(l).map(function (p) { return p.x + "/" + p.y; }), l.getData() === h];'), [['1/0', '2/0', '3/0', '3/1'], true]],
    [body('var l = Pts([1, 3, 2]); cSort.SortStructuredList(l, cConstants.PB_Sort_Descending, "x", cConstants.PB_Integer); return Xs(l);'), [3, 2, 1]],
    // long enough for the merges: the same order as a stable sort by hand
    [body('var v = []; for (var i = 0; i < 1000; i++) v.push("k" + (i * 7919 % 101)); var l = L(v); cSort.SortList(l, 0); return W(l).join() === v.slice().sort().join();'), true],
    [body('var l = new cLinkedList(Point); for (var i = 0; i < 1000; i++) { var p = l.AddElement(); p.x = i * 7919 % 50; p.y = i; } cSort.SortStructuredList(l, cConstants.PB_Sort_Descending, "x", cConstants.PB_Integer); var got = W(l).map(function (p) { return p.x + "/" + p.y; }).join(); var want = W(l).slice().sort(function (a, b) { return b.x - a.x || a.y - b.y; }).map(function (p) { return p.x + "/" + p.y; }).join(); return got === want;'), true],
    [body('var v = []; for (var i = 0; i < 100; i++) v.push(i % 3 ? i * 37 % 11 : "t" + i % 7); var l = L(v); cSort.SortList(l, 1); var w = W(l); return [w.slice(0, 3), w.slice(-3)];'), [['t6', 't6', 't6'], [0, 0, 0]]],
    [body('var l = L([1, 2, 3, 4, 5, 6, 7, 8]); cSort.RandomizeList(l); return [l.ListSize(), W(l).sort(), l.ListIndex() >= 0];'), [8, [1, 2, 3, 4, 5, 6, 7, 8], true]],
    [body('var l = L([1, 2, 3, 4, 5]); cSort.RandomizeList(l, 1, 3); var w = W(l); return [w[0], w.slice(1, 4).sort(), w[4]];'), [1, [2, 3, 4], 5]],
    [body('var seen = {}; for (var i = 0; i < 200; i++) { var l = L([1, 2, 3]); cSort.RandomizeList(l); seen[W(l).join("")] = 1; } return Object.keys(seen).length;'), 6]
  ]);
});

test('The library objects declare every command\'s result type and container arguments', async function () {
  await runtime.check([
    [body('var bad = []; [["cLinkedList", cLinkedList], ["cMap", cMap], ["cSort", cSort]].forEach(function (o) {' +
      ' Object.keys(o[1]).forEach(function (k) { if (/^[A-Z]/.test(k) && typeof o[1][k] === "function" && !(k in o[1].returns)) bad.push(o[0] + "." + k); });' +
      ' Object.keys(o[1].containers).forEach(function (k) { if (typeof o[1][k] !== "function" || !(k in o[1].returns)) bad.push(o[0] + ".containers." + k); }); }); return bad;'), []],
    // the list and map passes write these as methods of the container themselves
    [body('var own = ["AddElement", "ListSize", "ClearList", "ListIndex", "FirstElement", "NextElement", "PreviousElement", "LastElement", "DeleteElement", "SelectElement", "RandomizeList", "AddMapElement", "FindMapElement", "MapKey", "MapSize"];' +
      ' return own.filter(function (k) { return k in cLinkedList.containers || k in cMap.containers || k in cSort.containers; });'), []]
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
