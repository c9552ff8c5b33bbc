// cMap: a PureBasic map, keys to elements, with a current element. A
// JavaScript Map finds a key's node in O(1); the nodes form a doubly linked
// chain in the order the keys were added, which ForEach follows.
// Emitted uses ("NewMap scores()", "NewMap pts.Point()" and the commands):
//   scores = new cMap();  pts = new cMap(Point);   elements made as new Point
//   scores.getData2(key), scores.setData2(key, v)  scores(key) read and assigned
//   scores.getData(), scores.setData(v)            the current element
//   scores.AddMapElement(key), scores.FindMapElement(key)
//   scores.MapKey(), scores.MapSize()
//   ForEachMap_Init(scores); while (ForEachMap(scores)) { ... }
// Reading a missing key creates its element, as PureBasic does. Commands
// that reach the runtime as library calls, such as "ClearMap(scores())",
// become cMap.ClearMap(scores.getData()) and take the map whose element was
// read last.
var cMap = (function () {
  function Node(key, data) {
    this.key = key;
    this.data = data;
    this.prev = null;
    this.next = null;
  }

  function cMap(Type) {
    this.type_ = typeof Type === 'function' ? Type : null;
    this.nodes_ = new Map();
    this.first_ = null;
    this.last_ = null;
    this.current_ = null;
    this.holdsText_ = false;  // a text was stored: new elements start as ""
  }

  function keyText(key) { return cString.text(key); }

  function found(node) {
    if (!node) return 0;
    var d = node.data;
    return d !== null && typeof d === 'object' ? d : 1;
  }

  cMap.prototype.newValue_ = function () {
    if (this.type_) return new this.type_();
    return this.holdsText_ ? '' : 0;
  };

  cMap.prototype.unlink_ = function (node) {
    if (node.prev) node.prev.next = node.next; else this.first_ = node.next;
    if (node.next) node.next.prev = node.prev; else this.last_ = node.prev;
    this.nodes_.delete(node.key);
  };

  // A new element at the end of the order; an element of the same key is
  // replaced by it, as AddMapElement does.
  cMap.prototype.add_ = function (key) {
    var old = this.nodes_.get(key);
    if (old) this.unlink_(old);
    var node = new Node(key, this.newValue_());
    node.prev = this.last_;
    if (this.last_) this.last_.next = node; else this.first_ = node;
    this.last_ = node;
    this.nodes_.set(key, node);
    return node;
  };

  // The element of key, made when missing; it becomes current.
  cMap.prototype.element_ = function (key) {
    var k = keyText(key);
    var node = this.nodes_.get(k) || this.add_(k);
    this.current_ = node;
    return node;
  };

  cMap.prototype.getData2 = function (key) {
    cMap.lastRead = this;
    return this.element_(key).data;
  };

  cMap.prototype.setData2 = function (key, value) {
    if (typeof value === 'string') this.holdsText_ = true;
    this.element_(key).data = value;
    return value;
  };

  cMap.prototype.getData = function () {
    cMap.lastRead = this;
    return this.current_ ? this.current_.data : (this.holdsText_ ? '' : 0);
  };

  cMap.prototype.setData = function (value) {
    if (typeof value === 'string') this.holdsText_ = true;
    if (this.current_) this.current_.data = value;
    return value;
  };

  cMap.prototype.AddMapElement = function (key) {
    var node = this.add_(keyText(key));
    this.current_ = node;
    return found(node);
  };

  // A missing key answers 0 and keeps the current element.
  cMap.prototype.FindMapElement = function (key) {
    var node = this.nodes_.get(keyText(key));
    if (!node) return 0;
    this.current_ = node;
    return found(node);
  };

  // Without a key the current element goes; the map is then before the
  // element that followed it, so NextMapElement and ForEach go on there.
  cMap.prototype.DeleteMapElement = function (key) {
    var node = key === undefined ? this.current_ : this.nodes_.get(keyText(key));
    if (!node) return 0;
    this.unlink_(node);
    if (node === this.current_) this.current_ = node.prev ? node.prev : null;
    return 1;
  };

  cMap.prototype.MapKey = function () { return this.current_ ? this.current_.key : ''; };
  cMap.prototype.MapSize = function () { return this.nodes_.size; };

  cMap.prototype.ClearMap = function () {
    this.nodes_.clear();
    this.first_ = this.last_ = this.current_ = null;
  };

  cMap.prototype.ResetMap = function () { this.current_ = null; };

  cMap.prototype.NextMapElement = function () {
    var next = this.current_ ? this.current_.next : this.first_;
    if (!next) {
      this.current_ = null;
      return 0;
    }
    this.current_ = next;
    return found(next);
  };

  cMap.prototype.ForEach_Init = function () { this.current_ = null; };
  cMap.prototype.ForEach = function () { return this.NextMapElement() !== 0; };

  // The library commands, given the map itself or its current element.
  cMap.lastRead = null;

  function target(argument) {
    return argument instanceof cMap ? argument : cMap.lastRead;
  }

  cMap.AddMapElement = function (argument, key) {
    var map = target(argument);
    return map ? map.AddMapElement(key) : 0;
  };

  cMap.FindMapElement = function (argument, key) {
    var map = target(argument);
    return map ? map.FindMapElement(key) : 0;
  };

  cMap.DeleteMapElement = function (argument, key) {
    var map = target(argument);
    return map ? map.DeleteMapElement(key) : 0;
  };

  cMap.MapKey = function (argument) {
    var map = target(argument);
    return map ? map.MapKey() : '';
  };

  cMap.MapSize = function (argument) {
    var map = target(argument);
    return map ? map.MapSize() : 0;
  };

  cMap.ClearMap = function (argument) {
    var map = target(argument);
    if (map) map.ClearMap();
  };

  cMap.ResetMap = function (argument) {
    var map = target(argument);
    if (map) map.ResetMap();
  };

  cMap.NextMapElement = function (argument) {
    var map = target(argument);
    return map ? map.NextMapElement() : 0;
  };

  // the PureBasic type of each command's result, for the converter
  cMap.returns = {
    AddMapElement: 'i', FindMapElement: 'i', DeleteMapElement: 'i', MapKey: 's', MapSize: 'i',
    ClearMap: '', ResetMap: '', NextMapElement: 'i'
  };
  return cMap;
})();

// ForEach scores() { ... } over a map.
function ForEachMap_Init(map) { map.ForEach_Init(); }
function ForEachMap(map) { return map.ForEach(); }
