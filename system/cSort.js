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

  function compareAny(a, b) {
    var ta = typeof a === 'string', tb = typeof b === 'string';
    if (ta !== tb) return ta ? 1 : -1;
    return a < b ? -1 : a > b ? 1 : 0;
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

  // The order (indexes into values) that sorts them, equal keys in their
  // old order.
  function sortedOrder(values, options, field, type) {
    var flags = Number(options) || 0;
    var keys = keysOf(values, (flags & kNoCase) !== 0, field, type);
    var order = new Array(keys.length);
    for (var i = 0; i < order.length; i++) order[i] = i;
    var allText = true;
    for (var j = 0; j < keys.length && allText; j++) allText = typeof keys[j] === 'string';
    var descending = (flags & kDescending) !== 0;
    if (allText && !descending) order.sort(function (x, y) { var a = keys[x], b = keys[y]; return a < b ? -1 : a > b ? 1 : 0; });
    else if (allText) order.sort(function (x, y) { var a = keys[x], b = keys[y]; return a > b ? -1 : a < b ? 1 : 0; });
    else if (descending) order.sort(function (x, y) { return compareAny(keys[y], keys[x]); });
    else order.sort(function (x, y) { return compareAny(keys[x], keys[y]); });
    return order;
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
    var dim = Array.isArray(array.n) ? array.n[0] : array.n;
    var count = dim === undefined ? array.d.length : Math.min(array.d.length, Number(dim) + 1);
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
