// cMath: PureBasic's math functions and its random numbers.
// Emitted calls: cMath.<Function>(...) for Abs, Sqr, Pow, Sin, Round,
// Random, RandomSeed, ... Angles are radians; Round takes #PB_Round_Down,
// #PB_Round_Up or #PB_Round_Nearest. Every argument may be a BigInt quad.
// Random numbers come from a generator of our own so that RandomSeed(n)
// repeats a sequence.
var cMath = (function () {
  var kRoundDown = 0, kRoundUp = 1;
  var kTwoTo63 = 9223372036854775808;

  // An argument as a double: a BigInt quad, a truth value or nothing
  // included.
  function number(value) {
    if (value === null || value === undefined) return 0;
    if (value === true) return 1;
    if (value === false) return 0;
    return Number(value);
  }

  function clean(n) { return n === 0 ? 0 : n; }  // no -0

  function Abs(x) { return Math.abs(number(x)); }
  // Sign(-8) = -1, Sign(0.1) = 1, Sign(0) = 0 (and 0 for NaN).
  function Sign(x) { var n = number(x); return n > 0 ? 1 : n < 0 ? -1 : 0; }
  // Sqr(-1) is NaN, Log(0) -Infinity, Pow(-8, 1/3) NaN (a negative base
  // needs a whole exponent).
  function Sqr(x) { return Math.sqrt(number(x)); }
  function Pow(base, exponent) { return Math.pow(number(base), number(exponent)); }
  function Exp(x) { return Math.exp(number(x)); }
  function Log(x) { return Math.log(number(x)); }
  function Log10(x) { return Math.log10(number(x)); }
  function Sin(x) { return Math.sin(number(x)); }
  function Cos(x) { return Math.cos(number(x)); }
  function Tan(x) { return Math.tan(number(x)); }
  function ASin(x) { return Math.asin(number(x)); }
  function ACos(x) { return Math.acos(number(x)); }
  function ATan(x) { return Math.atan(number(x)); }
  function SinH(x) { return Math.sinh(number(x)); }
  function CosH(x) { return Math.cosh(number(x)); }
  function TanH(x) { return Math.tanh(number(x)); }
  function ASinH(x) { return Math.asinh(number(x)); }
  function ACosH(x) { return Math.acosh(number(x)); }
  function ATanH(x) { return Math.atanh(number(x)); }
  // ATan2(x, y): the angle of the point (x, y); note the order of the
  // arguments, x first. ATan2(0, 0) = 0.
  function ATan2(x, y) { return clean(Math.atan2(number(y), number(x))); }

  // Int(-2.7) = -2: the fraction is cut off. What no quad holds (NaN, the
  // infinities, 2^63 and beyond) gives the processor's "integer
  // indefinite", -9223372036854775808.
  function Int(x) {
    var n = Math.trunc(number(x));
    if (!(n < kTwoTo63 && n >= -kTwoTo63)) return -kTwoTo63;
    return clean(n);
  }
  function IntQ(x) { return Int(x); }

  // Round(2.5, #PB_Round_Nearest) = 3, Round(-2.5, #PB_Round_Nearest) = -3:
  // halves go away from zero; Down and Up go to the lower and upper whole
  // number (Round(-1.5, #PB_Round_Down) = -2).
  function Round(x, mode) {
    var n = number(x), m = number(mode);
    if (m === kRoundDown) return clean(Math.floor(n));
    if (m === kRoundUp) return clean(Math.ceil(n));
    return clean(n < 0 ? -Math.round(-n) : Math.round(n));
  }

  // Mod(-7, 3) = -1: the remainder has the sign of the dividend; Mod(7.5, 2)
  // = 1.5; Mod(1, 0) is NaN.
  function Mod(x, y) { return clean(number(x) % number(y)); }
  function Radian(degrees) { return number(degrees) * Math.PI / 180; }
  function Degree(radians) { return number(radians) * 180 / Math.PI; }
  function IsNaN(x) { var n = number(x); return n !== n ? 1 : 0; }
  function IsInfinity(x) { var n = number(x); return n === Infinity || n === -Infinity ? 1 : 0; }
  function NaN_() { return NaN; }
  function Infinity_() { return Infinity; }

  // mulberry32: a small 32-bit generator; two draws make one 53-bit
  // fraction, enough for any whole number a double holds exactly.
  var state = (Math.random() * 4294967296) >>> 0;

  function next32() {
    state = (state + 0x6D2B79F5) >>> 0;
    var t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return (t ^ (t >>> 14)) >>> 0;
  }

  function fraction() {
    return ((next32() >>> 5) * 67108864 + (next32() >>> 6)) / 9007199254740992;
  }

  // Random(6, 1) is one of 1 to 6; Random(9) one of 0 to 9, both included.
  function Random(maximum, minimum) {
    var high = Math.trunc(number(maximum));
    var low = minimum === undefined ? 0 : Math.trunc(number(minimum));
    if (low > high) { var t = low; low = high; high = t; }
    return low + Math.floor(fraction() * (high - low + 1));
  }

  // The same seed gives the same sequence; the whole value counts, a quad's
  // high bits too.
  function RandomSeed(seed) {
    var whole = Math.trunc(number(seed));
    var n = typeof seed === 'bigint' ? seed : BigInt(isFinite(whole) ? whole : 0);
    state = Number(BigInt.asUintN(32, n ^ (n >> 32n)));
  }

  return {
    Abs: Abs, Sign: Sign, Sqr: Sqr, Pow: Pow, Exp: Exp, Log: Log, Log10: Log10,
    Sin: Sin, Cos: Cos, Tan: Tan, ASin: ASin, ACos: ACos, ATan: ATan, ATan2: ATan2,
    SinH: SinH, CosH: CosH, TanH: TanH, ASinH: ASinH, ACosH: ACosH, ATanH: ATanH,
    Int: Int, IntQ: IntQ, Round: Round, Mod: Mod, Radian: Radian, Degree: Degree,
    IsNaN: IsNaN, IsNAN: IsNaN, IsInfinity: IsInfinity, NaN: NaN_, Infinity: Infinity_,
    Random: Random, RandomSeed: RandomSeed,
    fraction: fraction,  // for cSort's shuffles
    // the PureBasic type of each function's result, for the converter
    returns: {
      Abs: 'd', Sign: 'i', Sqr: 'd', Pow: 'd', Exp: 'd', Log: 'd', Log10: 'd', Sin: 'd',
      Cos: 'd', Tan: 'd', ASin: 'd', ACos: 'd', ATan: 'd', ATan2: 'd', SinH: 'd', CosH: 'd',
      TanH: 'd', ASinH: 'd', ACosH: 'd', ATanH: 'd', Int: 'i', IntQ: 'i', Round: 'd', Mod: 'd',
      Radian: 'd', Degree: 'd', IsNaN: 'i', IsNAN: 'i', IsInfinity: 'i', NaN: 'd', Infinity: 'd',
      Random: 'i', RandomSeed: ''
    }
  };
})();
