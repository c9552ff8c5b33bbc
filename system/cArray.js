// cArray: PureBasic's array functions.
// Emitted call: cArray.ArraySize(a[, dimension]) for ArraySize(a()), the
// array being the JavaScript array that "Dim a(n)" made: new Array(n) whose
// elements 0 to n were then filled in, so its length is n + 1. The inner
// arrays of "Dim a(n, m)" are made as new Array(m).
var cArray = (function () {
  // The highest index, as Dim declared it; -1 for something that is no
  // array.
  function ArraySize(array, dimension) {
    if (!Array.isArray(array)) return -1;
    if (dimension === undefined || Number(dimension) <= 1) return array.length - 1;
    var inner = array[0];
    return Array.isArray(inner) ? inner.length : -1;
  }

  return { ArraySize: ArraySize, returns: { ArraySize: 'i' } };
})();
