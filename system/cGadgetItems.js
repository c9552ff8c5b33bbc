// cGadgetItems: the gadgets that hold items, as kinds of cGadget's table:
// ListView, ListIcon (with its columns), Tree, ComboBox and Editor.
// Emitted calls are cGadget's: cGadget.ListViewGadget(...),
// cGadget.AddGadgetItem(#G, position, text$), cGadget.GetGadgetItemText,
// cGadget.AddGadgetColumn and the other item commands.
// Rows are chosen by click (several with Ctrl and Shift in a multi-select
// list) and by Up and Down; an editor's lines are its items, joined with a
// line feed as on Linux.
(function (kit) {
  var num = kit.num, text = kit.text, el = kit.el, on = kit.on, send = kit.send,
      focusEvents = kit.focusEvents, insertAt = kit.insertAt,
      validIndex = kit.validIndex, clamp = kit.clamp, filterInput = kit.filterInput;
  var kLeftClick = 0, kRightClick = 1, kLeftDoubleClick = 2, kChange = 768;

  // ---- Lists of rows: ListView, ListIcon, Tree ----

  // Rows of items with one selection (or several with multi); item is
  // { texts, state, data, element, level }.
  function RowList(g, multi, clickSelect) {
    g.items = [];
    g.multi = multi;
    g.clickSelect = clickSelect;
    g.anchor = -1;
  }

  function selectedIndexes(g) {
    var out = [];
    g.items.forEach(function (item, i) { if (item.selected) out.push(i); });
    return out;
  }

  function showSelection(g) {
    g.items.forEach(function (item) {
      if (item.element) item.element.classList.toggle('pb-selected', !!item.selected);
    });
  }

  function selectOnly(g, index) {
    g.items.forEach(function (item, i) { item.selected = i === index; });
    g.anchor = index;
    showSelection(g);
    var item = g.items[index];
    if (item && item.element.scrollIntoView) item.element.scrollIntoView({ block: 'nearest' });
  }

  function clickRow(g, index, e) {
    if (g.clickSelect) {
      g.items[index].selected = !g.items[index].selected;
    } else if (g.multi && (e.ctrlKey || e.metaKey)) {
      g.items[index].selected = !g.items[index].selected;
      g.anchor = index;
    } else if (g.multi && e.shiftKey && g.anchor >= 0) {
      var a = Math.min(g.anchor, index), b = Math.max(g.anchor, index);
      g.items.forEach(function (item, i) { item.selected = i >= a && i <= b; });
    } else {
      selectOnly(g, index);
      return;
    }
    showSelection(g);
  }

  function rowIndex(g, element) {
    for (var e = element; e && e !== g.target; e = e.parentNode) {
      for (var i = 0; i < g.items.length; i++) if (g.items[i].element === e) return i;
    }
    return -1;
  }

  function visibleRows(g) {
    var out = [];
    g.items.forEach(function (item, i) { if (item.element.style.display !== 'none') out.push(i); });
    return out;
  }

  // Clicks choose rows; Up and Down move the selection.
  function listenToRows(g) {
    var target = g.target = g.target || g.box;
    target.tabIndex = 0;
    on(target, 'mousedown', function (e) {
      var i = rowIndex(g, e.target);
      if (i >= 0 && e.button === 0 && !e.target.classList.contains('pb-tree-toggle') &&
          e.target.type !== 'checkbox') clickRow(g, i, e);
    });
    on(target, 'click', function (e) { if (rowIndex(g, e.target) >= 0) send(g, kLeftClick); });
    on(target, 'dblclick', function (e) { if (rowIndex(g, e.target) >= 0) send(g, kLeftDoubleClick); });
    on(target, 'contextmenu', function (e) {
      var i = rowIndex(g, e.target);
      if (i < 0) return;
      e.preventDefault();
      if (!g.items[i].selected) selectOnly(g, i);
      send(g, kRightClick);
    });
    on(target, 'keydown', function (e) {
      if (e.key !== 'ArrowUp' && e.key !== 'ArrowDown') return;
      e.preventDefault();
      var rows = visibleRows(g);
      if (!rows.length) return;
      var at = rows.indexOf(selectedIndexes(g)[0]);
      var next = at < 0 ? 0 : clamp(at + (e.key === 'ArrowDown' ? 1 : -1), 0, rows.length - 1);
      if (rows[next] === selectedIndexes(g)[0]) return;
      selectOnly(g, rows[next]);
      send(g, kChange);
    });
  }

  function rowsState(g) {
    var s = selectedIndexes(g);
    return s.length ? s[0] : -1;
  }

  function setRowsState(g, value) {
    var i = validIndex(g.items, value);
    selectOnly(g, i);
  }

  function removeRow(g, index) {
    var i = validIndex(g.items, index);
    if (i < 0) return;
    var item = g.items.splice(i, 1)[0];
    if (item.element && item.element.parentNode) item.element.parentNode.removeChild(item.element);
  }

  function clearRows(g) {
    g.items.forEach(function (item) {
      if (item.element.parentNode) item.element.parentNode.removeChild(item.element);
    });
    g.items = [];
  }

  function insertRow(g, container, index, element) {
    var after = g.items[index + 1];
    container.insertBefore(element, after && after.element ? after.element : null);
  }

  // ---- Row kinds ----

  var kListViewMulti = 1, kListViewClick = 2;

  var ListView = {
    type: 6,
    build: function (g, args) {
      var flags = num(args[0]);
      g.box = el('div', 'pb-listview');
      RowList(g, !!(flags & (kListViewMulti | kListViewClick)), !!(flags & kListViewClick));
      listenToRows(g);
    },
    addItem: function (g, position, t) {
      var i = insertAt(g.items.length, position);
      var item = { texts: [text(t)], selected: false, data: 0, element: el('div', 'pb-item') };
      item.element.textContent = item.texts[0];
      g.items.splice(i, 0, item);
      insertRow(g, g.box, i, item.element);
    },
    removeItem: removeRow, clearItems: clearRows,
    countItems: function (g) { return g.items.length; },
    getItemText: function (g, i) { return g.items[i].texts[0]; },
    setItemText: function (g, i, t) {
      g.items[i].texts[0] = text(t);
      g.items[i].element.textContent = text(t);
    },
    getItemState: function (g, i) { return g.items[i].selected ? 1 : 0; },
    setItemState: function (g, i, v) { g.items[i].selected = !!v; showSelection(g); },
    getState: rowsState, setState: setRowsState,
    getText: function (g) { var i = rowsState(g); return i < 0 ? '' : g.items[i].texts[0]; },
    // SetGadgetText selects the item with exactly that text.
    setText: function (g, t) {
      var s = text(t), found = -1;
      g.items.forEach(function (item, i) { if (found < 0 && item.texts[0] === s) found = i; });
      if (found >= 0) selectOnly(g, found);
    }
  };

  var kIconCheckBoxes = 1, kIconMulti = 4, kIconGrid = 8;
  var kIconSelected = 1, kIconChecked = 2;
  var kIconColumnCount = 1, kIconColumnWidth = 2;

  function iconCell(row, width) {
    var cell = el('div', 'pb-cell', row);
    cell.style.width = width + 'px';
    return cell;
  }

  function drawIconRow(g, item) {
    var row = item.element;
    while (row.firstChild) row.removeChild(row.firstChild);
    g.columns.forEach(function (column, c) {
      var cell = iconCell(row, column.width);
      if (c === 0 && g.checkBoxes) {
        var box = el('input', 'pb-item-check', cell);
        box.type = 'checkbox';
        box.checked = !!item.checked;
        on(box, 'click', function () {
          item.checked = box.checked;
          send(g, kChange);
        });
      }
      cell.appendChild(document.createTextNode(item.texts[c] || ''));
    });
  }

  function drawIconHeader(g) {
    var header = g.header;
    while (header.firstChild) header.removeChild(header.firstChild);
    g.columns.forEach(function (column) { iconCell(header, column.width).textContent = column.title; });
  }

  var ListIcon = {
    type: 12,
    // ListIconGadget(#G, x, y, w, h, title0$, width0[, flags])
    build: function (g, args) {
      var flags = num(args[2]);
      g.box = el('div', 'pb-listicon');
      if (flags & kIconGrid) g.box.classList.add('pb-grid');
      g.header = el('div', 'pb-listicon-header', g.box);
      g.body = el('div', 'pb-listicon-body', g.box);
      g.columns = [{ title: text(args[0]), width: Math.round(num(args[1])) }];
      g.checkBoxes = !!(flags & kIconCheckBoxes);
      RowList(g, !!(flags & kIconMulti), false);
      drawIconHeader(g);
      listenToRows(g);
    },
    // Columns of the item's text are separated by Chr(10).
    addItem: function (g, position, t) {
      var i = insertAt(g.items.length, position);
      var item = { texts: text(t).split('\n'), selected: false, checked: false, data: 0,
                   element: el('div', 'pb-item') };
      drawIconRow(g, item);
      g.items.splice(i, 0, item);
      insertRow(g, g.body, i, item.element);
    },
    removeItem: removeRow, clearItems: clearRows,
    countItems: function (g) { return g.items.length; },
    // Item -1 is the header.
    getItemText: function (g, i, column) {
      var c = num(column);
      return i === -1 ? (g.columns[c] ? g.columns[c].title : '') : g.items[i].texts[c] || '';
    },
    setItemText: function (g, i, t, column) {
      var c = num(column);
      if (i === -1) {
        if (g.columns[c]) g.columns[c].title = text(t);
        drawIconHeader(g);
        return;
      }
      g.items[i].texts[c] = text(t);
      drawIconRow(g, g.items[i]);
    },
    headerItem: true,
    getItemState: function (g, i) {
      return (g.items[i].selected ? kIconSelected : 0) | (g.items[i].checked ? kIconChecked : 0);
    },
    setItemState: function (g, i, v) {
      var item = g.items[i];
      item.selected = !!(num(v) & kIconSelected);
      item.checked = !!(num(v) & kIconChecked);
      drawIconRow(g, item);
      showSelection(g);
    },
    getState: rowsState, setState: setRowsState,
    getText: function (g) { var i = rowsState(g); return i < 0 ? '' : g.items[i].texts[0]; },
    getAttribute: function (g, a) { return a === kIconColumnCount ? g.columns.length : 0; },
    // AddGadgetColumn(#G, position, title$, width)
    addColumn: function (g, position, title, width) {
      var c = insertAt(g.columns.length, position);
      g.columns.splice(c, 0, { title: text(title), width: Math.round(num(width)) });
      g.items.forEach(function (item) { item.texts.splice(c, 0, ''); drawIconRow(g, item); });
      drawIconHeader(g);
    },
    removeColumn: function (g, column) {
      var c = validIndex(g.columns, column);
      if (c < 0) return;
      g.columns.splice(c, 1);
      g.items.forEach(function (item) { item.texts.splice(c, 1); drawIconRow(g, item); });
      drawIconHeader(g);
    },
    getItemAttribute: function (g, i, a, column) {
      var c = g.columns[num(column)];
      return a === kIconColumnWidth && c ? c.width : 0;
    },
    setItemAttribute: function (g, i, a, value, column) {
      var c = g.columns[num(column)];
      if (a !== kIconColumnWidth || !c) return;
      c.width = Math.round(num(value));
      drawIconHeader(g);
      g.items.forEach(function (item) { drawIconRow(g, item); });
    }
  };

  var kTreeSelected = 1, kTreeExpanded = 2, kTreeCollapsed = 4, kTreeChecked = 8;

  // A tree's items are one list; each has a level, and an item shows while
  // every item above it at a lower level is expanded.
  function drawTree(g) {
    var open = [];
    g.items.forEach(function (item, i) {
      open.length = item.level;
      var shown = open.every(function (x) { return x; });
      var next = g.items[i + 1];
      var parent = !!next && next.level > item.level;
      item.element.style.display = shown ? '' : 'none';
      item.element.style.paddingLeft = (4 + item.level * 16) + 'px';
      item.toggle.textContent = parent ? (item.expanded ? '\u2212' : '+') : '';
      item.toggle.classList.toggle('pb-tree-leaf', !parent);
      open[item.level] = item.expanded;
    });
  }

  // Items added one after another are drawn once, when the program's
  // statements have run.
  function drawTreeLater(g) {
    if (g.drawLater) return;
    g.drawLater = true;
    Promise.resolve().then(function () {
      g.drawLater = false;
      drawTree(g);
    });
  }

  var Tree = {
    type: 27,
    build: function (g, args) {
      g.box = el('div', 'pb-tree');
      g.checkBoxes = !!(num(args[0]) & 8);
      RowList(g, false, false);
      listenToRows(g);
      on(g.box, 'click', function (e) {
        if (!e.target.classList.contains('pb-tree-toggle')) return;
        var i = rowIndex(g, e.target);
        if (i >= 0) { g.items[i].expanded = !g.items[i].expanded; drawTree(g); }
      });
    },
    // AddGadgetItem(#Tree, position, text$, imageID, sublevel)
    addItem: function (g, position, t, image, level) {
      var i = insertAt(g.items.length, position);
      var item = { texts: [text(t)], selected: false, expanded: false, checked: false, data: 0,
                   level: Math.max(0, Math.round(num(level))), element: el('div', 'pb-item') };
      item.toggle = el('span', 'pb-tree-toggle', item.element);
      if (g.checkBoxes) {
        var box = el('input', 'pb-item-check', item.element);
        box.type = 'checkbox';
        on(box, 'click', function () { item.checked = box.checked; item.box = box; });
        item.box = box;
      }
      item.label = el('span', 'pb-tree-text', item.element);
      item.label.textContent = item.texts[0];
      // hidden under its (collapsed) parent until the tree is drawn
      if (item.level > 0) item.element.style.display = 'none';
      g.items.splice(i, 0, item);
      insertRow(g, g.box, i, item.element);
      drawTreeLater(g);
    },
    removeItem: function (g, index) {
      var i = validIndex(g.items, index);
      if (i < 0) return;
      var level = g.items[i].level;
      removeRow(g, i);
      while (i < g.items.length && g.items[i].level > level) removeRow(g, i);
      drawTree(g);
    },
    clearItems: clearRows,
    countItems: function (g) { return g.items.length; },
    getItemText: function (g, i) { return g.items[i].texts[0]; },
    setItemText: function (g, i, t) {
      g.items[i].texts[0] = text(t);
      g.items[i].label.textContent = text(t);
    },
    getItemState: function (g, i) {
      var item = g.items[i];
      return (item.selected ? kTreeSelected : 0) | (item.expanded ? kTreeExpanded : kTreeCollapsed) |
        (item.checked ? kTreeChecked : 0);
    },
    setItemState: function (g, i, v) {
      var item = g.items[i], s = num(v);
      if (s & kTreeExpanded) item.expanded = true;
      if (s & kTreeCollapsed) item.expanded = false;
      item.checked = !!(s & kTreeChecked);
      if (item.box) item.box.checked = item.checked;
      if (s & kTreeSelected) selectOnly(g, i);
      drawTree(g);
    },
    getState: rowsState, setState: setRowsState,
    getText: function (g) { var i = rowsState(g); return i < 0 ? '' : g.items[i].texts[0]; },
    getItemAttribute: function (g, i) { return g.items[i].level; }
  };

  // ---- Choices: ComboBox ----

  var kComboEditable = 1, kComboLower = 2, kComboUpper = 4;

  function comboOption(t) {
    var option = document.createElement('option');
    option.textContent = text(t);
    return option;
  }

  var ComboBox = {
    type: 8,
    // An editable box is a text field with the list as a drop-down beside
    // it; choosing an item puts its text in the field.
    build: function (g, args) {
      var flags = num(args[0]);
      g.items = [];
      g.editable = !!(flags & kComboEditable);
      g.box = el('div', 'pb-combobox' + (g.editable ? ' pb-editable' : ''));
      g.select = el('select', '', g.box);
      g.select.selectedIndex = -1;
      if (g.editable) {
        g.target = el('input', '', g.box);
        g.target.type = 'text';
        g.target.spellcheck = false;
        on(g.target, 'input', function () {
          filterInput(g.target, false, flags & kComboLower, flags & kComboUpper);
          send(g, kChange);
        });
        focusEvents(g, g.target);
      } else {
        g.target = g.select;
      }
      on(g.select, 'change', function () {
        if (g.editable) {
          g.target.value = g.select.selectedIndex >= 0 ? g.items[g.select.selectedIndex] : '';
          g.target.focus();
        }
        send(g, kChange);
      });
    },
    addItem: function (g, position, t) {
      var i = insertAt(g.items.length, position), keep = g.select.selectedIndex;
      g.items.splice(i, 0, text(t));
      g.select.insertBefore(comboOption(t), g.select.options[i] || null);
      // a new item never becomes the selection by itself
      g.select.selectedIndex = keep >= i && keep >= 0 ? keep + 1 : keep;
    },
    removeItem: function (g, index) {
      var i = validIndex(g.items, index);
      if (i < 0) return;
      g.items.splice(i, 1);
      g.select.remove(i);
    },
    clearItems: function (g) {
      g.items = [];
      while (g.select.options.length) g.select.remove(0);
      g.select.selectedIndex = -1;
    },
    countItems: function (g) { return g.items.length; },
    getItemText: function (g, i) { return g.items[i]; },
    setItemText: function (g, i, t) { g.items[i] = text(t); g.select.options[i].textContent = text(t); },
    getState: function (g) {
      if (!g.editable) return g.select.selectedIndex;
      var i = g.select.selectedIndex;
      return i >= 0 && g.items[i] === g.target.value ? i : g.items.indexOf(g.target.value);
    },
    setState: function (g, v) {
      var i = validIndex(g.items, v);
      g.select.selectedIndex = i;
      if (g.editable) g.target.value = i >= 0 ? g.items[i] : '';
    },
    getText: function (g) {
      if (g.editable) return g.target.value;
      var i = g.select.selectedIndex;
      return i >= 0 ? g.items[i] : '';
    },
    setText: function (g, t) {
      if (g.editable) { g.target.value = text(t); return; }
      var i = g.items.indexOf(text(t));
      if (i >= 0) g.select.selectedIndex = i;
    }
  };

  // ---- Text areas and numbers: Editor, Spin, TrackBar, ProgressBar, Date ----

  var kEditorReadOnly = 1, kEditorWordWrap = 2;

  // An editor's lines are kept as a list while the program changes them and
  // written into the text area once, when its statements have run; what
  // the user types makes the text area's text the one to read again.
  function lines(g) {
    if (!g.lines) g.lines = g.box.value === '' ? [] : g.box.value.split('\n');
    return g.lines;
  }

  function linesChanged(g) {
    if (g.writeLater) return;
    g.writeLater = true;
    Promise.resolve().then(function () { writeLines(g); });
  }

  function writeLines(g) {
    if (!g.writeLater) return;
    g.writeLater = false;
    g.box.value = g.lines.join('\n');
  }

  var Editor = {
    type: 22,
    build: function (g, args) {
      var flags = num(args[0]);
      g.box = el('textarea', 'pb-editor');
      g.box.readOnly = !!(flags & kEditorReadOnly);
      g.box.wrap = flags & kEditorWordWrap ? 'soft' : 'off';
      g.box.spellcheck = false;
      g.lines = [];
      on(g.box, 'input', function () {
        g.lines = null;
        send(g, kChange);
      });
      focusEvents(g, g.box);
    },
    getText: function (g) {
      writeLines(g);
      return g.box.value;
    },
    setText: function (g, t) {
      g.writeLater = false;
      g.lines = null;
      g.box.value = text(t).replace(/\r\n?/g, '\n');
    },
    // The lines are the items; an empty editor has none.
    countItems: function (g) { return lines(g).length; },
    addItem: function (g, position, t) {
      var list = lines(g);
      list.splice(insertAt(list.length, position), 0, text(t));
      linesChanged(g);
    },
    removeItem: function (g, index) {
      lines(g).splice(index, 1);
      linesChanged(g);
    },
    clearItems: function (g) {
      g.lines = [];
      linesChanged(g);
    },
    getItemText: function (g, i) { return lines(g)[i]; },
    setItemText: function (g, i, t) {
      lines(g)[i] = text(t);
      linesChanged(g);
    }
  };

  kit.kinds.ListView = ListView;
  kit.kinds.ListIcon = ListIcon;
  kit.kinds.Tree = Tree;
  kit.kinds.ComboBox = ComboBox;
  kit.kinds.Editor = Editor;
})(cGadget.kit);
