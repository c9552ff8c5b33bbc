// cObjects: the numbered objects of the runtime's libraries (files,
// directories, regular expressions, JSON data, fingerprints), one table per
// kind. It has no commands of its own; the libraries use it:
//   var files = cObjects.table(close);   close(object) runs when one goes
//   files.add(number, object)   the creator's result: for #PB_Any the new
//                               number, else a nonzero handle
//   files.get(number)           the object, or null
//   files.handle(number)        the handle add gave (FileID, ...), or 0
//   files.remove(number)        #PB_All removes every object
// A program names an object with a number of its own (CreateFile(0, ...))
// or asks for one with #PB_Any (f = CreateFile(#PB_Any, ...)); a number in
// use is freed first when it is taken again, as PureBasic frees it.
var cObjects = (function () {
  var kAny = -1;  // #PB_Any, and #PB_All in the commands that free objects
  // Numbers for #PB_Any and the handles, far above the numbers programs
  // choose; one counter for every table, so no two objects share one.
  var nextNumber = 0x100000;

  function table(close) {
    var objects = new Map();  // number -> { object, handle }

    function remove(number) {
      var n = Number(number);
      if (n === kAny) {
        var all = Array.from(objects.keys());
        for (var i = 0; i < all.length; i++) remove(all[i]);
        return;
      }
      var entry = objects.get(n);
      if (!entry) return;
      objects.delete(n);
      if (close) close(entry.object);
    }

    function add(number, object) {
      var n = Number(number);
      var handle = nextNumber++;
      if (n === kAny) n = handle;
      else remove(n);
      objects.set(n, { object: object, handle: handle });
      return n === handle ? n : handle;
    }

    function get(number) {
      var entry = objects.get(Number(number));
      return entry ? entry.object : null;
    }

    function handle(number) {
      var entry = objects.get(Number(number));
      return entry ? entry.handle : 0;
    }

    return { add: add, get: get, handle: handle, remove: remove };
  }

  return { table: table };
})();
