// cFile: PureBasic's file library on the page's file system (cFileSystem).
// Emitted calls: cFile.CreateFile(#F, name[, flags]), cFile.OpenFile(...),
// cFile.ReadFile(...), cFile.CloseFile(#F), cFile.ReadString(#F[, flags[,
// length]]), cFile.WriteStringN(#F, text[, format]), cFile.Eof(#F),
// cFile.Lof(#F), cFile.Loc(#F), cFile.FileSeek(#F, position[, mode]),
// cFile.ReadLong(#F), cFile.WriteData(#F, *memory, length), ...
// A file's bytes are what PureBasic writes: texts in UTF-8 unless the file
// or the call names #PB_Ascii or #PB_Unicode (UTF-16), a byte-order mark
// only where #PB_File_BOM or WriteStringFormat asks for one, numbers
// little-endian, and WriteStringN ends its line with CR LF, as on Windows.
// The files reach the page's storage when they are closed or flushed, and
// when the program gives the page back; a file open for reading only
// cannot be written.
var cFile = (function () {
  var kAscii = 24, kUnicode = 25, kUTF8 = 26, kUTF16BE = 27, kUTF32 = 28, kUTF32BE = 29;
  var kIgnoreEOL = 0x400, kAppend = 0x8000, kBOM = 0x10000;  // #PB_File_IgnoreEOL, _Append, _BOM
  var kRelative = 1;                                          // #PB_Relative (#PB_Absolute is 0)

  var files = cObjects.table(function (file) { cFileSystem.save(file.entry); });

  function File(entry, readOnly, format) {
    this.entry = entry;
    this.position = 0;
    this.readOnly = readOnly;
    this.format = format;
  }

  function defaultFormat(flags) {
    var f = (Number(flags) || 0) & 0xff;
    return f === kAscii || f === kUnicode ? f : kUTF8;
  }

  var kMarks = [[kUTF32, [0xff, 0xfe, 0, 0]], [kUTF32BE, [0, 0, 0xfe, 0xff]], [kUTF8, [0xef, 0xbb, 0xbf]],
                [kUnicode, [0xff, 0xfe]], [kUTF16BE, [0xfe, 0xff]]];

  function markOf(format) {
    for (var i = 0; i < kMarks.length; i++) if (kMarks[i][0] === format) return kMarks[i][1];
    return [];
  }

  // The format whose byte-order mark is at the file's position, or 0.
  function markAt(file) {
    var data = cFileSystem.contents(file.entry), size = file.entry.size;
    for (var i = 0; i < kMarks.length; i++) {
      var mark = kMarks[i][1], k = 0;
      while (k < mark.length && file.position + k < size && data[file.position + k] === mark[k]) k++;
      if (k === mark.length) return kMarks[i][0];
    }
    return 0;
  }

  // With #PB_File_BOM a file opened for reading takes the format of its mark.
  function takeMark(file, flags) {
    if (!(Number(flags) & kBOM)) return;
    var format = markAt(file);
    if (!format) return;
    file.position += markOf(format).length;
    if (format === kUTF8 || format === kUnicode) file.format = format;
  }

  function open(number, file) {
    return files.add(number, file);
  }

  // A new empty file, replacing one of the same name.
  function CreateFile(number, name, flags) {
    var entry = cFileSystem.create(cFileSystem.resolve(name));
    if (!entry) return 0;
    var file = new File(entry, false, defaultFormat(flags));
    if (Number(flags) & kBOM) write(file, Uint8Array.from(markOf(file.format)));
    return open(number, file);
  }

  // Reading and writing; made when missing, a deployed file copied into
  // the page first.
  function OpenFile(number, name, flags) {
    var path = cFileSystem.resolve(name), entry = cFileSystem.find(path);
    if (entry && entry.directory) return 0;
    if (!entry) {
      var deployed = cFileSystem.findFile(path);
      entry = cFileSystem.create(path);
      if (!entry) return 0;
      if (deployed) cFileSystem.setContents(entry, deployed.data.slice(0, deployed.size));
    }
    var file = new File(entry, false, defaultFormat(flags));
    takeMark(file, flags);
    if (Number(flags) & kAppend) file.position = entry.size;
    return open(number, file);
  }

  function ReadFile(number, name, flags) {
    var entry = cFileSystem.findFile(cFileSystem.resolve(name));
    if (!entry) return 0;
    var file = new File(entry, true, defaultFormat(flags));
    takeMark(file, flags);
    return open(number, file);
  }

  function CloseFile(number) { files.remove(number); }
  function IsFile(number) { return files.get(number) ? 1 : 0; }
  function FileID(number) { return files.handle(number); }

  function FlushFileBuffers(number) {
    var file = files.get(number);
    return file && cFileSystem.save(file.entry) ? 1 : 0;
  }

  // The page keeps every file in memory: there is no buffer to size.
  function FileBuffersSize(number, size) { return files.get(number) || Number(number) === -1 ? 1 : 0; }

  // ---- Position ----

  function Loc(number) {
    var file = files.get(number);
    return file ? file.position : 0;
  }

  function Lof(number) {
    var file = files.get(number);
    return file ? file.entry.size : 0;
  }

  function Eof(number) {
    var file = files.get(number);
    return !file || file.position >= file.entry.size ? 1 : 0;
  }

  // A position past the end is allowed: writing there fills the gap with
  // zeros.
  function FileSeek(number, position, mode) {
    var file = files.get(number);
    if (!file) return;
    var p = Math.trunc(Number(position)) || 0;
    if (Number(mode) === kRelative) p += file.position;
    file.position = Math.max(0, p);
  }

  function TruncateFile(number) {
    var file = files.get(number);
    if (!file || file.readOnly) return 0;
    if (file.position < file.entry.size) {
      file.entry.size = file.position;
      file.entry.modified = cFileSystem.now();
      cFileSystem.changed(file.entry);
    }
    return 1;
  }

  // ---- Bytes ----

  // Writes bytes at the file's position; false for a file opened read-only.
  function write(file, bytes) {
    if (file.readOnly) return false;
    var entry = file.entry, end = file.position + bytes.length;
    var data = cFileSystem.contents(entry);
    if (end > data.length) {
      var larger = new Uint8Array(Math.max(end, data.length * 2, 64));
      larger.set(data.subarray(0, entry.size));
      entry.data = data = larger;
    }
    if (file.position > entry.size) data.fill(0, entry.size, file.position);
    data.set(bytes, file.position);
    file.position = end;
    if (end > entry.size) entry.size = end;
    entry.modified = cFileSystem.now();
    cFileSystem.changed(entry);
    return true;
  }

  // The next count bytes, or null when the file has fewer left.
  function read(file, count) {
    if (file.position + count > file.entry.size) return null;
    var data = cFileSystem.contents(file.entry);
    var bytes = data.subarray(file.position, file.position + count);
    file.position += count;
    return bytes;
  }

  var scratch = new Uint8Array(8), scratchView = new DataView(scratch.buffer);

  // ReadLong(#F) and the others: 0 when the file has too few bytes left.
  function reader(count, get) {
    return function (number) {
      var file = files.get(number), bytes = file ? read(file, count) : null;
      if (!bytes) return 0;
      scratch.set(bytes);
      return get(scratchView);
    };
  }

  function writer(count, set) {
    return function (number, value) {
      var file = files.get(number);
      if (!file) return 0;
      set(scratchView, value);
      return write(file, scratch.slice(0, count)) ? 1 : 0;
    };
  }

  var ReadByte = reader(1, function (v) { return v.getInt8(0); });
  var ReadAsciiCharacter = reader(1, function (v) { return v.getUint8(0); });
  var ReadWord = reader(2, function (v) { return v.getInt16(0, true); });
  var ReadUnicodeCharacter = reader(2, function (v) { return v.getUint16(0, true); });
  var ReadLong = reader(4, function (v) { return v.getInt32(0, true); });
  var ReadInteger = reader(8, function (v) { return v.getInt32(4, true) * 4294967296 + v.getUint32(0, true); });
  var ReadFloat = reader(4, function (v) { return v.getFloat32(0, true); });
  var ReadDouble = reader(8, function (v) { return v.getFloat64(0, true); });

  function ReadQuad(number) {
    var file = files.get(number), bytes = file ? read(file, 8) : null;
    if (!bytes) return 0n;
    scratch.set(bytes);
    return scratchView.getBigInt64(0, true);
  }

  // Integers are written through the memory library, which wraps them to
  // their width as PokeB ... PokeQ do.
  function viaMemory(poke, count) {
    return writer(count, function (v, value) {
      var address = buffer();
      poke(address, value);
      scratch.set(cMemory.bytesAt(address, 8));
    });
  }

  var bufferAddress = 0;
  function buffer() {
    if (!bufferAddress) bufferAddress = cMemory.AllocateMemory(8);
    return bufferAddress;
  }

  var WriteByte = viaMemory(cMemory.PokeB, 1);
  var WriteAsciiCharacter = viaMemory(cMemory.PokeA, 1);
  var WriteWord = viaMemory(cMemory.PokeW, 2);
  var WriteUnicodeCharacter = viaMemory(cMemory.PokeU, 2);
  var WriteLong = viaMemory(cMemory.PokeL, 4);
  var WriteInteger = viaMemory(cMemory.PokeI, 8);
  var WriteQuad = viaMemory(cMemory.PokeQ, 8);
  var WriteFloat = viaMemory(cMemory.PokeF, 4);
  var WriteDouble = viaMemory(cMemory.PokeD, 8);

  // The bytes moved between the file and memory at *memory.
  function ReadData(number, memory, length) {
    var file = files.get(number);
    if (!file) return 0;
    var n = Math.max(0, Math.min(Math.trunc(Number(length)) || 0, file.entry.size - file.position));
    cMemory.setBytes(memory, read(file, n));
    return n;
  }

  function WriteData(number, memory, length) {
    var file = files.get(number), n = Math.max(0, Math.trunc(Number(length)) || 0);
    return file && write(file, cMemory.bytesAt(memory, n).slice()) ? n : 0;
  }

  // ---- Texts ----

  function textFormat(file, flags) {
    var f = (Number(flags) || 0) & 0xff;
    return f === kAscii || f === kUnicode || f === kUTF8 ? f : file.format;
  }

  function WriteString(number, text, format) {
    var file = files.get(number);
    return file && write(file, cMemory.encode(text, textFormat(file, format))) ? 1 : 0;
  }

  function WriteStringN(number, text, format) {
    return WriteString(number, cString.text(text) + '\r\n', format);
  }

  // Up to the end of the line (LF, CR LF or CR) or a NUL, without them; at
  // most length characters; with #PB_File_IgnoreEOL across line ends.
  function ReadString(number, flags, length) {
    var file = files.get(number);
    if (!file || file.position >= file.entry.size) return '';
    var format = textFormat(file, flags), width = format === kUnicode ? 2 : 1;
    var data = cFileSystem.contents(file.entry), size = file.entry.size;
    var limit = length === undefined ? -1 : Math.trunc(Number(length));
    if (isNaN(limit) || limit < 0) limit = -1;
    var end = size, after = size;
    if (!(Number(flags) & kIgnoreEOL)) {
      for (var i = file.position; i + width <= size; i += width) {
        var c = width === 2 ? data[i] | (data[i + 1] << 8) : data[i];
        if (c !== 10 && c !== 13 && c !== 0) continue;
        end = i;
        after = i + width;
        var next = after + width <= size ? (width === 2 ? data[after] | (data[after + 1] << 8) : data[after]) : -1;
        if (c === 13 && next === 10) after += width;
        break;
      }
    }
    var got = cMemory.decodeRange(data, file.position, end, format, false, limit);
    file.position = file.position + got[1] < end ? file.position + got[1] : after;
    return got[0];
  }

  function ReadStringFormat(number) {
    var file = files.get(number);
    if (!file) return kAscii;
    var format = markAt(file);
    if (!format) return kAscii;
    file.position += markOf(format).length;
    return format;
  }

  function WriteStringFormat(number, format) {
    var file = files.get(number);
    return file && write(file, Uint8Array.from(markOf(Number(format)))) ? 1 : 0;
  }

  // One character: 1 byte in Ascii, 2 in Unicode, 1 to 4 in UTF-8.
  function ReadCharacter(number, format) {
    var file = files.get(number);
    if (!file || file.position >= file.entry.size) return 0;
    var data = cFileSystem.contents(file.entry);
    var got = cMemory.decodeRange(data, file.position, file.entry.size, textFormat(file, format), false, 1);
    if (got[1] === 0) return 0;
    file.position += got[1];
    return got[0].charCodeAt(0);
  }

  function WriteCharacter(number, character, format) {
    return WriteString(number, String.fromCharCode(Number(character) & 0xffff), format);
  }

  return {
    CreateFile: CreateFile, OpenFile: OpenFile, ReadFile: ReadFile, CloseFile: CloseFile,
    IsFile: IsFile, FileID: FileID, FlushFileBuffers: FlushFileBuffers, FileBuffersSize: FileBuffersSize,
    Loc: Loc, Lof: Lof, Eof: Eof, FileSeek: FileSeek, TruncateFile: TruncateFile,
    ReadByte: ReadByte, ReadAsciiCharacter: ReadAsciiCharacter, ReadWord: ReadWord,
    ReadUnicodeCharacter: ReadUnicodeCharacter, ReadLong: ReadLong, ReadInteger: ReadInteger,
    ReadQuad: ReadQuad, ReadFloat: ReadFloat, ReadDouble: ReadDouble,
    WriteByte: WriteByte, WriteAsciiCharacter: WriteAsciiCharacter, WriteWord: WriteWord,
    WriteUnicodeCharacter: WriteUnicodeCharacter, WriteLong: WriteLong, WriteInteger: WriteInteger,
    WriteQuad: WriteQuad, WriteFloat: WriteFloat, WriteDouble: WriteDouble,
    ReadData: ReadData, WriteData: WriteData,
    WriteString: WriteString, WriteStringN: WriteStringN, ReadString: ReadString,
    ReadStringFormat: ReadStringFormat, WriteStringFormat: WriteStringFormat,
    ReadCharacter: ReadCharacter, WriteCharacter: WriteCharacter,
    // the PureBasic type of each command's result, for the converter
    returns: {
      CreateFile: 'i', OpenFile: 'i', ReadFile: 'i', CloseFile: '', IsFile: 'i', FileID: 'i',
      FlushFileBuffers: 'i', FileBuffersSize: 'i', Loc: 'i', Lof: 'i', Eof: 'i', FileSeek: '',
      TruncateFile: 'i', ReadByte: 'b', ReadAsciiCharacter: 'a', ReadWord: 'w',
      ReadUnicodeCharacter: 'u', ReadLong: 'l', ReadInteger: 'i', ReadQuad: 'q', ReadFloat: 'f',
      ReadDouble: 'd', WriteByte: 'i', WriteAsciiCharacter: 'i', WriteWord: 'i',
      WriteUnicodeCharacter: 'i', WriteLong: 'i', WriteInteger: 'i', WriteQuad: 'i', WriteFloat: 'i',
      WriteDouble: 'i', ReadData: 'i', WriteData: 'i', WriteString: 'i', WriteStringN: 'i',
      ReadString: 's', ReadStringFormat: 'i', WriteStringFormat: 'i', ReadCharacter: 'c',
      WriteCharacter: 'i'
    }
  };
})();
