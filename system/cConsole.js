// cConsole: PureBasic's console, drawn in the page element with id
// "console" (one element of class "console-line" per line).
// Emitted calls: cConsole.OpenConsole([title]), cConsole.CloseConsole(),
// cConsole.Print(text), cConsole.PrintN(text), cConsole.Input(),
// cConsole.Inkey(), cConsole.ConsoleTitle(title), cConsole.ClearConsole(),
// cConsole.ConsoleColor(text, background), cConsole.EnableGraphicalConsole(on),
// cConsole.ConsoleLocate(x, y), cConsole.ConsoleError(text).
// Input() asks with the browser's prompt, titled with the text printed on
// the current line, and echoes the answer as the console echoes what is
// typed; an empty or cancelled answer gives "".
// A page shows nothing and delivers no key until its script has run to the
// end, so a program cannot wait for a key: Inkey() answers "" while the
// program runs, and once it has been called kIdleKeyChecks times in a row
// with nothing printed in between it answers Return (Chr(13)), so that a
// "press a key" loop such as  Repeat : Delay(10) : Until Inkey() <> ""  or
// While Inkey() = "" : Wend  ends and the page can show the output.
var cConsole = (function () {
  // The 16 console colours, 0 black to 15 white.
  var kPalette = ['#000000', '#000080', '#008000', '#008080', '#800000', '#800080',
                  '#808000', '#c0c0c0', '#808080', '#0000ff', '#00ff00', '#00ffff',
                  '#ff0000', '#ff00ff', '#ffff00', '#ffffff'];
  var kDefaultText = 7, kDefaultBackground = 0;

  var lines = [[]];      // each line an array of cells {c, fg, bg}
  var elements = [];     // the element of each drawn line
  var row = 0, column = 0;
  var textColor = kDefaultText, backgroundColor = kDefaultBackground;
  var graphical = false;
  var kIdleKeyChecks = 300;  // a few hundred calls: far less than a second of work
  var idleKeyChecks = 0;     // Inkey() calls since the last output

  function area() {
    return typeof document !== 'undefined' ? document.getElementById('console') : null;
  }

  // The default colours are the page's own; a chosen colour gets a span.
  function drawLine(index) {
    var parent = area();
    if (!parent) return;
    while (elements.length <= index) {
      var element = document.createElement('div');
      element.className = 'console-line';
      parent.appendChild(element);
      elements.push(element);
    }
    var target = elements[index];
    while (target.firstChild) target.removeChild(target.firstChild);
    var cells = lines[index], start = 0;
    for (var i = 1; i <= cells.length; i++) {
      if (i < cells.length && cells[i].fg === cells[start].fg && cells[i].bg === cells[start].bg)
        continue;
      appendRun(target, cells, start, i);
      start = i;
    }
    if (cells.length === 0) target.appendChild(document.createTextNode(''));
  }

  function appendRun(target, cells, from, to) {
    var s = '';
    for (var i = from; i < to; i++) s += cells[i].c;
    var first = cells[from];
    if (first.fg === kDefaultText && first.bg === kDefaultBackground) {
      target.appendChild(document.createTextNode(s));
      return;
    }
    var span = document.createElement('span');
    span.style.color = kPalette[first.fg];
    if (first.bg !== kDefaultBackground) span.style.backgroundColor = kPalette[first.bg];
    span.appendChild(document.createTextNode(s));
    target.appendChild(span);
  }

  function lineAt(index) {
    while (lines.length <= index) lines.push([]);
    return lines[index];
  }

  function newLine() {
    row++;
    column = 0;
    lineAt(row);
    drawLine(row);
  }

  // Characters overwrite what is under the cursor (only a located cursor
  // can be on old text); "\n" starts a new line, "\r" goes to its start.
  function write(value) {
    var s = cString.text(value);
    idleKeyChecks = 0;
    for (var i = 0; i < s.length; i++) {
      var c = s.charAt(i);
      if (c === '\n') { drawLine(row); newLine(); continue; }
      if (c === '\r') { column = 0; continue; }
      var cells = lineAt(row);
      while (cells.length < column) cells.push({ c: ' ', fg: kDefaultText, bg: kDefaultBackground });
      cells[column] = { c: c, fg: textColor, bg: backgroundColor };
      column++;
    }
    drawLine(row);
  }

  function OpenConsole(title) {
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

  function currentLineText() {
    return lineAt(row).map(function (cell) { return cell.c; }).join('');
  }

  function Input() {
    var ask = typeof window !== 'undefined' && window.prompt;
    var answer = ask ? window.prompt(currentLineText(), '') : null;
    answer = answer === null || answer === undefined ? '' : String(answer);
    PrintN(answer);
    return answer;
  }

  function Inkey() {
    if (++idleKeyChecks < kIdleKeyChecks) return '';
    idleKeyChecks = 0;
    return cString.Chr(13);
  }

  function ConsoleTitle(title) {
    if (typeof document !== 'undefined') document.title = cString.text(title);
  }

  function ClearConsole() {
    var parent = area();
    if (parent) while (parent.firstChild) parent.removeChild(parent.firstChild);
    lines = [[]];
    elements = [];
    row = 0;
    column = 0;
  }

  function colorIndex(value, fallback) {
    var n = Math.trunc(Number(value));
    return n >= 0 && n <= 15 ? n : fallback;
  }

  function ConsoleColor(text, background) {
    textColor = colorIndex(text, textColor);
    backgroundColor = colorIndex(background, backgroundColor);
  }

  function EnableGraphicalConsole(state) { graphical = !!Number(state); }

  // Only a graphical console has a cursor that can be moved; x and y count
  // from 0.
  function ConsoleLocate(x, y) {
    if (!graphical) return;
    row = Math.max(0, Math.trunc(Number(y) || 0));
    column = Math.max(0, Math.trunc(Number(x) || 0));
    lineAt(row);
    for (var i = elements.length; i <= row; i++) drawLine(i);
  }

  // The lines as text, the last one only when something is on it.
  function lineTexts() {
    var texts = lines.map(function (cells) {
      return cells.map(function (cell) { return cell.c; }).join('');
    });
    if (texts.length && texts[texts.length - 1] === '') texts.pop();
    return texts;
  }

  return {
    OpenConsole: OpenConsole, CloseConsole: CloseConsole, Print: Print, PrintN: PrintN,
    Input: Input, Inkey: Inkey, ConsoleTitle: ConsoleTitle, ClearConsole: ClearConsole,
    ConsoleColor: ConsoleColor, EnableGraphicalConsole: EnableGraphicalConsole,
    ConsoleLocate: ConsoleLocate, ConsoleError: ConsoleError,
    lineTexts: lineTexts,
    // the PureBasic type of each function's result, for the converter
    returns: {
      OpenConsole: 'i', CloseConsole: '', Print: '', PrintN: '', Input: 's', Inkey: 's',
      ConsoleTitle: '', ClearConsole: '', ConsoleColor: '', EnableGraphicalConsole: '',
      ConsoleLocate: '', ConsoleError: ''
    }
  };
})();
