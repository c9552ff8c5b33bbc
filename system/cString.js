// cString: PureBasic's string library.
// Emitted calls: cString.Chr(n) for the character constants (#CR$, #TAB$,
// ...), cString.Val("$1F") for hexadecimal literals, and cString.<Function>
// for every string function of the program (Str, Mid, StringField, ...).
// Positions are 1-based as in PureBasic; a value that is no string (a
// number, a BigInt quad, null, an unset element) is taken as its text, null
// as "". Every number argument may be a BigInt; Str, StrU, Hex and Bin are
// exact over all 64 bits of one. A helper for the rest of the runtime:
// cString.text(value), the text a value is joined to a string as.
var cString = (function () {
  var kCaseSensitive = 0, kNoCase = 1;
  var kQuadIndefinite = -9223372036854775808n;  // what no quad holds converts to
  var kTwoTo63 = 9223372036854775808;
  var kMaxDecimals = 100;

  // The value as PureBasic text: whole numbers in full, other numbers as
  // StrD() without a count of decimals writes them.
  function text(value) {
    if (typeof value === 'string') return value;
    if (value === null || value === undefined) return '';
    if (typeof value === 'bigint') return value.toString();
    if (typeof value === 'number') return Number.isInteger(value) ? integerText(value) : StrD(value);
    return String(value);
  }

  function integerText(n) {
    if (Math.abs(n) < 1e21) return String(n === 0 ? 0 : n);
    return BigInt(n).toString();
  }

  // A number argument as a double, a BigInt quad or nothing included.
  function real(value) {
    if (value === null || value === undefined) return 0;
    return Number(value);
  }

  // Halves go to the even neighbour, as the processor converts.
  function roundHalfEven(n) {
    var r = Math.round(n);
    if (Math.abs(n % 1) === 0.5 && r % 2 !== 0) r -= 1;
    return r;
  }

  // The value as the quad PureBasic stores it (a BigInt): a fraction is
  // rounded to the nearest whole number, halves to even (Str(2.5) = "2");
  // NaN, the infinities and numbers beyond 64 bits become the processor's
  // "integer indefinite", -9223372036854775808.
  function quad(value) {
    if (typeof value === 'bigint') return BigInt.asIntN(64, value);
    var n = real(value);
    if (!isFinite(n)) return kQuadIndefinite;
    var r = roundHalfEven(n);
    if (r >= kTwoTo63 || r < -kTwoTo63) return kQuadIndefinite;
    return BigInt(r);
  }

  // A count or position argument as a JS number; missing or not a number
  // gives fallback. A small whole number, what nearly every call passes, is
  // taken as it is (-0 as 0), without the quad's BigInt.
  function whole(value, fallback) {
    if (typeof value === 'number' && (value | 0) === value) return value | 0;
    if (value === undefined || value === null) return fallback;
    if (typeof value !== 'bigint' && isNaN(Number(value))) return fallback;
    return Number(quad(value));
  }

  // NaN and the infinities as PureBasic writes them; "" for other numbers.
  function special(n) {
    if (n !== n) return 'NaN';
    if (n === Infinity) return '+Infinity';
    if (n === -Infinity) return '-Infinity';
    return '';
  }

  // count decimals, rounded to the nearest with halves away from zero; at
  // any size, without an exponent (1e21 and more are whole numbers).
  function fixed(n, count) {
    if (Math.abs(n) < 1e21) return n.toFixed(count);
    return BigInt(n).toString() + (count > 0 ? '.' + '0'.repeat(count) : '');
  }

  // "-0.00" is written "0.00".
  function withoutNegativeZero(s) { return /^-0(\.0*)?$/.test(s) ? s.substring(1) : s; }

  // No count: ten decimals, the trailing zeros removed (and the point with
  // them): StrD(2.5) = "2.5", StrD(1 / 3) = "0.3333333333", StrD(10) = "10".
  // A count: rounded to that many decimals, StrD(2.345, 2) = "2.35".
  function decimalText(n, decimals) {
    if (!isFinite(n)) return special(n);
    if (decimals === undefined) {
      var s = fixed(n, 10);
      if (s.indexOf('.') >= 0) s = s.replace(/0+$/, '').replace(/\.$/, '');
      return withoutNegativeZero(s);
    }
    var count = Math.max(0, Math.min(kMaxDecimals, whole(decimals, 10)));
    return withoutNegativeZero(fixed(n, count));
  }

  // A whole number that a double holds exactly is written by String() as
  // the quad would be; the others go through the quad.
  function Str(value) {
    if (typeof value === 'number' && Number.isSafeInteger(value)) return String(value);
    return quad(value).toString();
  }

  // StrF works on a single-precision float, as PureBasic's .f parameter:
  // StrF(1.1) = "1.1000000238".
  function StrF(value, decimals) { return decimalText(Math.fround(real(value)), decimals); }
  function StrD(value, decimals) { return decimalText(real(value), decimals); }

  // The bits of a whole number seen as an unsigned value of the type's
  // width: a quad (64 bits) unless a smaller type is given.
  function typeBits(type) {
    switch (whole(type, 13)) {
      case 1: case 24: return 8;              // #PB_Byte, #PB_Ascii
      case 3: case 11: case 25: return 16;    // #PB_Word, #PB_Character, #PB_Unicode
      case 5: return 32;                      // #PB_Long
      default: return 64;                     // #PB_Quad, #PB_Integer
    }
  }

  function unsigned(value, type) { return BigInt.asUintN(typeBits(type), quad(value)); }

  function StrU(value, type) { return unsigned(value, type).toString(); }
  // Hex(-1) = "FFFFFFFFFFFFFFFF", Hex(-1, #PB_Long) = "FFFFFFFF", Hex(255) = "FF"
  function Hex(value, type) { return unsigned(value, type).toString(16).toUpperCase(); }
  function Bin(value, type) { return unsigned(value, type).toString(2); }

  // Val("$FF") = 255, Val("%101") = 5, Val("12abc") = 12, Val("x") = 0:
  // leading blanks are skipped and the number ends at the first character
  // that is not one of its digits. The value is a quad: "$FFFFFFFFFFFFFFFF"
  // is -1.
  function Val(value) {
    var s = text(value).replace(/^[ \t]+/, '');
    var negative = s.charAt(0) === '-';
    if (negative || s.charAt(0) === '+') s = s.substring(1);
    var prefix = '', digits = /^[0-9]+/;
    if (s.charAt(0) === '$') {
      prefix = '0x';
      digits = /^[0-9a-fA-F]+/;
    } else if (s.charAt(0) === '%') {
      prefix = '0b';
      digits = /^[01]+/;
    }
    var m = digits.exec(prefix ? s.substring(1) : s);
    if (!m) return 0;
    var n = BigInt(prefix + m[0]);
    return Number(BigInt.asIntN(64, negative ? -n : n));
  }

  // ValD("1.5e3 kg") = 1500, ValD("abc") = 0, ValD("-Infinity") = -Infinity.
  function ValD(value) {
    var m = /^[ \t]*([-+]?)(?:(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?|(infinity)|(nan))/i.exec(text(value));
    if (!m) return 0;
    if (m[5]) return NaN;
    var n = m[4] ? Infinity : parseFloat(m[2] + (m[3] || ''));
    if (m[1] === '-') n = -n;
    return n === 0 ? 0 : n;
  }

  function ValF(value) { return Math.fround(ValD(value)); }

  // Asc("€") = 8364; Asc("") = 0.
  function Asc(value) {
    var s = text(value);
    return s.length ? s.charCodeAt(0) : 0;
  }

  // Chr(8364) = "€". A string holds the characters 1 to $FFFF without the
  // surrogates; any other code gives "" (0 ends a PureBasic string).
  function Chr(code) {
    var n = whole(code, 0);
    if (n < 1 || n > 0xFFFF || (n >= 0xD800 && n <= 0xDFFF)) return '';
    return String.fromCharCode(n);
  }

  function Len(value) { return text(value).length; }

  function Left(value, length) {
    var n = whole(length, 0);
    return n > 0 ? text(value).substring(0, n) : '';
  }

  function Right(value, length) {
    var s = text(value), n = whole(length, 0);
    return n > 0 ? s.substring(Math.max(0, s.length - n)) : '';
  }

  // Mid("Hello", 2, 3) = "ell"; without a length (or a negative one), to
  // the end; a start below 1 counts as 1, a start past the end gives "".
  // One character, the usual walk through a text, is taken with charAt,
  // which the engine compiles best.
  function Mid(value, start, length) {
    var s = text(value);
    var from = Math.max(1, whole(start, 1)) - 1;
    var n = whole(length, -1);
    if (n < 0) return s.substring(from);
    return n === 1 ? s.charAt(from) : s.substring(from, from + n);
  }

  // Each character changed on its own, so the length stays: UCase("ß") is
  // "ß" (there is no one-character capital), UCase("éà") = "ÉÀ".
  function eachCharacter(s, change) {
    if (!/[^\x00-\x7F]/.test(s)) return change(s);
    var out = '';
    for (var i = 0; i < s.length; i++) {
      var c = s.charAt(i), changed = change(c);
      out += changed.length === 1 ? changed : c;
    }
    return out;
  }

  function lower(s) { return s.toLowerCase(); }
  function upper(s) { return s.toUpperCase(); }
  function LCase(value) { return eachCharacter(text(value), lower); }
  function UCase(value) { return eachCharacter(text(value), upper); }

  // Only the one character is removed (a space unless given): tabs stay.
  function trimCharacter(character) {
    var c = character === undefined ? ' ' : text(character).charAt(0);
    return c === '' ? ' ' : c;
  }

  function LTrim(value, character) {
    var s = text(value), c = trimCharacter(character), i = 0;
    while (i < s.length && s.charAt(i) === c) i++;
    return s.substring(i);
  }

  function RTrim(value, character) {
    var s = text(value), c = trimCharacter(character), i = s.length;
    while (i > 0 && s.charAt(i - 1) === c) i--;
    return s.substring(0, i);
  }

  function Trim(value, character) { return RTrim(LTrim(value, character), character); }

  function repeat(character, count) {
    var c = character === undefined ? ' ' : text(character).charAt(0) || ' ';
    return count > 0 ? c.repeat(count) : '';
  }

  // LSet("ab", 4, "*") = "ab**", RSet("ab", 4) = "  ab"; a longer text is
  // cut to its first Length characters by both: RSet("LongString", 4) =
  // "Long".
  function LSet(value, length, character) {
    var s = text(value), n = Math.max(0, whole(length, 0));
    return s.length >= n ? s.substring(0, n) : s + repeat(character, n - s.length);
  }

  function RSet(value, length, character) {
    var s = text(value), n = Math.max(0, whole(length, 0));
    return s.length >= n ? s.substring(0, n) : repeat(character, n - s.length) + s;
  }

  function Space(count) { return repeat(' ', whole(count, 0)); }

  function ReverseString(value) { return text(value).split('').reverse().join(''); }

  // Index of find in s from the 0-based position from, -1 when absent. The
  // case is folded character by character, so positions stay where they are.
  function search(s, find, from, noCase) {
    if (noCase) return eachCharacter(s, lower).indexOf(eachCharacter(find, lower), from);
    return s.indexOf(find, from);
  }

  function noCase(mode) { return (whole(mode, kCaseSensitive) & kNoCase) !== 0; }

  // FindString("abcabc", "c", 4) = 6; 0 when not found or for an empty
  // search; a start below 1 searches from the first character.
  function FindString(value, find, start, mode) {
    var s = text(value), f = text(find);
    if (f === '') return 0;
    var from = Math.max(1, whole(start, 1)) - 1;
    var at = search(s, f, from, noCase(mode));
    return at < 0 ? 0 : at + 1;
  }

  // Replaces up to count occurrences (all when count is missing) found from
  // the 1-based start on; the search goes on after each replacement.
  // #PB_String_InPlace gives the same text (a JavaScript string cannot be
  // changed where it is).
  function replaceFrom(s, find, by, mode, start, count) {
    if (find === '') return s;
    var folded = noCase(mode);
    var from = Math.min(s.length, Math.max(1, whole(start, 1)) - 1);
    var left = count === undefined ? Infinity : whole(count, Infinity);
    var out = s.substring(0, from);
    var at;
    while (left > 0 && (at = search(s, find, from, folded)) >= 0) {
      out += s.substring(from, at) + by;
      from = at + find.length;
      left--;
    }
    return out + s.substring(from);
  }

  function ReplaceString(value, find, by, mode, start, count) {
    return replaceFrom(text(value), text(find), text(by), mode, start, count);
  }

  function RemoveString(value, find, mode, start, count) {
    return replaceFrom(text(value), text(find), '', mode, start, count);
  }

  // InsertString("Hello", "XX", 3) = "HeXXllo"; a position past the end
  // appends, one below 1 puts it in front.
  function InsertString(value, insert, position) {
    var s = text(value);
    var at = Math.min(s.length, Math.max(1, whole(position, 1)) - 1);
    return s.substring(0, at) + text(insert) + s.substring(at);
  }

  // Occurrences that do not overlap: CountString("aaaa", "aa") = 2.
  function CountString(value, find) {
    var s = text(value), f = text(find);
    if (f === '') return 0;
    var n = 0, at = s.indexOf(f);
    while (at >= 0) {
      n++;
      at = s.indexOf(f, at + f.length);
    }
    return n;
  }

  // StringField("a,b,,d", 3, ",") = "", field 5 = "", field 0 = "".
  function StringField(value, index, delimiter) {
    var s = text(value), d = text(delimiter), n = whole(index, 0);
    if (n < 1) return '';
    if (d === '') return n === 1 ? s : '';
    var fields = s.split(d);
    return n <= fields.length ? fields[n - 1] : '';
  }

  // FormatNumber(1234567.891) = "1,234,567.89"; the count of decimals (2),
  // the decimal point (".") and the thousands separator (",") can be given.
  function FormatNumber(value, decimals, point, separator) {
    var n = real(value);
    if (!isFinite(n)) return special(n);
    var count = Math.max(0, Math.min(kMaxDecimals, whole(decimals, 2)));
    var dot = point === undefined ? '.' : text(point);
    var sep = separator === undefined ? ',' : text(separator);
    var s = withoutNegativeZero(fixed(n, count));
    var negative = s.charAt(0) === '-';
    if (negative) s = s.substring(1);
    var parts = s.split('.');
    var integer = parts[0].replace(/\B(?=(\d{3})+(?!\d))/g, '\u0000').split('\u0000').join(sep);
    return (negative ? '-' : '') + integer + (parts.length > 1 ? dot + parts[1] : '');
  }

  return {
    text: text,
    Asc: Asc, Chr: Chr, Str: Str, StrF: StrF, StrD: StrD, StrU: StrU,
    Val: Val, ValF: ValF, ValD: ValD, Hex: Hex, Bin: Bin, Len: Len,
    Left: Left, Right: Right, Mid: Mid, LCase: LCase, UCase: UCase,
    Trim: Trim, LTrim: LTrim, RTrim: RTrim, LSet: LSet, RSet: RSet, Space: Space,
    FindString: FindString, ReverseString: ReverseString, ReplaceString: ReplaceString,
    RemoveString: RemoveString, InsertString: InsertString, CountString: CountString,
    StringField: StringField, FormatNumber: FormatNumber,
    // the PureBasic type of each function's result, for the converter
    returns: {
      Asc: 'i', Chr: 's', Str: 's', StrF: 's', StrD: 's', StrU: 's', Val: 'i', ValF: 'f',
      ValD: 'd', Hex: 's', Bin: 's', Len: 'i', Left: 's', Right: 's', Mid: 's', LCase: 's',
      UCase: 's', Trim: 's', LTrim: 's', RTrim: 's', LSet: 's', RSet: 's', Space: 's',
      FindString: 'i', ReverseString: 's', ReplaceString: 's', RemoveString: 's',
      InsertString: 's', CountString: 'i', StringField: 's', FormatNumber: 's'
    }
  };
})();
