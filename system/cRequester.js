// cRequester: PureBasic's requesters as dialogs in the page.
// Emitted calls (each awaited: the program waits for the answer):
// cRequester.MessageRequester(title, text[, flags]),
// cRequester.InputRequester(title, message, default[, flags]),
// cRequester.ColorRequester([colour]),
// cRequester.OpenFileRequester(title, default, pattern, position[, flags])
// with cRequester.NextSelectedFileName() and SelectedFilePattern(),
// cRequester.SaveFileRequester(title, default, pattern, position),
// cRequester.PathRequester(title, initial).
// A dialog covers the page until it is answered; Return chooses the first
// button, Escape cancels. Each answer comes through cCommon.KVX_Wait, so the
// page shows "waiting" meanwhile.
// A page cannot see the user's folders. OpenFileRequester puts the chosen
// file into the page's file system (cFileSystem), in the current directory,
// and answers its path there, so that ReadFile opens it; SaveFileRequester
// asks for a name and shows a link under the windows that downloads what
// the program has written under that name by the time it is clicked.
var cRequester = (function () {
  var kYesNoCancel = 3, kYesNo = 4, kIconMask = 0x70;
  var kError = 16, kWarning = 48, kInfo = 64;
  var kOk = 1, kCancel = 2, kYes = 6, kNo = 7;
  var kPassword = 1, kMultiSelection = 1;

  function W() { return cWindow; }
  function text(value) { return cString.text(value); }

  // ---- The dialog ----

  // Shows a dialog: fill(body) adds its content; buttons are [label,
  // answer] pairs, the first the default; escape is the answer of Escape
  // (undefined: none). Answers a Promise of the answer, read by read(answer)
  // when given.
  function dialog(title, fill, buttons, escape, read) {
    var el = W().makeElement;
    var overlay = el('div', 'pb-requester', document.body);
    var box = el('div', 'pb-requester-box', overlay);
    box.setAttribute('role', 'dialog');
    el('div', 'pb-requester-title', box).textContent = text(title);
    var body = el('div', 'pb-requester-body', box);
    var focus = fill(body);
    var row = el('div', 'pb-requester-buttons', box);
    return W().waitFor(new Promise(function (resolve) {
      function finish(answer) {
        document.removeEventListener('keydown', onKey, true);
        var value = read ? read(answer) : answer;
        overlay.parentNode.removeChild(overlay);
        resolve(value);
      }
      function onKey(e) {
        if (e.key === 'Escape' && escape !== undefined) { e.preventDefault(); finish(escape); }
        if (e.key === 'Enter' && e.target.tagName !== 'BUTTON') { e.preventDefault(); finish(buttons[0][1]); }
      }
      buttons.forEach(function (b) {
        var button = el('button', '', row);
        button.type = 'button';
        button.textContent = b[0];
        button.addEventListener('click', function () { finish(b[1]); });
      });
      document.addEventListener('keydown', onKey, true);
      (focus || row.firstChild).focus();
    }));
  }

  function message(body, t) {
    var p = W().makeElement('div', 'pb-requester-text', body);
    p.textContent = text(t);
    return p;
  }

  var kIcons = {};
  kIcons[kInfo] = '\u2139\ufe0f';
  kIcons[kWarning] = '\u26a0\ufe0f';
  kIcons[kError] = '\u26d4';

  // ---- MessageRequester and InputRequester ----

  // The browser's own boxes, for a runtime whose programs do not wait: a
  // Yes/No question is a confirm (OK = Yes); with Yes/No/Cancel a second
  // confirm tells No from Cancel.
  function waits() { return typeof cCommon !== 'undefined' && typeof cCommon.KVX_Main === 'function'; }

  function dialogText(title, t) {
    var a = text(title), b = text(t);
    return a === '' ? b : a + '\n\n' + b;
  }

  function browserMessage(title, t, buttons) {
    var m = dialogText(title, t);
    if (buttons === kYesNo) return window.confirm(m) ? kYes : kNo;
    if (buttons === kYesNoCancel) {
      if (window.confirm(m + '\n\n(OK = Yes)')) return kYes;
      return window.confirm(m + '\n\n(OK = No, Cancel = Cancel)') ? kNo : kCancel;
    }
    window.alert(m);
    return kOk;
  }

  // MessageRequester(title$, text$[, flags]): answers
  // #PB_MessageRequester_Yes, _No or _Cancel for a question, 1 for OK.
  function MessageRequester(title, t, flags) {
    var f = W().num(flags), buttons = f & 7;
    if (typeof document === 'undefined') return kOk;
    if (!waits()) return browserMessage(title, t, buttons);
    var choices = buttons === kYesNo ? [['Yes', kYes], ['No', kNo]] :
      buttons === kYesNoCancel ? [['Yes', kYes], ['No', kNo], ['Cancel', kCancel]] : [['OK', kOk]];
    return dialog(title, function (body) {
      var icon = kIcons[f & kIconMask];
      if (icon) W().makeElement('div', 'pb-requester-icon', body).textContent = icon;
      message(body, t);
    }, choices, buttons === kYesNo ? undefined : choices[choices.length - 1][1]);
  }

  function field(body, value, password) {
    var input = W().makeElement('input', '', body);
    input.type = password ? 'password' : 'text';
    input.value = text(value);
    input.spellcheck = false;
    return input;
  }

  // InputRequester(title$, message$, default$[, #PB_InputRequester_Password]):
  // the text typed, or "" when the dialog is cancelled.
  function InputRequester(title, t, defaultText, flags) {
    if (typeof document === 'undefined') return '';
    if (!waits()) {
      var answer = window.prompt(dialogText(title, t), text(defaultText));
      return answer === null ? '' : String(answer);
    }
    var input;
    return dialog(title, function (body) {
      var column = W().makeElement('div', 'pb-requester-column', body);
      message(column, t);
      input = field(column, defaultText, W().num(flags) & kPassword);
      input.select();
      return input;
    }, [['OK', true], ['Cancel', false]], false, function (ok) { return ok ? input.value : ''; });
  }

  // ---- ColorRequester ----

  function hexOf(color) {
    var c = W().num(color);
    return '#' + [c & 255, (c >>> 8) & 255, (c >>> 16) & 255].map(function (v) {
      return (v < 16 ? '0' : '') + v.toString(16);
    }).join('');
  }

  // ColorRequester([colour]): the colour chosen (RGB), or -1 when
  // cancelled.
  function ColorRequester(color) {
    var input;
    return dialog('Color', function (body) {
      input = W().makeElement('input', 'pb-requester-color', body);
      input.type = 'color';
      input.value = hexOf(color === undefined ? 0xFFFFFF : color);
      return null;
    }, [['OK', true], ['Cancel', false]], false, function (ok) {
      if (!ok) return -1;
      var v = parseInt(input.value.substring(1), 16);
      return ((v >> 16) & 255) + ((v >> 8) & 255) * 256 + (v & 255) * 65536;
    });
  }

  // ---- File and path requesters ----

  var chosen = [], chosenAt = 0, patternIndex = 0;

  // "Text (*.txt)|*.txt;*.doc|All (*.*)|*.*" at position 0 accepts .txt and
  // .doc; "*.*" accepts everything.
  function acceptOf(pattern, position) {
    var parts = text(pattern).split('|');
    var filter = parts[W().num(position) * 2 + 1];
    if (filter === undefined || /(^|;)\*\.\*($|;)|(^|;)\*($|;)/.test(filter)) return '';
    return filter.split(';').map(function (p) { return p.replace(/^\*/, ''); }).join(',');
  }

  function files() { return typeof cFileSystem !== 'undefined' ? cFileSystem : null; }

  // The path a name has in the page's file system: in its current directory.
  function pathOf(name) {
    var fs = files();
    return fs ? fs.resolve(name) : text(name);
  }

  // Copies the chosen files into the page's file system.
  function importFiles(list) {
    return Promise.all(Array.prototype.map.call(list, function (file) {
      return file.arrayBuffer().then(function (buffer) {
        if (files()) files().importFile(pathOf(file.name), new Uint8Array(buffer));
      });
    }));
  }

  // OpenFileRequester(title$, default$, pattern$, position[, flags]): the
  // path of the chosen file ("" when cancelled); with
  // #PB_Requester_MultiSelection NextSelectedFileName() gives the others.
  function OpenFileRequester(title, defaultFile, pattern, position, flags) {
    var input;
    return dialog(title, function (body) {
      input = W().makeElement('input', 'pb-requester-file', body);
      input.type = 'file';
      input.multiple = !!(W().num(flags) & kMultiSelection);
      var accept = acceptOf(pattern, position);
      if (accept) input.accept = accept;
      return null;
    }, [['Open', true], ['Cancel', false]], false, function (ok) {
      var list = ok && input.files ? Array.prototype.slice.call(input.files) : [];
      var names = list.map(function (f) { return f.name; });
      chosen = names.map(pathOf);
      chosenAt = 1;
      patternIndex = W().num(position);
      return { files: ok ? input.files : [] };
    }).then(function (answer) {
      return importFiles(answer.files || []).then(function () { return chosen[0] || ''; });
    });
  }

  function NextSelectedFileName() { return chosenAt < chosen.length ? chosen[chosenAt++] : ''; }

  function SelectedFilePattern() { return patternIndex; }

  function nameRequester(title, value, okLabel) {
    var input;
    return dialog(title, function (body) {
      input = field(body, value, false);
      input.select();
      return input;
    }, [[okLabel, true], ['Cancel', false]], false, function (ok) { return ok ? input.value : ''; });
  }

  // SaveFileRequester(title$, default$, pattern$, position): the path of
  // the name typed, or "" when cancelled.
  function SaveFileRequester(title, defaultFile, pattern, position) {
    patternIndex = W().num(position);
    return nameRequester(title, defaultFile, 'Save').then(function (name) {
      if (name === '') return '';
      var path = pathOf(name);
      downloadLink(path);
      return path;
    });
  }

  // A link "Download name" under the windows, one per path.
  function downloadLink(path) {
    var bar = document.getElementById('pb-downloads');
    if (!bar) {
      bar = W().makeElement('div', '', null);
      bar.id = 'pb-downloads';
      var desktop = document.getElementById('desktop');
      document.body.insertBefore(bar, desktop ? desktop.nextSibling : document.body.firstChild);
    }
    var links = bar.querySelectorAll('a');
    for (var i = 0; i < links.length; i++) if (links[i].dataset.pbPath === path) return;
    var link = W().makeElement('a', 'pb-download', bar);
    link.href = '#';
    link.dataset.pbPath = path;
    link.textContent = 'Download ' + path.replace(/^.*\//, '');
    link.addEventListener('click', function (e) {
      e.preventDefault();
      var bytes = files() ? files().exportFile(path) : null;
      if (bytes) offerDownload(path, bytes);
    });
  }

  // PathRequester(title$, initial$): the path typed, or "".
  function PathRequester(title, initial) { return nameRequester(title, initial, 'OK'); }

  // Lets the browser save bytes (a Uint8Array or a string) as a file.
  function offerDownload(name, bytes) {
    var link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes]));
    link.download = text(name).replace(/^.*[\\/]/, '');
    document.body.appendChild(link);
    link.click();
    document.body.removeChild(link);
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 1000);
  }

  return {
    MessageRequester: MessageRequester, InputRequester: InputRequester,
    ColorRequester: ColorRequester, OpenFileRequester: OpenFileRequester,
    NextSelectedFileName: NextSelectedFileName, SelectedFilePattern: SelectedFilePattern,
    SaveFileRequester: SaveFileRequester, PathRequester: PathRequester,

    // a download of bytes (a Uint8Array or a string) as a file
    offerDownload: offerDownload,

    // the PureBasic type of each function's result, for the converter
    returns: {
      MessageRequester: 'i', InputRequester: 's', ColorRequester: 'i', OpenFileRequester: 's',
      NextSelectedFileName: 's', SelectedFilePattern: 'i', SaveFileRequester: 's', PathRequester: 's'
    }
  };
})();
