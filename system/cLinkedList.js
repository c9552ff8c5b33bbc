// cLinkedList: a PureBasic linked list, a doubly linked chain of nodes with
// a current element, so that every insert, delete and step is O(1).
// Emitted uses ("NewList items()" and the list commands):
//   items = new cLinkedList()            items.AddElement(), items.AddElement(new Point)
//   items.getData(), items.setData(v)    items() read and assigned
//   items.ListSize(), items.ClearList(), items.ListIndex(), items.SelectElement(i)
//   items.FirstElement(), items.NextElement(), items.PreviousElement(),
//   items.LastElement(), items.DeleteElement()
//   items.ForEach_Init(); while (items.ForEach()) { ... }
// The commands that reach the runtime as library calls, such as
// "ResetList(items())", become cLinkedList.ResetList(items.getData()): the
// argument is the current element, so these take the list whose element was
// read last (the argument is evaluated just before the call).
var cLinkedList = (function () {
  function Node(data) {
    this.data = data;
    this.prev = null;
    this.next = null;
  }

  function cLinkedList() {
    this.first_ = null;
    this.last_ = null;
    this.current_ = null;  // null: before the first element
    this.index_ = -1;      // index of current_, -1 without one
    this.size_ = 0;
    this.holdsText_ = false;  // a text was stored: new elements start as ""
  }

  // An element is an object (a structure) or a plain value; moves and
  // inserts answer the object, which a program may keep as a pointer, or 1,
  // and 0 when there is no element.
  function found(node) {
    if (!node) return 0;
    var d = node.data;
    return d !== null && typeof d === 'object' ? d : 1;
  }

  cLinkedList.prototype.emptyValue_ = function () { return this.holdsText_ ? '' : 0; };

  cLinkedList.prototype.link_ = function (node, after) {
    node.prev = after;
    node.next = after ? after.next : this.first_;
    if (node.next) node.next.prev = node; else this.last_ = node;
    if (after) after.next = node; else this.first_ = node;
    this.size_++;
  };

  // AddElement inserts after the current element (at the front when there
  // is none) and makes the new element current.
  cLinkedList.prototype.AddElement = function (data) {
    var node = new Node(data === undefined ? this.emptyValue_() : data);
    this.link_(node, this.current_);
    this.current_ = node;
    this.index_++;
    return found(node);
  };

  // InsertElement inserts before the current element (at the front when
  // there is none) and makes the new element current.
  cLinkedList.prototype.InsertElement = function (data) {
    var node = new Node(data === undefined ? this.emptyValue_() : data);
    if (this.current_) {
      this.link_(node, this.current_.prev);
    } else {
      this.link_(node, null);
      this.index_ = 0;
    }
    this.current_ = node;
    return found(node);
  };

  cLinkedList.prototype.getData = function () {
    cLinkedList.lastRead = this;
    return this.current_ ? this.current_.data : this.emptyValue_();
  };

  cLinkedList.prototype.setData = function (value) {
    if (typeof value === 'string') this.holdsText_ = true;
    if (this.current_) this.current_.data = value;
    return value;
  };

  cLinkedList.prototype.ListSize = function () { return this.size_; };
  cLinkedList.prototype.ListIndex = function () { return this.index_; };

  cLinkedList.prototype.ClearList = function () {
    this.first_ = this.last_ = this.current_ = null;
    this.index_ = -1;
    this.size_ = 0;
  };

  cLinkedList.prototype.ResetList = function () {
    this.current_ = null;
    this.index_ = -1;
  };

  cLinkedList.prototype.FirstElement = function () {
    this.current_ = this.first_;
    this.index_ = this.first_ ? 0 : -1;
    return found(this.current_);
  };

  cLinkedList.prototype.LastElement = function () {
    this.current_ = this.last_;
    this.index_ = this.size_ - 1;
    return found(this.current_);
  };

  // From before the first element the next one is the first; at the last
  // element NextElement answers 0 and the current element stays.
  cLinkedList.prototype.NextElement = function () {
    var next = this.current_ ? this.current_.next : this.first_;
    if (!next) return 0;
    this.current_ = next;
    this.index_++;
    return found(next);
  };

  cLinkedList.prototype.PreviousElement = function () {
    var prev = this.current_ ? this.current_.prev : null;
    if (!prev) return 0;
    this.current_ = prev;
    this.index_--;
    return found(prev);
  };

  // The element before the deleted one becomes current; deleting the first
  // element leaves the list before its (new) first element, so ListIndex is
  // -1 and NextElement or ForEach go on with the element that followed.
  cLinkedList.prototype.DeleteElement = function (flags) {
    var node = this.current_;
    if (!node) return 0;
    if (node.prev) node.prev.next = node.next; else this.first_ = node.next;
    if (node.next) node.next.prev = node.prev; else this.last_ = node.prev;
    this.size_--;
    this.current_ = node.prev;
    this.index_--;
    if (!this.current_ && Number(flags) === 1 && this.first_) {
      this.current_ = this.first_;
      this.index_ = 0;
    }
    return found(this.current_);
  };

  // SelectElement(0) is the first element; a position outside the list
  // answers 0 and keeps the current element. The walk starts from the
  // nearest of the first, the current and the last element.
  cLinkedList.prototype.SelectElement = function (position) {
    var target = Math.trunc(Number(position));
    if (!(target >= 0 && target < this.size_)) return 0;
    var node = this.first_, at = 0;
    if (this.current_ && Math.abs(target - this.index_) < target) {
      node = this.current_;
      at = this.index_;
    }
    if (this.size_ - 1 - target < Math.abs(target - at)) {
      node = this.last_;
      at = this.size_ - 1;
    }
    while (at < target) { node = node.next; at++; }
    while (at > target) { node = node.prev; at--; }
    this.current_ = node;
    this.index_ = target;
    return found(node);
  };

  // ForEach items() { ... }: ForEach_Init goes before the first element,
  // each ForEach() steps to the next one and answers whether there is one
  // (after the loop the last element stays current, as after NextElement).
  // A DeleteElement inside the loop goes back one element, so the loop
  // goes on with the element after the deleted one.
  cLinkedList.prototype.ForEach_Init = function () { this.ResetList(); };

  cLinkedList.prototype.ForEach = function () {
    var next = this.current_ ? this.current_.next : this.first_;
    if (!next) return false;
    this.current_ = next;
    this.index_++;
    return true;
  };

  // The elements' values in order, for the sorts and shuffles of cSort.
  cLinkedList.prototype.values = function () {
    var out = new Array(this.size_), i = 0;
    for (var node = this.first_; node; node = node.next) out[i++] = node.data;
    return out;
  };

  cLinkedList.prototype.setValues = function (values) {
    var i = 0;
    for (var node = this.first_; node; node = node.next) node.data = values[i++];
  };

  // The library commands, given the current element of a list.
  cLinkedList.lastRead = null;

  function target(argument) {
    return argument instanceof cLinkedList ? argument : cLinkedList.lastRead;
  }

  cLinkedList.ResetList = function (argument) {
    var list = target(argument);
    if (list) list.ResetList();
  };

  cLinkedList.InsertElement = function (argument) {
    var list = target(argument);
    return list ? list.InsertElement() : 0;
  };

  // the PureBasic type of each command's result, for the converter
  cLinkedList.returns = { ResetList: '', InsertElement: 'i' };
  return cLinkedList;
})();
