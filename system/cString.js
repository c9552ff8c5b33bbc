// cString: PureBasic's string library.
// Emitted calls: cString.Chr(n) for the character constants (#CR$, #TAB$,
// ...), cString.Val("$1F") for hexadecimal literals, and cString.<Function>
// for every string function of the program (Str, Mid, StringField, ...).
// Positions are 1-based as in PureBasic; a value that is no string (a
// number, null, an unset element) is taken as its text, null as "".
var cString = (function () {
  var kCaseSensitive = 0, kNoCase = 1;

  // The value as PureBasic text: numbers as Str() writes them.
  function text(value) {
    if (value === null || value === undefined) return '';
    if (typeof value === 'string') return value;
    if (typeof value === 'number') return Str(value);
    if (value === true) return '1';
    if (value === false) return '0';
    return String(value);
  }

  // A count or position argument: missing or not a number gives fallback.
  function whole(value, fallback) {
    var n = Number(value);
    if (value === undefined || value === null || isNaN(n)) return fallback;
    return Math.trunc(n);
  }

  // Numbers: integers in full, other values with at most 10 decimals and
  // no trailing zeros (Str(2.5) = "2.5", Str(1 / 3) = "0.3333333333").
  function trimmedDecimals(value) {
    if (isNaN(value)) return 'NaN';
    if (value === Infinity) return '+Infinity';
    if (value === -Infinity) return '-Infinity';
    var s = Math.abs(value) < 1e21 ? value.toFixed(10) : String(value);
    if (s.indexOf('.') >= 0 && s.indexOf('e') < 0) s = s.replace(/0+$/, '').replace(/\.$/, '');
    return s === '-0' ? '0' : s;
  }

  function fixedDecimals(value, count) {
    if (isNaN(value)) return 'NaN';
    if (value === Infinity) return '+Infinity';
    if (value === -Infinity) return '-Infinity';
    count = Math.max(0, Math.min(100, count));
    var s = Math.abs(value) < 1e21 ? value.toFixed(count) : String(value);
    return /^-0(\.0*)?$/.test(s) ? s.substring(1) : s;
  }

  function integerText(value) {
    if (Math.abs(value) < 1e21) return String(value === 0 ? 0 : value);
    return BigInt(value).toString();
  }

  function Str(value) {
    var n = Number(value);
    if (typeof value === 'boolean') n = value ? 1 : 0;
    if (value === null || value === undefined) n = 0;
    if (Number.isInteger(n)) return integerText(n);
    return trimmedDecimals(n);
  }

  // StrF works on a single-precision float, as PureBasic's .f parameter.
  function StrF(value, decimals) {
    var n = Math.fround(Number(value) || 0);
    return decimals === undefined ? trimmedDecimals(n) : fixedDecimals(n, whole(decimals, 10));
  }

  function StrD(value, decimals) {
    var n = Number(value) || 0;
    return decimals === undefined ? trimmedDecimals(n) : fixedDecimals(n, whole(decimals, 10));
  }

  // The bits of a whole number seen as an unsigned value of the type's
  // width: a quad (64 bits) unless a smaller type is given.
  function typeBits(type) {
    switch (type) {
      case 1: case 24: return 8n;               // #PB_Byte, #PB_Ascii
      case 3: case 11: case 25: return 16n;     // #PB_Word, #PB_Character, #PB_Unicode
      case 5: return 32n;                       // #PB_Long
      default: return 64n;                      // #PB_Quad, #PB_Integer
    }
  }

  function unsigned(value, type) {
    var n = Number(value);
    if (!isFinite(n)) n = 0;
    return BigInt.asUintN(Number(typeBits(type)), BigInt(Math.trunc(n)));
  }

  function StrU(value, type) { return unsigned(value, type).toString(); }
  // Hex(-1) = "FFFFFFFFFFFFFFFF", Hex(-1, #PB_Long) = "FFFFFFFF", Hex(255) = "FF"
  function Hex(value, type) { return unsigned(value, type).toString(16).toUpperCase(); }
  function Bin(value, type) { return unsigned(value, type).toString(2); }

  // Val("$FF") = 255, Val("%101") = 5, Val("12abc") = 12, Val("x") = 0:
  // leading blanks are skipped and the number ends at the first character
  // that is not one of its digits.
  function Val(value) {
    var s = text(value).replace(/^[ \t]+/, '');
    var sign = 1;
    if (s.charAt(0) === '-' || s.charAt(0) === '+') {
      if (s.charAt(0) === '-') sign = -1;
      s = s.substring(1);
    }
    var base = 10, digits = /^[0-9]+/;
    if (s.charAt(0) === '$') {
      base = 16;
      digits = /^[0-9a-fA-F]+/;
      s = s.substring(1);
    } else if (s.charAt(0) === '%') {
      base = 2;
      digits = /^[01]+/;
      s = s.substring(1);
    }
    var m = digits.exec(s);
    if (!m) return 0;
    var n = sign * parseInt(m[0], base);
    return n === 0 ? 0 : n;
  }

  // ValD("1.5e3 kg") = 1500, ValD("abc") = 0.
  function ValD(value) {
    var m = /^[ \t]*([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)/.exec(text(value));
    if (!m) return 0;
    var n = parseFloat(m[1]);
    return n === 0 ? 0 : n;
  }

  function ValF(value) { return Math.fround(ValD(value)); }

  function Asc(value) {
    var s = text(value);
    return s.length ? s.charCodeAt(0) : 0;
  }

  function Chr(code) { return String.fromCharCode(code); }
  function Len(value) { return text(value).length; }

  function Left(value, length) {
    var n = whole(length, 0);
    return n > 0 ? text(value).substring(0, n) : '';
  }

  function Right(value, length) {
    var s = text(value), n = whole(length, 0);
    return n > 0 ? s.substring(Math.max(0, s.length - n)) : '';
  }

  // Mid("Hello", 2, 3) = "ell"; without a length, to the end; a start past
  // the end gives "".
  function Mid(value, start, length) {
    var s = text(value);
    var from = Math.max(1, whole(start, 1)) - 1;
    if (length === undefined || whole(length, -1) < 0) return s.substring(from);
    return s.substr(from, whole(length, 0));
  }

  function LCase(value) { return text(value).toLowerCase(); }
  function UCase(value) { return text(value).toUpperCase(); }

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
    return count > 0 ? new Array(count + 1).join(c) : '';
  }

  // LSet("ab", 4, "*") = "ab**", RSet("ab", 4) = "  ab"; a longer text is
  // cut to its first Length characters.
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

  // Index of find in s from the 0-based position from, -1 when absent.
  function search(s, find, from, mode) {
    if (mode === kNoCase) return s.toLowerCase().indexOf(find.toLowerCase(), from);
    return s.indexOf(find, from);
  }

  // FindString("abcabc", "c", 4) = 6; 0 when not found; a start below 1
  // searches from the first character.
  function FindString(value, find, start, mode) {
    var s = text(value), f = text(find);
    if (f === '') return 0;
    var from = Math.max(1, whole(start, 1)) - 1;
    var at = search(s, f, from, whole(mode, kCaseSensitive) & kNoCase);
    return at < 0 ? 0 : at + 1;
  }

  // Replaces up to count occurrences (all when count is missing) found from
  // the 1-based start on; the search goes on after each replacement.
  function replaceFrom(s, find, by, mode, start, count) {
    if (find === '') return s;
    var noCase = whole(mode, kCaseSensitive) & kNoCase;
    var from = Math.max(1, whole(start, 1)) - 1;
    var left = count === undefined ? Infinity : whole(count, Infinity);
    var out = s.substring(0, from);
    var at;
    while (left > 0 && (at = search(s, find, from, noCase)) >= 0) {
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
  // appends.
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

  // FormatNumber(1234567.891) = "1,234,567.89"; the decimal point and the
  // thousands separator can be given.
  function FormatNumber(value, decimals, point, separator) {
    var count = whole(decimals, 2);
    var dot = point === undefined ? '.' : text(point);
    var sep = separator === undefined ? ',' : text(separator);
    var s = fixedDecimals(Number(value) || 0, count);
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
