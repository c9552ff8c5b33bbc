// cLinkedList: a PureBasic linked list with a current element. The values
// live in the array data_, indexed by slot, so adding an element allocates
// no object of its own. A list that has only been added to at its end is
// dense: slot and position are the same and no links are kept (nor
// first_, last_ and index_, which follow from the slots), so adds, ForEach
// and SelectElement cost what an array's do. The first insert
// before the end, delete or move links it: the typed arrays prev_ and next_
// then chain the slots, every insert, delete and step is O(1), and deleted
// slots are used again.
// Emitted uses ("NewList items()" and the list commands):
//   items = new cLinkedList()            items.AddElement(), items.AddElement(new Point)
//   new cLinkedList(Point), new cLinkedList(""), new cLinkedList(0n)
//                                        with the structure or the first value of new elements
//   items.getData(), items.setData(v)    items() read and assigned
//   items.ListSize(), items.ClearList(), items.ListIndex(), items.SelectElement(i)
//   items.FirstElement(), items.NextElement(), items.PreviousElement(),
//   items.LastElement(), items.DeleteElement([flags]), items.elementHandle()  (@items())
//   items.ForEach_Init(); while (items.ForEach()) { ... }
//   cLinkedList.CopyList(src, dst), MergeLists, SplitList, SwapElements, MoveElement,
//   ChangeCurrentElement, PushListPosition, PopListPosition, ResetList, FreeList,
//   InsertElement: the library commands, given the list itself.
// An element's handle (PureBasic's address of the element) is the structure
// object for a list of structures, so that "*p.Point = AddElement(pts())"
// and "*p\x" reach the element's fields; for other lists it is the slot + 1.
// Handles are truthy; the moves answer them, or 0 when there is no element.
var cLinkedList = (function () {
  var kNone = -1;   // no slot: before the first element, or past the ends
  var kDead = -2;   // prev_ of a free slot; a stale position
  var kFirst = 1, kLast = 2, kBefore = 3, kAfter = 4;  // #PB_List_First, ...
  var kNoLinks = new Int32Array(0);  // an empty list's, until it grows

  // links with room for twice as many slots
  function grown(links) {
    var bigger = new Int32Array(Math.max(8, links.length * 2));
    bigger.set(links);
    return bigger;
  }

  function cLinkedList(kind) {
    this.kind_ = kind;             // structure constructor, first value, or undefined
    this.structured_ = typeof kind === 'function';
    this.holdsText_ = false;       // a text was stored: new elements start as ""
    this.freed_ = false;
    this.positions_ = null;        // PushListPosition's stack of slots
    this.handles_ = null;          // structure object -> slot, made on first need
    this.empty_();
  }

  cLinkedList.prototype.empty_ = function () {
    this.data_ = [];
    this.linked_ = false;          // dense until an element goes in before the end or out
    this.prev_ = kNoLinks;
    this.next_ = kNoLinks;
    this.first_ = kNone;           // the ends and the position, kept once linked
    this.last_ = kNone;
    this.cur_ = kNone;
    this.index_ = -1;
    this.indexKnown_ = true;       // index_ is the current element's position
    this.size_ = 0;
    this.free_ = kNone;            // free slots, chained through next_
    this.handles_ = null;
  };

  // The value of a new element: a new structure, the declared first value,
  // or "" once the list has held a text.
  cLinkedList.prototype.newValue_ = function () {
    var kind = this.kind_;
    if (kind === undefined) return this.holdsText_ ? '' : 0;
    return typeof kind === 'function' ? new kind() : kind;
  };

  cLinkedList.prototype.handleOf_ = function (slot) {
    if (slot < 0) return 0;
    return this.structured_ ? this.data_[slot] : slot + 1;
  };

  // The slot a handle names, or kNone when it names no element of the list.
  cLinkedList.prototype.slotOf_ = function (handle) {
    if (typeof handle === 'object' && handle !== null) {
      if (this.handles_ === null) this.indexHandles_();
      var slot = this.handles_.get(handle);
      return slot === undefined ? kNone : slot;
    }
    var s = Number(handle) - 1;
    return s >= 0 && s < this.data_.length && s === Math.floor(s) && this.prev_[s] !== kDead ? s : kNone;
  };

  cLinkedList.prototype.indexHandles_ = function () {
    this.handles_ = new Map();
    for (var s = this.firstSlot_(); s >= 0; s = this.nextOf_(s)) {
      var d = this.data_[s];
      if (typeof d === 'object' && d !== null) this.handles_.set(d, s);
    }
  };

  // The first and the last slot, and the slots after and before slot;
  // kNone at the ends.
  cLinkedList.prototype.firstSlot_ = function () {
    return this.linked_ ? this.first_ : this.size_ > 0 ? 0 : kNone;
  };

  cLinkedList.prototype.lastSlot_ = function () {
    return this.linked_ ? this.last_ : this.size_ - 1;
  };

  cLinkedList.prototype.nextOf_ = function (slot) {
    if (this.linked_) return this.next_[slot];
    return slot + 1 < this.size_ ? slot + 1 : kNone;
  };

  cLinkedList.prototype.prevOf_ = function (slot) {
    return this.linked_ ? this.prev_[slot] : slot - 1;
  };

  // A dense list becomes linked: slot s is followed by s + 1.
  cLinkedList.prototype.toLinked_ = function () {
    var n = this.data_.length, room = 8;
    while (room < n) room *= 2;
    var prev = new Int32Array(room), next = new Int32Array(room);
    for (var s = 0; s < n; s++) {
      prev[s] = s - 1;
      next[s] = s + 1;
    }
    if (n > 0) next[n - 1] = kNone;
    this.prev_ = prev;
    this.next_ = next;
    this.first_ = n > 0 ? 0 : kNone;
    this.last_ = n - 1;
    this.index_ = this.cur_;
    this.indexKnown_ = true;
    this.linked_ = true;
  };

  // A new slot holding value, linked between after and before (kNone for
  // the ends); a free slot is taken first. On a dense list a value after
  // the last element just goes at the end.
  cLinkedList.prototype.link_ = function (value, after, before) {
    if (!this.linked_) {
      if (before < 0) return this.append_(value);
      this.toLinked_();
    }
    var slot = this.free_;
    if (slot < 0) {
      slot = this.data_.length;
      if (slot >= this.prev_.length) {
        this.prev_ = grown(this.prev_);
        this.next_ = grown(this.next_);
      }
      this.data_.push(value);
    } else {
      this.free_ = this.next_[slot];
      this.data_[slot] = value;
    }
    this.prev_[slot] = after;
    this.next_[slot] = before;
    if (after < 0) this.first_ = slot; else this.next_[after] = slot;
    if (before < 0) this.last_ = slot; else this.prev_[before] = slot;
    this.size_++;
    if (this.handles_ !== null && typeof value === 'object' && value !== null) this.handles_.set(value, slot);
    return slot;
  };

  cLinkedList.prototype.append_ = function (value) {
    var slot = this.data_.length;
    this.data_.push(value);
    this.size_++;
    if (this.handles_ !== null && typeof value === 'object' && value !== null) this.handles_.set(value, slot);
    return slot;
  };

  // Takes the slot out of the chain; it stays valid until release_.
  cLinkedList.prototype.unlink_ = function (slot) {
    if (!this.linked_) this.toLinked_();
    var p = this.prev_[slot], n = this.next_[slot];
    if (p < 0) this.first_ = n; else this.next_[p] = n;
    if (n < 0) this.last_ = p; else this.prev_[n] = p;
    this.size_--;
  };

  cLinkedList.prototype.release_ = function (slot) {
    if (this.handles_ !== null) this.handles_.delete(this.data_[slot]);
    if (this.positions_ !== null) forget(this.positions_, slot);
    this.data_[slot] = 0;
    this.prev_[slot] = kDead;
    this.next_[slot] = this.free_;
    this.free_ = slot;
  };

  function forget(positions, slot) {
    for (var i = 0; i < positions.length; i++) if (positions[i] === slot) positions[i] = kDead;
  }

  // A list given an object to hold (AddElement(new Point)) holds
  // structures of its constructor.
  cLinkedList.prototype.learnKind_ = function (data) {
    if (typeof data !== 'object' || data === null) return;
    this.structured_ = true;
    if (this.kind_ === undefined) this.kind_ = data.constructor;
  };

  // AddElement inserts after the current element (at the front when there
  // is none) and makes the new element current. The common case, a dense
  // list growing at its end, takes the short way.
  cLinkedList.prototype.AddElement = function (data) {
    var slot = this.cur_ + 1;
    if (slot === this.data_.length && !this.linked_ && this.handles_ === null &&
        (data === undefined || this.structured_)) {
      var value = data === undefined ? this.newValue_() : data;
      this.data_.push(value);
      this.cur_ = slot;
      this.size_ = slot + 1;
      if (this.freed_) this.freed_ = false;
      return this.structured_ ? value : slot + 1;
    }
    return this.add_(data);
  };

  cLinkedList.prototype.add_ = function (data) {
    if (data !== undefined && !this.structured_) this.learnKind_(data);
    var after = this.cur_;
    var before = after < 0 ? this.firstSlot_() : this.nextOf_(after);
    this.cur_ = this.link_(data === undefined ? this.newValue_() : data, after, before);
    this.index_ = after < 0 ? 0 : this.index_ + 1;
    if (after < 0) this.indexKnown_ = true;
    this.freed_ = false;
    return this.handleOf_(this.cur_);
  };

  // InsertElement inserts before the current element (at the front when
  // there is none) and makes the new element current.
  cLinkedList.prototype.InsertElement = function (data) {
    if (data !== undefined && !this.structured_) this.learnKind_(data);
    var before = this.cur_ < 0 ? this.firstSlot_() : this.cur_;
    if (before >= 0 && !this.linked_) this.toLinked_();
    var after = before < 0 ? kNone : this.prev_[before];
    if (this.cur_ < 0) { this.index_ = 0; this.indexKnown_ = true; }
    this.cur_ = this.link_(data === undefined ? this.newValue_() : data, after, before);
    this.freed_ = false;
    return this.handleOf_(this.cur_);
  };

  cLinkedList.prototype.getData = function () {
    return this.cur_ >= 0 ? this.data_[this.cur_] : this.newValue_();
  };

  cLinkedList.prototype.setData = function (value) {
    var slot = this.cur_;
    if (typeof value === 'string') this.holdsText_ = true;
    if (slot < 0) return value;
    if (this.handles_ !== null) {
      this.handles_.delete(this.data_[slot]);
      if (typeof value === 'object' && value !== null) this.handles_.set(value, slot);
    }
    this.data_[slot] = value;
    return value;
  };

  // @items(): the current element's handle, 0 without one.
  cLinkedList.prototype.elementHandle = function () { return this.handleOf_(this.cur_); };

  cLinkedList.prototype.ListSize = function () { return this.freed_ ? -1 : this.size_; };

  // The position is counted back from the current element when a command
  // that moves elements around (a sort, ChangeCurrentElement, ...) made it
  // unknown.
  cLinkedList.prototype.ListIndex = function () {
    if (!this.linked_) return this.cur_;
    if (!this.indexKnown_) {
      var i = -1;
      for (var s = this.cur_; s >= 0; s = this.prevOf_(s)) i++;
      this.index_ = i;
      this.indexKnown_ = true;
    }
    return this.index_;
  };

  cLinkedList.prototype.ClearList = function () {
    if (this.positions_ !== null) for (var i = 0; i < this.positions_.length; i++) this.positions_[i] = kDead;
    this.empty_();
  };

  cLinkedList.prototype.ResetList = function () {
    this.cur_ = kNone;
    this.index_ = -1;
    this.indexKnown_ = true;
  };

  cLinkedList.prototype.at_ = function (slot, index) {
    this.cur_ = slot;
    this.index_ = index;
    this.indexKnown_ = true;
    return this.handleOf_(slot);
  };

  // On an empty list the current element stays as it was (none).
  cLinkedList.prototype.FirstElement = function () {
    var first = this.firstSlot_();
    return first < 0 ? 0 : this.at_(first, 0);
  };

  cLinkedList.prototype.LastElement = function () {
    var last = this.lastSlot_();
    return last < 0 ? 0 : this.at_(last, this.size_ - 1);
  };

  // From before the first element the next one is the first; at the last
  // element NextElement answers 0 and the current element stays.
  cLinkedList.prototype.NextElement = function () {
    var next = this.cur_ < 0 ? this.firstSlot_() : this.nextOf_(this.cur_);
    if (next < 0) return 0;
    this.cur_ = next;
    this.index_++;
    return this.handleOf_(next);
  };

  cLinkedList.prototype.PreviousElement = function () {
    var prev = this.cur_ < 0 ? kNone : this.prevOf_(this.cur_);
    if (prev < 0) return 0;
    this.cur_ = prev;
    this.index_--;
    return this.handleOf_(prev);
  };

  // The element before the deleted one becomes current; deleting the first
  // element leaves the list before its (new) first element, so ListIndex is
  // -1 and NextElement or ForEach go on with the element that followed,
  // unless flags is 1: then that element becomes current.
  cLinkedList.prototype.DeleteElement = function (flags) {
    var slot = this.cur_;
    if (slot < 0) return 0;
    var prev = this.prevOf_(slot);
    this.unlink_(slot);
    this.release_(slot);
    this.cur_ = prev;
    this.index_--;
    if (prev < 0) {
      this.index_ = -1;
      this.indexKnown_ = true;
      if (Number(flags) === 1 && this.first_ >= 0) return this.at_(this.first_, 0);
    }
    return this.handleOf_(prev);
  };

  // SelectElement(0) is the first element; a position outside the list
  // answers 0 and keeps the current element. The walk starts from the
  // nearest of the first, the current and the last element.
  cLinkedList.prototype.SelectElement = function (position) {
    var target = Math.trunc(Number(position));
    if (!(target >= 0 && target < this.size_)) return 0;
    if (!this.linked_) return this.at_(target, target);
    var slot = this.first_, at = 0;
    if (this.cur_ >= 0 && this.indexKnown_ && Math.abs(target - this.index_) < target) {
      slot = this.cur_;
      at = this.index_;
    }
    if (this.size_ - 1 - target < Math.abs(target - at)) {
      slot = this.last_;
      at = this.size_ - 1;
    }
    for (; at < target; at++) slot = this.next_[slot];
    for (; at > target; at--) slot = this.prev_[slot];
    return this.at_(slot, target);
  };

  // ForEach items() { ... }: ForEach_Init goes before the first element,
  // each ForEach() steps to the next one and answers whether there is one
  // (after the loop the last element stays current, as after NextElement).
  // A DeleteElement inside the loop goes back one element and an
  // AddElement makes the new element current, so the loop goes on with the
  // element after the current one.
  cLinkedList.prototype.ForEach_Init = function () { this.ResetList(); };

  cLinkedList.prototype.ForEach = function () {
    var cur = this.cur_;
    var next = this.linked_ ? (cur < 0 ? this.first_ : this.next_[cur]) : cur + 1 < this.size_ ? cur + 1 : kNone;
    if (next < 0) return false;
    this.cur_ = next;
    this.index_++;
    return true;
  };

  // The values in order, and a value like the elements (a new structure,
  // the declared first value, else the first element's value, undefined
  // for an empty untyped list), for code that reads or fills a list (cJson).
  cLinkedList.prototype.values = function () {
    if (!this.linked_) return this.data_.slice();
    var out = [];
    for (var s = this.first_; s >= 0; s = this.next_[s]) out.push(this.data_[s]);
    return out;
  };

  cLinkedList.prototype.sample = function () {
    if (typeof this.kind_ === 'function') return new this.kind_();
    return this.size_ > 0 ? this.data_[this.firstSlot_()] : this.kind_;
  };

  // The slots from position from to position to (both included), in
  // order, for the sorts and shuffles of cSort.
  cLinkedList.prototype.slots_ = function (from, to) {
    if (!this.linked_) this.toLinked_();
    var out = [], s = this.first_, i = 0;
    for (; i < from; i++) s = this.next_[s];
    for (; i <= to; i++) { out.push(s); s = this.next_[s]; }
    return out;
  };

  // Links the given slots, which held a run of positions between the
  // slots after and before, again in the order given. The elements keep
  // their handles and the current element stays, at a new position.
  cLinkedList.prototype.relink_ = function (slots, after, before) {
    var prev = after;
    for (var i = 0; i < slots.length; i++) {
      var s = slots[i];
      this.prev_[s] = prev;
      if (prev < 0) this.first_ = s; else this.next_[prev] = s;
      prev = s;
    }
    if (prev < 0) this.first_ = before; else this.next_[prev] = before;
    if (before < 0) this.last_ = prev; else this.prev_[before] = prev;
    if (this.cur_ >= 0) this.indexKnown_ = false;
  };

  // A deep copy for CopyList and CopyMap: structures field by field, with
  // the arrays, lists and maps they hold.
  function copyValue(value) {
    if (typeof value !== 'object' || value === null) return value;
    if (typeof value.copy_ === 'function') return value.copy_();
    if (ArrayBuffer.isView(value)) return value.slice();
    if (Array.isArray(value)) return value.map(copyValue);
    var copy = Object.create(Object.getPrototypeOf(value));
    for (var name in value) {
      if (Object.prototype.hasOwnProperty.call(value, name)) copy[name] = copyValue(value[name]);
    }
    return copy;
  }

  // Whether two containers may hold the same kind of element: two known
  // structures must be the same, two known first values of one type.
  function sameKind(a, b) {
    if (a === undefined || b === undefined) return true;
    if (typeof a === 'function' || typeof b === 'function') return a === b;
    return typeof a === typeof b;
  }

  cLinkedList.prototype.copy_ = function () {
    var copy = new cLinkedList(this.kind_);
    copyInto(this, copy);
    return copy;
  };

  function copyInto(src, dst) {
    dst.ClearList();
    dst.takeKind_(src);
    for (var s = src.firstSlot_(); s >= 0; s = src.nextOf_(s)) dst.link_(copyValue(src.data_[s]), dst.lastSlot_(), kNone);
  }

  cLinkedList.prototype.takeKind_ = function (src) {
    if (this.kind_ === undefined) this.kind_ = src.kind_;
    if (src.structured_) this.structured_ = true;
    if (src.holdsText_) this.holdsText_ = true;
    this.freed_ = false;
  };

  // The library commands, given the list itself.

  function list(argument) {
    return argument instanceof cLinkedList ? argument : null;
  }

  // CopyList(src(), dst()): dst is cleared and gets a copy of every
  // element, without a current element; src stays as it is. Lists of
  // different element types are not copied (the answer is 0).
  cLinkedList.CopyList = function (src, dst) {
    src = list(src);
    dst = list(dst);
    if (!src || !dst || !sameKind(src.kind_, dst.kind_)) return 0;
    if (src !== dst) copyInto(src, dst);
    return 1;
  };

  // MergeLists(src(), dst()[, location]): every element of src moves into
  // dst, at its end (#PB_List_Last, the default), its start
  // (#PB_List_First), or before or after dst's current element (at the
  // start without one); src ends empty, dst keeps its current element.
  cLinkedList.MergeLists = function (src, dst, location) {
    src = list(src);
    dst = list(dst);
    if (!src || !dst || src === dst) return;
    var where = location === undefined ? kLast : Number(location);
    var after = dst.lastSlot_();
    if (where === kFirst) after = kNone;
    else if (where === kBefore) after = dst.cur_ < 0 ? kNone : dst.prevOf_(dst.cur_);
    else if (where === kAfter) after = dst.cur_;
    var before = after < 0 ? dst.firstSlot_() : dst.nextOf_(after);
    dst.takeKind_(src);
    var count = 0;
    for (var s = src.firstSlot_(); s >= 0; s = src.nextOf_(s), count++) after = dst.link_(src.data_[s], after, before);
    if (dst.cur_ >= 0 && (where === kFirst || where === kBefore)) dst.index_ += count;
    src.ClearList();
  };

  // SplitList(src(), dst()[, keep]): the current element of src and all
  // after it move to dst, which is cleared first and has no current
  // element; with keep = #True the current element stays in src and those
  // after it move. src's last remaining element becomes its current one.
  // Without a current element nothing moves.
  cLinkedList.SplitList = function (src, dst, keep) {
    src = list(src);
    dst = list(dst);
    if (!src || !dst || src === dst) return;
    dst.ClearList();
    dst.takeKind_(src);
    if (src.cur_ < 0) return;
    if (!src.linked_) src.toLinked_();
    var kept = keep !== undefined && Number(keep) !== 0;
    var start = kept ? src.next_[src.cur_] : src.cur_;
    if (!kept) {
      src.cur_ = src.prev_[start];
      src.index_--;
    }
    for (var s = start; s >= 0;) {
      var next = src.next_[s];
      dst.link_(src.data_[s], dst.lastSlot_(), kNone);
      src.unlink_(s);
      src.release_(s);
      s = next;
    }
  };

  // SwapElements(list(), *a, *b): the two elements change places; every
  // element keeps its handle and the current element stays current.
  cLinkedList.SwapElements = function (argument, first, second) {
    var l = list(argument);
    if (!l) return;
    var a = l.slotOf_(first), b = l.slotOf_(second);
    if (a < 0 || b < 0 || a === b) return;
    if (!l.linked_) l.toLinked_();
    if (l.next_[a] === b) l.moveBefore_(b, a);
    else if (l.next_[b] === a) l.moveBefore_(a, b);
    else {
      var afterA = l.prev_[a];
      l.moveBefore_(a, b);
      l.moveAfter_(b, afterA);
    }
    if (l.cur_ === a || l.cur_ === b) l.indexKnown_ = false;
  };

  // The slot taken out and linked again before the slot before (kNone: at
  // the end), or after the slot after (kNone: at the start).
  cLinkedList.prototype.moveBefore_ = function (slot, before) {
    this.unlink_(slot);
    this.relinkSlot_(slot, before < 0 ? this.last_ : this.prev_[before], before);
  };

  cLinkedList.prototype.moveAfter_ = function (slot, after) {
    this.unlink_(slot);
    this.relinkSlot_(slot, after, after < 0 ? this.first_ : this.next_[after]);
  };

  cLinkedList.prototype.relinkSlot_ = function (slot, after, before) {
    this.prev_[slot] = after;
    this.next_[slot] = before;
    if (after < 0) this.first_ = slot; else this.next_[after] = slot;
    if (before < 0) this.last_ = slot; else this.prev_[before] = slot;
    this.size_++;
  };

  // MoveElement(list(), location[, *relative]): the current element moves
  // to the start, the end, or before or after the relative element, and
  // stays current.
  cLinkedList.MoveElement = function (argument, location, relative) {
    var l = list(argument);
    if (!l || l.cur_ < 0) return;
    if (!l.linked_) l.toLinked_();
    var slot = l.cur_, where = Number(location);
    if (where === kFirst) {
      l.moveAfter_(slot, kNone);
      l.at_(slot, 0);
    } else if (where === kLast) {
      l.moveBefore_(slot, kNone);
      l.at_(slot, l.size_ - 1);
    } else if (where === kBefore || where === kAfter) {
      var other = l.slotOf_(relative);
      if (other < 0 || other === slot) return;
      if (where === kBefore) l.moveBefore_(slot, other); else l.moveAfter_(slot, other);
      l.indexKnown_ = false;
    }
  };

  // ChangeCurrentElement(list(), *element): the element of that handle
  // becomes current; a handle of no element of the list changes nothing.
  cLinkedList.ChangeCurrentElement = function (argument, handle) {
    var l = list(argument);
    if (!l) return;
    var slot = l.slotOf_(handle);
    if (slot >= 0) l.current_(slot);
  };

  // The slot becomes current; its position is known at once in a dense
  // list, counted when asked for in a linked one.
  cLinkedList.prototype.current_ = function (slot) {
    this.cur_ = slot;
    this.index_ = slot;
    this.indexKnown_ = !this.linked_;
  };

  // PushListPosition(list()) remembers the current element (or none);
  // PopListPosition(list()) makes the last one remembered current again.
  // When that element was deleted meanwhile, the list is left without a
  // current element, as after ResetList.
  cLinkedList.PushListPosition = function (argument) {
    var l = list(argument);
    if (!l) return;
    if (l.positions_ === null) l.positions_ = [];
    l.positions_.push(l.cur_);
  };

  cLinkedList.PopListPosition = function (argument) {
    var l = list(argument);
    if (!l || l.positions_ === null) return;
    var slot = l.positions_.pop();
    if (l.positions_.length === 0) l.positions_ = null;
    if (slot < 0) l.ResetList(); else l.current_(slot);
  };

  cLinkedList.ResetList = function (argument) {
    var l = list(argument);
    if (l) l.ResetList();
  };

  // FreeList(list()): the elements go; ListSize answers -1 until an
  // element is added again.
  cLinkedList.FreeList = function (argument) {
    var l = list(argument);
    if (!l) return;
    l.ClearList();
    l.positions_ = null;
    l.freed_ = true;
  };

  cLinkedList.InsertElement = function (argument) {
    var l = list(argument);
    return l ? l.InsertElement() : 0;
  };

  cLinkedList.copyValue = copyValue;  // for cMap
  cLinkedList.sameKind = sameKind;

  // the PureBasic type of each command's result, for the converter
  cLinkedList.returns = {
    CopyList: 'i', MergeLists: '', SplitList: '', SwapElements: '', MoveElement: '',
    ChangeCurrentElement: '', PushListPosition: '', PopListPosition: '', ResetList: '',
    FreeList: '', InsertElement: 'i'
  };
  // the arguments that take the whole list (the converter passes "items",
  // not the element "items.getData()")
  cLinkedList.containers = {
    CopyList: [0, 1], MergeLists: [0, 1], SplitList: [0, 1], SwapElements: [0], MoveElement: [0],
    ChangeCurrentElement: [0], PushListPosition: [0], PopListPosition: [0], ResetList: [0],
    FreeList: [0], InsertElement: [0]
  };
  return cLinkedList;
})();
