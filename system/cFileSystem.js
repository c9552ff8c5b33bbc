// cFileSystem: the page's file system, and PureBasic's FileSystem library
// on it.
// Emitted calls: cFileSystem.FileSize(name), cFileSystem.ExamineDirectory(#D,
// dir, pattern), cFileSystem.NextDirectoryEntry(#D), cFileSystem.DeleteFile
// (name), cFileSystem.GetPathPart(path), cFileSystem.GetCurrentDirectory(),
// ... (the list at the end).
// The files of an application live in the page's local storage, under the
// application's name, so that they stay from one visit to the next; the
// storage is synchronous, so ReadString and the other commands stay plain
// calls. Paths use "/" or "\"; the root "/" is the folder of the page, which
// is also the first current directory and the home directory. A name is
// found without regard to letter case, as Windows finds it, and keeps the
// spelling it was created with. A file that the program never wrote is
// looked for beside the page on the server (a synchronous request, which
// needs the page to come from http: or https:), so that files deployed with
// the application can be read by name; they cannot be listed, and writing
// one makes a copy in the page. Creating a file also creates the folders of
// its path, as the deployed folders cannot be seen from the page.
// For the other libraries (cFile, cPreference, cCipher, cJson) and for the
// page's own scripts: resolve(name), find(path), create(path), readAll(name),
// writeAll(name, bytes), changed(entry), exportFile(name), importFile(name,
// bytes or text).
var cFileSystem = (function () {
  var kFile = 1, kDirectory = 2;                  // #PB_DirectoryEntry_File, _Directory
  var kRecursive = 1, kForce = 2, kNoExtension = 4;  // #PB_FileSystem_Recursive, _Force, _NoExtension
  var kReadOnly = 1, kArchive = 32;               // #PB_FileSystem_ReadOnly, _Archive
  var kCreated = 0, kAccessed = 1, kModified = 2; // #PB_Date_Created, _Accessed, _Modified
  var kUserFolders = ['Desktop', 'Documents', 'Downloads', 'Music', 'Pictures', 'Videos',
                      'Public', 'AllUserData', 'UserData', 'Programs'];  // #PB_Directory_... 0 to 9

  var entries = null;      // lower-case path -> entry, read from the storage once
  var prefix = '';         // the application's keys in the storage
  var store = null;        // the page's localStorage, or null
  var remoteFiles = new Map();  // path -> bytes of a deployed file, or null
  var unsaved = new Set();
  var saveLater = null;
  var current = '/';       // the current directory, with its final "/"

  // ---- Storage ----

  function applicationName() {
    if (cCommon.KVX_ApplicationName) return String(cCommon.KVX_ApplicationName);
    if (typeof document === 'undefined') return 'korvex';
    var scripts = document.querySelectorAll('script[src]');
    if (!scripts.length) return 'korvex';
    var src = scripts[scripts.length - 1].getAttribute('src');
    return src.replace(/^.*[\/\\]/, '').replace(/\.js$/i, '') || 'korvex';
  }

  function now() { return typeof cDate !== 'undefined' ? cDate.Date() : Math.floor(Date.now() / 1000); }

  function Entry(path, directory) {
    var t = now();
    this.path = path;            // as first written, absolute, with "/"
    this.directory = directory;
    this.data = directory ? null : new Uint8Array(0);  // null: not read from the storage yet
    this.size = 0;
    this.created = t;
    this.modified = t;
    this.accessed = t;
    this.attributes = directory ? 16 : kArchive;
  }

  function meta(entry) {
    return JSON.stringify({ p: entry.path, d: entry.directory ? 1 : 0, s: entry.size, c: entry.created,
                            m: entry.modified, a: entry.accessed, t: entry.attributes });
  }

  function load() {
    if (entries) return;
    entries = new Map();
    prefix = 'korvex:' + applicationName() + ':';
    try {
      store = typeof localStorage !== 'undefined' ? localStorage : null;
    } catch (e) {
      store = null;
    }
    entries.set('/', new Entry('/', true));
    if (!store) return;
    var metaPrefix = prefix + 'm:';
    for (var i = 0; i < store.length; i++) {
      var key = store.key(i);
      if (key.indexOf(metaPrefix) !== 0) continue;
      try {
        var m = JSON.parse(store.getItem(key));
        var entry = new Entry(m.p, m.d === 1);
        entry.data = null;
        entry.size = m.s;
        entry.created = m.c;
        entry.modified = m.m;
        entry.accessed = m.a;
        entry.attributes = m.t;
        entries.set(key.substring(metaPrefix.length), entry);
      } catch (e) { /* a damaged entry is left out */ }
    }
    if (typeof window !== 'undefined' && window.addEventListener)
      window.addEventListener('pagehide', saveAll);
  }

  function binaryText(data, size) {
    var s = '';
    for (var i = 0; i < size; i += 8192)
      s += String.fromCharCode.apply(null, data.subarray(i, Math.min(size, i + 8192)));
    return s;
  }

  function contents(entry) {
    if (entry.data === null) {
      var text = store ? store.getItem(prefix + 'd:' + keyOf(entry.path)) : null;
      var data = new Uint8Array(text ? text.length : 0);
      for (var i = 0; i < data.length; i++) data[i] = text.charCodeAt(i);
      entry.data = data;
      entry.size = data.length;
    }
    return entry.data;
  }

  // Writes an entry into the storage now; false when the storage refused.
  // An entry that was deleted since (a file still open) is not written.
  function save(entry) {
    unsaved.delete(entry);
    if (!store || entry.remote || entries.get(keyOf(entry.path)) !== entry) return true;
    var key = keyOf(entry.path);
    try {
      if (!entry.directory) store.setItem(prefix + 'd:' + key, binaryText(contents(entry), entry.size));
      store.setItem(prefix + 'm:' + key, meta(entry));
      return true;
    } catch (e) {
      return false;
    }
  }

  function saveAll() {
    saveLater = null;
    var all = Array.from(unsaved);
    var ok = true;
    for (var i = 0; i < all.length; i++) ok = save(all[i]) && ok;
    return ok;
  }

  // An entry whose contents or dates changed: saved once the program gives
  // the page back (or at once by flush), not at every write.
  function changed(entry) {
    if (entry.remote) return;
    unsaved.add(entry);
    if (saveLater === null && typeof setTimeout !== 'undefined') saveLater = setTimeout(saveAll, 0);
  }

  function forget(entry) {
    var key = keyOf(entry.path);
    entries.delete(key);
    unsaved.delete(entry);
    if (store) {
      store.removeItem(prefix + 'm:' + key);
      store.removeItem(prefix + 'd:' + key);
    }
  }

  // ---- Paths ----

  function keyOf(path) { return path.toLowerCase(); }

  // An absolute path with "/" and no final "/": "notes\a.txt" in "/docs/"
  // gives "/docs/notes/a.txt"; a drive ("C:") is dropped.
  function resolve(name) {
    var s = cString.text(name).replace(/\\/g, '/').replace(/^[A-Za-z]:/, '');
    if (s.charAt(0) !== '/') s = current + s;
    var parts = [];
    s.split('/').forEach(function (part) {
      if (part === '' || part === '.') return;
      if (part === '..') parts.pop(); else parts.push(part);
    });
    return '/' + parts.join('/');
  }

  function parentOf(path) {
    var at = path.lastIndexOf('/');
    return at <= 0 ? '/' : path.substring(0, at);
  }

  function baseName(path) { return path.substring(path.lastIndexOf('/') + 1); }

  function find(path) {
    load();
    return entries.get(keyOf(path)) || null;
  }

  // A deployed file beside the page, read once.
  function remote(path) {
    if (remoteFiles.has(path)) return remoteFiles.get(path);
    var data = null;
    if (typeof XMLHttpRequest !== 'undefined' && typeof location !== 'undefined' &&
        /^https?:$/.test(location.protocol) && path !== '/') {
      try {
        var request = new XMLHttpRequest();
        var url = path.substring(1).split('/').map(encodeURIComponent).join('/');
        request.open('GET', url, false);
        request.overrideMimeType('text/plain; charset=x-user-defined');
        request.send();
        if (request.status === 200) {
          var text = request.responseText;
          data = new Uint8Array(text.length);
          for (var i = 0; i < text.length; i++) data[i] = text.charCodeAt(i) & 255;
        }
      } catch (e) {
        data = null;
      }
    }
    remoteFiles.set(path, data);
    return data;
  }

  // The file at path: one of the page, else a deployed one (read-only).
  function findFile(path) {
    var entry = find(path);
    if (entry) return entry.directory ? null : entry;
    var data = remote(path);
    if (!data) return null;
    entry = new Entry(path, false);
    entry.data = data;
    entry.size = data.length;
    entry.remote = true;
    return entry;
  }

  function makeDirectories(path) {
    if (find(path)) return find(path).directory;
    if (!makeDirectories(parentOf(path))) return false;
    var entry = new Entry(path, true);
    entries.set(keyOf(path), entry);
    save(entry);
    return true;
  }

  // An empty file at path: a file there is emptied in place, so that where
  // it is still open the emptying shows; null when a folder is in the way.
  function create(path) {
    var entry = find(path);
    if (entry && entry.directory) return null;
    if (entry) {
      entry.data = new Uint8Array(0);
      entry.size = 0;
      entry.modified = now();
    } else {
      if (!makeDirectories(parentOf(path))) return null;
      entry = new Entry(path, false);
      entries.set(keyOf(path), entry);
    }
    changed(entry);
    return entry;
  }

  function setContents(entry, data) {
    entry.data = data;
    entry.size = data.length;
    entry.modified = now();
    changed(entry);
  }

  function readAll(name) {
    var entry = findFile(resolve(name));
    return entry ? contents(entry).slice(0, entry.size) : null;
  }

  function writeAll(name, data) {
    var entry = create(resolve(name));
    if (!entry) return false;
    setContents(entry, Uint8Array.from(data));
    return save(entry);
  }

  // ---- Patterns and listings ----

  // "*.*" and "" match every name; otherwise * and ? as wildcards, without
  // regard to letter case.
  function matcher(pattern) {
    var p = cString.text(pattern);
    if (p === '' || p === '*.*' || p === '*') return function () { return true; };
    var source = p.replace(/[.+^${}()|[\]\\]/g, '\\$&').replace(/\*/g, '.*').replace(/\?/g, '.');
    var re = new RegExp('^' + source + '$', 'i');
    return function (name) { return re.test(name); };
  }

  // The entries directly inside directory, sorted by name.
  function children(directory) {
    load();
    var inside = [], key = keyOf(directory);
    entries.forEach(function (entry, k) {
      if (k !== '/' && keyOf(parentOf(entry.path)) === key) inside.push(entry);
    });
    inside.sort(function (a, b) {
      var x = baseName(a.path).toLowerCase(), y = baseName(b.path).toLowerCase();
      return x < y ? -1 : x > y ? 1 : 0;
    });
    return inside;
  }

  var directories = cObjects.table(null);

  // Lists "." and ".." first in every folder but the root, as Windows does.
  function ExamineDirectory(number, directory, pattern) {
    var path = resolve(directory), folder = find(path);
    if (!folder || !folder.directory) return 0;
    var matches = matcher(pattern), list = [];
    if (path !== '/') {
      if (matches('.')) list.push({ name: '.', entry: folder });
      if (matches('..')) list.push({ name: '..', entry: find(parentOf(path)) });
    }
    children(path).forEach(function (entry) {
      if (matches(baseName(entry.path))) list.push({ name: baseName(entry.path), entry: entry });
    });
    return directories.add(number, { list: list, at: -1 });
  }

  function currentEntry(number) {
    var listing = directories.get(number);
    return listing && listing.at >= 0 && listing.at < listing.list.length ? listing.list[listing.at] : null;
  }

  function NextDirectoryEntry(number) {
    var listing = directories.get(number);
    if (!listing || listing.at >= listing.list.length) return 0;
    listing.at++;
    return listing.at < listing.list.length ? 1 : 0;
  }

  function DirectoryEntryName(number) {
    var e = currentEntry(number);
    return e ? e.name : '';
  }

  function DirectoryEntryType(number) {
    var e = currentEntry(number);
    return e ? (e.entry.directory ? kDirectory : kFile) : 0;
  }

  function DirectoryEntrySize(number) {
    var e = currentEntry(number);
    return e && !e.entry.directory ? e.entry.size : 0;
  }

  function dateOf(entry, type) {
    var t = Number(type) || 0;
    return t === kAccessed ? entry.accessed : t === kModified ? entry.modified : entry.created;
  }

  function DirectoryEntryDate(number, type) {
    var e = currentEntry(number);
    return e ? dateOf(e.entry, type) : 0;
  }

  function DirectoryEntryAttributes(number) {
    var e = currentEntry(number);
    return e ? e.entry.attributes : 0;
  }

  function FinishDirectory(number) { directories.remove(number); }
  function IsDirectory(number) { return directories.get(number) ? 1 : 0; }

  // ---- Files and folders ----

  // The size in bytes, -1 when nothing is there, -2 for a folder.
  function FileSize(name) {
    var path = resolve(name), entry = find(path);
    if (entry) return entry.directory ? -2 : entry.size;
    var data = remote(path);
    return data ? data.length : -1;
  }

  // One level: the parent folder must exist.
  function CreateDirectory(name) {
    var path = resolve(name), parent = find(parentOf(path));
    if (find(path) || !parent || !parent.directory) return 0;
    var entry = new Entry(path, true);
    entries.set(keyOf(path), entry);
    return save(entry) ? 1 : 0;
  }

  function removable(entry, flags) { return (Number(flags) & kForce) || !(entry.attributes & kReadOnly); }

  function DeleteFile(name, flags) {
    var entry = find(resolve(name));
    if (!entry || entry.directory || !removable(entry, flags)) return 0;
    forget(entry);
    return 1;
  }

  // Deletes the files that match (all for ""), with #PB_FileSystem_Recursive
  // also in the folders inside; the folder goes when nothing is left in it.
  function DeleteDirectory(name, pattern, flags) {
    var path = resolve(name), folder = find(path);
    if (!folder || !folder.directory || path === '/') return 0;
    var matches = matcher(pattern), recursive = (Number(flags) & kRecursive) !== 0;
    var ok = true;
    children(path).forEach(function (entry) {
      if (entry.directory) {
        if (recursive && !DeleteDirectory(entry.path, pattern, flags)) ok = false;
      } else if (matches(baseName(entry.path))) {
        if (removable(entry, flags)) forget(entry); else ok = false;
      }
    });
    if (children(path).length === 0) forget(folder);
    return ok ? 1 : 0;
  }

  function copyEntry(from, toPath) {
    var target = create(toPath);
    if (!target) return 0;
    setContents(target, contents(from).slice(0, from.size));
    target.attributes = from.attributes;
    return save(target) ? 1 : 0;
  }

  // Replaces the target; a file copied onto itself copies nothing.
  function CopyFile(source, target) {
    var from = findFile(resolve(source)), to = resolve(target);
    if (!from || keyOf(from.path) === keyOf(to)) return 0;
    return copyEntry(from, to);
  }

  function CopyDirectory(source, target, pattern, mode) {
    var from = resolve(source), to = resolve(target), folder = find(from);
    if (!folder || !folder.directory || !makeDirectories(to)) return 0;
    var matches = matcher(pattern), ok = 1;
    children(from).forEach(function (entry) {
      var name = baseName(entry.path);
      if (entry.directory) {
        if (Number(mode) & kRecursive) ok = CopyDirectory(entry.path, to + '/' + name, pattern, mode) && ok;
      } else if (matches(name)) {
        ok = copyEntry(entry, to + '/' + name) && ok;
      }
    });
    return ok ? 1 : 0;
  }

  // Moves a file or a folder (with what is inside); fails when the new name
  // is taken.
  function RenameFile(oldName, newName) {
    var from = resolve(oldName), to = resolve(newName), entry = find(from);
    if (!entry || (find(to) && keyOf(from) !== keyOf(to)) || !makeDirectories(parentOf(to))) return 0;
    var moving = [entry].concat(entry.directory ? inside(from) : []);
    moving.forEach(function (e) {
      var data = e.directory ? null : contents(e);
      forget(e);
      e.path = to + e.path.substring(from.length);
      e.data = data;
      entries.set(keyOf(e.path), e);
      save(e);
    });
    return 1;
  }

  function inside(path) {
    var all = [];
    children(path).forEach(function (e) {
      all.push(e);
      if (e.directory) all = all.concat(inside(e.path));
    });
    return all;
  }

  function GetFileDate(name, type) {
    var entry = find(resolve(name));
    return entry ? dateOf(entry, type) : 0;
  }

  function SetFileDate(name, type, date) {
    var entry = find(resolve(name));
    if (!entry) return 0;
    var t = Number(type) || 0, d = Number(date) || 0;
    if (t === kAccessed) entry.accessed = d; else if (t === kModified) entry.modified = d; else entry.created = d;
    return save(entry) ? 1 : 0;
  }

  function GetFileAttributes(name) {
    var entry = find(resolve(name));
    return entry ? entry.attributes : -1;
  }

  function SetFileAttributes(name, attributes) {
    var entry = find(resolve(name));
    if (!entry) return 0;
    entry.attributes = Number(attributes) || 0;
    return save(entry) ? 1 : 0;
  }

  // A file name (without folders) that Windows would accept.
  function CheckFilename(name) {
    var s = cString.text(name);
    return s !== '' && !/[\\\/:*?"<>|\x00-\x1f]/.test(s) ? 1 : 0;
  }

  // ---- Folders of the program ----

  function GetCurrentDirectory() { return current; }

  // A folder that the page does not hold may be one deployed beside it, so
  // every folder is accepted.
  function SetCurrentDirectory(name) {
    var path = resolve(name);
    current = path === '/' ? '/' : path + '/';
    return 1;
  }

  function GetHomeDirectory() { return '/'; }

  function folder(name) {
    makeDirectories('/' + name);
    return '/' + name + '/';
  }

  function GetTemporaryDirectory() { return folder('tmp'); }

  function GetUserDirectory(type) {
    var name = kUserFolders[Number(type)];
    return name ? folder(name) : '';
  }

  // ---- Paths as text (both separators count) ----

  function lastSeparator(s) { return Math.max(s.lastIndexOf('/'), s.lastIndexOf('\\')); }

  // GetPathPart("C:\PureBasic\PB.exe") = "C:\PureBasic\"
  function GetPathPart(path) {
    var s = cString.text(path);
    return s.substring(0, lastSeparator(s) + 1);
  }

  // GetFilePart("C:\PureBasic\PB.exe") = "PB.exe", "PB" with
  // #PB_FileSystem_NoExtension.
  function GetFilePart(path, flags) {
    var s = cString.text(path), file = s.substring(lastSeparator(s) + 1);
    if (Number(flags) & kNoExtension) {
      var dot = file.lastIndexOf('.');
      if (dot > 0) file = file.substring(0, dot);
    }
    return file;
  }

  // GetExtensionPart("PB.exe") = "exe"; "" without a dot.
  function GetExtensionPart(path) {
    var file = GetFilePart(path), dot = file.lastIndexOf('.');
    return dot >= 0 ? file.substring(dot + 1) : '';
  }

  // ---- For the page's own scripts: a file's bytes out and in ----

  function exportFile(name) { return readAll(name); }

  function importFile(name, data) {
    return writeAll(name, typeof data === 'string' ? cMemory.encode(data, 26) : data);
  }

  return {
    FileSize: FileSize, CreateDirectory: CreateDirectory, DeleteDirectory: DeleteDirectory,
    CopyDirectory: CopyDirectory, DeleteFile: DeleteFile, CopyFile: CopyFile, RenameFile: RenameFile,
    ExamineDirectory: ExamineDirectory, NextDirectoryEntry: NextDirectoryEntry,
    DirectoryEntryName: DirectoryEntryName, DirectoryEntryType: DirectoryEntryType,
    DirectoryEntrySize: DirectoryEntrySize, DirectoryEntryDate: DirectoryEntryDate,
    DirectoryEntryAttributes: DirectoryEntryAttributes, FinishDirectory: FinishDirectory,
    IsDirectory: IsDirectory, GetFileDate: GetFileDate, SetFileDate: SetFileDate,
    GetFileAttributes: GetFileAttributes, SetFileAttributes: SetFileAttributes,
    CheckFilename: CheckFilename, GetCurrentDirectory: GetCurrentDirectory,
    SetCurrentDirectory: SetCurrentDirectory, GetHomeDirectory: GetHomeDirectory,
    GetTemporaryDirectory: GetTemporaryDirectory, GetUserDirectory: GetUserDirectory,
    GetPathPart: GetPathPart, GetFilePart: GetFilePart, GetExtensionPart: GetExtensionPart,
    // for the other libraries and the page
    resolve: resolve, find: find, findFile: findFile, create: create, contents: contents,
    setContents: setContents, changed: changed, save: save, readAll: readAll, writeAll: writeAll,
    exportFile: exportFile, importFile: importFile, now: now,
    // the PureBasic type of each command's result, for the converter
    returns: {
      FileSize: 'i', CreateDirectory: 'i', DeleteDirectory: 'i', CopyDirectory: 'i', DeleteFile: 'i',
      CopyFile: 'i', RenameFile: 'i', ExamineDirectory: 'i', NextDirectoryEntry: 'i',
      DirectoryEntryName: 's', DirectoryEntryType: 'i', DirectoryEntrySize: 'i',
      DirectoryEntryDate: 'i', DirectoryEntryAttributes: 'i', FinishDirectory: '', IsDirectory: 'i',
      GetFileDate: 'i', SetFileDate: 'i', GetFileAttributes: 'i', SetFileAttributes: 'i',
      CheckFilename: 'i', GetCurrentDirectory: 's', SetCurrentDirectory: 'i', GetHomeDirectory: 's',
      GetTemporaryDirectory: 's', GetUserDirectory: 's', GetPathPart: 's', GetFilePart: 's',
      GetExtensionPart: 's'
    }
  };
})();
