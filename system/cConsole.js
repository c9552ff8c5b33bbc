// cConsole: PureBasic's console, drawn in the page element with id
// "console" (one element of class "console-line" per line), with the
// keyboard of the page as its input.
// Emitted calls: cConsole.OpenConsole([title]), cConsole.CloseConsole(),
// cConsole.Print(text), cConsole.PrintN(text), cConsole.ConsoleError(text),
// await cConsole.Input(), await cConsole.Inkey(), cConsole.RawKey(),
// cConsole.ConsoleTitle(title), cConsole.ClearConsole(),
// cConsole.ConsoleColor(text, background), cConsole.EnableGraphicalConsole(on),
// cConsole.ConsoleLocate(x, y), cConsole.ConsoleCursor(height).
// Input() reads a line typed into the console: the text appears at the
// cursor, Backspace takes back a character, Escape the whole line, Return
// ends it and the line stays on screen. Keys typed while nothing reads them
// wait in a buffer, as in a terminal: Inkey() takes one per call (or ""),
// and RawKey() tells the code of the key it took. Ctrl+C, with no text
// selected, stops the program.
// What is printed is drawn when the page gets control (a wait, a pause of a
// long loop, the end), not at each Print: the browser shows nothing sooner.
// A graphical console (EnableGraphicalConsole(1)) is a screen of 80 x 25
// cells: ConsoleLocate moves the cursor on it, lines are cut at its right
// edge and the screen scrolls at its bottom.
var cConsole = (function () {
  // The 16 console colours, 0 black to 15 white.
  var kPalette = ['#000000', '#000080', '#008000', '#008080', '#800000', '#800080',
                  '#808000', '#c0c0c0', '#808080', '#0000ff', '#00ff00', '#00ffff',
                  '#ff0000', '#ff00ff', '#ffff00', '#ffffff'];
  var kDefaultText = 7, kDefaultBackground = 0;
  var kDefaultColors = kDefaultText;  // a cell's colours: text + 16 * background
  var kColumns = 80, kRows = 25;      // the graphical console's screen
  var kEof = String.fromCharCode(4);  // #PB_Input_Eof
  var kMaxBufferedKeys = 256;
  // A loop that only waits for a key (it asks Inkey() again and again,
  // within kIdleGapMs each time and printing nothing) rests once it has done
  // so kIdleCalls times over kIdleAfterMs: from then on each Inkey() waits
  // until a key comes or kRestMs have passed.
  var kIdleGapMs = 10, kIdleCalls = 100, kIdleAfterMs = 50, kRestMs = 20;

  // --- The screen: lines of text with their colours ----------------------

  // A line is { text, colors }: colors is null while every character has the
  // default colours, else one number per character.
  var lines = [emptyLine()];
  var elements = [];        // the element of each drawn line
  var dirty = {};           // index -> true for the drawn lines to draw again
  var kChunkLines = 100;    // lines of one block of the page
  var drawScheduled = false;
  var row = 0, column = 0;
  var colors = kDefaultColors;
  var graphical = false;
  var cursorHeight = 1;     // ConsoleCursor: 0 hidden, 1 to 10 tenths of a cell
  var cursorRow = -1;       // the line the cursor is drawn in
  var used = false;         // the program has used the console: it is shown

  function emptyLine() { return { text: '', colors: null }; }

  function area() {
    return typeof document !== 'undefined' ? document.getElementById('console') : null;
  }

  function lineAt(index) {
    while (lines.length <= index) lines.push(emptyLine());
    return lines[index];
  }

  function touch(index) {
    used = true;
    if (index < elements.length) dirty[index] = true;
    if (drawScheduled || typeof setTimeout === 'undefined') return;
    drawScheduled = true;  // output of an event handler: drawn once it returns
    setTimeout(draw, 0);
  }

  // Writes s over the line from column at, in the current colours.
  function put(line, at, s) {
    var text = line.text;
    if (text.length < at) text += ' '.repeat(at - text.length);
    line.text = text.substring(0, at) + s + text.substring(at + s.length);
    if (line.colors === null && colors === kDefaultColors) return;
    if (line.colors === null) line.colors = new Array(text.length).fill(kDefaultColors);
    while (line.colors.length < at) line.colors.push(kDefaultColors);
    for (var i = 0; i < s.length; i++) line.colors[at + i] = colors;
  }

  // Text goes from the cursor on; a graphical console drops what passes its
  // right edge.
  function writeRun(s) {
    if (s === '') return;
    if (graphical) s = s.substring(0, Math.max(0, kColumns - column));
    var line = lineAt(row);
    if (line.colors === null && colors === kDefaultColors && column === line.text.length) line.text += s;
    else put(line, column, s);
    column += s.length;
    touch(row);
  }

  function newLine() {
    touch(row);
    row++;
    column = 0;
    if (graphical && row >= kRows) scrollScreen();
    lineAt(row);
    touch(row);
  }

  // The top line of the screen goes; every other moves up one.
  function scrollScreen() {
    dropFirstLine();
    row = kRows - 1;
    cursorRow = -1;
    lineAt(row);
  }

  // The first line goes with its element; the lines still to draw again
  // move up with the others.
  function dropFirstLine() {
    lines.shift();
    var moved = {};
    for (var index in dirty) if (index > 0) moved[index - 1] = true;
    dirty = moved;
    var gone = elements.shift();
    if (!gone) return;
    var chunk = gone.parentNode;
    chunk.removeChild(gone);
    if (!chunk.firstChild && chunk.parentNode) chunk.parentNode.removeChild(chunk);
  }

  // "\n" starts a new line, "\r" goes to its start, Chr(8) one column back;
  // every other character is written where the cursor is.
  function write(value) {
    var s = cString.text(value);
    printed = true;
    var start = 0;
    for (var i = 0; i < s.length; i++) {
      var code = s.charCodeAt(i);
      if (code !== 10 && code !== 13 && code !== 8) continue;
      writeRun(s.substring(start, i));
      start = i + 1;
      if (code === 10) newLine();
      else if (code === 13) column = 0;
      else column = Math.max(0, column - 1);
    }
    writeRun(s.substring(start));
  }

  // --- Drawing ---------------------------------------------------------

  function cursorShown(index) {
    return index === row && cursorHeight > 0;
  }

  function appendText(target, s, color) {
    if (s === '') return;
    if (color === kDefaultColors) {
      target.appendChild(document.createTextNode(s));
      return;
    }
    var span = document.createElement('span');
    span.style.color = kPalette[color & 15];
    if (color >> 4 !== kDefaultBackground) span.style.backgroundColor = kPalette[color >> 4];
    span.appendChild(document.createTextNode(s));
    target.appendChild(span);
  }

  // An empty element where the cursor stands (moved right over the cells
  // past the end of the text): the page draws it over the cell, so that the
  // text of the line stays as it is.
  function appendCursor(target, pastEnd) {
    var cursor = document.createElement('span');
    cursor.className = 'console-cursor';
    cursor.style.setProperty('--console-cursor-height', (cursorHeight * 10) + '%');
    if (pastEnd > 0) cursor.style.marginLeft = pastEnd + 'ch';
    target.appendChild(cursor);
  }

  function colorAt(line, i) { return line.colors === null ? kDefaultColors : line.colors[i]; }

  // The characters from..to of a line, one element per run of one colour.
  function appendRuns(target, line, from, to) {
    for (var i = from + 1; i <= to; i++) {
      if (i < to && colorAt(line, i) === colorAt(line, from)) continue;
      appendText(target, line.text.substring(from, i), colorAt(line, from));
      from = i;
    }
  }

  function fillLine(target, line, cursorAt) {
    var length = line.text.length;
    if (cursorAt < 0) {
      appendRuns(target, line, 0, length);
      return;
    }
    appendRuns(target, line, 0, Math.min(cursorAt, length));
    appendCursor(target, cursorAt - length);
    appendRuns(target, line, Math.min(cursorAt, length), length);
  }

  // The lines sit in blocks of kChunkLines that the page lays out only
  // while they are in view, however long the console grows.
  function newLineElement(parent) {
    var chunk = parent.lastChild;
    if (!chunk || chunk.childNodes.length >= kChunkLines) {
      chunk = document.createElement('div');
      chunk.className = 'console-chunk';
      parent.appendChild(chunk);
    }
    var element = document.createElement('div');
    element.className = 'console-line';
    chunk.appendChild(element);
    return element;
  }

  function drawLine(index) {
    var target = elements[index];
    while (target.firstChild) target.removeChild(target.firstChild);
    fillLine(target, lines[index], cursorShown(index) ? column : -1);
  }

  // Whether the end of the console is in view: then it stays in view as
  // lines come.
  function followsOutput(parent) {
    if (typeof window === 'undefined' || !parent.getBoundingClientRect) return false;
    return parent.getBoundingClientRect().bottom <= window.innerHeight + 40;
  }

  // Draws the lines printed on since the last time, and moves the cursor.
  function draw() {
    drawScheduled = false;
    var parent = area();
    if (!used) return;
    if (!parent) {
      dirty = {};
      return;
    }
    if (cursorRow !== row) {
      if (cursorRow >= 0 && cursorRow < elements.length) dirty[cursorRow] = true;
      if (row < elements.length) dirty[row] = true;
      cursorRow = row;
    }
    var indexes = Object.keys(dirty);
    if (indexes.length === 0 && elements.length === lines.length) return;
    var follow = followsOutput(parent);
    dirty = {};
    for (var i = 0; i < indexes.length; i++) drawLine(Number(indexes[i]));
    while (elements.length < lines.length) {
      elements.push(newLineElement(parent));
      drawLine(elements.length - 1);
    }
    if (follow && elements[row] && elements[row].scrollIntoView) elements[row].scrollIntoView({ block: 'nearest' });
  }

  if (typeof cCommon !== 'undefined') cCommon.KVX_BeforeGiveBack(draw);

  function removeDrawnLines() {
    var parent = area();
    if (parent) while (parent.firstChild) parent.removeChild(parent.firstChild);
    elements = [];
    dirty = {};
    cursorRow = -1;
  }

  // --- The keyboard ----------------------------------------------------

  // A key is { text, code }: text is what Inkey() answers ("" for a key
  // that types nothing: arrows, function keys), code what RawKey() answers
  // (the key's code: Escape 27, Return 13, Tab 9, Backspace 8).
  var buffered = [];
  var rawKey = 0;
  var reader = null;        // the Input() that reads a line now
  var resting = null;       // wakes the Inkey() that rests until a key comes
  var printed = false;      // something was printed since the last Inkey()
  var lastInkey = -Infinity, idleSince = 0, idleCalls = 0;

  var kNamedKeys = { Enter: 13, Escape: 27, Tab: 9, Backspace: 8 };
  var kModifiers = /^(Shift|Control|Alt|AltGraph|Meta|OS|CapsLock|NumLock|ScrollLock|Fn|Dead|Unidentified)$/;

  function keyOf(event) {
    var code = event.keyCode || event.which || 0;
    var named = kNamedKeys[event.key];
    if (typeof named === 'number') return { text: String.fromCharCode(named), code: named };
    if (event.key && event.key.length === 1) return { text: event.key, code: code };
    return { text: '', code: code };
  }

  function inEditableElement(event) {
    var t = event.target;
    if (!t || t === document.body || t === document.documentElement || t === document) return false;
    return t.isContentEditable || /^(INPUT|TEXTAREA|SELECT|BUTTON)$/.test(t.tagName || '');
  }

  function textSelected() {
    var selection = typeof window !== 'undefined' && window.getSelection ? window.getSelection() : null;
    return selection !== null && String(selection) !== '';
  }

  // Ctrl+C stops, Ctrl+D and Ctrl+Z end an Input() with #PB_Input_Eof;
  // other combinations with Ctrl or the command key are the browser's.
  function controlKey(event) {
    var letter = (event.key || '').toLowerCase();
    if (letter === 'c' && !textSelected()) {
      write('^C');
      newLine();
      cCommon.KVX_Stop();
      return true;
    }
    if ((letter === 'd' || letter === 'z') && reader) {
      finishReading(kEof);
      return true;
    }
    return false;
  }

  function onKeyDown(event) {
    if (cCommon.KVX_HasEnded() || inEditableElement(event) || kModifiers.test(event.key || '')) return;
    if (event.ctrlKey || event.metaKey) {
      if (!event.altKey && controlKey(event)) event.preventDefault();
      return;
    }
    if (/^F\d+$/.test(event.key || '')) return;  // F5, F12 stay the browser's
    event.preventDefault();
    pushKey(keyOf(event));
  }

  // Pasted text comes as if typed, a line break as Return.
  function onPaste(event) {
    if (cCommon.KVX_HasEnded() || inEditableElement(event)) return;
    var data = event.clipboardData && event.clipboardData.getData('text');
    if (!data) return;
    event.preventDefault();
    data = data.replace(/\r\n?/g, '\n');
    for (var i = 0; i < data.length; i++) {
      var c = data.charAt(i);
      pushKey(c === '\n' ? { text: '\r', code: 13 } : { text: c, code: c.toUpperCase().charCodeAt(0) });
    }
  }

  function pushKey(key) {
    if (buffered.length < kMaxBufferedKeys) buffered.push(key);
    if (reader) readKeys();
    else if (resting) resting();
  }

  if (typeof document !== 'undefined' && document.addEventListener) {
    document.addEventListener('keydown', onKeyDown);
    document.addEventListener('paste', onPaste);
  }

  // --- Input: a line typed at the cursor -------------------------------

  // Return ends the line, Backspace takes back a character, Escape all of
  // them; keys that type nothing are dropped.
  function readKeys() {
    while (reader && buffered.length) {
      var text = buffered.shift().text;
      if (text === '\r') finishReading(reader.text);
      else if (text === '\b') takeBackCharacters(1);
      else if (text === '\x1b') takeBackCharacters(reader.text.length);
      else if (text >= ' ') typeCharacter(text);
    }
  }

  function typeCharacter(c) {
    if (graphical && column >= kColumns) return;  // the line ends at the screen's edge
    reader.text += c;
    writeRun(c);
  }

  // The cells of the characters taken back become empty again.
  function takeBackCharacters(count) {
    for (; count > 0 && reader.text !== '' && column > 0; count--) {
      reader.text = reader.text.substring(0, reader.text.length - 1);
      column--;
      var line = lineAt(row);
      if (column === line.text.length - 1) {
        line.text = line.text.substring(0, column);
        if (line.colors) line.colors.length = column;
      } else {
        put(line, column, ' ');
      }
      touch(row);
    }
  }

  function finishReading(text) {
    var done = reader.done;
    reader = null;
    newLine();
    done(text);
  }

  function Input() {
    touch(row);
    var answer = new Promise(function (resolve) { reader = { text: '', done: resolve }; });
    readKeys();
    return cCommon.KVX_Wait(answer);
  }

  // --- Inkey and RawKey --------------------------------------------------

  function now() {
    return typeof performance !== 'undefined' && performance.now ? performance.now() : Date.now();
  }

  function takeKey() {
    var key = buffered.shift();
    rawKey = key ? key.code : 0;
    return key ? key.text : '';
  }

  // Rests until a key comes or kRestMs have passed; answers the key or "".
  function rest() {
    return cCommon.KVX_Wait(new Promise(function (resolve) {
      var timer = setTimeout(wake, kRestMs);
      function wake() {
        clearTimeout(timer);
        resting = null;
        lastInkey = now();
        resolve(takeKey());
      }
      resting = wake;
    }));
  }

  function Inkey() {
    var t = now();
    if (buffered.length || printed || t - lastInkey > kIdleGapMs) {
      idleSince = t;
      idleCalls = 0;
    }
    printed = false;
    lastInkey = t;
    if (buffered.length) return takeKey();
    rawKey = 0;
    if (++idleCalls < kIdleCalls || t - idleSince < kIdleAfterMs) return '';
    return rest();
  }

  function RawKey() { return rawKey; }

  // --- The other commands ----------------------------------------------

  function OpenConsole(title) {
    touch(row);
    if (title !== undefined) ConsoleTitle(title);
    return 1;
  }

  function CloseConsole() {}

  function Print(value) { write(value); }

  function PrintN(value) {
    write(value === undefined ? '' : value);
    newLine();
  }

  function ConsoleError(value) { PrintN(value); }

  function ConsoleTitle(title) {
    if (typeof document !== 'undefined') document.title = cString.text(title);
  }

  // The whole console goes; a graphical one is filled with the background
  // colour.
  function ClearConsole() {
    removeDrawnLines();
    lines = [];
    row = 0;
    column = 0;
    if (graphical) fillScreen();
    lineAt(0);
    touch(0);
  }

  function fillScreen() {
    var blank = (colors >> 4) === kDefaultBackground ? '' : ' '.repeat(kColumns);
    for (var i = 0; i < kRows; i++) {
      var line = emptyLine();
      if (blank !== '') {
        line.text = blank;
        line.colors = new Array(kColumns).fill(colors);
      }
      lines.push(line);
      touch(i);
    }
  }

  function colorIndex(value, fallback) {
    var n = Math.trunc(Number(value));
    return n >= 0 && n <= 15 ? n : fallback;
  }

  function ConsoleColor(text, background) {
    colors = colorIndex(text, colors & 15) + 16 * colorIndex(background, colors >> 4);
  }

  // The graphical console keeps the last 25 lines as its screen.
  function EnableGraphicalConsole(state) {
    var on = !!Number(state);
    if (on === graphical) return;
    graphical = on;
    var parent = area();
    if (parent && parent.classList) parent.classList.toggle('graphical', on);
    if (!on) return;
    while (lines.length > kRows) {
      dropFirstLine();
      row = Math.max(0, row - 1);
    }
    cursorRow = -1;
    lineAt(kRows - 1);
    touch(row);
  }

  // Only a graphical console has a cursor that can be moved; x and y count
  // from 0 and stay on the screen.
  function ConsoleLocate(x, y) {
    if (!graphical) return;
    touch(row);
    row = Math.min(kRows - 1, Math.max(0, Math.trunc(Number(y) || 0)));
    column = Math.min(kColumns - 1, Math.max(0, Math.trunc(Number(x) || 0)));
    touch(row);
  }

  function ConsoleCursor(height) {
    cursorHeight = Math.min(10, Math.max(0, Math.trunc(Number(height) || 0)));
    touch(row);
  }

  // The lines as text, the last one only when something is on it.
  function lineTexts() {
    var texts = lines.map(function (line) { return line.text; });
    if (texts.length && texts[texts.length - 1] === '') texts.pop();
    return texts;
  }

  return {
    OpenConsole: OpenConsole, CloseConsole: CloseConsole, Print: Print, PrintN: PrintN,
    Input: Input, Inkey: Inkey, RawKey: RawKey, ConsoleTitle: ConsoleTitle, ClearConsole: ClearConsole,
    ConsoleColor: ConsoleColor, EnableGraphicalConsole: EnableGraphicalConsole,
    ConsoleLocate: ConsoleLocate, ConsoleCursor: ConsoleCursor, ConsoleError: ConsoleError,
    lineTexts: lineTexts, draw: draw,
    // the PureBasic type of each function's result, for the converter
    returns: {
      OpenConsole: 'i', CloseConsole: '', Print: '', PrintN: '', Input: 's', Inkey: 's', RawKey: 'i',
      ConsoleTitle: '', ClearConsole: '', ConsoleColor: '', EnableGraphicalConsole: '',
      ConsoleLocate: '', ConsoleCursor: '', ConsoleError: ''
    }
  };
})();
