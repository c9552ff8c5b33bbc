// The JSON library in the browser: parsing with PureBasic's error report,
// values read and set, compact and pretty output, and data moved between
// JSON and structures, arrays, lists and maps.
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () {
  runtime = await openRuntimePage();
  await runtime.evaluate(['var J = cJson, C = cConstants;' +
    ' function Pt() { this.x = 0; this.y = 0; }' +
    ' function Cfg() { this.name = ""; this.size = 0; this.ratio = 0; this.tags = []; this.pos = new Pt(); }' +
    // a structure as the translator makes it today, its fields not yet typed
    ' function Bare() { this.name = null; this.n = null; }' +
    ' function parsed(text, flags) { J.ParseJSON(20, text, flags || 0); return J.JSONValue(20); }' +
    ' function roundTrip(text, flags) { return J.ParseJSON(21, text) ? J.ComposeJSON(21, flags || 0) : "error"; }']);
});
after(async function () { await runtime.close(); });

function q(text) { return JSON.stringify(text); }

test('Parse and compose give the same data back, compact or pretty', async function () {
  const compact = '{"name":"Ann","age":30,"tags":["a","b"],"ok":true,"none":null,"ratio":0.5,"neg":-1.5e-7}';
  await runtime.check([
    ['roundTrip(' + q(compact) + ')', compact],
    ['roundTrip(' + q(' { "a" : [ 1 , 2 ] ,\n "b" : { } } ') + ')', '{"a":[1,2],"b":{}}'],
    ['roundTrip(' + q('{"a":[1,2],"b":{},"c":[],"d":{"e":"f"}}') + ', C.PB_JSON_PrettyPrint)',
     '{\n  "a": [\n    1,\n    2\n  ],\n  "b": {},\n  "c": [],\n  "d": {\n    "e": "f"\n  }\n}'],
    ['roundTrip(' + q('["a\\"b\\\\c\\n\\u00e9\\/\\u0001"]') + ')', '["a\\"b\\\\c\\n\u00e9/\\u0001"]'],
    ['J.GetJSONString(J.GetJSONElement(parsed(' + q('["a\\"b\\\\c\\n\\u00e9\\/"]') + '), 0))', 'a"b\\c\n\u00e9/'],
    ['roundTrip("[9223372036854775807,12345678901234567890,1e400]")', '[9223372036854775807,12345678901234567890,null]'],
    ['String(J.GetJSONQuad(J.GetJSONElement(parsed("[9223372036854775807]"), 0)))', '9223372036854775807'],
    ['roundTrip("3")', '3'],
    ['roundTrip("\\"only text\\"")', '"only text"']
  ]);
});

test('Values by type; a getter of another type gives 0 or ""', async function () {
  await runtime.check([
    ['var v = parsed(' + q('{"s":"x","n":2.7,"m":-2.7,"b":true,"z":null,"a":[],"o":{}}') + ');' +
     ' ["s", "n", "b", "z", "a", "o"].map(function (k) { return J.JSONType(J.GetJSONMember(v, k)); })',
     [1, 2, 3, 0, 4, 5]],
    ['[J.GetJSONInteger(J.GetJSONMember(v, "n")), J.GetJSONInteger(J.GetJSONMember(v, "m")),' +
     ' J.GetJSONDouble(J.GetJSONMember(v, "n")), J.GetJSONFloat(J.GetJSONMember(v, "n")),' +
     ' J.GetJSONBoolean(J.GetJSONMember(v, "b")), J.GetJSONString(J.GetJSONMember(v, "n")),' +
     ' J.GetJSONInteger(J.GetJSONMember(v, "s")), J.GetJSONMember(v, "missing"), J.JSONObjectSize(v)]',
     [2, -2, 2.7, Math.fround(2.7), 1, '', 0, 0, 7]],
    // member names are exact unless the data was parsed with #PB_JSON_NoCase
    ['[J.GetJSONMember(parsed("{\\"Name\\":1}"), "name") === 0,' +
     ' J.GetJSONMember(parsed("{\\"Name\\":1}", C.PB_JSON_NoCase), "name") !== 0]', [true, true]],
    // a value of data that was freed is no value any more
    ['var old = J.GetJSONMember(parsed("{\\"k\\":\\"v\\"}"), "k"); var before = J.GetJSONString(old);' +
     ' J.FreeJSON(20); [before, J.GetJSONString(old), J.IsJSON(20)]', ['v', '', 0]]
  ]);
});

test('A failed parse reports its message, line and position', async function () {
  function failure(text) {
    return '[J.ParseJSON(22, ' + q(text) + '), J.JSONErrorMessage(), J.JSONErrorLine(), J.JSONErrorPosition()]';
  }
  await runtime.check([
    [failure('{"a":1,}'), [0, 'Expected a string as member name', 1, 8]],
    [failure('{\n  "a": tru\n}'), [0, 'Expected a value', 2, 8]],
    [failure('[1] x'), [0, 'Unexpected data after the value', 1, 5]],
    [failure('[1, 2'), [0, 'Expected "," or "]"', 1, 6]],
    [failure('{"a" 1}'), [0, 'Expected ":"', 1, 6]],
    [failure('["abc'), [0, 'Unterminated string', 1, 6]],
    [failure('["\\q"]'), [0, 'Invalid escape sequence', 1, 3]],
    [failure('[01]'), [0, 'Invalid number', 1, 3]],
    [failure(''), [0, 'Unexpected end of input', 1, 1]],
    ['[J.ParseJSON(22, "[]") !== 0, J.JSONErrorMessage()]', [true, '']]
  ]);
});

test('Building data: members, elements, resizing, walking', async function () {
  await runtime.check([
    ['J.CreateJSON(2); var obj = J.SetJSONObject(J.JSONValue(2)); J.SetJSONString(J.AddJSONMember(obj, "name"), "Bo");' +
     ' var arr = J.SetJSONArray(J.AddJSONMember(obj, "list")); J.SetJSONInteger(J.AddJSONElement(arr), 1);' +
     ' J.SetJSONDouble(J.AddJSONElement(arr), 2.5); J.SetJSONBoolean(J.AddJSONElement(arr, -3), 7);' +
     ' J.SetJSONFloat(J.AddJSONElement(arr), 0.1); J.SetJSONDouble(J.AddJSONElement(arr, 99), NaN);' +
     ' J.SetJSONQuad(J.AddJSONElement(arr), 9007199254740993n); J.ComposeJSON(2)',
     '{"name":"Bo","list":[true,1,2.5,0.1,null,9007199254740993]}'],
    ['J.AddJSONMember(obj, "name"); J.ComposeJSON(2)', '{"name":null,"list":[true,1,2.5,0.1,null,9007199254740993]}'],
    ['J.RemoveJSONElement(arr, 0); J.ResizeJSONElements(arr, 6); [J.JSONArraySize(arr), J.ComposeJSON(2)]',
     [6, '{"name":null,"list":[1,2.5,0.1,null,9007199254740993,null]}']],
    ['J.ResizeJSONElements(arr, 1); [J.GetJSONElement(arr, 1), J.GetJSONInteger(J.GetJSONElement(arr, 0))]', [0, 1]],
    ['J.SetJSONString(J.AddJSONMember(obj, "third"), "3"); J.ExamineJSONMembers(obj); var keys = [];' +
     ' while (J.NextJSONMember(obj)) keys.push(J.JSONMemberKey(obj) + "=" + J.JSONType(J.JSONMemberValue(obj))); keys',
     ['name=0', 'list=4', 'third=1']],
    ['J.RemoveJSONMember(obj, "list"); J.ClearJSONElements(arr); [J.JSONObjectSize(obj), J.ComposeJSON(2)]',
     [2, '{"name":null,"third":"3"}']],
    ['J.ClearJSONMembers(obj); J.ComposeJSON(2)', '{}']
  ]);
});

test('JSON into structures, arrays, lists and maps', async function () {
  const cfg = '{"name":"box","size":"big","ratio":1.5,"tags":["a","b"],"pos":{"x":3,"y":4},"extra":1}';
  await runtime.check([
    // a member of an unsuitable type leaves its field as cleared
    ['var c = new Cfg(); c.size = 9; J.ExtractJSONStructure(parsed(' + q(cfg) + '), c, Cfg);' +
     ' [c.name, c.size, c.ratio, c.tags, c.pos instanceof Pt, c.pos.x, c.pos.y, "extra" in c]',
     ['box', 0, 1.5, ['a', 'b'], true, 3, 4, false]],
    ['c.size = 9; J.ExtractJSONStructure(parsed("{\\"name\\":\\"n2\\"}"), c, Cfg, C.PB_JSON_NoClear); [c.name, c.size, c.ratio]',
     ['n2', 9, 1.5]],
    ['J.ExtractJSONStructure(parsed("{\\"name\\":\\"n3\\"}"), c, Cfg); [c.name, c.size, c.ratio, c.tags]', ['n3', 0, 0, []]],
    ['J.ExtractJSONStructure(parsed("{\\"NAME\\":\\"n4\\"}", C.PB_JSON_NoCase), c, Cfg); c.name', 'n4'],
    ['var b = new Bare(); J.ExtractJSONStructure(parsed("{\\"name\\":\\"a\\",\\"n\\":5}"), b, Bare); [b.name, b.n]', ['a', 5]],
    ['var a = [0, 0]; J.ExtractJSONArray(parsed("[5,6,\\"x\\"]"), a); a', [5, 6, 0]],
    ['var grid = [[0, 0], [0, 0]]; J.ExtractJSONArray(parsed("[[1,2],[3,4],[5]]"), grid); grid', [[1, 2], [3, 4], [5]]],
    ['var l = new cLinkedList(); J.ExtractJSONList(parsed("[\\"p\\",\\"q\\",\\"r\\"]"), l); l.values()',
     ['p', 'q', 'r']],
    ['var pts = new cLinkedList(); pts.AddElement(new Pt()); J.ExtractJSONList(parsed(' +
     q('[{"x":1},{"x":2,"y":5}]') + '), pts); pts.values().map(function (p) {' +
     ' return [p instanceof Pt, p.x, p.y]; })', [[true, 1, 0], [true, 2, 5]]],
    ['var mp = new cMap(Pt); J.ExtractJSONMap(parsed(' + q('{"a":{"x":7},"b":{"y":8}}') + '), mp);' +
     ' [mp.MapSize(), mp.getData2("a").x, mp.getData2("b").y, mp.getData2("b") instanceof Pt]', [2, 7, 8, true]]
  ]);
});

test('Structures, arrays, lists and maps into JSON', async function () {
  await runtime.check([
    ['J.CreateJSON(3); J.InsertJSONStructure(J.JSONValue(3), c, Cfg); J.ComposeJSON(3)',
     '{"name":"n4","size":0,"ratio":0,"tags":[],"pos":{"x":0,"y":0}}'],
    ['J.InsertJSONArray(J.JSONValue(3), grid); J.ComposeJSON(3)', '[[1,2],[3,4],[5]]'],
    ['J.InsertJSONList(J.JSONValue(3), pts); J.ComposeJSON(3)', '[{"x":1,"y":0},{"x":2,"y":5}]'],
    ['var ages = new cMap(); ages.setData2("Ann", 30); ages.setData2("Bo", 4);' +
     ' J.InsertJSONMap(J.JSONValue(3), ages); J.ComposeJSON(3)', '{"Ann":30,"Bo":4}']
  ]);
});

test('Export, catch, save and load move UTF-8 bytes', async function () {
  await runtime.check([
    ['J.ParseJSON(4, "{\\"a\\":\\"\u00e9\\"}"); var size = J.ExportJSONSize(4); var buf = cMemory.AllocateMemory(16);' +
     ' [size, J.ExportJSON(4, buf, 5), J.ExportJSON(4, buf, 16), J.CatchJSON(5, buf, size) !== 0, J.ComposeJSON(5)]',
     [10, 0, 10, true, '{"a":"\u00e9"}']],
    ['[J.SaveJSON(4, "cfg.json"), cFileSystem.FileSize("cfg.json"), J.LoadJSON(6, "cfg.json") !== 0, J.ComposeJSON(6),' +
     ' J.LoadJSON(7, "missing.json")]', [1, 10, true, '{"a":"\u00e9"}', 0]]
  ]);
});
