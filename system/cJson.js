// cJson: PureBasic's JSON library.
// Emitted calls: cJson.ParseJSON(#J, text[, flags]), cJson.CreateJSON(#J),
// cJson.JSONValue(#J), cJson.GetJSONMember(v, key), cJson.GetJSONInteger(v),
// cJson.AddJSONElement(v), cJson.SetJSONString(v, text), cJson.ComposeJSON(#J[,
// #PB_JSON_PrettyPrint]), cJson.ExtractJSONStructure(v, object, Type),
// cJson.InsertJSONList(v, items), ... (the list itself, at the end).
// A value is a number (as PureBasic's values are addresses) that stays
// valid until the value is removed or its JSON is freed; 0 is no value.
// Data of the program moves in and out as the emitted code holds it:
// structures are objects made by their constructor (their fields are the
// members, by name), a program's arrays are cArray objects (fields hold
// JavaScript arrays), lists and maps are cLinkedList and cMap, each handed
// over whole. A
// field, element or list takes the JSON values that suit what it holds (a
// number, a text, a structure); one that holds nothing yet takes the JSON
// value as it is. Members keep the order they were added in, when walked
// and when composed; a pretty composed text indents by two spaces.
var cJson = (function () {
  var kNull = 0, kString = 1, kNumber = 2, kBoolean = 3, kArray = 4, kObject = 5;  // #PB_JSON_Null ...
  var kNoCase = 1, kPrettyPrint = 2, kNoClear = 4;  // #PB_JSON_NoCase, _PrettyPrint, _NoClear
  var kUTF8 = 26;

  var values = new Map();  // value number -> node
  var nextValue = 1;

  function Node(json) {
    this.id = nextValue++;
    this.json = json;        // the JSON data it belongs to
    this.type = kNull;
    this.value = null;       // text, number, BigInt (an exact large integer) or truth
    this.float = false;      // a number set as a float: composed in single precision
    this.items = null;       // array elements, or member key -> node (lower case with NoCase)
    this.walk = null;        // the member walk of ExamineJSONMembers
    values.set(this.id, this);
  }

  function Json(flags) {
    this.noCase = (Number(flags) & kNoCase) !== 0;
    this.root = new Node(this);
  }

  function node(value) { return values.get(Number(value)) || null; }

  // A value and everything inside it stop being valid.
  function drop(n) {
    values.delete(n.id);
    if (n.type === kArray) n.items.forEach(drop);
    else if (n.type === kObject) n.items.forEach(drop);
    n.items = null;
  }

  function reset(n, type) {
    if (n.type === kArray || n.type === kObject) n.items.forEach(drop);
    n.type = type;
    n.value = null;
    n.float = false;
    n.items = type === kArray ? [] : type === kObject ? new Map() : null;
    n.walk = null;
  }

  function child(parent) { return new Node(parent.json); }

  function memberKey(n, key) { return n.json.noCase ? key.toLowerCase() : key; }

  // ---- Parsing ----

  var error = { message: '', line: 0, position: 0 };

  function ParseError(message, at) {
    this.message = message;
    this.at = at;
  }

  function Parser(text, json) {
    this.s = text;
    this.i = 0;
    this.json = json;
  }

  Parser.prototype.fail = function (message) { throw new ParseError(message, this.i); };

  Parser.prototype.space = function () {
    var s = this.s;
    while (this.i < s.length) {
      var c = s.charCodeAt(this.i);
      if (c !== 32 && c !== 9 && c !== 10 && c !== 13) break;
      this.i++;
    }
  };

  Parser.prototype.value = function (n) {
    this.space();
    if (this.i >= this.s.length) this.fail('Unexpected end of input');
    var c = this.s.charAt(this.i);
    if (c === '{') return this.object(n);
    if (c === '[') return this.array(n);
    if (c === '"') {
      reset(n, kString);
      n.value = this.string();
      return;
    }
    if (c === '-' || (c >= '0' && c <= '9')) return this.number(n);
    var words = { 'true': [kBoolean, true], 'false': [kBoolean, false], 'null': [kNull, null] };
    for (var w in words) {
      if (this.s.substr(this.i, w.length) === w) {
        reset(n, words[w][0]);
        n.value = words[w][1];
        this.i += w.length;
        return;
      }
    }
    this.fail('Expected a value');
  };

  Parser.prototype.object = function (n) {
    reset(n, kObject);
    this.i++;
    this.space();
    if (this.s.charAt(this.i) === '}') {
      this.i++;
      return;
    }
    for (;;) {
      this.space();
      if (this.i >= this.s.length) this.fail('Unexpected end of input');
      if (this.s.charAt(this.i) !== '"') this.fail('Expected a string as member name');
      var key = this.string();
      this.space();
      if (this.s.charAt(this.i) !== ':') this.fail('Expected ":"');
      this.i++;
      var member = child(n);
      member.key = key;
      var k = memberKey(n, key), old = n.items.get(k);
      if (old) drop(old);
      n.items.set(k, member);
      this.value(member);
      this.space();
      var c = this.s.charAt(this.i++);
      if (c === '}') return;
      if (c !== ',') {
        this.i--;
        this.fail('Expected "," or "}"');
      }
    }
  };

  Parser.prototype.array = function (n) {
    reset(n, kArray);
    this.i++;
    this.space();
    if (this.s.charAt(this.i) === ']') {
      this.i++;
      return;
    }
    for (;;) {
      var element = child(n);
      n.items.push(element);
      this.value(element);
      this.space();
      var c = this.s.charAt(this.i++);
      if (c === ']') return;
      if (c !== ',') {
        this.i--;
        this.fail('Expected "," or "]"');
      }
    }
  };

  var kEscapes = { '"': '"', '\\': '\\', '/': '/', b: '\b', f: '\f', n: '\n', r: '\r', t: '\t' };

  Parser.prototype.string = function () {
    var s = this.s, out = '', start = ++this.i;
    for (;;) {
      if (this.i >= s.length) this.fail('Unterminated string');
      var c = s.charCodeAt(this.i);
      if (c === 34) break;
      if (c < 32) this.fail('Control character in string');
      if (c !== 92) {
        this.i++;
        continue;
      }
      out += s.substring(start, this.i);
      var e = s.charAt(this.i + 1);
      if (e in kEscapes) {
        out += kEscapes[e];
        this.i += 2;
      } else if (e === 'u' && /^[0-9A-Fa-f]{4}$/.test(s.substr(this.i + 2, 4))) {
        out += String.fromCharCode(parseInt(s.substr(this.i + 2, 4), 16));
        this.i += 6;
      } else {
        this.fail('Invalid escape sequence');
      }
      start = this.i;
    }
    out += s.substring(start, this.i);
    this.i++;
    return out;
  };

  Parser.prototype.number = function (n) {
    var m = /^-?(0|[1-9]\d*)(\.\d+)?([eE][-+]?\d+)?/.exec(this.s.substring(this.i, this.i + 400));
    if (!m) this.fail('Invalid number');
    this.i += m[0].length;
    var next = this.s.charAt(this.i);
    if (/[0-9.eE]/.test(next) && next !== '') this.fail('Invalid number');
    reset(n, kNumber);
    var v = Number(m[0]);
    n.value = !m[2] && !m[3] && !Number.isSafeInteger(v) ? BigInt(m[0]) : v;
  };

  // The line (1-based) and the character in it (1-based) of offset at.
  function place(text, at) {
    var line = 1, start = 0;
    for (var i = 0; i < at && i < text.length; i++) {
      if (text.charCodeAt(i) === 10) {
        line++;
        start = i + 1;
      }
    }
    return [line, at - start + 1];
  }

  var jsons = cObjects.table(function (json) { drop(json.root); });

  function parseInto(number, text, flags) {
    var json = new Json(flags), parser = new Parser(text, json);
    try {
      parser.value(json.root);
      parser.space();
      if (parser.i < text.length) parser.fail('Unexpected data after the value');
    } catch (e) {
      if (!(e instanceof ParseError)) throw e;
      var p = place(text, e.at);
      error = { message: e.message, line: p[0], position: p[1] };
      drop(json.root);
      return 0;
    }
    error = { message: '', line: 0, position: 0 };
    return jsons.add(number, json);
  }

  function ParseJSON(number, text, flags) { return parseInto(number, cString.text(text), flags); }

  function CatchJSON(number, memory, size, flags) {
    return parseInto(number, cMemory.decode(cMemory.bytesAt(memory, size), kUTF8), flags);
  }

  // A UTF-8 file; a byte-order mark in front is passed over.
  function LoadJSON(number, name, flags) {
    var data = cFileSystem.readAll(name);
    if (!data) {
      error = { message: 'Cannot open the file', line: 0, position: 0 };
      return 0;
    }
    if (data[0] === 0xef && data[1] === 0xbb && data[2] === 0xbf) data = data.subarray(3);
    return parseInto(number, cMemory.decode(data, kUTF8), flags);
  }

  function CreateJSON(number, flags) { return jsons.add(number, new Json(flags)); }
  function FreeJSON(number) { jsons.remove(number); }
  function IsJSON(number) { return jsons.get(number) ? 1 : 0; }

  function JSONValue(number) {
    var json = jsons.get(number);
    return json ? json.root.id : 0;
  }

  function JSONErrorMessage() { return error.message; }
  function JSONErrorLine() { return error.line; }
  function JSONErrorPosition() { return error.position; }

  // ---- Composing ----

  // The shortest text that reads back as the single-precision value.
  function floatText(v) {
    for (var digits = 1; digits <= 9; digits++) {
      var s = v.toPrecision(digits);
      if (Math.fround(Number(s)) === v) return String(Number(s));
    }
    return String(v);
  }

  function numberText(n) {
    var v = n.value;
    if (typeof v === 'bigint') return v.toString();
    if (!isFinite(v)) return 'null';
    return n.float ? floatText(v) : String(v);
  }

  function quote(text) {
    return '"' + text.replace(/[\\"\u0000-\u001f]/g, function (c) {
      var short = { '"': '\\"', '\\': '\\\\', '\b': '\\b', '\f': '\\f', '\n': '\\n', '\r': '\\r', '\t': '\\t' };
      return short[c] || '\\u' + ('000' + c.charCodeAt(0).toString(16)).slice(-4);
    }) + '"';
  }

  function compose(n, pretty, indent, out) {
    switch (n.type) {
      case kString: out.push(quote(n.value)); return;
      case kNumber: out.push(numberText(n)); return;
      case kBoolean: out.push(n.value ? 'true' : 'false'); return;
      case kNull: out.push('null'); return;
    }
    var isArray = n.type === kArray, list = isArray ? n.items : Array.from(n.items.values());
    if (list.length === 0) {
      out.push(isArray ? '[]' : '{}');
      return;
    }
    var inner = indent + '  ';
    out.push(isArray ? '[' : '{');
    list.forEach(function (item, i) {
      if (i) out.push(',');
      if (pretty) out.push('\n' + inner);
      if (!isArray) out.push(quote(item.key) + (pretty ? ': ' : ':'));
      compose(item, pretty, inner, out);
    });
    if (pretty) out.push('\n' + indent);
    out.push(isArray ? ']' : '}');
  }

  function composed(number, flags) {
    var json = jsons.get(number);
    if (!json) return null;
    var out = [];
    compose(json.root, (Number(flags) & kPrettyPrint) !== 0, '', out);
    return out.join('');
  }

  function ComposeJSON(number, flags) {
    var text = composed(number, flags);
    return text === null ? '' : text;
  }

  // UTF-8 without a byte-order mark.
  function SaveJSON(number, name, flags) {
    var text = composed(number, flags);
    return text !== null && cFileSystem.writeAll(name, cMemory.encode(text, kUTF8)) ? 1 : 0;
  }

  function ExportJSONSize(number, flags) {
    var text = composed(number, flags);
    return text === null ? 0 : cMemory.encode(text, kUTF8).length;
  }

  // The bytes written, 0 when they do not fit.
  function ExportJSON(number, memory, size, flags) {
    var text = composed(number, flags);
    if (text === null) return 0;
    var data = cMemory.encode(text, kUTF8);
    if (data.length > (Math.trunc(Number(size)) || 0)) return 0;
    cMemory.setBytes(memory, data);
    return data.length;
  }

  // ---- Reading and setting values ----

  function JSONType(value) {
    var n = node(value);
    return n ? n.type : kNull;
  }

  function GetJSONString(value) {
    var n = node(value);
    return n && n.type === kString ? n.value : '';
  }

  function GetJSONBoolean(value) {
    var n = node(value);
    return n && n.type === kBoolean && n.value ? 1 : 0;
  }

  // A fraction read as an integer is cut toward zero.
  function GetJSONInteger(value) {
    var n = node(value);
    if (!n || n.type !== kNumber) return 0;
    return typeof n.value === 'bigint' ? Number(n.value) : Math.trunc(n.value) || 0;
  }

  function GetJSONQuad(value) {
    var n = node(value);
    if (!n || n.type !== kNumber) return 0n;
    if (typeof n.value === 'bigint') return n.value;
    return isFinite(n.value) ? BigInt(Math.trunc(n.value)) : 0n;
  }

  function GetJSONDouble(value) {
    var n = node(value);
    return n && n.type === kNumber ? Number(n.value) : 0;
  }

  function GetJSONFloat(value) { return Math.fround(GetJSONDouble(value)); }

  function setter(type, convert, isFloat) {
    return function (value, x) {
      var n = node(value);
      if (!n) return;
      reset(n, type);
      n.value = convert(x);
      n.float = !!isFloat;
    };
  }

  function integer(x) {
    if (typeof x === 'bigint') return Number.isSafeInteger(Number(x)) ? Number(x) : x;
    var v = Number(x);
    return isFinite(v) ? Math.round(v) : 0;
  }

  var SetJSONNull = function (value) {
    var n = node(value);
    if (n) reset(n, kNull);
  };
  var SetJSONBoolean = setter(kBoolean, function (x) { return !!Number(x); });
  var SetJSONInteger = setter(kNumber, integer);
  var SetJSONQuad = setter(kNumber, function (x) { return integer(typeof x === 'bigint' ? x : BigInt(integer(x))); });
  var SetJSONDouble = setter(kNumber, function (x) { return Number(x); });
  var SetJSONFloat = setter(kNumber, function (x) { return Math.fround(Number(x)); }, true);
  var SetJSONString = setter(kString, function (x) { return cString.text(x); });

  function SetJSONArray(value) {
    var n = node(value);
    if (!n) return 0;
    reset(n, kArray);
    return n.id;
  }

  function SetJSONObject(value) {
    var n = node(value);
    if (!n) return 0;
    reset(n, kObject);
    return n.id;
  }

  // ---- Arrays ----

  function arrayNode(value) {
    var n = node(value);
    return n && n.type === kArray ? n : null;
  }

  function JSONArraySize(value) {
    var n = arrayNode(value);
    return n ? n.items.length : 0;
  }

  function GetJSONElement(value, index) {
    var n = arrayNode(value), i = Math.trunc(Number(index));
    return n && i >= 0 && i < n.items.length ? n.items[i].id : 0;
  }

  // A new null element, at the end or at index (below 0: first).
  function AddJSONElement(value, index) {
    var n = arrayNode(value);
    if (!n) return 0;
    var element = child(n), i = index === undefined ? n.items.length : Math.trunc(Number(index));
    n.items.splice(Math.max(0, Math.min(n.items.length, isNaN(i) ? n.items.length : i)), 0, element);
    return element.id;
  }

  function RemoveJSONElement(value, index) {
    var n = arrayNode(value), i = Math.trunc(Number(index));
    if (!n || !(i >= 0 && i < n.items.length)) return;
    drop(n.items[i]);
    n.items.splice(i, 1);
  }

  // count is the number of elements; new ones are null.
  function ResizeJSONElements(value, count) {
    var n = arrayNode(value), c = Math.max(0, Math.trunc(Number(count)) || 0);
    if (!n) return 0;
    while (n.items.length > c) drop(n.items.pop());
    while (n.items.length < c) n.items.push(child(n));
    return 1;
  }

  function ClearJSONElements(value) {
    var n = arrayNode(value);
    if (n) reset(n, kArray);
  }

  // ---- Objects ----

  function objectNode(value) {
    var n = node(value);
    return n && n.type === kObject ? n : null;
  }

  function JSONObjectSize(value) {
    var n = objectNode(value);
    return n ? n.items.size : 0;
  }

  function GetJSONMember(value, key) {
    var n = objectNode(value);
    var member = n ? n.items.get(memberKey(n, cString.text(key))) : null;
    return member ? member.id : 0;
  }

  // A new null member; one of the same key is replaced, in its place.
  function AddJSONMember(value, key) {
    var n = objectNode(value);
    if (!n) return 0;
    var k = cString.text(key), member = child(n), old = n.items.get(memberKey(n, k));
    if (old) drop(old);
    member.key = k;
    n.items.set(memberKey(n, k), member);
    return member.id;
  }

  function RemoveJSONMember(value, key) {
    var n = objectNode(value);
    if (!n) return;
    var k = memberKey(n, cString.text(key)), member = n.items.get(k);
    if (!member) return;
    drop(member);
    n.items.delete(k);
  }

  function ClearJSONMembers(value) {
    var n = objectNode(value);
    if (n) reset(n, kObject);
  }

  function ExamineJSONMembers(value) {
    var n = objectNode(value);
    if (!n) return 0;
    n.walk = { list: Array.from(n.items.values()), at: -1 };
    return 1;
  }

  function NextJSONMember(value) {
    var n = objectNode(value);
    if (!n || !n.walk || n.walk.at >= n.walk.list.length) return 0;
    n.walk.at++;
    return n.walk.at < n.walk.list.length ? 1 : 0;
  }

  function walked(value) {
    var n = objectNode(value);
    return n && n.walk && n.walk.at >= 0 && n.walk.at < n.walk.list.length ? n.walk.list[n.walk.at] : null;
  }

  function JSONMemberKey(value) {
    var m = walked(value);
    return m ? m.key : '';
  }

  function JSONMemberValue(value) {
    var m = walked(value);
    return m && values.has(m.id) ? m.id : 0;
  }

  // ---- The program's data into JSON ----

  function isStructure(x) {
    return x !== null && typeof x === 'object' && !Array.isArray(x) &&
      !(x instanceof cLinkedList) && !(x instanceof cMap);
  }

  // A field's name as a key: the "$" of a string field and the "*" of a
  // pointer are not part of it.
  function fieldKey(name) { return name.replace(/^\*/, '').replace(/\$$/, ''); }

  function insert(n, x) {
    if (typeof x === 'string') {
      reset(n, kString);
      n.value = x;
    } else if (typeof x === 'number' || typeof x === 'bigint') {
      reset(n, kNumber);
      n.value = typeof x === 'bigint' ? integer(x) : x;
    } else if (typeof x === 'boolean') {
      reset(n, kNumber);
      n.value = x ? 1 : 0;
    } else if (Array.isArray(x) || x instanceof cLinkedList) {
      reset(n, kArray);
      (Array.isArray(x) ? x : x.values()).forEach(function (item) {
        var element = child(n);
        n.items.push(element);
        insert(element, item);
      });
    } else if (x instanceof cMap) {
      reset(n, kObject);
      var keys = x.keys(), data = x.values();
      for (var i = 0; i < keys.length; i++) insert(addMember(n, keys[i]), data[i]);
    } else if (isStructure(x)) {
      reset(n, kObject);
      Object.keys(x).forEach(function (field) { insert(addMember(n, fieldKey(field)), x[field]); });
    } else {
      reset(n, kNull);
    }
  }

  function addMember(n, key) { return node(AddJSONMember(n.id, key)); }

  function inserter(check) {
    return function (value, data) {
      var n = node(value), x = check(data);
      if (!n || x === null) return 0;
      insert(n, x);
      return 1;
    };
  }

  function theList(x) { return x instanceof cLinkedList ? x : null; }
  function theMap(x) { return x instanceof cMap ? x : null; }

  // A program's array (a cArray) as the plain array of its elements.
  function elementsOf(x) {
    if (typeof cArray !== 'undefined' && x instanceof cArray) return Array.prototype.slice.call(x.d);
    return Array.isArray(x) ? x : null;
  }

  var InsertJSONArray = inserter(elementsOf);
  var InsertJSONList = inserter(function (x) { return theList(x); });
  var InsertJSONMap = inserter(function (x) { return theMap(x); });
  var InsertJSONStructure = inserter(function (x) { return isStructure(x) ? x : null; });

  // ---- JSON into the program's data ----

  // The value of node n for a place that holds like (0, "", a structure, an
  // array, a list, a map); fallback when n does not suit it.
  function extract(n, like) {
    if (typeof like === 'number') {
      if (n.type === kNumber) return typeof n.value === 'bigint' ? Number(n.value) : n.value;
      return n.type === kBoolean ? (n.value ? 1 : 0) : like;
    }
    if (typeof like === 'bigint') return n.type === kNumber ? GetJSONQuad(n.id) : like;
    if (typeof like === 'string') return n.type === kString ? n.value : like;
    if (Array.isArray(like)) {
      if (n.type === kArray) fillArray(n, like);
      return n.type === kArray || like.length ? like : plain(n);
    }
    if (like instanceof cLinkedList) {
      if (n.type === kArray) fillList(n, like);
      return like;
    }
    if (like instanceof cMap) {
      if (n.type === kObject) fillMap(n, like);
      return like;
    }
    if (isStructure(like)) {
      if (n.type === kObject) fillStructure(n, like);
      return like;
    }
    return plain(n);
  }

  // A JSON value for a place that holds nothing yet: as it is, objects as
  // plain objects with a member per key.
  function plain(n) {
    switch (n.type) {
      case kString: return n.value;
      case kNumber: return typeof n.value === 'bigint' ? Number(n.value) : n.value;
      case kBoolean: return n.value ? 1 : 0;
      case kArray: return n.items.map(plain);
      case kObject:
        var o = {};
        n.items.forEach(function (m) { o[m.key] = plain(m); });
        return o;
      default: return 0;
    }
  }

  // A new place that holds what example holds: 0, "", a new structure of
  // the same constructor, an array whose first element says what its
  // elements hold; undefined when example holds nothing yet.
  function fresh(example) {
    if (typeof example === 'number') return 0;
    if (typeof example === 'string') return '';
    if (typeof example === 'bigint') return 0n;
    if (Array.isArray(example)) return example.length && example[0] !== undefined ? [fresh(example[0])] : undefined;
    if (isStructure(example) && typeof example.constructor === 'function' && example.constructor !== Object)
      return new example.constructor();
    return undefined;
  }

  function fillArray(n, array) {
    var example = array.length ? array[0] : undefined;
    array.length = n.items.length;
    for (var i = 0; i < n.items.length; i++) array[i] = extract(n.items[i], fresh(example));
  }

  function fillList(n, list) {
    var example = list.ListSize() ? list.values()[0] : undefined;
    list.ClearList();
    n.items.forEach(function (item) { list.AddElement(extract(item, fresh(example))); });
  }

  function fillMap(n, map) {
    var example = map.sample();
    map.ClearMap();
    n.items.forEach(function (m) {
      map.AddMapElement(m.key);
      map.setData(extract(m, fresh(example)));
    });
  }

  // The members that match the fields (by name, without letter case with
  // #PB_JSON_NoCase) go into them; the others are left out.
  function fillStructure(n, object) {
    var lower = null;
    if (n.json.noCase) {
      lower = new Map();
      n.items.forEach(function (m) { lower.set(m.key.toLowerCase(), m); });
    }
    Object.keys(object).forEach(function (field) {
      var key = fieldKey(field);
      var member = lower ? lower.get(key.toLowerCase()) : n.items.get(key);
      if (member) object[field] = extract(member, object[field]);
    });
  }

  // The fields start as a new structure of Type has them, unless
  // #PB_JSON_NoClear keeps them.
  function clearFields(object, Type) {
    if (typeof Type !== 'function') return;
    var cleared = new Type();
    Object.keys(cleared).forEach(function (field) { object[field] = cleared[field]; });
  }

  function ExtractJSONStructure(value, object, Type, flags) {
    var n = objectNode(value);
    if (!n || !isStructure(object)) return;
    if (!(Number(flags) & kNoClear)) clearFields(object, Type);
    fillStructure(n, object);
  }

  // Into a program's array: its elements become the JSON array's items,
  // and its size the items' count (Dim to count - 1).
  function ExtractJSONArray(value, array) {
    var n = arrayNode(value);
    if (!n) return;
    if (Array.isArray(array)) return fillArray(n, array);
    if (typeof cArray === 'undefined' || !(array instanceof cArray)) return;
    var items = [array.type === 's' ? '' : array.type === 'S' && array.structure ? new array.structure() :
                 array.type === 'q' ? 0n : 0];
    fillArray(n, items);
    cArray.dim(array, array.type, array.structure, n.items.length - 1);
    for (var i = 0; i < n.items.length; i++) array.d[i] = items[i];
  }

  function ExtractJSONList(value, list) {
    var n = arrayNode(value), target = theList(list);
    if (n && target) fillList(n, target);
  }

  function ExtractJSONMap(value, map) {
    var n = objectNode(value), target = theMap(map);
    if (n && target) fillMap(n, target);
  }

  return {
    ParseJSON: ParseJSON, CatchJSON: CatchJSON, LoadJSON: LoadJSON, CreateJSON: CreateJSON,
    FreeJSON: FreeJSON, IsJSON: IsJSON, JSONValue: JSONValue, JSONErrorMessage: JSONErrorMessage,
    JSONErrorLine: JSONErrorLine, JSONErrorPosition: JSONErrorPosition,
    ComposeJSON: ComposeJSON, SaveJSON: SaveJSON, ExportJSON: ExportJSON, ExportJSONSize: ExportJSONSize,
    JSONType: JSONType, GetJSONString: GetJSONString, GetJSONBoolean: GetJSONBoolean,
    GetJSONInteger: GetJSONInteger, GetJSONQuad: GetJSONQuad, GetJSONDouble: GetJSONDouble,
    GetJSONFloat: GetJSONFloat, SetJSONNull: SetJSONNull, SetJSONBoolean: SetJSONBoolean,
    SetJSONInteger: SetJSONInteger, SetJSONQuad: SetJSONQuad, SetJSONDouble: SetJSONDouble,
    SetJSONFloat: SetJSONFloat, SetJSONString: SetJSONString, SetJSONArray: SetJSONArray,
    SetJSONObject: SetJSONObject, JSONArraySize: JSONArraySize, GetJSONElement: GetJSONElement,
    AddJSONElement: AddJSONElement, RemoveJSONElement: RemoveJSONElement,
    ResizeJSONElements: ResizeJSONElements, ClearJSONElements: ClearJSONElements,
    JSONObjectSize: JSONObjectSize, GetJSONMember: GetJSONMember, AddJSONMember: AddJSONMember,
    RemoveJSONMember: RemoveJSONMember, ClearJSONMembers: ClearJSONMembers,
    ExamineJSONMembers: ExamineJSONMembers, NextJSONMember: NextJSONMember,
    JSONMemberKey: JSONMemberKey, JSONMemberValue: JSONMemberValue,
    InsertJSONArray: InsertJSONArray, InsertJSONList: InsertJSONList, InsertJSONMap: InsertJSONMap,
    InsertJSONStructure: InsertJSONStructure, ExtractJSONStructure: ExtractJSONStructure,
    ExtractJSONArray: ExtractJSONArray, ExtractJSONList: ExtractJSONList, ExtractJSONMap: ExtractJSONMap,
    // the arguments that take a whole array, list or map
    containers: {
      InsertJSONArray: [1], InsertJSONList: [1], InsertJSONMap: [1], ExtractJSONArray: [1],
      ExtractJSONList: [1], ExtractJSONMap: [1]
    },
    // the PureBasic type of each command's result, for the converter
    returns: {
      ParseJSON: 'i', CatchJSON: 'i', LoadJSON: 'i', CreateJSON: 'i', FreeJSON: '', IsJSON: 'i',
      JSONValue: 'i', JSONErrorMessage: 's', JSONErrorLine: 'i', JSONErrorPosition: 'i',
      ComposeJSON: 's', SaveJSON: 'i', ExportJSON: 'i', ExportJSONSize: 'i', JSONType: 'i',
      GetJSONString: 's', GetJSONBoolean: 'i', GetJSONInteger: 'i', GetJSONQuad: 'q',
      GetJSONDouble: 'd', GetJSONFloat: 'f', SetJSONNull: '', SetJSONBoolean: '', SetJSONInteger: '',
      SetJSONQuad: '', SetJSONDouble: '', SetJSONFloat: '', SetJSONString: '', SetJSONArray: 'i',
      SetJSONObject: 'i', JSONArraySize: 'i', GetJSONElement: 'i', AddJSONElement: 'i',
      RemoveJSONElement: '', ResizeJSONElements: 'i', ClearJSONElements: '', JSONObjectSize: 'i',
      GetJSONMember: 'i', AddJSONMember: 'i', RemoveJSONMember: '', ClearJSONMembers: '',
      ExamineJSONMembers: 'i', NextJSONMember: 'i', JSONMemberKey: 's', JSONMemberValue: 'i',
      InsertJSONArray: 'i', InsertJSONList: 'i', InsertJSONMap: 'i', InsertJSONStructure: 'i',
      ExtractJSONStructure: '', ExtractJSONArray: '', ExtractJSONList: '', ExtractJSONMap: ''
    }
  };
})();
