// cRegularExpression: PureBasic's regular expressions on the browser's own.
// Emitted calls: cRegularExpression.CreateRegularExpression(#R, pattern[,
// flags]), cRegularExpression.MatchRegularExpression(#R, text),
// cRegularExpression.ExtractRegularExpression(#R, text, array),
// cRegularExpression.ReplaceRegularExpression(#R, text, by),
// cRegularExpression.ExamineRegularExpression(#R, text), then while
// cRegularExpression.NextRegularExpressionMatch(#R): ...MatchString(#R),
// ...MatchPosition(#R), ...MatchLength(#R), RegularExpressionGroup(#R, n),
// ...GroupPosition, ...GroupLength, the NamedGroup forms, and
// RegularExpressionError().
// A pattern is written in PCRE's syntax, as PureBasic takes it; it is
// rewritten into a JavaScript pattern (flags "dgu", and "i" for
// #PB_RegularExpression_NoCase) with PCRE's meaning: "." stops only at a
// line feed, "$" also matches before a final line feed, "^" and "$" follow
// the newline convention (#PB_RegularExpression_AnyNewLine: CR, LF and
// CR LF), atomic groups and possessive quantifiers keep what they matched,
// inline options ((?i), (?s:...), (?x)) hold to the end of their group,
// \A \z \Z \h \v \R \Q...\E \x{...} and POSIX classes ([:alpha:]) work.
// What JavaScript cannot do (recursion, conditions, \G, branch reset,
// backtracking verbs) fails to compile, with PCRE's kind of message in
// RegularExpressionError().
var cRegularExpression = (function () {
  var kDotAll = 1, kExtended = 2, kMultiLine = 4, kAnyNewLine = 8, kNoCase = 16;  // #PB_RegularExpression_...

  // ---- Newline conventions: one newline, the places before and after one ----

  var kNewlines = {
    lf: { one: '\\n', before: '(?=\\n)', after: '(?<=\\n)', dot: '[^\\n]' },
    cr: { one: '\\r', before: '(?=\\r)', after: '(?<=\\r)', dot: '[^\\r]' },
    crlf: { one: '\\r\\n', before: '(?=\\r\\n)', after: '(?<=\\r\\n)', dot: '(?:(?!\\r\\n)[\\s\\S])' },
    anycrlf: { one: '(?:\\r\\n|\\r|\\n)', before: '(?=[\\r\\n])(?<!\\r(?=\\n))',
               after: '(?<=[\\r\\n])(?!(?<=\\r)\\n)', dot: '[^\\r\\n]' },
    any: { one: '(?:\\r\\n|[\\n\\v\\f\\r\\x85\\u2028\\u2029])',
           before: '(?=[\\n\\v\\f\\r\\x85\\u2028\\u2029])(?<!\\r(?=\\n))',
           after: '(?<=[\\n\\v\\f\\r\\x85\\u2028\\u2029])(?!(?<=\\r)\\n)',
           dot: '[^\\n\\v\\f\\r\\x85\\u2028\\u2029]' }
  };

  var kHorizontal = [[9, 9], [32, 32], [0xa0, 0xa0], [0x1680, 0x1680], [0x180e, 0x180e], [0x2000, 0x200a],
                     [0x202f, 0x202f], [0x205f, 0x205f], [0x3000, 0x3000]];
  var kVertical = [[10, 13], [0x85, 0x85], [0x2028, 0x2029]];

  var kPosix = {
    alpha: [[65, 90], [97, 122]], digit: [[48, 57]], alnum: [[48, 57], [65, 90], [97, 122]],
    upper: [[65, 90]], lower: [[97, 122]], space: [[9, 13], [32, 32]], blank: [[9, 9], [32, 32]],
    punct: [[33, 47], [58, 64], [91, 96], [123, 126]], xdigit: [[48, 57], [65, 70], [97, 102]],
    word: [[48, 57], [65, 90], [95, 95], [97, 122]], cntrl: [[0, 31], [127, 127]],
    graph: [[33, 126]], print: [[32, 126]], ascii: [[0, 127]]
  };

  function complement(ranges) {
    var out = [], from = 0;
    ranges.slice().sort(function (a, b) { return a[0] - b[0]; }).forEach(function (r) {
      if (r[0] > from) out.push([from, r[0] - 1]);
      from = Math.max(from, r[1] + 1);
    });
    if (from <= 0x10ffff) out.push([from, 0x10ffff]);
    return out;
  }

  function classChar(code) {
    if (code < 32 || code > 126) return '\\u{' + code.toString(16) + '}';
    var c = String.fromCharCode(code);
    return /[\\\]\[\^\-]/.test(c) ? '\\' + c : c;
  }

  function rangesText(ranges) {
    return ranges.map(function (r) {
      return r[0] === r[1] ? classChar(r[0]) : classChar(r[0]) + '-' + classChar(r[1]);
    }).join('');
  }

  function literal(code) {
    if (code < 32 || code === 127) return '\\u{' + code.toString(16) + '}';
    var c = String.fromCodePoint(code);
    return /[\\^$.*+?()[\]{}|\/]/.test(c) ? '\\' + c : c;
  }

  var kCategories = /^(L[ultmo]?|M[nce]?|N[dlo]?|P[cdsefio]?|S[mcko]?|Z[slp]?|C[cfson]?)$/;

  // \p{name} as a JavaScript class item; null for a name PCRE lacks.
  function property(name, negated) {
    var n = name, not = negated;
    if (n.charAt(0) === '^') {
      n = n.substring(1);
      not = !not;
    }
    var p = not ? '\\P' : '\\p';
    if (kCategories.test(n)) return p + '{' + n + '}';
    if (n === 'L&') return not ? '[^\\p{Lu}\\p{Ll}\\p{Lt}]' : '[\\p{Lu}\\p{Ll}\\p{Lt}]';
    if (n === 'Any') return not ? '[^\\s\\S]' : '[\\s\\S]';
    if (n === 'Xan') return not ? '[^\\p{L}\\p{N}]' : '[\\p{L}\\p{N}]';
    if (n === 'Xwd') return not ? '[^\\p{L}\\p{N}_]' : '[\\p{L}\\p{N}_]';
    if (n === 'Xsp' || n === 'Xps') return not ? '\\S' : '\\s';
    if (/^[A-Z][A-Za-z_]*$/.test(n)) {
      try {
        new RegExp('\\p{Script=' + n + '}', 'u');
        return p + '{Script=' + n + '}';
      } catch (e) { /* not a script either */ }
    }
    return null;
  }

  // ---- The pattern rewriter ----

  function PatternError(message, offset) {
    this.message = message;
    this.offset = offset;
  }

  // Rewrites a PCRE pattern into JavaScript. Answers { pieces, groups,
  // names }: pieces are texts, group openings { open: key } and references
  // { ref: key }, numbered by where they end up, since an atomic group adds
  // a capture in front of the groups inside it.
  function Rewriter(pattern, flags) {
    this.p = pattern;
    this.at = 0;
    this.groups = 0;           // PureBasic's groups so far
    this.names = {};           // group name -> number
    this.helpers = 0;
    this.refs = [];            // [key, offset] to check at the end
    this.newline = flags & kAnyNewLine ? 'anycrlf' : 'lf';
    this.state = { i: (flags & kNoCase) !== 0, m: (flags & kMultiLine) !== 0,
                   s: (flags & kDotAll) !== 0, x: (flags & kExtended) !== 0 };
    this.baseCase = this.state.i;
  }

  Rewriter.prototype.fail = function (message) { throw new PatternError(message, this.at); };
  Rewriter.prototype.peek = function (k) { return this.p.charAt(this.at + (k || 0)); };
  Rewriter.prototype.ends = function () { return this.at >= this.p.length; };

  Rewriter.prototype.take = function (text) {
    if (this.p.substr(this.at, text.length) !== text) return false;
    this.at += text.length;
    return true;
  };

  // Leading verbs: (*LF), (*CR), (*CRLF), (*ANYCRLF), (*ANY), (*UTF), (*UCP).
  Rewriter.prototype.verbs = function () {
    var m;
    while ((m = /^\(\*([A-Z0-9]+)\)/.exec(this.p.substring(this.at)))) {
      var verb = m[1].toLowerCase();
      if (kNewlines[verb]) this.newline = verb;
      else if (!/^(utf|utf8|utf16|ucp|no_start_opt|no_auto_possess)$/.test(verb)) break;
      this.at += m[0].length;
    }
  };

  // In extended mode, white space and # comments between items.
  Rewriter.prototype.skipExtended = function () {
    if (!this.state.x) return;
    for (;;) {
      var c = this.peek();
      if (/[ \t\n\r\f\v]/.test(c) && c !== '') this.at++;
      else if (c === '#') {
        while (!this.ends() && this.peek() !== '\n') this.at++;
      } else return;
    }
  };

  // Options set at the very start, as in "(?i)word", hold for the whole
  // pattern: JavaScript's own flag serves them.
  Rewriter.prototype.leadingOptions = function () {
    var m;
    while ((m = /^\(\?([imsx]*)(?:-([imsx]*))?\)/.exec(this.p.substring(this.at))) && m[0] !== '(?)') {
      var state = this.state;
      (m[1] || '').split('').forEach(function (o) { state[o] = true; });
      (m[2] || '').split('').forEach(function (o) { state[o] = false; });
      this.at += m[0].length;
    }
    this.baseCase = this.state.i;
  };

  Rewriter.prototype.run = function () {
    this.verbs();
    this.leadingOptions();
    var pieces = this.alternation();
    if (!this.ends()) this.fail('unmatched closing parenthesis');
    var self = this;
    this.refs.forEach(function (r) {
      if (r[0].charAt(0) === 'g' && Number(r[0].substring(1)) > self.groups) {
        self.at = r[1];
        self.fail('reference to non-existent subpattern');
      }
    });
    return pieces;
  };

  // alternation -> sequence ('|' sequence)*; each alternative opens its own
  // case modifier when the options say so, closed before the next "|".
  Rewriter.prototype.alternation = function () {
    var out = [], groupCase = this.emittedCase === undefined ? this.baseCase : this.emittedCase;
    for (;;) {
      this.emittedCase = groupCase;
      var opened = [];
      this.sequence(out, opened);
      for (var k = 0; k < opened.length; k++) out.push(')');
      this.emittedCase = groupCase;
      if (!this.take('|')) break;
      out.push('|');
    }
    return out;
  };

  Rewriter.prototype.sequence = function (out, opened) {
    for (;;) {
      this.skipExtended();
      var c = this.peek();
      if (c === '' || c === '|' || c === ')') return;
      if (/[*+?]/.test(c) || (c === '{' && this.quantifierAhead()))
        this.fail('quantifier does not follow a repeatable item');
      // the case modifier opens before the atom, so that a group inside
      // needs none of its own
      if (this.state.i !== this.emittedCase && !this.settingAhead()) {
        out.push(this.state.i ? '(?i:' : '(?-i:');
        opened.push(1);
        this.emittedCase = this.state.i;
      }
      var atom = this.atom();
      if (atom === null) continue;  // an option setting or a comment
      this.skipExtended();
      this.quantified(out, atom);
    }
  };

  // An option setting (?i) or a comment (?#...) comes next: it matches
  // nothing.
  Rewriter.prototype.settingAhead = function () {
    return /^\((\?#|\?[imsxJ]*(-[imsxJ]*)?\))/.test(this.p.substring(this.at));
  };

  Rewriter.prototype.quantifierAhead = function () {
    return /^\{\d+(,\d*)?\}/.test(this.p.substring(this.at));
  };

  // atom quantifier [? or +]; a possessive one becomes an atomic group.
  Rewriter.prototype.quantified = function (out, atom) {
    var q = '', m;
    var c = this.peek();
    if (c === '*' || c === '+' || c === '?') {
      q = c;
      this.at++;
    } else if (c === '{' && (m = /^\{(\d+)(,(\d*))?\}/.exec(this.p.substring(this.at)))) {
      var low = Number(m[1]), high = m[3] === undefined ? low : m[3] === '' ? Infinity : Number(m[3]);
      if (low > 65535 || (high !== Infinity && high > 65535)) this.fail('number too big in {} quantifier');
      if (high < low) this.fail('numbers out of order in {} quantifier');
      q = m[0];
      this.at += m[0].length;
    }
    if (q === '') {
      push(out, atom);
      return;
    }
    if (this.take('+')) {
      var key = 'h' + this.helpers++;
      out.push('(?:(?=', { open: key });
      push(out, atom);
      out.push(q, '))', { ref: key }, ')');
      return;
    }
    if (this.take('?')) q += '?';
    push(out, atom);
    out.push(q);
  };

  function push(out, pieces) {
    for (var i = 0; i < pieces.length; i++) out.push(pieces[i]);
  }

  // One atom as pieces, or null for an item that matches nothing.
  Rewriter.prototype.atom = function () {
    var c = this.peek();
    this.at++;
    switch (c) {
      case '(': return this.group();
      case '[': return [this.characterClass()];
      case '\\': return this.escape();
      case '.': return [this.state.s ? '[\\s\\S]' : kNewlines[this.newline].dot];
      case '^':
        // in multiline mode also after a newline, but not after a final one
        if (!this.state.m) return ['(?:(?<![\\s\\S]))'];
        return ['(?:(?<![\\s\\S])|' + kNewlines[this.newline].after + '(?=[\\s\\S]))'];
      case '$': return [this.dollar(this.state.m)];
      default:
        var code = this.p.codePointAt(this.at - 1);
        if (code > 0xffff) this.at++;
        return [literal(code)];
    }
  };

  // $ is the end, or before a newline: the last one, or any in multiline.
  Rewriter.prototype.dollar = function (multiline) {
    var nl = kNewlines[this.newline];
    if (multiline) return '(?:(?![\\s\\S])|' + nl.before + ')';
    return '(?:(?![\\s\\S])|' + nl.before + '(?=' + nl.one + '(?![\\s\\S])))';
  };

  Rewriter.prototype.name = function (close) {
    var m = /^[A-Za-z_][A-Za-z0-9_]*/.exec(this.p.substring(this.at));
    if (!m) this.fail('group name expected');
    this.at += m[0].length;
    if (!this.take(close)) this.fail('syntax error in subpattern name (missing terminator?)');
    return m[0];
  };

  Rewriter.prototype.reference = function (number) {
    var key = 'g' + number;
    this.refs.push([key, this.at]);
    return ['(?:', { ref: key }, ')'];
  };

  Rewriter.prototype.namedReference = function (name) {
    if (!(name in this.names)) this.fail('reference to non-existent subpattern');
    return this.reference(this.names[name]);
  };

  // The inside of a group up to its ")", with the options it had before
  // restored after it.
  Rewriter.prototype.body = function () {
    var saved = { i: this.state.i, m: this.state.m, s: this.state.s, x: this.state.x };
    var emitted = this.emittedCase;
    var inner = this.alternation();
    if (!this.take(')')) this.fail('missing closing parenthesis');
    this.state = saved;
    this.emittedCase = emitted;
    return inner;
  };

  Rewriter.prototype.capture = function (name) {
    var number = ++this.groups;
    if (name !== undefined) {
      if (name in this.names) this.fail('two named subpatterns have the same name');
      this.names[name] = number;
    }
    return [{ open: 'g' + number }].concat(this.body(), [')']);
  };

  // Options (?imsx-imsx) or (?imsx-imsx: ...).
  Rewriter.prototype.options = function () {
    var m = /^([imsxJ]*)(?:-([imsxJ]*))?([:)])/.exec(this.p.substring(this.at));
    if (!m) {
      if (/^[imsxJUn-]*[Un]/.test(this.p.substring(this.at))) this.fail('this option is not supported in the page');
      this.fail('unrecognized character after (? or (?-');
    }
    this.at += m[0].length;
    var self = this;
    function apply(state) {
      (m[1] || '').split('').forEach(function (o) { if (o in state) state[o] = true; });
      (m[2] || '').split('').forEach(function (o) { if (o in state) state[o] = false; });
    }
    if (m[3] === ')') {
      apply(this.state);
      return null;
    }
    var saved = { i: this.state.i, m: this.state.m, s: this.state.s, x: this.state.x };
    apply(this.state);
    var caseChanged = this.state.i !== this.emittedCase;
    var emitted = this.emittedCase;
    if (caseChanged) this.emittedCase = this.state.i;
    var inner = this.alternation();
    if (!this.take(')')) this.fail('missing closing parenthesis');
    var wantCase = this.state.i;
    this.state = saved;
    this.emittedCase = emitted;
    if (!caseChanged) return ['(?:'].concat(inner, [')']);
    return [wantCase ? '(?i:' : '(?-i:'].concat(inner, [')']);
  };

  Rewriter.prototype.group = function () {
    if (this.take('?#')) {
      while (!this.ends() && this.peek() !== ')') this.at++;
      if (!this.take(')')) this.fail('missing ) after (?# comment');
      return null;
    }
    if (this.take('*')) this.fail('backtracking verbs are not supported in the page');
    if (!this.take('?')) return this.capture();
    if (this.take(':')) return ['(?:'].concat(this.body(), [')']);
    if (this.take('=')) return ['(?='].concat(this.body(), [')']);
    if (this.take('!')) return ['(?!'].concat(this.body(), [')']);
    if (this.take('<=')) return ['(?<='].concat(this.body(), [')']);
    if (this.take('<!')) return ['(?<!'].concat(this.body(), [')']);
    if (this.take('>')) {
      var key = 'h' + this.helpers++;
      return ['(?:(?=', { open: key }].concat(this.body(), [')', ')', { ref: key }, ')']);
    }
    if (this.take('P<') || this.take('<')) return this.capture(this.name('>'));
    if (this.take("'")) return this.capture(this.name("'"));
    if (this.take('P=')) return this.namedReference(this.name(')'));
    if (this.take('|')) this.fail('branch reset groups are not supported in the page');
    if (this.take('(')) this.fail('conditional groups are not supported in the page');
    if (/^(R|[-+]?\d|&|P>)/.test(this.p.substring(this.at))) this.fail('recursion is not supported in the page');
    return this.options();
  };

  // \Q...\E: the characters as they are.
  Rewriter.prototype.quoted = function () {
    var end = this.p.indexOf('\\E', this.at);
    var text = end < 0 ? this.p.substring(this.at) : this.p.substring(this.at, end);
    this.at = end < 0 ? this.p.length : end + 2;
    return text;
  };

  // A character written as an escape (\n, \x41, \x{263A}, \cA, \012, \o{12},
  // \\ and the like); null when the escape is something else.
  Rewriter.prototype.escapedCode = function (inClass) {
    var c = this.peek(), rest = this.p.substring(this.at + 1), m;
    var simple = { n: 10, r: 13, t: 9, f: 12, a: 7, e: 27 };
    if (c in simple) {
      this.at++;
      return simple[c];
    }
    if (inClass && c === 'b') {
      this.at++;
      return 8;
    }
    if (c === 'x') {
      if ((m = /^\{([0-9A-Fa-f]+)\}/.exec(rest)) || (m = /^([0-9A-Fa-f]{0,2})/.exec(rest))) {
        this.at += 1 + m[0].length;
        var code = m[1] === '' ? 0 : parseInt(m[1], 16);
        if (code > 0x10ffff) this.fail('character code point value in \\x{} or \\o{} is too large');
        return code;
      }
    }
    if (c === 'o' && (m = /^\{([0-7]+)\}/.exec(rest))) {
      this.at += 1 + m[0].length;
      return parseInt(m[1], 8);
    }
    if (c === 'c') {
      if (rest === '') this.fail('\\c at end of pattern');
      this.at += 2;
      return rest.toUpperCase().charCodeAt(0) ^ 0x40;
    }
    if (c === '0') {
      m = /^[0-7]{0,2}/.exec(rest);
      this.at += 1 + m[0].length;
      return m[0] === '' ? 0 : parseInt(m[0], 8);
    }
    if (!/[A-Za-z0-9]/.test(c)) {
      var code2 = this.p.codePointAt(this.at);
      this.at += code2 > 0xffff ? 2 : 1;
      return code2;
    }
    return null;
  };

  // \ and what follows outside a class.
  Rewriter.prototype.escape = function () {
    if (this.ends()) this.fail('\\ at end of pattern');
    var c = this.peek(), rest = this.p.substring(this.at + 1), m;
    var code = this.escapedCode(false);
    if (code !== null) return [literal(code)];
    this.at++;
    switch (c) {
      case 'd': case 'D': case 'w': case 'W': case 's': case 'S': case 'b': case 'B':
        return ['\\' + c];
      case 'h': return ['[' + rangesText(kHorizontal) + ']'];
      case 'H': return ['[^' + rangesText(kHorizontal) + ']'];
      case 'v': return ['[' + rangesText(kVertical) + ']'];
      case 'V': return ['[^' + rangesText(kVertical) + ']'];
      case 'R': return ['(?:\\r\\n|[' + rangesText(kVertical) + '])'];
      case 'N': return ['[^\\n]'];
      case 'X': return ['(?:\\P{M}\\p{M}*)'];
      case 'A': return ['(?:(?<![\\s\\S]))'];
      case 'z': return ['(?:(?![\\s\\S]))'];
      case 'Z': return [this.dollar(false)];
      case 'Q':
        var text = this.quoted(), out = [];
        for (var i = 0; i < text.length; i++) {
          var q = text.codePointAt(i);
          if (q > 0xffff) i++;
          out.push(literal(q));
        }
        return out.length ? ['(?:' + out.join('') + ')'] : null;
      case 'E': return null;
      case 'p': case 'P':
        m = /^\{(\^?[A-Za-z_&]+)\}/.exec(rest) || /^([A-Za-z])/.exec(rest);
        if (!m) this.fail('malformed \\P or \\p sequence');
        this.at += m[0].length;
        var item = property(m[1], c === 'P');
        if (item === null) this.fail('unknown property name after \\P or \\p');
        return [item];
      case 'k':
        m = /^(<([A-Za-z_]\w*)>|'([A-Za-z_]\w*)'|\{([A-Za-z_]\w*)\})/.exec(rest);
        if (!m) this.fail('\\k is not followed by a braced, angle-bracketed, or quoted name');
        this.at += m[0].length;
        return this.namedReference(m[2] || m[3] || m[4]);
      case 'g':
        if ((m = /^(\{([-+]?\d+)\}|([-+]?\d+))/.exec(rest))) {
          this.at += m[0].length;
          var n = m[2] || m[3];
          // \g{-1} is the group opened last, \g{+1} the next one
          var number = Number(n);
          if (n.charAt(0) === '-') number += this.groups + 1;
          else if (n.charAt(0) === '+') number += this.groups;
          if (number <= 0) this.fail('reference to non-existent subpattern');
          return this.reference(number);
        }
        if ((m = /^\{([A-Za-z_]\w*)\}/.exec(rest))) {
          this.at += m[0].length;
          return this.namedReference(m[1]);
        }
        this.fail('a numbered reference must not be zero');
        break;
      case 'G': case 'K': case 'C':
        this.fail('\\' + c + ' is not supported in the page');
        break;
      default:
        if (/[1-9]/.test(c)) {
          m = /^\d*/.exec(rest);
          this.at += m[0].length;
          return this.reference(Number(c + m[0]));
        }
        this.fail('unrecognized character follows \\');
    }
    return null;
  };

  // [...] as one JavaScript class; negated POSIX names and \H, \V inside
  // a class become the ranges they leave out.
  Rewriter.prototype.characterClass = function () {
    var negated = this.take('^'), items = [], first = true;
    for (;;) {
      if (this.ends()) this.fail('missing terminating ] for character class');
      var c = this.peek();
      if (c === ']' && !first) {
        this.at++;
        break;
      }
      first = false;
      var from = this.classAtom(items);
      if (from === null) continue;
      if (this.peek() === '-' && this.peek(1) !== ']' && this.peek(1) !== '') {
        var save = this.at;
        this.at++;
        var to = this.classAtom(null);
        if (to === null) {
          this.at = save;
          items.push(classChar(from));
          continue;
        }
        if (to < from) this.fail('range out of order in character class');
        items.push(classChar(from) + '-' + classChar(to));
      } else {
        items.push(classChar(from));
      }
    }
    return '[' + (negated ? '^' : '') + items.join('') + ']';
  };

  // One item of a class: a character (its code is answered) or a set,
  // which is added to items (null answered). With items null only a
  // character is accepted (the end of a range).
  Rewriter.prototype.classAtom = function (items) {
    var c = this.peek(), m;
    if (c === '[' && (m = /^\[:(\^?)([a-z]+):\]/.exec(this.p.substring(this.at)))) {
      if (!items) return null;
      var ranges = kPosix[m[2]];
      if (!ranges) this.fail('unknown POSIX class name');
      this.at += m[0].length;
      items.push(rangesText(m[1] ? complement(ranges) : ranges));
      return null;
    }
    if (c !== '\\') {
      var code = this.p.codePointAt(this.at);
      this.at += code > 0xffff ? 2 : 1;
      return code;
    }
    this.at++;
    if (this.ends()) this.fail('\\ at end of pattern');
    var escaped = this.escapedCode(true);
    if (escaped !== null) return escaped;
    c = this.peek();
    if (!items) {
      this.at--;
      return null;
    }
    var rest = this.p.substring(this.at + 1);
    this.at++;
    switch (c) {
      case 'd': case 'D': case 'w': case 'W': case 's': case 'S':
        items.push('\\' + c);
        return null;
      case 'h': items.push(rangesText(kHorizontal)); return null;
      case 'H': items.push(rangesText(complement(kHorizontal))); return null;
      case 'v': items.push(rangesText(kVertical)); return null;
      case 'V': items.push(rangesText(complement(kVertical))); return null;
      case 'p': case 'P':
        m = /^\{(\^?[A-Za-z_&]+)\}/.exec(rest) || /^([A-Za-z])/.exec(rest);
        if (!m) this.fail('malformed \\P or \\p sequence');
        this.at += m[0].length;
        var item = property(m[1], c === 'P');
        if (item === null) this.fail('unknown property name after \\P or \\p');
        if (item.substring(0, 2) === '[^') this.fail('this property cannot be negated inside a class in the page');
        items.push(item.charAt(0) === '[' ? item.slice(1, -1) : item);
        return null;
      case 'Q':
        var text = this.quoted();
        for (var i = 0; i < text.length; i++) items.push(classChar(text.charCodeAt(i)));
        return null;
      case 'E': return null;
      default: this.fail('escape sequence is invalid in character class');
    }
    return null;
  };

  // The pieces joined, groups numbered in the order their "(" appear.
  function assemble(pieces, groups) {
    var numbers = {}, next = 1;
    pieces.forEach(function (p) { if (typeof p === 'object' && p.open) numbers[p.open] = next++; });
    var map = [0];
    for (var g = 1; g <= groups; g++) map.push(numbers['g' + g]);
    var source = pieces.map(function (p) {
      if (typeof p === 'string') return p;
      return p.open ? '(' : '\\' + numbers[p.ref];
    }).join('');
    return { source: source, map: map };
  }

  // ---- The library ----

  var lastError = '';
  var expressions = cObjects.table(null);

  function Expression(pattern, flags) {
    var rewriter = new Rewriter(pattern, flags);
    var built = assemble(rewriter.run(), rewriter.groups);
    this.regex = new RegExp(built.source, 'dgu' + (rewriter.baseCase ? 'i' : ''));
    this.map = built.map;
    this.groups = rewriter.groups;
    this.names = rewriter.names;
    this.subject = '';
    this.match = null;
  }

  function CreateRegularExpression(number, pattern, flags) {
    var expression;
    try {
      expression = new Expression(cString.text(pattern), Number(flags) || 0);
    } catch (e) {
      lastError = e instanceof PatternError ? e.message : 'the pattern cannot be used in the page: ' + e.message;
      return 0;
    }
    return expressions.add(number, expression);
  }

  // The message of the latest creation that failed.
  function RegularExpressionError() { return lastError; }
  function FreeRegularExpression(number) { expressions.remove(number); }
  function IsRegularExpression(number) { return expressions.get(number) ? 1 : 0; }

  // The next match from regex.lastIndex; an empty match steps one
  // character on, so that the search always moves.
  function nextMatch(regex, subject) {
    if (regex.lastIndex > subject.length) return null;
    var m = regex.exec(subject);
    if (m && m[0] === '') {
      var code = subject.codePointAt(m.index);
      regex.lastIndex = m.index + (code > 0xffff ? 2 : 1);
    }
    return m;
  }

  function allMatches(expression, subject) {
    var regex = expression.regex, list = [], m;
    regex.lastIndex = 0;
    while ((m = nextMatch(regex, subject))) list.push(m);
    return list;
  }

  function MatchRegularExpression(number, text) {
    var e = expressions.get(number);
    if (!e) return 0;
    e.regex.lastIndex = 0;
    return e.regex.test(cString.text(text)) ? 1 : 0;
  }

  // Fills array with the whole matches, in order, and answers how many.
  function ExtractRegularExpression(number, text, array) {
    var e = expressions.get(number);
    if (!e) return 0;
    var matches = allMatches(e, cString.text(text));
    // the array gets one element per match: ArraySize is the count - 1
    if (typeof cArray !== 'undefined' && array instanceof cArray) {
      cArray.dim(array, 's', null, matches.length - 1);
      for (var k = 0; k < matches.length; k++) array.d[k] = matches[k][0];
    } else if (Array.isArray(array)) {
      array.length = matches.length;
      for (var i = 0; i < matches.length; i++) array[i] = matches[i][0];
    }
    return matches.length;
  }

  // by is put in as written: "$1" and "\1" are no references.
  function ReplaceRegularExpression(number, text, by) {
    var e = expressions.get(number), s = cString.text(text), r = cString.text(by);
    if (!e) return s;
    var out = '', from = 0;
    allMatches(e, s).forEach(function (m) {
      out += s.substring(from, m.index) + r;
      from = m.index + m[0].length;
    });
    return out + s.substring(from);
  }

  function ExamineRegularExpression(number, text) {
    var e = expressions.get(number);
    if (!e) return 0;
    e.subject = cString.text(text);
    e.regex.lastIndex = 0;
    e.match = null;
    return 1;
  }

  function NextRegularExpressionMatch(number) {
    var e = expressions.get(number);
    if (!e) return 0;
    e.match = nextMatch(e.regex, e.subject);
    return e.match ? 1 : 0;
  }

  function current(number) {
    var e = expressions.get(number);
    return e && e.match ? e : null;
  }

  function RegularExpressionMatchString(number) {
    var e = current(number);
    return e ? e.match[0] : '';
  }

  // 1-based, in the text given to ExamineRegularExpression.
  function RegularExpressionMatchPosition(number) {
    var e = current(number);
    return e ? e.match.index + 1 : 0;
  }

  function RegularExpressionMatchLength(number) {
    var e = current(number);
    return e ? e.match[0].length : 0;
  }

  function CountRegularExpressionGroups(number) {
    var e = expressions.get(number);
    return e ? e.groups : 0;
  }

  // The JavaScript index of group n of the current match, or 0 when there
  // is no such group or it took no part in the match.
  function groupIndex(e, n) {
    var g = Math.trunc(Number(n));
    if (!e || !(g >= 1 && g <= e.groups)) return 0;
    var j = e.map[g];
    return e.match[j] === undefined ? 0 : j;
  }

  function RegularExpressionGroup(number, n) {
    var e = current(number), j = groupIndex(e, n);
    return j ? e.match[j] : '';
  }

  // 1-based within the current match.
  function RegularExpressionGroupPosition(number, n) {
    var e = current(number), j = groupIndex(e, n);
    return j ? e.match.indices[j][0] - e.match.index + 1 : 0;
  }

  function RegularExpressionGroupLength(number, n) {
    var e = current(number), j = groupIndex(e, n);
    return j ? e.match[j].length : 0;
  }

  function named(number, name) {
    var e = current(number), key = cString.text(name);
    return e && Object.prototype.hasOwnProperty.call(e.names, key) ? e.names[key] : 0;
  }

  function RegularExpressionNamedGroup(number, name) {
    return RegularExpressionGroup(number, named(number, name));
  }

  function RegularExpressionNamedGroupPosition(number, name) {
    return RegularExpressionGroupPosition(number, named(number, name));
  }

  function RegularExpressionNamedGroupLength(number, name) {
    return RegularExpressionGroupLength(number, named(number, name));
  }

  return {
    CreateRegularExpression: CreateRegularExpression, RegularExpressionError: RegularExpressionError,
    FreeRegularExpression: FreeRegularExpression, IsRegularExpression: IsRegularExpression,
    MatchRegularExpression: MatchRegularExpression, ExtractRegularExpression: ExtractRegularExpression,
    ReplaceRegularExpression: ReplaceRegularExpression, ExamineRegularExpression: ExamineRegularExpression,
    NextRegularExpressionMatch: NextRegularExpressionMatch,
    RegularExpressionMatchString: RegularExpressionMatchString,
    RegularExpressionMatchPosition: RegularExpressionMatchPosition,
    RegularExpressionMatchLength: RegularExpressionMatchLength,
    CountRegularExpressionGroups: CountRegularExpressionGroups, RegularExpressionGroup: RegularExpressionGroup,
    RegularExpressionGroupPosition: RegularExpressionGroupPosition,
    RegularExpressionGroupLength: RegularExpressionGroupLength,
    RegularExpressionNamedGroup: RegularExpressionNamedGroup,
    RegularExpressionNamedGroupPosition: RegularExpressionNamedGroupPosition,
    RegularExpressionNamedGroupLength: RegularExpressionNamedGroupLength,
    // the JavaScript pattern a PCRE pattern becomes, for tests and tools:
    // "/source/flags"
    translate: function (pattern, flags) {
      var r = new Rewriter(cString.text(pattern), Number(flags) || 0);
      return '/' + assemble(r.run(), r.groups).source + '/dgu' + (r.baseCase ? 'i' : '');
    },
    // the array that ExtractRegularExpression fills
    containers: { ExtractRegularExpression: [2] },
    // the PureBasic type of each command's result, for the converter
    returns: {
      CreateRegularExpression: 'i', RegularExpressionError: 's', FreeRegularExpression: '',
      IsRegularExpression: 'i', MatchRegularExpression: 'i', ExtractRegularExpression: 'i',
      ReplaceRegularExpression: 's', ExamineRegularExpression: 'i', NextRegularExpressionMatch: 'i',
      RegularExpressionMatchString: 's', RegularExpressionMatchPosition: 'i',
      RegularExpressionMatchLength: 'i', CountRegularExpressionGroups: 'i', RegularExpressionGroup: 's',
      RegularExpressionGroupPosition: 'i', RegularExpressionGroupLength: 'i',
      RegularExpressionNamedGroup: 's', RegularExpressionNamedGroupPosition: 'i',
      RegularExpressionNamedGroupLength: 'i'
    }
  };
})();
