// cPreference: PureBasic's preference files, kept as files of the page's
// file system (cFileSystem), so that they stay from one visit to the next.
// Emitted calls: cPreference.OpenPreferences(name[, flags[, encoding]]),
// cPreference.CreatePreferences(name[, flags]), cPreference.PreferenceGroup
// (name), cPreference.ReadPreferenceInteger(key, default),
// cPreference.WritePreferenceString(key, text), cPreference.ClosePreferences(),
// cPreference.ExaminePreferenceGroups(), ... (the list at the end).
// The stored text is PureBasic's format, so that it can be taken out and put
// in as a file: UTF-8 with a byte-order mark (not with
// #PB_Preference_NoBOM), "[Group]" lines, "Key = Value" lines ("Key=Value"
// with #PB_Preference_NoSpace), "; " comments, lines ended by CR LF, a blank
// line between groups with #PB_Preference_GroupSeparator. Group and key
// names are found without regard to letter case; comments and the order of
// the lines are kept when a file is written back. One file is open at a
// time; it is written when it is closed (or flushed) after a change.
var cPreference = (function () {
  var kNoSpace = 1, kGroupSeparator = 2, kNoBOM = 4;  // #PB_Preference_...
  var kAscii = 24, kUTF8 = 26;

  var file = null;  // { name, flags, bom, groups: [{ name, lines }], changed }
  var group = '';   // the current group's name, "" before the first group
  var groupWalk = null, keyWalk = null;

  function Group(name) {
    this.name = name;
    this.lines = [];  // { key, value } or { comment } (null: an empty line)
  }

  function parse(text) {
    var groups = [new Group('')], g = groups[0];
    text.split(/\r\n|\n|\r/).forEach(function (raw, i, all) {
      if (i === all.length - 1 && raw === '') return;
      var line = raw.trim(), m;
      if ((m = /^\[(.*)\]$/.exec(line))) {
        g = new Group(m[1].trim());
        groups.push(g);
      } else if (line === '') {
        g.lines.push({ comment: null });
      } else if (line.charAt(0) === ';' || line.indexOf('=') < 0) {
        g.lines.push({ comment: line.replace(/^;\s?/, ''), raw: line.charAt(0) !== ';' ? line : null });
      } else {
        var at = line.indexOf('=');
        g.lines.push({ key: line.substring(0, at).trim(), value: line.substring(at + 1).trim() });
      }
    });
    return groups;
  }

  function text(f) {
    var out = [], separate = (f.flags & kGroupSeparator) !== 0;
    var equals = f.flags & kNoSpace ? '=' : ' = ';
    f.groups.forEach(function (g, i) {
      if (g.name === '' && i === 0 && g.lines.length === 0) return;
      if (separate && out.length && out[out.length - 1] !== '') out.push('');
      if (i > 0) out.push('[' + g.name + ']');
      g.lines.forEach(function (l) {
        if (l.key !== undefined) out.push(l.key + equals + l.value);
        else if (l.comment === null) out.push('');
        else out.push(l.raw !== null && l.raw !== undefined ? l.raw : '; ' + l.comment);
      });
    });
    return out.map(function (l) { return l + '\r\n'; }).join('');
  }

  function write(f) {
    var body = cMemory.encode(text(f), kUTF8), data = body;
    if (f.bom) {
      data = new Uint8Array(body.length + 3);
      data.set([0xef, 0xbb, 0xbf]);
      data.set(body, 3);
    }
    if (!cFileSystem.writeAll(f.name, data)) return false;
    f.changed = false;
    return true;
  }

  function same(a, b) { return a.toLowerCase() === b.toLowerCase(); }

  function findGroup(name) {
    if (!file) return null;
    for (var i = 0; i < file.groups.length; i++) if (same(file.groups[i].name, name)) return file.groups[i];
    return null;
  }

  // The current group, made (at the end) when a line is first written to it.
  function currentGroup() {
    var g = findGroup(group);
    if (!g) {
      g = new Group(group);
      file.groups.push(g);
    }
    return g;
  }

  function findLine(g, key) {
    if (!g) return null;
    for (var i = 0; i < g.lines.length; i++) {
      var l = g.lines[i];
      if (l.key !== undefined && same(l.key, key)) return l;
    }
    return null;
  }

  function begin(name, flags, groups, bom) {
    if (file) ClosePreferences();
    file = { name: cString.text(name), flags: Number(flags) || 0, bom: bom, groups: groups, changed: false };
    group = '';
    groupWalk = keyWalk = null;
  }

  // ---- Files ----

  // A new empty file, replacing one of the same name.
  function CreatePreferences(name, flags) {
    begin(name, flags, [new Group('')], !(Number(flags) & kNoBOM));
    if (write(file)) return 1;
    file = null;
    return 0;
  }

  // Without a byte-order mark the file is read as UTF-8, or as Ascii when
  // encoding says so. When it cannot be opened the reads give their
  // defaults.
  function OpenPreferences(name, flags, encoding) {
    var data = cFileSystem.readAll(name);
    if (!data) {
      if (file) ClosePreferences();
      return 0;
    }
    var bom = data[0] === 0xef && data[1] === 0xbb && data[2] === 0xbf;
    var content = bom ? cMemory.decode(data.subarray(3), kUTF8)
      : cMemory.decode(data, Number(encoding) === kAscii ? kAscii : kUTF8);
    begin(name, flags, parse(content), true);
    return 1;
  }

  function ClosePreferences() {
    if (file && file.changed) write(file);
    file = null;
    group = '';
    groupWalk = keyWalk = null;
  }

  function FlushPreferenceBuffers() { return file && write(file) ? 1 : 0; }

  // ---- Groups and keys ----

  // 1 when the group exists already; it is made when a key is written.
  function PreferenceGroup(name) {
    group = cString.text(name);
    keyWalk = null;
    return findGroup(group) ? 1 : 0;
  }

  function changeLines(change) {
    if (!file) return 0;
    change(currentGroup());
    file.changed = true;
    return 1;
  }

  function PreferenceComment(comment) {
    var c = cString.text(comment);
    changeLines(function (g) { g.lines.push({ comment: c === '' ? null : c }); });
  }

  function RemovePreferenceKey(key) {
    var g = findGroup(group), l = findLine(g, cString.text(key));
    if (!l) return;
    g.lines.splice(g.lines.indexOf(l), 1);
    file.changed = true;
  }

  function RemovePreferenceGroup(name) {
    var g = findGroup(cString.text(name));
    if (!g || g === file.groups[0]) return;
    file.groups.splice(file.groups.indexOf(g), 1);
    file.changed = true;
  }

  function readText(key) {
    var l = findLine(findGroup(group), cString.text(key));
    return l ? l.value : null;
  }

  function writeText(key, value) {
    var k = cString.text(key);
    return changeLines(function (g) {
      var l = findLine(g, k);
      if (l) l.value = value; else g.lines.push({ key: k, value: value });
    });
  }

  // ---- Typed reads and writes ----

  function ReadPreferenceString(key, fallback) {
    var v = readText(key);
    return v === null ? cString.text(fallback === undefined ? '' : fallback) : v;
  }

  function reader(convert) {
    return function (key, fallback) {
      var v = readText(key);
      return v === null ? (fallback === undefined ? convert('0') : fallback) : convert(v);
    };
  }

  var ReadPreferenceInteger = reader(cString.Val);
  var ReadPreferenceLong = reader(function (v) { return cString.Val(v) | 0; });
  var ReadPreferenceFloat = reader(cString.ValF);
  var ReadPreferenceDouble = reader(cString.ValD);

  // Exact over all 64 bits.
  function ReadPreferenceQuad(key, fallback) {
    var v = readText(key);
    if (v === null) return typeof fallback === 'bigint' ? fallback : BigInt(Math.trunc(Number(fallback) || 0));
    var m = /^\s*([-+]?\d+)/.exec(v);
    return m ? BigInt.asIntN(64, BigInt(m[1])) : BigInt(cString.Val(v));
  }

  function integerText(value) {
    if (typeof value === 'bigint') return value.toString();
    var n = Number(value) || 0;
    return cString.Str(Number.isInteger(n) ? n : Math.round(n));
  }

  function WritePreferenceString(key, value) { return writeText(key, cString.text(value)); }
  function WritePreferenceInteger(key, value) { return writeText(key, integerText(value)); }
  function WritePreferenceLong(key, value) { return writeText(key, integerText(Number(value) | 0)); }
  function WritePreferenceQuad(key, value) {
    return writeText(key, typeof value === 'bigint' ? BigInt.asIntN(64, value).toString() : integerText(value));
  }

  // A float with six decimals ("20.000000"), a double as the shortest text
  // that reads back as the same value.
  function WritePreferenceFloat(key, value) { return writeText(key, cString.StrF(value, 6)); }
  function WritePreferenceDouble(key, value) {
    var n = Number(value) || 0;
    return writeText(key, isFinite(n) ? String(n) : cString.StrD(n));
  }

  // ---- Walking the file ----

  function ExaminePreferenceGroups() {
    if (!file) return 0;
    groupWalk = { list: file.groups.slice(1), at: -1 };
    return 1;
  }

  // Each step makes the group current.
  function NextPreferenceGroup() {
    if (!groupWalk || groupWalk.at >= groupWalk.list.length) return 0;
    groupWalk.at++;
    if (groupWalk.at >= groupWalk.list.length) return 0;
    group = groupWalk.list[groupWalk.at].name;
    keyWalk = null;
    return 1;
  }

  function PreferenceGroupName() {
    var walking = groupWalk && groupWalk.at >= 0 && groupWalk.at < groupWalk.list.length;
    return walking ? groupWalk.list[groupWalk.at].name : '';
  }

  function ExaminePreferenceKeys() {
    if (!file) return 0;
    var g = findGroup(group);
    keyWalk = { list: g ? g.lines.filter(function (l) { return l.key !== undefined; }) : [], at: -1 };
    return 1;
  }

  function NextPreferenceKey() {
    if (!keyWalk || keyWalk.at >= keyWalk.list.length) return 0;
    keyWalk.at++;
    return keyWalk.at < keyWalk.list.length ? 1 : 0;
  }

  function walkedKey() {
    return keyWalk && keyWalk.at >= 0 && keyWalk.at < keyWalk.list.length ? keyWalk.list[keyWalk.at] : null;
  }

  function PreferenceKeyName() {
    var l = walkedKey();
    return l ? l.key : '';
  }

  function PreferenceKeyValue() {
    var l = walkedKey();
    return l ? l.value : '';
  }

  return {
    CreatePreferences: CreatePreferences, OpenPreferences: OpenPreferences,
    ClosePreferences: ClosePreferences, FlushPreferenceBuffers: FlushPreferenceBuffers,
    PreferenceGroup: PreferenceGroup, PreferenceComment: PreferenceComment,
    RemovePreferenceKey: RemovePreferenceKey, RemovePreferenceGroup: RemovePreferenceGroup,
    ReadPreferenceString: ReadPreferenceString, ReadPreferenceInteger: ReadPreferenceInteger,
    ReadPreferenceLong: ReadPreferenceLong, ReadPreferenceQuad: ReadPreferenceQuad,
    ReadPreferenceFloat: ReadPreferenceFloat, ReadPreferenceDouble: ReadPreferenceDouble,
    WritePreferenceString: WritePreferenceString, WritePreferenceInteger: WritePreferenceInteger,
    WritePreferenceLong: WritePreferenceLong, WritePreferenceQuad: WritePreferenceQuad,
    WritePreferenceFloat: WritePreferenceFloat, WritePreferenceDouble: WritePreferenceDouble,
    ExaminePreferenceGroups: ExaminePreferenceGroups, NextPreferenceGroup: NextPreferenceGroup,
    PreferenceGroupName: PreferenceGroupName, ExaminePreferenceKeys: ExaminePreferenceKeys,
    NextPreferenceKey: NextPreferenceKey, PreferenceKeyName: PreferenceKeyName,
    PreferenceKeyValue: PreferenceKeyValue,
    // the PureBasic type of each command's result, for the converter
    returns: {
      CreatePreferences: 'i', OpenPreferences: 'i', ClosePreferences: '', FlushPreferenceBuffers: 'i',
      PreferenceGroup: 'i', PreferenceComment: '', RemovePreferenceKey: '', RemovePreferenceGroup: '',
      ReadPreferenceString: 's', ReadPreferenceInteger: 'i', ReadPreferenceLong: 'l',
      ReadPreferenceQuad: 'q', ReadPreferenceFloat: 'f', ReadPreferenceDouble: 'd',
      WritePreferenceString: 'i', WritePreferenceInteger: 'i', WritePreferenceLong: 'i',
      WritePreferenceQuad: 'i', WritePreferenceFloat: 'i', WritePreferenceDouble: 'i',
      ExaminePreferenceGroups: 'i', NextPreferenceGroup: 'i', PreferenceGroupName: 's',
      ExaminePreferenceKeys: 'i', NextPreferenceKey: 'i', PreferenceKeyName: 's', PreferenceKeyValue: 's'
    }
  };
})();
