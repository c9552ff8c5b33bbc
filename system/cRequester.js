// cRequester: PureBasic's requesters as the browser's own dialogs.
// Emitted calls: await cRequester.MessageRequester(title, text[, flags]) and
// await cRequester.InputRequester(title, message, default[, flags]).
// The browser offers only OK and OK/Cancel: a Yes/No question is a confirm
// dialog (OK = Yes); with #PB_MessageRequester_YesNoCancel a second confirm
// tells No from Cancel. The program waits for the answer (a promise); the
// page first shows what was printed before, then the dialog.
var cRequester = (function () {
  var kYesNoCancel = 3, kYesNo = 4;
  var kOk = 1, kCancel = 2, kYes = 6, kNo = 7;

  function dialogText(title, text) {
    var t = cString.text(title), s = cString.text(text);
    return t === '' ? s : t + '\n\n' + s;
  }

  function ask(text) { return typeof window !== 'undefined' && window.confirm(text); }

  // question() once the page has been drawn: after the next frame, or a
  // moment later in a tab that draws no frames.
  function afterDrawing(question) {
    return cCommon.KVX_Wait(new Promise(function (resolve) {
      var done = false;
      function show() {
        if (done) return;
        done = true;
        resolve(question());
      }
      if (typeof requestAnimationFrame !== 'undefined')
        requestAnimationFrame(function () { setTimeout(show, 0); });
      setTimeout(show, 100);
    }));
  }

  // Answers #PB_MessageRequester_Yes, _No or _Cancel for the questions and
  // 1 (OK) for a plain message.
  function MessageRequester(title, text, flags) {
    return afterDrawing(function () { return askMessage(title, text, flags); });
  }

  function askMessage(title, text, flags) {
    var buttons = (Number(flags) || 0) & 7;
    var message = dialogText(title, text);
    if (buttons === kYesNo) return ask(message) ? kYes : kNo;
    if (buttons === kYesNoCancel) {
      if (ask(message + '\n\n(OK = Yes)')) return kYes;
      return ask(message + '\n\n(OK = No, Cancel = Cancel)') ? kNo : kCancel;
    }
    if (typeof window !== 'undefined') window.alert(message);
    return kOk;
  }

  // The text typed, or "" when the dialog is cancelled.
  function InputRequester(title, message, defaultText, flags) {
    return afterDrawing(function () { return askText(title, message, defaultText); });
  }

  function askText(title, message, defaultText) {
    if (typeof window === 'undefined') return '';
    var answer = window.prompt(dialogText(title, message), cString.text(defaultText));
    return answer === null ? '' : String(answer);
  }

  return {
    MessageRequester: MessageRequester, InputRequester: InputRequester,
    returns: { MessageRequester: 'i', InputRequester: 's' }
  };
})();
