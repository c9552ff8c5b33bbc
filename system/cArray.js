// cArray: PureBasic's arrays and the Array library.
// An array is a cArray object: its elements in one flat store "d" (a typed
// array for the numeric types, so that storing wraps to the type's width as
// PureBasic's does), the Dim value of each dimension in "n" (the highest
// index; -1 before the first Dim and after FreeArray), and the stride of
// each dimension but the last in "s0", "s1", ...
// Emitted code:
//   Dim a.l(n, m)      ->  var a = cArray.dim(a, 'l', null, n, m)
//   Dim p.Point(n)     ->  var p = cArray.dim(p, 'S', Point, n)
//   ReDim a(n, k)      ->  cArray.redim(a, k)
//   a(i) / a(i, j)     ->  a.d[i] / a.d[i * a.s0 + j]
//   ArraySize(a(), 2)  ->  cArray.ArraySize(a, 2); CopyArray, FreeArray likewise
// Dim on an array that exists (one passed to a procedure) renews the same
// object, so that the caller sees the new elements.
var cArray = (function () {
  // The store of count elements of a type letter, each at its start value.
  function store(type, structure, count) {
    switch (type) {
      case 'b': return new Int8Array(count);
      case 'a': return new Uint8Array(count);
      case 'w': return new Int16Array(count);
      case 'u': case 'c': return new Uint16Array(count);
      case 'l': return new Int32Array(count);
      case 'q': return new BigInt64Array(count);
      case 'f': return new Float32Array(count);
      case 's': return new Array(count).fill('');
      case 'S': {
        var objects = new Array(count);
        for (var i = 0; i < count; i++) objects[i] = structure ? new structure() : 0;
        return objects;
      }
      default: return new Float64Array(count);  // .i and .d: doubles hold 53-bit integers
    }
  }

  function cArray(type, structure) {
    this.type = type;
    this.structure = structure || null;
    this.n = [-1];
    this.d = store(type, this.structure, 0);
  }

  // The sizes as whole numbers (a float size is cut, as PureBasic's is).
  function sizesOf(args, from) {
    var sizes = [];
    for (var i = from; i < args.length; i++) sizes.push(Math.trunc(Number(args[i])));
    return sizes.length ? sizes : [0];
  }

  function layout(array, sizes) {
    var count = 1;
    for (var k = sizes.length - 1; k >= 0; k--) {
      if (k < sizes.length - 1) array['s' + k] = count;
      count *= Math.max(0, sizes[k] + 1);
    }
    array.n = sizes;
    return count;
  }

  function dim(array, type, structure) {
    if (!(array instanceof cArray)) array = new cArray(type, structure);
    var count = layout(array, sizesOf(arguments, 3));
    array.d = store(array.type, array.structure, count);
    return array;
  }

  // ReDim: the last dimension changes, every element that stays keeps its
  // value, new ones start as Dim starts them.
  function redim(array, last) {
    if (!(array instanceof cArray)) return;
    var old = array.n, oldStrides = [];
    for (var k = 0; k < old.length - 1; k++) oldStrides.push(array['s' + k]);
    var oldData = array.d;
    var sizes = old.slice();
    sizes[sizes.length - 1] = Math.trunc(Number(last));
    var count = layout(array, sizes);
    var data = store(array.type, array.structure, count);
    var keep = Math.min(old[old.length - 1], sizes[sizes.length - 1]) + 1;
    var rows = oldData.length && old[old.length - 1] >= 0 ? oldData.length / (old[old.length - 1] + 1) : 0;
    for (var r = 0; r < rows; r++)
      for (var j = 0; j < keep; j++) data[r * (sizes[sizes.length - 1] + 1) + j] = oldData[r * (old[old.length - 1] + 1) + j];
    array.d = data;
  }

  // ArraySize(a()) is the Dim value of the first dimension, ArraySize(a(), d)
  // that of dimension d (from 1); -1 for an array without elements.
  function ArraySize(array, dimension) {
    if (!(array instanceof cArray)) return -1;
    var d = dimension === undefined ? 1 : Math.trunc(Number(dimension));
    if (d < 1 || d > array.n.length) return -1;
    return array.n[d - 1];
  }

  function FreeArray(array) {
    if (!(array instanceof cArray)) return;
    array.n = [-1];
    array.d = store(array.type, array.structure, 0);
  }

  // CopyArray(src(), dst()): dst becomes a copy of src, with its sizes;
  // structures are copied field by field.
  function CopyArray(source, target) {
    if (!(source instanceof cArray) || !(target instanceof cArray)) return 0;
    layout(target, source.n.slice());
    target.type = source.type;
    target.structure = source.structure;
    // structures are copied whole (cStructure), numbers and texts as they are
    target.d = source.type === 'S' ? source.d.map(cStructure.copy) : source.d.slice();
    return 1;
  }

  cArray.dim = dim;
  cArray.redim = redim;
  cArray.ArraySize = ArraySize;
  cArray.FreeArray = FreeArray;
  cArray.CopyArray = CopyArray;
  // the PureBasic type of each function's result, for the converter
  cArray.returns = { ArraySize: 'i', FreeArray: '', CopyArray: 'i' };
  // the arguments that are whole arrays
  cArray.containers = { ArraySize: [0], FreeArray: [0], CopyArray: [0, 1] };
  return cArray;
})();
