// cMenu: PureBasic's menus, as a menu bar in a window and pop-up lists.
// Emitted calls: cMenu.CreateMenu(#M, WindowID(#W)), cMenu.MenuTitle(t$),
// cMenu.MenuItem(id, t$), cMenu.MenuBar(), cMenu.OpenSubMenu(t$),
// cMenu.CloseSubMenu(), cMenu.SetMenuItemState(#M, id, state),
// cMenu.CreatePopupMenu(#M), cMenu.DisplayPopupMenu(#M, WindowID(#W)),
// cMenu.BindMenuEvent(#M, id, @Callback()) and the other Menu commands.
// The commands that build a menu add to the menu created last. Choosing an
// item sends #PB_Event_Menu with EventMenu() = the item's id and
// EventWindow() = the menu's window. An item's text may hold a Chr(9): the
// part after it (the shortcut's name) is shown on the right; the shortcut
// itself is made with AddKeyboardShortcut. Each item's element carries
// data-pb-menu with its id. The menu bar lies above the client area, so the
// window's inner size stays as the program opened it.
var cMenu = (function () {
  var W = cWindow, num = W.num, text = W.text, el = W.makeElement;
  var kAll = -1, kEventMenu = 13313, kBarHeight = 22;
  var hasPage = typeof document !== 'undefined';

  var menus = W.registry('Menu', release);
  var building = null;       // the menu the building commands add to
  var openBar = null;        // the menu bar whose list is open
  var mouse = { x: 0, y: 0 };

  function release(m) {
    if (building === m) building = null;
    if (openBar === m) openBar = null;
    if (m.element && m.element.parentNode) m.element.parentNode.removeChild(m.element);
    if (m.window && m.window.menu === m) m.window.menu = null;
  }

  function label(t) { return text(t).replace(/&(&?)/g, '$1'); }

  // CreateMenu(#M, WindowID(#W)): the window's menu bar.
  function CreateMenu(number, windowID) {
    var w = W.fromHandle(windowID);
    if (!w || !w.client) {
      W.debuggerError('CreateMenu', 'the WindowID is not valid.');
      return 0;
    }
    var n = menus.reserve('CreateMenu', number);
    if (n < 0) return 0;
    if (w.menu) menus.free(w.menu);
    var m = menus.add({ number: n, window: w, popup: false, titles: [], items: [], lists: [] });
    if (hasPage) {
      m.element = el('div', 'pb-menubar', w.menuSlot);
      listenToBar(m);
    }
    w.menu = m;
    building = m;
    W.fitDesktop();
    return W.created(number, m);
  }

  // CreatePopupMenu(#M): a list shown by DisplayPopupMenu.
  function CreatePopupMenu(number) {
    var n = menus.reserve('CreatePopupMenu', number);
    if (n < 0) return 0;
    var m = menus.add({ number: n, window: null, popup: true, titles: [], items: [], lists: [] });
    if (hasPage) {
      m.element = el('div', 'pb-menu-list pb-popup', document.body);
      m.lists = [m.element];
      listenToList(m, m.element);
    }
    building = m;
    return W.created(number, m);
  }

  function current(command) {
    if (!building || menus.find(building.number) !== building) {
      W.debuggerError(command, 'there is no current menu (use CreateMenu() first).');
      return null;
    }
    return building;
  }

  function currentList(command, m) {
    if (!m.lists.length) {
      W.debuggerError(command, 'the menu has no title yet (use MenuTitle() first).');
      return null;
    }
    return m.lists[m.lists.length - 1];
  }

  // MenuTitle(t$): a new title of the bar; the items that follow go in
  // its list.
  function MenuTitle(t) {
    var m = current('MenuTitle');
    if (!m || !hasPage) return 0;
    if (m.popup) return 0;
    var title = { text: text(t), element: el('div', 'pb-menu-title', m.element) };
    title.caption = el('span', 'pb-menu-caption', title.element);
    title.caption.textContent = label(t);
    title.list = el('div', 'pb-menu-list', title.element);
    listenToList(m, title.list);
    m.titles.push(title);
    m.lists = [title.list];
    return 1;
  }

  // MenuItem(id, t$[, imageID])
  function MenuItem(id, t, imageID) {
    var m = current('MenuItem');
    if (!m || !hasPage) return 0;
    var list = currentList('MenuItem', m);
    if (!list) return 0;
    var item = { id: num(id), state: 0, disabled: false, element: el('div', 'pb-menu-item', list) };
    item.element.dataset.pbMenu = String(item.id);
    el('span', 'pb-menu-check', item.element);
    item.caption = el('span', 'pb-menu-text', item.element);
    item.key = el('span', 'pb-menu-key', item.element);
    setItemText(item, t);
    m.items.push(item);
    return 1;
  }

  function setItemText(item, t) {
    item.text = text(t);
    var tab = item.text.indexOf('\t');
    item.caption.textContent = label(tab < 0 ? item.text : item.text.substring(0, tab));
    item.key.textContent = tab < 0 ? '' : item.text.substring(tab + 1);
  }

  function MenuBar() {
    var m = current('MenuBar');
    var list = m && hasPage ? currentList('MenuBar', m) : null;
    if (list) el('div', 'pb-menu-separator', list);
  }

  // OpenSubMenu(t$) ... CloseSubMenu(): a list inside the list.
  function OpenSubMenu(t) {
    var m = current('OpenSubMenu');
    var list = m && hasPage ? currentList('OpenSubMenu', m) : null;
    if (!list) return 0;
    var entry = el('div', 'pb-menu-item pb-submenu', list);
    el('span', 'pb-menu-check', entry);
    el('span', 'pb-menu-text', entry).textContent = label(t);
    el('span', 'pb-menu-key', entry).textContent = '\u25b8';
    var sub = el('div', 'pb-menu-list', entry);
    m.lists.push(sub);
    return 1;
  }

  function CloseSubMenu() {
    var m = current('CloseSubMenu');
    if (m && m.lists.length > 1) m.lists.pop();
  }

  // ---- Opening and choosing ----

  function closeBar() {
    if (!openBar) return;
    openBar.element.classList.remove('pb-open');
    openBar.titles.forEach(function (t) { t.element.classList.remove('pb-open'); });
    openBar = null;
  }

  function openTitle(m, title) {
    closeBar();
    closePopups();
    openBar = m;
    m.element.classList.add('pb-open');
    title.element.classList.add('pb-open');
  }

  // A click on a title opens its list (or closes it); while a list is
  // open, moving over another title opens that one.
  function listenToBar(m) {
    function titleAt(target) {
      return m.titles.filter(function (t) { return t.caption === target || t.element === target; })[0];
    }
    m.element.addEventListener('mousedown', function (e) {
      var title = titleAt(e.target);
      if (!title) return;
      e.preventDefault();
      e.stopPropagation();
      if (openBar === m && title.element.classList.contains('pb-open')) closeBar();
      else openTitle(m, title);
    });
    m.element.addEventListener('mouseover', function (e) {
      if (openBar !== m) return;
      var title = titleAt(e.target);
      if (title && !title.element.classList.contains('pb-open')) openTitle(m, title);
    });
  }

  function itemOf(m, element) {
    for (var e = element; e && e.dataset; e = e.parentNode) {
      if (e.dataset.pbMenu !== undefined) return m.items.filter(function (i) { return i.element === e; })[0];
    }
    return null;
  }

  function listenToList(m, list) {
    list.addEventListener('mousedown', function (e) { e.stopPropagation(); e.preventDefault(); });
    list.addEventListener('click', function (e) {
      e.stopPropagation();
      var item = itemOf(m, e.target);
      if (!item || item.disabled) return;
      var w = m.popup ? m.shownIn : m.window;
      closeBar();
      closePopups();
      if (w && w.disabled) return;
      W.queueEvent({ event: kEventMenu, window: w ? w.number : -1, object: item.id, type: 0, data: 0 });
    });
  }

  function closePopups() {
    menus.list().forEach(function (m) { if (m.popup && m.element) m.element.classList.remove('pb-open'); });
  }

  if (hasPage && document.addEventListener) {
    document.addEventListener('mousedown', function () { closeBar(); closePopups(); });
    document.addEventListener('mousemove', function (e) { mouse.x = e.pageX; mouse.y = e.pageY; }, true);
    document.addEventListener('keydown', function (e) {
      if (e.key === 'Escape') { closeBar(); closePopups(); }
    });
  }

  // DisplayPopupMenu(#M, WindowID(#W)[, x, y]): at the mouse, or at x, y
  // of the page's desktop.
  function DisplayPopupMenu(number, windowID, x, y) {
    var m = menus.get('DisplayPopupMenu', number);
    if (!m || !m.popup || !hasPage) return;
    m.shownIn = W.fromHandle(windowID) || null;
    var left = mouse.x, top = mouse.y;
    if (x !== undefined && y !== undefined) {
      var area = document.getElementById('desktop');
      var box = area ? area.getBoundingClientRect() : { left: 0, top: 0 };
      left = num(x) + box.left + window.scrollX;
      top = num(y) + box.top + window.scrollY;
    }
    closeBar();
    closePopups();
    m.element.style.left = left + 'px';
    m.element.style.top = top + 'px';
    m.element.classList.add('pb-open');
  }

  // ---- Items ----

  function findItem(command, number, id) {
    var m = menus.get(command, number);
    if (!m) return null;
    return m.items.filter(function (i) { return i.id === num(id); })[0] || null;
  }

  // SetMenuItemState(#M, id, state): nonzero shows a check mark.
  function SetMenuItemState(number, id, state) {
    var item = findItem('SetMenuItemState', number, id);
    if (!item) return;
    item.state = num(state) ? 1 : 0;
    item.element.classList.toggle('pb-checked', !!item.state);
  }
  function GetMenuItemState(number, id) {
    var item = findItem('GetMenuItemState', number, id);
    return item ? item.state : 0;
  }

  function DisableMenuItem(number, id, state) {
    var item = findItem('DisableMenuItem', number, id);
    if (!item) return;
    item.disabled = !!num(state);
    item.element.classList.toggle('pb-disabled', item.disabled);
  }

  function SetMenuItemText(number, id, t) {
    var item = findItem('SetMenuItemText', number, id);
    if (item) setItemText(item, t);
  }
  function GetMenuItemText(number, id) {
    var item = findItem('GetMenuItemText', number, id);
    return item ? item.text : '';
  }

  function title(command, number, index) {
    var m = menus.get(command, number);
    return m ? m.titles[num(index)] || null : null;
  }
  function SetMenuTitleText(number, index, t) {
    var found = title('SetMenuTitleText', number, index);
    if (!found) return;
    found.text = text(t);
    found.caption.textContent = label(t);
  }
  function GetMenuTitleText(number, index) {
    var found = title('GetMenuTitleText', number, index);
    return found ? found.text : '';
  }

  function HideMenu(number, state) {
    var m = menus.get('HideMenu', number);
    if (m && m.element && !m.popup) m.element.style.display = num(state) ? 'none' : '';
    W.fitDesktop();
  }

  function FreeMenu(number) {
    var m = menus.get('FreeMenu', number);
    if (m) menus.free(m);
    W.fitDesktop();
  }

  function IsMenu(number) { return menus.find(number) ? 1 : 0; }

  function MenuID(number) {
    var m = menus.get('MenuID', number);
    return m ? m.handle : 0;
  }

  // The height of a menu bar, which lies outside the client area.
  function MenuHeight() { return kBarHeight; }

  // BindMenuEvent(#M, id, @Callback())
  function BindMenuEvent(number, id, callback) {
    var m = menus.get('BindMenuEvent', number);
    if (m) W.bind('BindMenuEvent', kEventMenu, callback, m.window ? m.window.number : kAll, id);
  }
  function UnbindMenuEvent(number, id, callback) {
    var m = menus.get('UnbindMenuEvent', number);
    if (m) W.unbind({ event: kEventMenu, callback: callback, window: m.window ? m.window.number : kAll,
                      object: num(id), type: kAll });
  }

  // CloseWindow frees the window's menu bar with it.
  function freeWindow(w) { if (w.menu) menus.free(w.menu); }

  return {
    CreateMenu: CreateMenu, CreateImageMenu: CreateMenu, CreatePopupMenu: CreatePopupMenu,
    CreatePopupImageMenu: CreatePopupMenu, MenuTitle: MenuTitle, MenuItem: MenuItem,
    MenuBar: MenuBar, OpenSubMenu: OpenSubMenu, CloseSubMenu: CloseSubMenu,
    DisplayPopupMenu: DisplayPopupMenu, SetMenuItemState: SetMenuItemState,
    GetMenuItemState: GetMenuItemState, DisableMenuItem: DisableMenuItem,
    SetMenuItemText: SetMenuItemText, GetMenuItemText: GetMenuItemText,
    SetMenuTitleText: SetMenuTitleText, GetMenuTitleText: GetMenuTitleText, HideMenu: HideMenu,
    FreeMenu: FreeMenu, IsMenu: IsMenu, MenuID: MenuID, MenuHeight: MenuHeight,
    BindMenuEvent: BindMenuEvent, UnbindMenuEvent: UnbindMenuEvent,

    // helpers of the desktop libraries
    freeWindow: freeWindow,

    // the PureBasic type of each function's result, for the converter
    returns: {
      CreateMenu: 'i', CreateImageMenu: 'i', CreatePopupMenu: 'i', CreatePopupImageMenu: 'i',
      MenuTitle: 'i', MenuItem: 'i', MenuBar: '', OpenSubMenu: 'i', CloseSubMenu: '',
      DisplayPopupMenu: '', SetMenuItemState: '', GetMenuItemState: 'i', DisableMenuItem: '',
      SetMenuItemText: '', GetMenuItemText: 's', SetMenuTitleText: '', GetMenuTitleText: 's',
      HideMenu: '', FreeMenu: '', IsMenu: 'i', MenuID: 'i', MenuHeight: 'i',
      BindMenuEvent: '', UnbindMenuEvent: ''
    }
  };
})();
