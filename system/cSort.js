// cSort: PureBasic's sorting and shuffling of arrays and lists.
// Emitted calls: cSort.RandomizeList(items) for RandomizeList(items()),
// cSort.SortArray(a, #PB_Sort_Descending[, start, end]) for SortArray(a(), ...),
// cSort.RandomizeArray(a[, start, end]), and cSort.SortList(items.getData(),
// options[, start, end]) for SortList(items(), ...), which sorts the list
// whose element was read last (see cLinkedList).
var cSort = (function () {
  var kDescending = 1, kNoCase = 2;

  // Unset elements (an empty slot, null, or the empty inner array that Dim
  // leaves) sort as 0; texts compare by their character codes, numbers come
  // before texts.
  function key(value, noCase) {
    if (value === undefined || value === null || (Array.isArray(value) && value.length === 0)) return 0;
    if (typeof value === 'string') return noCase ? value.toLowerCase() : value;
    return value;
  }

  function compare(a, b) {
    if (typeof a === typeof b) return a < b ? -1 : a > b ? 1 : 0;
    return typeof a === 'number' ? -1 : 1;
  }

  function sortValues(values, options) {
    var flags = Number(options) || 0;
    var noCase = (flags & kNoCase) !== 0, sign = (flags & kDescending) ? -1 : 1;
    var keyed = values.map(function (v, i) { return { k: key(v, noCase), v: v, i: i }; });
    keyed.sort(function (x, y) { return sign * compare(x.k, y.k) || x.i - y.i; });
    return keyed.map(function (e) { return e.v; });
  }

  // The part from start to end (indexes, both included; all when missing).
  function range(length, start, end) {
    var from = start === undefined ? 0 : Math.max(0, Math.trunc(Number(start)));
    var to = end === undefined ? length - 1 : Math.min(length - 1, Math.trunc(Number(end)));
    return [from, to];
  }

  // A program's array (a cArray) is sorted in its store of elements.
  function apply(array, start, end, change) {
    if (typeof cArray !== 'undefined' && array instanceof cArray) array = array.d;
    if (!Array.isArray(array) && !ArrayBuffer.isView(array)) return;
    var r = range(array.length, start, end);
    if (r[1] < r[0]) return;
    var part = change(Array.prototype.slice.call(array, r[0], r[1] + 1));
    for (var i = 0; i < part.length; i++) array[r[0] + i] = part[i];
  }

  function shuffle(values) {
    for (var i = values.length - 1; i > 0; i--) {
      var j = Math.floor(cMath.fraction() * (i + 1));
      var t = values[i]; values[i] = values[j]; values[j] = t;
    }
    return values;
  }

  function SortArray(array, options, start, end) {
    apply(array, start, end, function (part) { return sortValues(part, options); });
  }

  function RandomizeArray(array, start, end) { apply(array, start, end, shuffle); }

  function listOf(argument) {
    return argument instanceof cLinkedList ? argument : cLinkedList.lastRead;
  }

  function changeList(list, start, end, change) {
    if (!list) return;
    var values = list.values();
    apply(values, start, end, change);
    list.setValues(values);
  }

  function SortList(argument, options, start, end) {
    changeList(listOf(argument), start, end, function (part) { return sortValues(part, options); });
  }

  function RandomizeList(list, start, end) { changeList(listOf(list), start, end, shuffle); }

  return {
    SortArray: SortArray, RandomizeArray: RandomizeArray,
    SortList: SortList, RandomizeList: RandomizeList,
    // the arrays handed whole
    containers: { SortArray: [0], RandomizeArray: [0] },
    // the PureBasic type of each function's result, for the converter
    returns: { SortArray: '', RandomizeArray: '', SortList: '', RandomizeList: '' }
  };
})();
