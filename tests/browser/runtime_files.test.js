// Files, folders and preferences in the browser: the page's file system in
// its local storage, kept across a reload, and files deployed beside the
// page read by name.
'use strict';
const { test, before, after } = require('node:test');
const fs = require('fs');
const path = require('path');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
const kNames = 'var F = cFile, S = cFileSystem, P = cPreference, C = cConstants, M = cMemory;';
before(async function () {
  runtime = await openRuntimePage();
  await runtime.evaluate([kNames +
    // the bytes of a file of the page, as a list
    ' function bytesOf(name) { return Array.from(S.readAll(name) || []); }' +
    ' function textOf(name) { return M.decode(S.readAll(name), C.PB_UTF8); }']);
});
after(async function () { await runtime.close(); });

test('Text files: lines written and read back, in UTF-8, with CR LF', async function () {
  await runtime.check([
    ['F.CreateFile(0, "notes.txt") !== 0', true],
    ['[F.WriteStringN(0, "first"), F.WriteString(0, "s\u00e9"), F.Lof(0), F.Loc(0)]', [1, 1, 10, 10]],
    ['F.CloseFile(0); [S.FileSize("notes.txt"), bytesOf("notes.txt").slice(5, 10)]', [10, [13, 10, 115, 0xc3, 0xa9]]],
    ['F.ReadFile(1, "notes.txt"); [F.ReadString(1), F.Eof(1), F.ReadString(1), F.Eof(1), F.ReadString(1)]',
     ['first', 0, 's\u00e9', 1, '']],
    ['F.CreateFile(2, "ends.txt"); F.WriteString(2, "a\\nb\\r\\nc\\rd\\u0000e"); F.FileSeek(2, 0); var lines = [];' +
     ' while (!F.Eof(2)) lines.push(F.ReadString(2)); lines', ['a', 'b', 'c', 'd', 'e']],
    ['F.FileSeek(2, 0); [F.ReadString(2, C.PB_File_IgnoreEOL, 4), F.ReadString(2, C.PB_File_IgnoreEOL)]',
     ['a\nb\r', '\nc\rd\u0000e']],
    ['F.CreateFile(3, "cut.txt"); F.WriteString(3, "abcdef"); F.FileSeek(3, 0);' +
     ' [F.ReadString(3, C.PB_UTF8, 3), F.ReadString(3)]', ['abc', 'def']],
    ['F.CreateFile(4, "chars.txt"); F.WriteString(4, "\u00e9\u20ac"); F.FileSeek(4, 0); [F.ReadCharacter(4), F.ReadCharacter(4)]',
     [233, 8364]],
    // a file made again while it is open elsewhere, or deleted, stays so
    ['F.ReadFile(5, "chars.txt"); F.CreateFile(6, "chars.txt"); F.WriteString(6, "new"); F.CloseFile(6); F.CloseFile(5);' +
     ' F.CloseFile(4); textOf("chars.txt")', 'new'],
    ['F.OpenFile(5, "chars.txt"); S.DeleteFile("chars.txt"); F.CloseFile(5); S.FileSize("chars.txt")', -1]
  ]);
});

test('Formats and byte-order marks', async function () {
  await runtime.check([
    ['F.CreateFile(0, "u.txt", C.PB_Unicode); F.WriteString(0, "hi"); F.CloseFile(0); bytesOf("u.txt")', [104, 0, 105, 0]],
    ['F.CreateFile(0, "a.txt", C.PB_Ascii); F.WriteString(0, "\u00e9\u20ac"); F.CloseFile(0); bytesOf("a.txt")', [0xe9, 63]],
    ['F.CreateFile(0, "b.txt", C.PB_File_BOM); F.WriteString(0, "x"); F.CloseFile(0); bytesOf("b.txt")', [0xef, 0xbb, 0xbf, 120]],
    ['F.ReadFile(0, "b.txt"); [F.ReadStringFormat(0), F.Loc(0), F.ReadString(0)]', [26, 3, 'x']],  // #PB_UTF8
    ['F.ReadFile(0, "b.txt", C.PB_File_BOM); [F.Loc(0), F.ReadString(0)]', [3, 'x']],
    ['F.ReadFile(0, "notes.txt"); [F.ReadStringFormat(0), F.Loc(0)]', [24, 0]],  // #PB_Ascii
    ['F.CreateFile(0, "w.txt"); F.WriteStringFormat(0, C.PB_Unicode); F.WriteString(0, "ok", C.PB_Unicode); F.CloseFile(0);' +
     ' F.ReadFile(0, "w.txt", C.PB_File_BOM); [bytesOf("w.txt"), F.ReadString(0)]', [[0xff, 0xfe, 111, 0, 107, 0], 'ok']],
    ['F.ReadFile(0, "w.txt"); [F.ReadStringFormat(0), F.ReadString(0, C.PB_Unicode)]', [25, 'ok']]  // #PB_Unicode
  ]);
});

test('Numbers little-endian; seek, truncate, append, read-only', async function () {
  await runtime.check([
    ['F.CreateFile(5, "bin"); [F.WriteByte(5, -1), F.WriteWord(5, -2), F.WriteLong(5, 0x01020304), F.WriteQuad(5, 4611686018427387904n),' +
     ' F.WriteFloat(5, 1.5), F.WriteDouble(5, 0.1), F.WriteInteger(5, -3), F.WriteAsciiCharacter(5, 65),' +
     ' F.WriteUnicodeCharacter(5, 0x263a), F.Lof(5)]', [1, 1, 1, 1, 1, 1, 1, 1, 1, 38]],
    ['F.FileSeek(5, 0); [F.ReadByte(5), F.ReadWord(5), F.ReadLong(5), String(F.ReadQuad(5)), F.ReadFloat(5), F.ReadDouble(5),' +
     ' F.ReadInteger(5), F.ReadAsciiCharacter(5), F.ReadUnicodeCharacter(5), F.Eof(5), F.ReadLong(5)]',
     [-1, -2, 16909060, '4611686018427387904', 1.5, 0.1, -3, 65, 0x263a, 1, 0]],
    ['F.FileSeek(5, 3); var first = F.ReadAsciiCharacter(5); F.FileSeek(5, -2, C.PB_Relative); [first, F.Loc(5)]', [4, 2]],
    // writing past the end fills the gap with zeros
    ['F.FileSeek(5, 40); F.WriteByte(5, 7); [F.Lof(5), bytesOf("bin").slice(37)]', [41, [0x26, 0, 0, 7]]],
    ['F.FileSeek(5, 10); [F.TruncateFile(5), F.Lof(5), F.Eof(5)]', [1, 10, 1]],
    ['F.OpenFile(6, "notes.txt", C.PB_File_Append); var at = F.Loc(6); F.WriteStringN(6, "third"); F.CloseFile(6);' +
     ' [at, S.FileSize("notes.txt")]', [10, 17]],
    ['[F.OpenFile(7, "new.txt") !== 0, F.Lof(7), S.FileSize("new.txt"), F.ReadFile(8, "missing.txt")]', [true, 0, 0, 0]],
    ['F.ReadFile(9, "notes.txt"); [F.WriteString(9, "no"), F.TruncateFile(9), S.FileSize("notes.txt")]', [0, 0, 17]],
    ['var f = F.CreateFile(C.PB_Any, "any.txt"); var open = F.IsFile(f); F.CloseFile(f); [f >= 0x100000, open, F.IsFile(f)]',
     [true, 1, 0]],
    ['var buf = M.Ascii("ABC"), back = M.AllocateMemory(8); F.CreateFile(10, "data"); var wrote = F.WriteData(10, buf, 3);' +
     ' F.FileSeek(10, 0); [wrote, F.ReadData(10, back, 8), M.PeekS(back, -1, C.PB_Ascii)]', [3, 3, 'ABC']],
    ['F.CloseFile(C.PB_All); [F.IsFile(5), F.IsFile(10)]', [0, 0]]
  ]);
});

test('Folders, listings, copies and the special values of FileSize', async function () {
  await runtime.check([
    ['[S.FileSize("nothing"), S.CreateDirectory("docs"), S.FileSize("docs"), S.CreateDirectory("docs"),' +
     ' S.CreateDirectory("x/y")]', [-1, 1, -2, 0, 0]],
    ['F.CreateFile(0, "docs/one.txt"); F.WriteString(0, "1"); F.CreateFile(1, "docs\\\\Two.log"); F.WriteString(1, "22");' +
     ' F.CloseFile(C.PB_All); S.CreateDirectory("docs/sub")', 1],
    ['function list(pattern) { S.ExamineDirectory(0, "docs", pattern); var out = [];' +
     ' while (S.NextDirectoryEntry(0)) out.push(S.DirectoryEntryName(0) + ":" + S.DirectoryEntryType(0) + ":" +' +
     ' S.DirectoryEntrySize(0)); S.FinishDirectory(0); return out; } list("*.*")',
     ['.:2:0', '..:2:0', 'one.txt:1:1', 'sub:2:0', 'Two.log:1:2']],
    ['[list("*.txt"), list("t*"), S.ExamineDirectory(1, "nowhere", "")]', [['one.txt:1:1'], ['Two.log:1:2'], 0]],
    ['[S.FileSize("DOCS/ONE.TXT"), S.CopyFile("docs/one.txt", "docs/copy.txt"), S.CopyFile("docs/one.txt", "docs/one.txt"),' +
     ' S.RenameFile("docs/copy.txt", "docs/sub/moved.txt"), S.FileSize("docs/copy.txt"), S.FileSize("docs/sub/moved.txt"),' +
     ' S.RenameFile("docs/one.txt", "docs/two.log")]', [1, 1, 0, 1, -1, 1, 0]],
    ['[S.DeleteFile("docs/one.txt"), S.DeleteFile("docs/one.txt"), S.CopyDirectory("docs", "backup", "", C.PB_FileSystem_Recursive),' +
     ' S.FileSize("backup/sub/moved.txt"), S.DeleteDirectory("docs", "", C.PB_FileSystem_Recursive), S.FileSize("docs")]',
     [1, 0, 1, 1, 1, -1]],
    ['F.CreateFile(0, "ro.txt"); F.CloseFile(0); S.SetFileAttributes("ro.txt", C.PB_FileSystem_ReadOnly);' +
     ' [S.GetFileAttributes("ro.txt"), S.DeleteFile("ro.txt"), S.DeleteFile("ro.txt", C.PB_FileSystem_Force),' +
     ' S.GetFileAttributes("ro.txt")]', [1, 0, 1, -1]],
    ['F.CreateFile(0, "dated.txt"); F.CloseFile(0); var made = S.GetFileDate("dated.txt", C.PB_Date_Modified);' +
     ' S.SetFileDate("dated.txt", C.PB_Date_Created, 946684800);' +
     ' [Math.abs(made - cDate.Date()) < 5, S.GetFileDate("dated.txt", C.PB_Date_Created)]', [true, 946684800]],
    ['[S.GetCurrentDirectory(), S.SetCurrentDirectory("work\\\\area"), S.GetCurrentDirectory(),' +
     ' (F.CreateFile(0, "here.txt"), F.CloseFile(0), S.FileSize("/work/area/here.txt")), S.SetCurrentDirectory("/"),' +
     ' S.GetTemporaryDirectory(), S.FileSize("/tmp"), S.GetHomeDirectory()]',
     ['/', 1, '/work/area/', 0, 1, '/tmp/', -2, '/']],
    ['[S.CheckFilename("ok.txt"), S.CheckFilename("a:b"), S.CheckFilename("")]', [1, 0, 0]]
  ]);
});

test('Paths as text', async function () {
  await runtime.check([
    ['[S.GetPathPart("C:\\\\PureBasic\\\\PB.exe"), S.GetFilePart("C:\\\\PureBasic\\\\PB.exe"),' +
     ' S.GetFilePart("C:\\\\PureBasic\\\\PB.exe", C.PB_FileSystem_NoExtension), S.GetExtensionPart("C:\\\\PureBasic\\\\PB.exe")]',
     ['C:\\PureBasic\\', 'PB.exe', 'PB', 'exe']],
    ['[S.GetExtensionPart("archive.tar.gz"), S.GetExtensionPart("noext"), S.GetPathPart("file.txt"),' +
     ' S.GetFilePart("/data/"), S.GetPathPart("/data/x/y.txt")]', ['gz', '', '', '', '/data/x/']]
  ]);
});

test('Preferences: groups, typed keys, comments, PureBasic\'s text', async function () {
  await runtime.check([
    ['var made = P.CreatePreferences("app.prefs"); P.PreferenceComment("Settings"); [made, P.PreferenceGroup("Window"),' +
     ' P.WritePreferenceInteger("Width", 800), P.WritePreferenceFloat("Zoom", 1.5), P.WritePreferenceString("Title", "My app"),' +
     ' P.PreferenceGroup("Recent"), P.WritePreferenceString("File1", "a.txt"), P.PreferenceGroup("window")]',
     [1, 0, 1, 1, 1, 0, 1, 1]],
    ['P.ClosePreferences(); S.FileSize("app.prefs") > 0', true],
    ['[bytesOf("app.prefs").slice(0, 3), textOf("app.prefs").substring(1)]',
     [[0xef, 0xbb, 0xbf], '; Settings\r\n[Window]\r\nWidth = 800\r\nZoom = 1.500000\r\nTitle = My app\r\n[Recent]\r\nFile1 = a.txt\r\n']],
    ['[P.OpenPreferences("app.prefs"), P.PreferenceGroup("window"), P.ReadPreferenceInteger("width", 0),' +
     ' P.ReadPreferenceFloat("Zoom", 0), P.ReadPreferenceDouble("Zoom", 0), P.ReadPreferenceString("Title", ""),' +
     ' P.ReadPreferenceLong("Missing", 7), String(P.ReadPreferenceQuad("Width", 0)), P.PreferenceGroup("Nope")]',
     [1, 1, 800, 1.5, 1.5, 'My app', 7, '800', 0]],
    ['P.ExaminePreferenceGroups(); var walk = []; while (P.NextPreferenceGroup()) { walk.push("[" + P.PreferenceGroupName() + "]");' +
     ' P.ExaminePreferenceKeys(); while (P.NextPreferenceKey()) walk.push(P.PreferenceKeyName() + "=" + P.PreferenceKeyValue()); } walk',
     ['[Window]', 'Width=800', 'Zoom=1.500000', 'Title=My app', '[Recent]', 'File1=a.txt']],
    ['P.PreferenceGroup("Window"); P.WritePreferenceInteger("Width", 1024); P.RemovePreferenceKey("zoom");' +
     ' P.RemovePreferenceGroup("recent"); P.ClosePreferences(); textOf("app.prefs").substring(1)',
     '; Settings\r\n[Window]\r\nWidth = 1024\r\nTitle = My app\r\n'],
    ['P.CreatePreferences("flat.ini", C.PB_Preference_NoSpace | C.PB_Preference_GroupSeparator | C.PB_Preference_NoBOM);' +
     ' P.PreferenceGroup("A"); P.WritePreferenceString("k", "1"); P.PreferenceGroup("B"); P.WritePreferenceLong("k", 2.5);' +
     ' P.WritePreferenceDouble("d", 0.1); P.ClosePreferences(); textOf("flat.ini")', '[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\nd=0.1\r\n'],
    ['[P.OpenPreferences("missing.ini"), P.ReadPreferenceString("x", "def"), P.ReadPreferenceInteger("x", 5),' +
     ' P.WritePreferenceString("x", "y"), S.FileSize("missing.ini")]', [0, 'def', 5, 0, -1]],
    // a file taken in from outside, without a mark: UTF-8, or Ascii when asked
    ['S.importFile("in.ini", "; made elsewhere\\r\\n[G]\\r\\nkey = value \u00e9\\r\\nbad line\\n"); P.OpenPreferences("in.ini");' +
     ' P.PreferenceGroup("G"); var v = P.ReadPreferenceString("KEY", ""); P.WritePreferenceString("new", "1"); P.ClosePreferences();' +
     ' [v, textOf("in.ini").substring(1)]', ['value \u00e9', '; made elsewhere\r\n[G]\r\nkey = value \u00e9\r\nbad line\r\nnew = 1\r\n']],
    ['S.importFile("latin.ini", Uint8Array.from([107, 61, 0xe9])); P.OpenPreferences("latin.ini", 0, C.PB_Ascii);' +
     ' var latin = P.ReadPreferenceString("k", ""); P.ClosePreferences(); latin', '\u00e9']
  ]);
});

test('Files deployed beside the page are read by name', async function () {
  const common = fs.readFileSync(path.join(__dirname, '..', '..', 'system', 'cCommon.js'), 'latin1');
  const firstLine = common.split('\n')[0];
  await runtime.check([
    ['S.FileSize("cCommon.js")', common.length],
    ['F.ReadFile(0, "cCommon.js") !== 0 && F.ReadString(0)', firstLine],
    // writing makes a copy in the page; the folder's file stays as it was
    ['F.OpenFile(1, "cCommon.js"); F.FileSeek(1, 0); F.WriteString(1, "//"); F.TruncateFile(1); F.CloseFile(1);' +
     ' [S.FileSize("cCommon.js"), S.DeleteFile("cCommon.js"), S.FileSize("cCommon.js")]', [2, 1, common.length]],
    ['[S.FileSize("not-there.txt"), F.ReadFile(2, "not-there.txt")]', [-1, 0]]
  ]);
});

test('Files and preferences are still there after the page is loaded again', async function () {
  await runtime.evaluate(['F.CreateFile(0, "kept.txt"); F.WriteStringN(0, "first"); F.CloseFile(0); F.ReadFile(2, "kept.txt");' +
    ' F.CreateFile(0, "kept.txt"); F.WriteStringN(0, "remembered"); F.CloseFile(0); F.CloseFile(2);' +
    ' F.OpenFile(4, "gone.txt"); F.WriteString(4, "x"); S.DeleteFile("gone.txt"); F.CloseFile(4);' +
    ' F.CreateFile(1, "unclosed.txt"); F.WriteString(1, "pending");' +
    ' P.CreatePreferences("kept.prefs"); P.WritePreferenceInteger("runs", 3); P.ClosePreferences()']);
  await runtime.page.reload({ waitUntil: 'load' });
  await runtime.evaluate([kNames]);
  await runtime.check([
    ['F.ReadFile(0, "kept.txt"); F.ReadString(0)', 'remembered'],
    ['[S.FileSize("unclosed.txt"), S.FileSize("gone.txt")]', [7, -1]],
    ['P.OpenPreferences("kept.prefs"); P.ReadPreferenceInteger("runs", 0)', 3],
    ['S.ExamineDirectory(0, "/", "*.prefs"); var names = []; while (S.NextDirectoryEntry(0)) names.push(S.DirectoryEntryName(0)); names',
     ['app.prefs', 'kept.prefs']]
  ]);
});
