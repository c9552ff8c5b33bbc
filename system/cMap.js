// cMap: a PureBasic map, keys to elements, with a current element. A
// JavaScript Map finds a key's slot in O(1); the slots (the arrays keys_
// and data_, the typed arrays of links prev_ and next_) form a doubly
// linked chain in the order the keys were added, which ForEach follows.
// Emitted uses ("NewMap scores()", "NewMap pts.Point()" and the commands):
//   scores = new cMap();  pts = new cMap(Point);   elements made as new Point
//   new cMap(""), new cMap(0n)                     the first value of new elements
//   scores.getData2(key), scores.setData2(key, v)  scores(key) read and assigned
//   scores.getData(), scores.setData(v)            the current element
//   scores.AddMapElement(key[, flags]), scores.FindMapElement(key)
//   scores.MapKey(), scores.MapSize(), scores.elementHandle()  (@scores())
//   ForEachMap_Init(scores); while (ForEachMap(scores)) { ... }
//   cMap.CopyMap(src, dst), ClearMap, FreeMap, ResetMap, NextMapElement,
//   DeleteMapElement(m[, key]), PushMapPosition, PopMapPosition: the library
//   commands, given the map itself.
// Reading a missing key creates its element, as PureBasic does. An
// element's handle is its structure object in a map of structures, the
// slot + 1 otherwise; AddMapElement and FindMapElement answer it.
var cMap = (function () {
  var kNone = -1, kDead = -2;
  var kNoElementCheck = 0;  // #PB_Map_NoElementCheck
  var kNoLinks = new Int32Array(0);  // an empty map's, until it grows

  function grown(links) {
    var bigger = new Int32Array(Math.max(8, links.length * 2));
    bigger.set(links);
    return bigger;
  }

  function cMap(kind) {
    this.kind_ = kind;             // structure constructor, first value, or undefined
    this.holdsText_ = false;       // a text was stored: new elements start as ""
    this.freed_ = false;
    this.positions_ = null;        // PushMapPosition's stack of slots
    this.empty_();
  }

  cMap.prototype.empty_ = function () {
    this.slots_ = new Map();       // key -> slot
    this.keys_ = [];
    this.data_ = [];
    this.prev_ = kNoLinks;
    this.next_ = kNoLinks;
    this.first_ = kNone;
    this.last_ = kNone;
    this.cur_ = kNone;
    this.size_ = 0;
    this.free_ = kNone;            // free slots, chained through next_
  };

  function keyText(key) { return typeof key === 'string' ? key : cString.text(key); }

  cMap.prototype.newValue_ = function () {
    var kind = this.kind_;
    if (typeof kind === 'function') return new kind();
    if (kind !== undefined) return kind;
    return this.holdsText_ ? '' : 0;
  };

  cMap.prototype.handleOf_ = function (slot) {
    if (slot < 0) return 0;
    return typeof this.kind_ === 'function' ? this.data_[slot] : slot + 1;
  };

  // A new element of key at the end of the order, reachable by its key.
  cMap.prototype.add_ = function (key) {
    var slot = this.free_, value = this.newValue_(), after = this.last_;
    if (slot < 0) {
      slot = this.keys_.length;
      if (slot >= this.prev_.length) {
        this.prev_ = grown(this.prev_);
        this.next_ = grown(this.next_);
      }
      this.keys_.push(key);
      this.data_.push(value);
    } else {
      this.free_ = this.next_[slot];
      this.keys_[slot] = key;
      this.data_[slot] = value;
    }
    this.prev_[slot] = after;
    this.next_[slot] = kNone;
    if (after < 0) this.first_ = slot; else this.next_[after] = slot;
    this.last_ = slot;
    this.size_++;
    this.slots_.set(key, slot);
    this.freed_ = false;
    return slot;
  };

  // Takes the element out of the chain and out of the keys (unless its key
  // names another element now) and frees its slot.
  cMap.prototype.remove_ = function (slot) {
    var p = this.prev_[slot], n = this.next_[slot], key = this.keys_[slot];
    if (p < 0) this.first_ = n; else this.next_[p] = n;
    if (n < 0) this.last_ = p; else this.prev_[n] = p;
    if (this.slots_.get(key) === slot) this.slots_.delete(key);
    if (this.positions_ !== null) {
      for (var i = 0; i < this.positions_.length; i++) if (this.positions_[i] === slot) this.positions_[i] = kDead;
    }
    this.size_--;
    this.keys_[slot] = '';
    this.data_[slot] = 0;
    this.prev_[slot] = kDead;
    this.next_[slot] = this.free_;
    this.free_ = slot;
  };

  // The slot of key, made when missing; it becomes current.
  cMap.prototype.slot_ = function (key) {
    var k = keyText(key);
    var slot = this.slots_.get(k);
    if (slot === undefined) slot = this.add_(k);
    this.cur_ = slot;
    return slot;
  };

  cMap.prototype.getData2 = function (key) {
    return this.data_[this.slot_(key)];
  };

  cMap.prototype.setData2 = function (key, value) {
    if (typeof value === 'string') this.holdsText_ = true;
    this.data_[this.slot_(key)] = value;
    return value;
  };

  cMap.prototype.getData = function () {
    return this.cur_ >= 0 ? this.data_[this.cur_] : this.newValue_();
  };

  cMap.prototype.setData = function (value) {
    if (typeof value === 'string') this.holdsText_ = true;
    if (this.cur_ >= 0) this.data_[this.cur_] = value;
    return value;
  };

  cMap.prototype.elementHandle = function () { return this.handleOf_(this.cur_); };

  // AddMapElement(m(), key[, flags]): a new element, current. An element of
  // the same key is replaced by it; with #PB_Map_NoElementCheck the old one
  // stays in the map, counted and walked by ForEach, but no longer found by
  // its key.
  cMap.prototype.AddMapElement = function (key, flags) {
    var k = keyText(key);
    var old = this.slots_.get(k);
    if (old !== undefined && (flags === undefined || Number(flags) !== kNoElementCheck)) this.remove_(old);
    this.cur_ = this.add_(k);
    return this.handleOf_(this.cur_);
  };

  // A missing key answers 0 and keeps the current element.
  cMap.prototype.FindMapElement = function (key) {
    var slot = this.slots_.get(keyText(key));
    if (slot === undefined) return 0;
    this.cur_ = slot;
    return this.handleOf_(slot);
  };

  // Without a key the current element goes and the one before it becomes
  // current (none after the first), so NextMapElement and ForEach go on
  // with the element that followed; the answer is the new current element's
  // handle. With a key that element goes and no element is current.
  cMap.prototype.DeleteMapElement = function (key) {
    if (key === undefined) {
      var slot = this.cur_;
      if (slot < 0) return 0;
      this.cur_ = this.prev_[slot];
      this.remove_(slot);
      return this.handleOf_(this.cur_);
    }
    var found = this.slots_.get(keyText(key));
    if (found === undefined) return 0;
    this.remove_(found);
    this.cur_ = kNone;
    return 0;
  };

  cMap.prototype.MapKey = function () { return this.cur_ >= 0 ? this.keys_[this.cur_] : ''; };
  cMap.prototype.MapSize = function () { return this.freed_ ? -1 : this.size_; };

  cMap.prototype.ClearMap = function () {
    if (this.positions_ !== null) for (var i = 0; i < this.positions_.length; i++) this.positions_[i] = kDead;
    this.empty_();
  };

  cMap.prototype.ResetMap = function () { this.cur_ = kNone; };

  // After the last element no element is current and the answer is 0.
  cMap.prototype.NextMapElement = function () {
    var next = this.cur_ < 0 ? this.first_ : this.next_[this.cur_];
    this.cur_ = next;
    return this.handleOf_(next);
  };

  cMap.prototype.ForEach_Init = function () { this.cur_ = kNone; };

  cMap.prototype.ForEach = function () {
    var next = this.cur_ < 0 ? this.first_ : this.next_[this.cur_];
    this.cur_ = next;
    return next >= 0;
  };

  // The keys and the values in order, and a value like the elements (as
  // a list's sample), for code that reads or fills a map (cJson).
  cMap.prototype.keys = function () {
    var out = [];
    for (var s = this.first_; s >= 0; s = this.next_[s]) out.push(this.keys_[s]);
    return out;
  };

  cMap.prototype.values = function () {
    var out = [];
    for (var s = this.first_; s >= 0; s = this.next_[s]) out.push(this.data_[s]);
    return out;
  };

  cMap.prototype.sample = function () {
    if (typeof this.kind_ === 'function') return new this.kind_();
    return this.size_ > 0 ? this.data_[this.first_] : this.kind_;
  };

  cMap.prototype.copy_ = function () {
    var copy = new cMap(this.kind_);
    copyInto(this, copy);
    return copy;
  };

  // Every element in order, its value copied deeply; elements left
  // without a key by #PB_Map_NoElementCheck give way to the keyed one.
  function copyInto(src, dst) {
    dst.ClearMap();
    if (dst.kind_ === undefined) dst.kind_ = src.kind_;
    if (src.holdsText_) dst.holdsText_ = true;
    dst.freed_ = false;
    for (var s = src.first_; s >= 0; s = src.next_[s]) {
      var key = src.keys_[s];
      var old = dst.slots_.get(key);
      if (old !== undefined) dst.remove_(old);
      dst.data_[dst.add_(key)] = cLinkedList.copyValue(src.data_[s]);
    }
    dst.cur_ = kNone;
  }

  // The library commands, given the map itself.

  function map(argument) {
    return argument instanceof cMap ? argument : null;
  }

  // CopyMap(src(), dst()): dst is cleared and gets a copy of every element,
  // without a current element; maps of different element types are not
  // copied (the answer is 0).
  cMap.CopyMap = function (src, dst) {
    src = map(src);
    dst = map(dst);
    if (!src || !dst || !cLinkedList.sameKind(src.kind_, dst.kind_)) return 0;
    if (src !== dst) copyInto(src, dst);
    return 1;
  };

  cMap.ClearMap = function (argument) {
    var m = map(argument);
    if (m) m.ClearMap();
  };

  // FreeMap(m()): the elements go; MapSize answers -1 until an element is
  // added again.
  cMap.FreeMap = function (argument) {
    var m = map(argument);
    if (!m) return;
    m.ClearMap();
    m.positions_ = null;
    m.freed_ = true;
  };

  cMap.ResetMap = function (argument) {
    var m = map(argument);
    if (m) m.ResetMap();
  };

  cMap.NextMapElement = function (argument) {
    var m = map(argument);
    return m ? m.NextMapElement() : 0;
  };

  cMap.DeleteMapElement = function (argument, key) {
    var m = map(argument);
    return m ? m.DeleteMapElement(key) : 0;
  };

  // PushMapPosition(m()) remembers the current element (or none);
  // PopMapPosition(m()) makes the last one remembered current again, or
  // none when that element was deleted meanwhile.
  cMap.PushMapPosition = function (argument) {
    var m = map(argument);
    if (!m) return;
    if (m.positions_ === null) m.positions_ = [];
    m.positions_.push(m.cur_);
  };

  cMap.PopMapPosition = function (argument) {
    var m = map(argument);
    if (!m || m.positions_ === null) return;
    var slot = m.positions_.pop();
    if (m.positions_.length === 0) m.positions_ = null;
    m.cur_ = slot < 0 ? kNone : slot;
  };

  // The map pass makes these methods of the map ("scores.MapSize()"); they
  // are listed so that the library pass marks them for it.
  cMap.AddMapElement = function (argument, key, flags) {
    var m = map(argument);
    return m ? m.AddMapElement(key, flags) : 0;
  };

  cMap.FindMapElement = function (argument, key) {
    var m = map(argument);
    return m ? m.FindMapElement(key) : 0;
  };

  cMap.MapKey = function (argument) {
    var m = map(argument);
    return m ? m.MapKey() : '';
  };

  cMap.MapSize = function (argument) {
    var m = map(argument);
    return m ? m.MapSize() : 0;
  };

  // the PureBasic type of each command's result, for the converter
  cMap.returns = {
    AddMapElement: 'i', FindMapElement: 'i', DeleteMapElement: 'i', MapKey: 's', MapSize: 'i',
    CopyMap: 'i', ClearMap: '', FreeMap: '', ResetMap: '', NextMapElement: 'i',
    PushMapPosition: '', PopMapPosition: ''
  };
  // the arguments that take the whole map (the converter passes "scores",
  // not the element "scores.getData()")
  cMap.containers = {
    CopyMap: [0, 1], ClearMap: [0], FreeMap: [0], ResetMap: [0], NextMapElement: [0],
    DeleteMapElement: [0], PushMapPosition: [0], PopMapPosition: [0]
  };
  return cMap;
})();

// ForEach scores() { ... } over a map.
function ForEachMap_Init(map) { map.ForEach_Init(); }
function ForEachMap(map) { return map.ForEach(); }
