// cSort: PureBasic's sorting and shuffling of arrays and lists, given the
// container itself.
// Emitted calls:
//   cSort.SortArray(a, options[, start, end])         SortArray(a(), ...)
//   cSort.SortStructuredArray(a, options, "field", cConstants.PB_String[, start, end])
//                                                    SortStructuredArray(a(), ..., OffsetOf(S\field), TypeOf(S\field))
//   cSort.RandomizeArray(a[, start, end])
//   cSort.SortList(items, options[, start, end]), cSort.SortStructuredList(items, options, "field", type[, ...])
//   cSort.RandomizeList(items[, start, end])
// An array is a cArray (its elements in the flat store d, the Dim value of
// its one dimension in n) or a plain JavaScript array. start and end are
// positions, both included; the whole container when they are missing.
// Options: #PB_Sort_Ascending (0), #PB_Sort_Descending, #PB_Sort_NoCase for
// texts. Sorts are stable; lists are sorted by linking their elements in the
// new order, so element handles stay valid.
var cSort = (function () {
  var kDescending = 1, kNoCase = 2;
  var kString = 8, kFixedString = 10;  // #PB_String, #PB_FixedString

  // Unset elements (an empty slot, null, or an empty inner array) sort as
  // 0; numbers come before texts.
  function plain(value) {
    if (value === undefined || value === null || (Array.isArray(value) && value.length === 0)) return 0;
    return value;
  }

  // The sort keys of values: texts lower-cased for #PB_Sort_NoCase, the
  // field's value for structures (a text or a number by the field's type).
  function keysOf(values, noCase, field, type) {
    var keys = new Array(values.length);
    var asText = type === kString || type === kFixedString;
    for (var i = 0; i < values.length; i++) {
      var v = field === undefined ? plain(values[i]) : (values[i] ? values[i][field] : 0);
      if (field !== undefined) v = asText ? cString.text(v) : plain(v);
      keys[i] = noCase && typeof v === 'string' ? v.toLowerCase() : v;
    }
    return keys;
  }

  // Sorts the positions at by their keys, ascending, equal keys in the
  // order of at: insertion sort of short runs, then merges of runs, with a
  // plain "<" in the loops (no comparison function called per step).
  function mergeSort(keys, at) {
    var n = at.length, run = 32;
    var k = new Array(n);
    for (var i = 0; i < n; i++) k[i] = keys[at[i]];
    for (var lo = 0; lo < n; lo += run) insertionSort(k, at, lo, Math.min(lo + run, n));
    var k2 = new Array(n), at2 = new Int32Array(n);
    for (var width = run; width < n; width *= 2) {
      for (lo = 0; lo < n; lo += 2 * width) merge(k, at, k2, at2, lo, Math.min(lo + width, n), Math.min(lo + 2 * width, n));
      var t = k; k = k2; k2 = t;
      var u = at; at = at2; at2 = u;
    }
    return at;
  }

  function insertionSort(k, at, lo, hi) {
    for (var i = lo + 1; i < hi; i++) {
      var key = k[i], p = at[i], j = i - 1;
      for (; j >= lo && key < k[j]; j--) {
        k[j + 1] = k[j];
        at[j + 1] = at[j];
      }
      k[j + 1] = key;
      at[j + 1] = p;
    }
  }

  // The runs lo..mid and mid..hi of k and at merged into k2 and at2; the
  // head key of each run is kept at hand.
  function merge(k, at, k2, at2, lo, mid, hi) {
    var a = lo, b = mid, o = lo;
    if (a < mid && b < hi) {
      var ka = k[a], kb = k[b];
      for (;;) {
        if (kb < ka) {
          k2[o] = kb;
          at2[o++] = at[b++];
          if (b >= hi) break;
          kb = k[b];
        } else {
          k2[o] = ka;
          at2[o++] = at[a++];
          if (a >= mid) break;
          ka = k[a];
        }
      }
    }
    for (; a < mid; a++) { k2[o] = k[a]; at2[o++] = at[a]; }
    for (; b < hi; b++) { k2[o] = k[b]; at2[o++] = at[b]; }
  }

  // The order (indexes into values) that sorts them, equal keys in their
  // old order. Numbers come before texts. Descending sorts the values
  // taken from the last ascending, then turns the result round, which
  // keeps equal keys in their old order too.
  function sortedOrder(values, options, field, type) {
    var flags = Number(options) || 0, descending = (flags & kDescending) !== 0;
    var keys = keysOf(values, (flags & kNoCase) !== 0, field, type);
    var n = keys.length, texts = 0;
    for (var i = 0; i < n; i++) if (typeof keys[i] === 'string') texts++;
    var order;
    if (texts === 0 || texts === n) {
      order = new Int32Array(n);
      for (i = 0; i < n; i++) order[i] = descending ? n - 1 - i : i;
      order = mergeSort(keys, order);
    } else {
      var numbers = new Int32Array(n - texts), words = new Int32Array(texts), ni = 0, wi = 0;
      for (i = 0; i < n; i++) {
        var p = descending ? n - 1 - i : i;
        if (typeof keys[p] === 'string') words[wi++] = p; else numbers[ni++] = p;
      }
      order = new Int32Array(n);
      order.set(mergeSort(keys, numbers));
      order.set(mergeSort(keys, words), n - texts);
    }
    return descending ? order.reverse() : order;
  }

  // The part from start to end, clipped to the positions 0 to count - 1;
  // null when it is empty.
  function range(count, start, end) {
    var from = start === undefined ? 0 : Math.max(0, Math.trunc(Number(start)));
    var to = end === undefined ? count - 1 : Math.min(count - 1, Math.trunc(Number(end)));
    return from <= to ? { from: from, to: to } : null;
  }

  function shuffle(items) {
    for (var i = items.length - 1; i > 0; i--) {
      var j = Math.floor(cMath.fraction() * (i + 1));
      var t = items[i]; items[i] = items[j]; items[j] = t;
    }
    return items;
  }

  // Arrays: the store and the count of elements of a one-dimensional array.
  function storeOf(array) {
    if (Array.isArray(array)) return { d: array, count: array.length };
    if (!array || !array.d) return null;
    var dim = typeof array.n === 'number' ? array.n : array.n && array.n.length ? Number(array.n[0]) : NaN;
    var count = dim >= -1 ? Math.min(array.d.length, dim + 1) : array.d.length;
    return { d: array.d, count: count };
  }

  // Numbers in a typed array sort in place; anything else by the order of
  // its keys.
  function sortStore(array, options, field, type, start, end) {
    var store = storeOf(array);
    if (!store) return;
    var r = range(store.count, start, end);
    if (!r) return;
    var d = store.d;
    if (ArrayBuffer.isView(d) && field === undefined) {
      var part = d.subarray(r.from, r.to + 1);
      part.sort();
      if ((Number(options) & kDescending) !== 0) part.reverse();
      return;
    }
    var values = Array.prototype.slice.call(d, r.from, r.to + 1);
    var order = sortedOrder(values, options, field, type);
    for (var i = 0; i < order.length; i++) d[r.from + i] = values[order[i]];
  }

  function SortArray(array, options, start, end) {
    sortStore(array, options, undefined, undefined, start, end);
  }

  function SortStructuredArray(array, options, field, type, start, end) {
    sortStore(array, options, String(field), Number(type), start, end);
  }

  function RandomizeArray(array, start, end) {
    var store = storeOf(array);
    if (!store) return;
    var r = range(store.count, start, end);
    if (!r) return;
    var d = store.d;
    for (var i = r.to; i > r.from; i--) {
      var j = r.from + Math.floor(cMath.fraction() * (i - r.from + 1));
      var t = d[i]; d[i] = d[j]; d[j] = t;
    }
  }

  // Lists: the slots of the range are linked again in the new order.
  function changeList(list, start, end, reorder) {
    if (!(list instanceof cLinkedList)) return;
    var r = range(list.size_, start, end);
    if (!r) return;
    var slots = list.slots_(r.from, r.to);
    var after = list.prev_[slots[0]], before = list.next_[slots[slots.length - 1]];
    list.relink_(reorder(slots), after, before);
  }

  function sortSlots(list, options, field, type) {
    return function (slots) {
      var values = new Array(slots.length);
      for (var i = 0; i < slots.length; i++) values[i] = list.data_[slots[i]];
      var order = sortedOrder(values, options, field, type);
      for (var k = 0; k < order.length; k++) order[k] = slots[order[k]];
      return order;
    };
  }

  function SortList(list, options, start, end) {
    changeList(list, start, end, sortSlots(list, options, undefined, undefined));
  }

  function SortStructuredList(list, options, field, type, start, end) {
    changeList(list, start, end, sortSlots(list, options, String(field), Number(type)));
  }

  function RandomizeList(list, start, end) { changeList(list, start, end, shuffle); }

  return {
    SortArray: SortArray, SortStructuredArray: SortStructuredArray, RandomizeArray: RandomizeArray,
    SortList: SortList, SortStructuredList: SortStructuredList, RandomizeList: RandomizeList,
    // the PureBasic type of each function's result, for the converter
    returns: {
      SortArray: '', SortStructuredArray: '', RandomizeArray: '',
      SortList: '', SortStructuredList: '', RandomizeList: ''
    },
    // the arguments that take the whole array or list (RandomizeList is
    // written "cSort.RandomizeList(items)" by the list pass itself)
    containers: {
      SortArray: [0], SortStructuredArray: [0], RandomizeArray: [0],
      SortList: [0], SortStructuredList: [0]
    }
  };
})();
