// cNum: PureBasic's integer arithmetic where JavaScript's differs. The
// converter calls these in the emitted code; none is a PureBasic command.
// Integers are JavaScript numbers, exact up to 2^53; JavaScript's own bit
// operators cut them to 32 bits, so:
//   cNum.and(a, b), cNum.or, cNum.xor, cNum.not(a), cNum.shl(a, n), cNum.shr
//     work on the whole 53-bit value (two's complement, as PureBasic's
//     64-bit integers);
//   cNum.round(x) stores a float into an integer: to the nearest, halves to
//     even (2.5 -> 2, 3.5 -> 4), as the processor does;
//   cNum.quad(x) stores a float into a quad (a BigInt), rounding likewise.
var cNum = (function () {
  var kTwo32 = 4294967296;
  var kPow2 = [];
  for (var i = 0; i < 64; i++) kPow2.push(Math.pow(2, i));

  function isInt32(a) { return (a | 0) === a; }

  // The high 32 bits (signed) and the low 32 bits (unsigned) of a
  // 53-bit integer.
  function high(a) { return Math.floor(a / kTwo32); }
  function low(a) { return a >>> 0; }
  function join(h, l) { return h * kTwo32 + (l >>> 0); }

  function and(a, b) {
    if (isInt32(a) && isInt32(b)) return a & b;
    return join(high(a) & high(b), low(a) & low(b));
  }
  function or(a, b) {
    if (isInt32(a) && isInt32(b)) return a | b;
    return join(high(a) | high(b), low(a) | low(b));
  }
  function xor(a, b) {
    if (isInt32(a) && isInt32(b)) return a ^ b;
    return join(high(a) ^ high(b), low(a) ^ low(b));
  }
  function not(a) { return -a - 1; }

  // a << n: a times 2^n, which is exact while it stays within 53 bits;
  // beyond, the bits of a 64-bit integer, as PureBasic keeps them.
  function shl(a, n) {
    n &= 63;
    var r = a * kPow2[n];
    if (r <= 9007199254740991 && r >= -9007199254740991) return r;
    return Number(BigInt.asIntN(64, BigInt(a) << BigInt(n)));
  }
  // a >> n keeps the sign, as PureBasic's shift does.
  function shr(a, n) { return Math.floor(a / kPow2[n & 63]); }

  function round(x) {
    if (x !== x || x === Infinity || x === -Infinity) return -9223372036854775808;
    var r = Math.round(x);
    if (r - x === 0.5 && r % 2 !== 0) r -= 1;
    return r === 0 ? 0 : r;
  }

  function quad(x) {
    if (typeof x === 'bigint') return BigInt.asIntN(64, x);
    return BigInt.asIntN(64, BigInt(round(Number(x))));
  }

  return { and: and, or: or, xor: xor, not: not, shl: shl, shr: shr, round: round, quad: quad };
})();
