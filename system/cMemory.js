// cMemory: PureBasic's memory library over one growable byte heap, and the
// text encodings that the file, cipher, JSON and preference libraries share.
// Emitted calls: cMemory.AllocateMemory(size[, #PB_Memory_NoClear]),
// cMemory.ReAllocateMemory(*m, size), cMemory.FreeMemory(*m),
// cMemory.MemorySize(*m), cMemory.PeekL(*m + 4), cMemory.PokeW(*m, v) (every
// type A B C U W L I Q F D), cMemory.PeekS(*m[, length[, format]]),
// cMemory.PokeS(*m, text[, length[, flags]]), cMemory.CopyMemory(*src, *dst,
// n), cMemory.FillMemory(*m, n[, value[, type]]), cMemory.Ascii(text), ...
// An address is a JavaScript number: the offset of a byte in the heap.
// Blocks never start at address 0 (#Null), are aligned to 16 bytes and keep
// their address until they are freed or reallocated; the heap grows by
// doubling, which leaves every address valid. Values are little-endian, as
// on the machines PureBasic runs on; an integer (.i) takes 8 bytes.
//
// For the translation of pointers the emitted code reads and writes a field
// of a structure at an address by its offset and type letter:
//   *p\x        (x.l at offset 4)    cMemory.peek(p + 4, 'l')
//   *p\x = v                         cMemory.poke(p + 4, 'l', v)
//   *p\name$    (at offset 8)        cMemory.peek(p + 8, 's'), cMemory.poke(p + 8, 's', t)
//   *p\code.s{4} (at offset 16)      cMemory.peek(p + 16, 's', 4), cMemory.poke(p + 16, 's', t, 4)
//   @text$, @"literal"               cMemory.address(text)
//   FreeStructure(*p) (name$ at 8)   cMemory.dropText(p + 8); cMemory.FreeMemory(p)
// The letters are PureBasic's type suffixes: b a c w u l i q f d s (and 'p'
// for a pointer field, 8 bytes like 'i'); cMemory.sizeOf(letter) gives the
// bytes a field takes. A string field holds the address of its text (UTF-16
// with a NUL, made by poke and freed when the field is written again), a
// fixed string of n characters holds them in place, as PureBasic lays
// structures out. A text where an address is expected (the form @text$ takes
// until pointers are translated) stands for that text's characters.
var cMemory = (function () {
  var kNoClear = 1;                                   // #PB_Memory_NoClear
  var kAscii = 24, kUnicode = 25, kUTF8 = 26;         // #PB_Ascii, #PB_Unicode, #PB_UTF8
  var kUTF16BE = 27, kUTF32 = 28, kUTF32BE = 29;      // #PB_UTF16BE, #PB_UTF32, #PB_UTF32BE
  var kByteLength = 0x100, kNoZero = 0x200;           // #PB_ByteLength, #PB_String_NoZero
  var kNoCase = 1, kNoCaseAscii = 4;                  // #PB_String_NoCase, _NoCaseAscii
  var kFirstAddress = 16;                             // 0 to 15 are never a block

  var bytes = new Uint8Array(1 << 16);
  var view = new DataView(bytes.buffer);
  var top = kFirstAddress;     // the first byte no block has used yet
  var sizes = new Map();       // address of a live block -> its size
  var capacities = new Map();  // address of a block -> its bytes, a power of two
  var freeBlocks = [];         // per power of two, the freed blocks of that size
  var fieldTexts = new Set();  // texts that poke made for string fields

  // ---- The heap ----

  function grow(end) {
    if (end <= bytes.length) return;
    var length = bytes.length * 2;
    while (length < end) length *= 2;
    var larger = new Uint8Array(length);
    larger.set(bytes);
    bytes = larger;
    view = new DataView(bytes.buffer);
  }

  function powerOfTwo(size) {
    var bits = 4;
    while ((1 << bits) < size && bits < 31) bits++;
    return bits;
  }

  // A block of size bytes: a freed one of its power of two, else new bytes
  // at the top. 0 when the size is not positive or too large.
  function allocate(size, noClear) {
    var n = Math.trunc(Number(size));
    if (!(n > 0) || n > 0x7fffffff) return 0;
    var bits = powerOfTwo(n), address;
    var reuse = freeBlocks[bits];
    if (reuse && reuse.length) {
      address = reuse.pop();
      if (!noClear) bytes.fill(0, address, address + n);
    } else {
      try {
        grow(top + (1 << bits));
      } catch (e) {
        return 0;
      }
      address = top;
      top += 1 << bits;
    }
    sizes.set(address, n);
    capacities.set(address, bits);
    return address;
  }

  function release(address) {
    if (!sizes.has(address)) return;
    sizes.delete(address);
    var bits = capacities.get(address);
    (freeBlocks[bits] || (freeBlocks[bits] = [])).push(address);
  }

  // The address an argument stands for: a number, a quad, or a text (then
  // the address of a copy of its characters).
  function at(address) {
    if (typeof address === 'number') return address;
    if (typeof address === 'bigint') return Number(address);
    if (typeof address === 'string') return textAddress(address);
    return Number(address) || 0;
  }

  function check(address, length) {
    if (!(address >= 0) || address + length > bytes.length)
      throw new RangeError('Invalid memory access at address ' + address);
  }

  // ---- Texts as bytes ----

  function utf8Bytes(text, out) {
    for (var i = 0; i < text.length; i++) {
      var c = text.charCodeAt(i);
      if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.length) {
        var low = text.charCodeAt(i + 1);
        if (low >= 0xdc00 && low < 0xe000) {
          c = 0x10000 + ((c - 0xd800) << 10) + (low - 0xdc00);
          i++;
        }
      }
      if (c < 0x80) out.push(c);
      else if (c < 0x800) out.push(0xc0 | (c >> 6), 0x80 | (c & 63));
      else if (c < 0x10000) out.push(0xe0 | (c >> 12), 0x80 | ((c >> 6) & 63), 0x80 | (c & 63));
      else out.push(0xf0 | (c >> 18), 0x80 | ((c >> 12) & 63), 0x80 | ((c >> 6) & 63), 0x80 | (c & 63));
    }
  }

  function codePoints(text) {
    var points = [];
    for (var i = 0; i < text.length; i++) {
      var c = text.codePointAt(i);
      if (c > 0xffff) i++;
      points.push(c);
    }
    return points;
  }

  // The bytes of text in a format, without a terminator: UTF-8, UTF-16
  // (#PB_Unicode, little-endian, or big-endian), UTF-32, or Ascii (one byte
  // per character, "?" for the characters beyond 255).
  function encode(text, format) {
    var s = cString.text(text), out = [], i, c;
    switch (format) {
      case kAscii:
        for (i = 0; i < s.length; i++) {
          c = s.charCodeAt(i);
          out.push(c < 256 ? c : 63);
        }
        break;
      case kUnicode: case kUTF16BE:
        for (i = 0; i < s.length; i++) {
          c = s.charCodeAt(i);
          if (format === kUnicode) out.push(c & 255, c >> 8); else out.push(c >> 8, c & 255);
        }
        break;
      case kUTF32: case kUTF32BE:
        codePoints(s).forEach(function (p) {
          var b = [p & 255, (p >> 8) & 255, (p >> 16) & 255, 0];
          out.push.apply(out, format === kUTF32 ? b : b.reverse());
        });
        break;
      default:
        utf8Bytes(s, out);
    }
    return Uint8Array.from(out);
  }

  // One UTF-8 character at source[i]: [code, bytes taken]; a malformed
  // sequence gives U+FFFD for its first byte.
  function utf8Character(source, i, end) {
    var b = source[i], need = b < 0x80 ? 0 : b >= 0xf0 ? 3 : b >= 0xe0 ? 2 : b >= 0xc0 ? 1 : -1;
    if (need === 0) return [b, 1];
    if (need < 0 || i + need >= end) return [0xfffd, 1];
    var code = b & (0x3f >> need);
    for (var k = 1; k <= need; k++) {
      var next = source[i + k];
      if ((next & 0xc0) !== 0x80) return [0xfffd, 1];
      code = (code << 6) | (next & 63);
    }
    return [code, need + 1];
  }

  // Text from bytes source[from, to) in a format; stops at a NUL when
  // stopAtNul; maxChars limits the characters (UTF-16 units), -1 for none.
  // Answers [text, bytes read, not counting a NUL].
  function decodeRange(source, from, to, format, stopAtNul, maxChars) {
    var parts = [], count = 0, i = from, c;
    var limit = maxChars < 0 ? Infinity : maxChars;
    while (i < to && count < limit) {
      if (format === kUnicode || format === kUTF16BE) {
        if (i + 1 >= to) break;
        c = format === kUnicode ? source[i] | (source[i + 1] << 8) : (source[i] << 8) | source[i + 1];
        if (c === 0 && stopAtNul) break;
        parts.push(c);
        i += 2;
        count++;
      } else if (format === kUTF32 || format === kUTF32BE) {
        if (i + 3 >= to) break;
        c = format === kUTF32 ? (source[i] | (source[i + 1] << 8) | (source[i + 2] << 16)) + source[i + 3] * 16777216
          : source[i + 3] | (source[i + 2] << 8) | (source[i + 1] << 16) + source[i] * 16777216;
        if (c === 0 && stopAtNul) break;
        if (c > 0x10ffff) c = 0xfffd;
        if (c > 0xffff && count + 2 > limit) break;
        parts.push(c);
        i += 4;
        count += c > 0xffff ? 2 : 1;
      } else if (format === kAscii) {
        c = source[i];
        if (c === 0 && stopAtNul) break;
        parts.push(c);
        i++;
        count++;
      } else {
        if (source[i] === 0 && stopAtNul) break;
        var one = utf8Character(source, i, to);
        if (one[0] > 0xffff && count + 2 > limit) break;
        parts.push(one[0]);
        i += one[1];
        count += one[0] > 0xffff ? 2 : 1;
      }
    }
    var text = '';
    for (var k = 0; k < parts.length; k += 4096)
      text += String.fromCodePoint.apply(null, parts.slice(k, k + 4096));
    return [text, i - from];
  }

  function decode(source, format) {
    return decodeRange(source, 0, source.length, format, false, -1)[0];
  }

  // The bytes a NUL takes in a format.
  function nulSize(format) {
    if (format === kUnicode || format === kUTF16BE) return 2;
    return format === kUTF32 || format === kUTF32BE ? 4 : 1;
  }

  function formatOf(flags, fallback) {
    var f = (Number(flags) || 0) & 0xff;
    return f >= kAscii && f <= kUTF32BE ? f : fallback;
  }

  // ---- Texts at addresses ----

  // The copies made for texts given as addresses, by their text; a copy is
  // written again each time, as a program may have changed it.
  var textCopies = new Map();
  var kTextCopies = 64;

  function textAddress(text) {
    var address = textCopies.get(text);
    if (address === undefined) {
      if (textCopies.size >= kTextCopies) {
        var oldest = textCopies.keys().next().value;
        release(textCopies.get(oldest));
        textCopies.delete(oldest);
      }
      address = allocate(text.length * 2 + 2, true);
      textCopies.set(text, address);
    }
    writeText(address, text, kUnicode, -1, true);
    return address;
  }

  // Writes text at address; answers the bytes written without the NUL.
  function writeText(address, text, format, maxChars, withNul) {
    var s = cString.text(text);
    if (maxChars >= 0 && maxChars < s.length) s = s.substring(0, maxChars);
    var encoded = encode(s, format), nul = withNul ? nulSize(format) : 0;
    check(address, encoded.length + nul);
    bytes.set(encoded, address);
    bytes.fill(0, address + encoded.length, address + encoded.length + nul);
    return encoded.length;
  }

  function readText(address, maxLength, flags) {
    var format = formatOf(flags, kUnicode);
    var limit = maxLength === undefined ? -1 : Math.trunc(Number(maxLength));
    if (isNaN(limit)) limit = -1;
    check(address, 0);
    if (limit >= 0 && (Number(flags) & kByteLength))
      return decodeRange(bytes, address, Math.min(bytes.length, address + limit), format, true, -1)[0];
    return decodeRange(bytes, address, bytes.length, format, true, limit)[0];
  }

  // ---- The commands ----

  function AllocateMemory(size, flags) { return allocate(size, (Number(flags) & kNoClear) !== 0); }

  // The block grows in place while its power of two holds it; else it moves.
  // On failure the old block stays as it was.
  function ReAllocateMemory(memory, size, flags) {
    var address = at(memory), n = Math.trunc(Number(size));
    var noClear = (Number(flags) & kNoClear) !== 0;
    if (address === 0) return allocate(n, noClear);
    var old = sizes.get(address);
    if (old === undefined || !(n > 0)) return 0;
    if (n <= (1 << capacities.get(address))) {
      if (n > old && !noClear) bytes.fill(0, address + old, address + n);
      sizes.set(address, n);
      return address;
    }
    var moved = allocate(n, true);
    if (moved === 0) return 0;
    bytes.copyWithin(moved, address, address + old);
    if (!noClear) bytes.fill(0, moved + old, moved + n);
    release(address);
    return moved;
  }

  function FreeMemory(memory) { release(at(memory)); }

  function MemorySize(memory) { return sizes.get(at(memory)) || 0; }

  function PeekA(a) { return view.getUint8(at(a)); }
  function PeekB(a) { return view.getInt8(at(a)); }
  function PeekC(a) { return view.getUint16(at(a), true); }
  function PeekU(a) { return view.getUint16(at(a), true); }
  function PeekW(a) { return view.getInt16(at(a), true); }
  function PeekL(a) { return view.getInt32(at(a), true); }
  function PeekF(a) { return view.getFloat32(at(a), true); }
  function PeekD(a) { return view.getFloat64(at(a), true); }
  function PeekQ(a) { return view.getBigInt64(at(a), true); }

  // An integer as a number: exact while it fits in 53 bits.
  function PeekI(a) {
    var address = at(a);
    return view.getInt32(address + 4, true) * 4294967296 + view.getUint32(address, true);
  }

  // A value poked into an integer type: a fraction rounds to the nearest
  // integer, halves to even, as PureBasic converts it; the bits beyond the
  // type's width are lost.
  function whole(value) {
    if (typeof value === 'bigint') return value;
    var n = Number(value);
    if (!isFinite(n)) return 0;
    if (Number.isInteger(n)) return n;
    var r = Math.round(n);
    return r - n === 0.5 && r % 2 !== 0 ? r - 1 : r;
  }

  function low32(value) {
    var n = whole(value);
    return typeof n === 'bigint' ? Number(BigInt.asIntN(32, n)) : n;
  }

  function PokeA(a, v) { view.setUint8(at(a), low32(v)); }
  function PokeB(a, v) { view.setInt8(at(a), low32(v)); }
  function PokeC(a, v) { view.setUint16(at(a), low32(v), true); }
  function PokeU(a, v) { view.setUint16(at(a), low32(v), true); }
  function PokeW(a, v) { view.setInt16(at(a), low32(v), true); }
  function PokeL(a, v) { view.setInt32(at(a), low32(v), true); }
  function PokeF(a, v) { view.setFloat32(at(a), Number(v), true); }
  function PokeD(a, v) { view.setFloat64(at(a), Number(v), true); }

  function PokeQ(a, v) {
    var n = whole(v);
    view.setBigInt64(at(a), typeof n === 'bigint' ? BigInt.asIntN(64, n) : BigInt(n), true);
  }

  function PokeI(a, v) {
    var address = at(a), n = whole(v);
    if (typeof n === 'bigint' || Math.abs(n) > Number.MAX_SAFE_INTEGER) return PokeQ(address, n);
    var high = Math.floor(n / 4294967296);
    view.setUint32(address, n - high * 4294967296, true);
    view.setInt32(address + 4, high, true);
  }

  // PeekS(*m) reads UTF-16 up to a NUL; PeekS(*m, 3, #PB_Ascii) at most 3
  // characters; with #PB_ByteLength the length counts bytes.
  function PeekS(memory, length, flags) { return readText(at(memory), length, flags); }

  // Writes at most length characters (-1: all) and a NUL unless
  // #PB_String_NoZero; answers the bytes written without the NUL.
  function PokeS(memory, text, length, flags) {
    var limit = length === undefined ? -1 : Math.trunc(Number(length));
    return writeText(at(memory), text, formatOf(flags, kUnicode), isNaN(limit) ? -1 : limit,
                     (Number(flags) & kNoZero) === 0);
  }

  // Both copy as if through a buffer, so overlapping ranges are safe.
  function CopyMemory(source, target, length) {
    var from = at(source), to = at(target), n = Math.trunc(Number(length)) || 0;
    if (n <= 0) return;
    check(from, n);
    check(to, n);
    bytes.copyWithin(to, from, from + n);
  }

  // The value's bytes (1 for #PB_Byte and #PB_Ascii, 2 for #PB_Word,
  // #PB_Unicode and #PB_Character, 4 for #PB_Long, 8 for #PB_Integer)
  // repeated over length bytes.
  function FillMemory(memory, length, value, type) {
    var address = at(memory), n = Math.trunc(Number(length)) || 0;
    if (n <= 0) return;
    check(address, n);
    var width = { 3: 2, 25: 2, 11: 2, 5: 4, 21: 8 }[Number(type)] || 1;
    var pattern = new Uint8Array(8), patternView = new DataView(pattern.buffer);
    var v = whole(value === undefined ? 0 : value);
    patternView.setBigInt64(0, BigInt.asIntN(64, typeof v === 'bigint' ? v : BigInt(v)), true);
    if (width === 1) {
      bytes.fill(pattern[0], address, address + n);
      return;
    }
    for (var i = 0; i < n; i++) bytes[address + i] = pattern[i % width];
  }

  function CompareMemory(first, second, length) {
    var a = at(first), b = at(second), n = Math.trunc(Number(length)) || 0;
    check(a, Math.max(0, n));
    check(b, Math.max(0, n));
    for (var i = 0; i < n; i++) if (bytes[a + i] !== bytes[b + i]) return 0;
    return 1;
  }

  function asciiLower(s) {
    return s.replace(/[A-Z]/g, function (c) { return String.fromCharCode(c.charCodeAt(0) + 32); });
  }

  // #PB_String_Equal (0), #PB_String_Lower (-1) or #PB_String_Greater (1),
  // by character codes; length -1 reads to the NUL.
  function CompareMemoryString(first, second, mode, length, flags) {
    var n = length === undefined ? -1 : Math.trunc(Number(length));
    var a = readText(at(first), n, flags), b = readText(at(second), n, flags);
    var m = Number(mode) || 0;
    if (m & kNoCase) {
      a = a.toLowerCase();
      b = b.toLowerCase();
    } else if (m & kNoCaseAscii) {
      a = asciiLower(a);
      b = asciiLower(b);
    }
    return a === b ? 0 : a < b ? -1 : 1;
  }

  // Characters up to the NUL; with #PB_ByteLength, bytes.
  function MemoryStringLength(memory, flags) {
    var address = at(memory), format = formatOf(flags, kUnicode);
    check(address, 0);
    var read = decodeRange(bytes, address, bytes.length, format, true, -1);
    return (Number(flags) & kByteLength) ? read[1] : read[0].length;
  }

  // CopyMemoryString(text, *target) writes text (UTF-16, with its NUL) at
  // *target; CopyMemoryString(more) goes on where the last one ended. The
  // result is the address of the new NUL.
  var copyEnd = 0;
  function CopyMemoryString(text, target) {
    var s = typeof text === 'number' ? readText(text, -1, kUnicode) : cString.text(text);
    var address = target === undefined ? copyEnd : at(target);
    if (address === 0) return 0;
    copyEnd = address + writeText(address, s, kUnicode, -1, true);
    return copyEnd;
  }

  function block(text, format) {
    var encoded = encode(text, format), nul = nulSize(format);
    var address = allocate(encoded.length + nul, false);
    if (address) bytes.set(encoded, address);
    return address;
  }

  function Ascii(text) { return block(text, kAscii); }
  function UTF8(text) { return block(text, kUTF8); }
  function Unicode(text) { return block(text, kUnicode); }

  function StringByteLength(text, flags) { return encode(text, formatOf(flags, kUnicode)).length; }

  // ---- Fields of structures at addresses (see the top of this file) ----

  var kFieldSizes = { b: 1, a: 1, c: 2, w: 2, u: 2, l: 4, f: 4, i: 8, q: 8, d: 8, s: 8, p: 8 };

  function sizeOf(type) { return kFieldSizes[type] || 8; }

  function peek(address, type, fixed) {
    switch (type) {
      case 'b': return PeekB(address);
      case 'a': return PeekA(address);
      case 'c': case 'u': return PeekU(address);
      case 'w': return PeekW(address);
      case 'l': return PeekL(address);
      case 'q': return PeekQ(address);
      case 'f': return PeekF(address);
      case 'd': return PeekD(address);
      case 's':
        if (fixed !== undefined) return readText(address, fixed, kUnicode);
        var text = PeekI(address);
        return text ? readText(text, -1, kUnicode) : '';
      default: return PeekI(address);
    }
  }

  function poke(address, type, value, fixed) {
    switch (type) {
      case 'b': return PokeB(address, value);
      case 'a': return PokeA(address, value);
      case 'c': case 'u': return PokeU(address, value);
      case 'w': return PokeW(address, value);
      case 'l': return PokeL(address, value);
      case 'q': return PokeQ(address, value);
      case 'f': return PokeF(address, value);
      case 'd': return PokeD(address, value);
      case 's': return pokeText(address, value, fixed);
      default: return PokeI(address, value);
    }
  }

  // A fixed string is cut or padded with NULs to its characters; a string
  // field gets a new copy of the text and frees the one it held.
  function pokeText(address, value, fixed) {
    var s = cString.text(value);
    if (fixed !== undefined) {
      check(address, fixed * 2);
      bytes.fill(0, address, address + fixed * 2);
      writeText(address, s, kUnicode, fixed, false);
      return;
    }
    var old = PeekI(address);
    if (fieldTexts.has(old)) {
      fieldTexts.delete(old);
      release(old);
    }
    var text = block(s, kUnicode);
    fieldTexts.add(text);
    PokeI(address, text);
  }

  // A string field's text is freed and the field holds none (for
  // FreeStructure and ClearStructure of a structure at an address).
  function dropText(address) {
    var text = PeekI(address);
    if (fieldTexts.has(text)) {
      fieldTexts.delete(text);
      release(text);
    }
    PokeI(address, 0);
  }

  return {
    AllocateMemory: AllocateMemory, ReAllocateMemory: ReAllocateMemory, FreeMemory: FreeMemory,
    MemorySize: MemorySize,
    PeekA: PeekA, PeekB: PeekB, PeekC: PeekC, PeekU: PeekU, PeekW: PeekW, PeekL: PeekL,
    PeekI: PeekI, PeekQ: PeekQ, PeekF: PeekF, PeekD: PeekD, PeekS: PeekS,
    PokeA: PokeA, PokeB: PokeB, PokeC: PokeC, PokeU: PokeU, PokeW: PokeW, PokeL: PokeL,
    PokeI: PokeI, PokeQ: PokeQ, PokeF: PokeF, PokeD: PokeD, PokeS: PokeS,
    CopyMemory: CopyMemory, MoveMemory: CopyMemory, FillMemory: FillMemory,
    CompareMemory: CompareMemory, CompareMemoryString: CompareMemoryString,
    MemoryStringLength: MemoryStringLength, CopyMemoryString: CopyMemoryString,
    Ascii: Ascii, UTF8: UTF8, Unicode: Unicode, StringByteLength: StringByteLength,
    // for the emitted code and the other libraries
    peek: peek, poke: poke, sizeOf: sizeOf, address: at,
    encode: encode, decode: decode, decodeRange: decodeRange, formatOf: formatOf,
    bytesAt: function (address, length) {
      var a = at(address), n = Math.max(0, Math.trunc(Number(length)) || 0);
      check(a, n);
      return bytes.subarray(a, a + n);
    },
    setBytes: function (address, source) {
      var a = at(address);
      check(a, source.length);
      bytes.set(source, a);
    },
    dropText: dropText,
    // the PureBasic type of each command's result, for the converter
    returns: {
      AllocateMemory: 'i', ReAllocateMemory: 'i', FreeMemory: '', MemorySize: 'i',
      PeekA: 'a', PeekB: 'b', PeekC: 'c', PeekU: 'u', PeekW: 'w', PeekL: 'l', PeekI: 'i',
      PeekQ: 'q', PeekF: 'f', PeekD: 'd', PeekS: 's',
      PokeA: '', PokeB: '', PokeC: '', PokeU: '', PokeW: '', PokeL: '', PokeI: '', PokeQ: '',
      PokeF: '', PokeD: '', PokeS: 'i',
      CopyMemory: '', MoveMemory: '', FillMemory: '', CompareMemory: 'i', CompareMemoryString: 'i',
      MemoryStringLength: 'i', CopyMemoryString: 'i', Ascii: 'i', UTF8: 'i', Unicode: 'i',
      StringByteLength: 'i'
    }
  };
})();
