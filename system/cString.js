// cString: PureBasic's string library.
// Emitted calls: cString.Chr(n) for the character constants (#CR$, #TAB$,
// ...), cString.Val("$1F") for hexadecimal and "%101" binary literals.
var cString = (function () {
  // Val("$FF") = 255, Val("%101") = 5, Val("12abc") = 12, Val("x") = 0:
  // leading blanks are skipped and the number ends at the first character
  // that is not one of its digits.
  function Val(text) {
    var s = String(text).replace(/^[ \t]+/, '');
    var sign = 1;
    if (s.charAt(0) === '-' || s.charAt(0) === '+') {
      if (s.charAt(0) === '-') sign = -1;
      s = s.substring(1);
    }
    var base = 10, digits = /^[0-9]+/;
    if (s.charAt(0) === '$') {
      base = 16;
      digits = /^[0-9a-fA-F]+/;
      s = s.substring(1).replace(/^[ \t]+/, '');
    } else if (s.charAt(0) === '%') {
      base = 2;
      digits = /^[01]+/;
      s = s.substring(1).replace(/^[ \t]+/, '');
    }
    var m = digits.exec(s);
    if (!m) return 0;
    return sign * parseInt(m[0], base);
  }

  function Chr(code) {
    return String.fromCharCode(code);
  }

  return { Chr: Chr, Val: Val };
})();
