// cStructure: whole structures as PureBasic handles them.
// Emitted call: "b = a" of two structure variables is b = cStructure.copy(a):
// PureBasic copies the whole structure, so later changes of one leave the
// other as it was. A structure is an object of the class that the converter
// makes of it; its fields are numbers, strings, BigInts, nested structures,
// fixed arrays (typed arrays) and the runtime's arrays, lists and maps.
var cStructure = (function () {
  function copy(value) {
    if (value === null || typeof value !== 'object') return value;
    if (ArrayBuffer.isView(value)) return value.slice();
    if (Array.isArray(value)) return value.map(copy);
    if (typeof cArray !== 'undefined' && value instanceof cArray) {
      var a = new cArray(value.type, value.structure);
      cArray.CopyArray(value, a);
      return a;
    }
    if (typeof cLinkedList !== 'undefined' && value instanceof cLinkedList && cLinkedList.CopyList) {
      var l = new cLinkedList();
      cLinkedList.CopyList(value, l);
      return l;
    }
    if (typeof cMap !== 'undefined' && value instanceof cMap && cMap.CopyMap) {
      var m = new cMap(value.structure_);
      cMap.CopyMap(value, m);
      return m;
    }
    var result = Object.create(Object.getPrototypeOf(value));
    for (var key in value)
      if (Object.prototype.hasOwnProperty.call(value, key)) result[key] = copy(value[key]);
    return result;
  }

  return { copy: copy };
})();
