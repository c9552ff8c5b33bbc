// cMath: PureBasic's math functions and its random numbers.
// Emitted calls: cMath.<Function>(...) for Abs, Sqr, Pow, Sin, Round,
// Random, RandomSeed, ... Angles are radians; Round takes #PB_Round_Down,
// #PB_Round_Up or #PB_Round_Nearest. Random numbers come from a generator
// of our own so that RandomSeed(n) repeats a sequence.
var cMath = (function () {
  var kRoundDown = 0, kRoundUp = 1;

  function number(value) {
    var n = Number(value);
    return value === null || value === undefined || (typeof value === 'object' && isNaN(n)) ? 0 : n;
  }

  function clean(n) { return n === 0 ? 0 : n; }  // no -0

  function Abs(x) { return Math.abs(number(x)); }
  function Sign(x) { var n = number(x); return n > 0 ? 1 : n < 0 ? -1 : 0; }
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
  // ATan2(x, y): the angle of the point (x, y); note the order of the
  // arguments, x first.
  function ATan2(x, y) { return Math.atan2(number(y), number(x)); }
  // Int(-2.7) = -2: the fraction is cut off.
  function Int(x) { return clean(Math.trunc(number(x))); }
  function IntQ(x) { return clean(Math.trunc(number(x))); }

  // Round(2.5, #PB_Round_Nearest) = 3, Round(-2.5, #PB_Round_Nearest) = -3:
  // halves go away from zero; Down and Up go to the lower and upper whole
  // number (Round(-1.5, #PB_Round_Down) = -2).
  function Round(x, mode) {
    var n = number(x);
    if (mode === kRoundDown) return clean(Math.floor(n));
    if (mode === kRoundUp) return clean(Math.ceil(n));
    return clean(n < 0 ? -Math.round(-n) : Math.round(n));
  }

  // Mod(-7, 3) = -1: the remainder has the sign of the dividend.
  function Mod(x, y) { return clean(number(x) % number(y)); }
  function Radian(degrees) { return number(degrees) * Math.PI / 180; }
  function Degree(radians) { return number(radians) * 180 / Math.PI; }
  function IsNAN(x) { return isNaN(x) ? 1 : 0; }
  function IsInfinity(x) { return x === Infinity || x === -Infinity ? 1 : 0; }
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

  // Random(6, 1) is one of 1 to 6; Random(9) one of 0 to 9.
  function Random(maximum, minimum) {
    var high = Math.trunc(number(maximum));
    var low = minimum === undefined ? 0 : Math.trunc(number(minimum));
    if (low > high) { var t = low; low = high; high = t; }
    return low + Math.floor(fraction() * (high - low + 1));
  }

  function RandomSeed(seed) { state = Math.trunc(number(seed)) >>> 0; }

  return {
    Abs: Abs, Sign: Sign, Sqr: Sqr, Pow: Pow, Exp: Exp, Log: Log, Log10: Log10,
    Sin: Sin, Cos: Cos, Tan: Tan, ASin: ASin, ACos: ACos, ATan: ATan, ATan2: ATan2,
    Int: Int, IntQ: IntQ, Round: Round, Mod: Mod, Radian: Radian, Degree: Degree,
    IsNAN: IsNAN, IsInfinity: IsInfinity, NaN: NaN_, Infinity: Infinity_,
    Random: Random, RandomSeed: RandomSeed,
    fraction: fraction,  // for cSort's shuffles
    // the PureBasic type of each function's result, for the converter
    returns: {
      Abs: 'd', Sign: 'i', Sqr: 'd', Pow: 'd', Exp: 'd', Log: 'd', Log10: 'd', Sin: 'd',
      Cos: 'd', Tan: 'd', ASin: 'd', ACos: 'd', ATan: 'd', ATan2: 'd', Int: 'i', IntQ: 'i',
      Round: 'd', Mod: 'd', Radian: 'd', Degree: 'd', IsNAN: 'i', IsInfinity: 'i', NaN: 'd',
      Infinity: 'd', Random: 'i', RandomSeed: ''
    }
  };
})();
