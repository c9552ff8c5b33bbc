// cCommon: the object the converted program keeps its shared values in, and
// the run of the program: its state, its waits and its pauses. Loaded first
// of the runtime files.
// The emitted code adds members to it before it runs its statements:
//   cCommon.KVX_DataArray = [...]       the values of every Data statement
//   cCommon.KVX_Global_Label = i        the read position of Read/Restore
// (cData.Read and cData.Restore work on these two members.)
// The page's start-up function runs the program as one async function:
//   cCommon.KVX_Main(async function () { ...the program... })
// A runtime command that waits (Input, Delay, a requester, a window event)
// returns cCommon.KVX_Wait(promise) and the emitted call is awaited. A loop
// of async code counts its passes down from cCommon.KVX_Passes(), then
// leaves and awaits cCommon.KVX_Pause() before it goes on, so that a long
// loop gives the page back now and then: output shows, keys arrive, the tab
// can be used and the program stopped.
// document.body.dataset.korvexState tells the program's state: "running",
// "waiting" (while a KVX_Wait promise is pending) or "ended".
var cCommon = (function () {
  var kSliceMs = 100;        // at most this long without giving the page back
  var kClockCheckMs = 4;     // a loop looks at the clock about this often
  var kMaxPasses = 1 << 22;

  var state = 'running';
  var waits = 0;             // KVX_Wait promises not yet settled
  var interval = 64;         // passes of a loop between two looks at the clock
  var lastCheck = now(), lastGiveBack = lastCheck;
  var beforeGiveBack = [];   // functions run before the page gets control

  function now() {
    return typeof performance !== 'undefined' && performance.now ? performance.now() : Date.now();
  }

  function showState(value) {
    state = value;
    if (typeof document !== 'undefined' && document.body) document.body.dataset.korvexState = value;
  }

  function runBeforeGiveBack() {
    for (var i = 0; i < beforeGiveBack.length; i++) beforeGiveBack[i]();
  }

  // End throws this marker out of the program; whoever catches it (the
  // program's start-up, or the page's error handlers for an event handler
  // that called End) reports nothing.
  function ProgramEnd() { this.message = 'End'; }

  if (typeof window !== 'undefined' && window.addEventListener) {
    window.addEventListener('error', function (event) {
      if (event.error instanceof ProgramEnd) event.preventDefault();
    });
    window.addEventListener('unhandledrejection', function (event) {
      if (event.reason instanceof ProgramEnd) event.preventDefault();
    });
  }

  var never = { then: function () {} };  // a wait that never ends: an ended program stays stopped

  // The page gets control at once (a message, not a timer: timers are
  // slowed down in hidden tabs); the browser draws the page in between.
  var giveBack = (function () {
    if (typeof MessageChannel === 'undefined')
      return function () { return new Promise(function (resolve) { setTimeout(resolve, 0); }); };
    var channel = new MessageChannel(), waiting = [];
    channel.port1.onmessage = function () { var resolve = waiting.shift(); if (resolve) resolve(); };
    return function () {
      return new Promise(function (resolve) { waiting.push(resolve); channel.port2.postMessage(0); });
    };
  })();

  function ended() { return state === 'ended'; }

  // Marks the program ended (End, Ctrl+C, or its last statement done): what
  // it showed stays on the page.
  function markEnded() {
    if (ended()) return;
    runBeforeGiveBack();
    showState('ended');
  }

  return {
    // KVX_Main(main): runs the program, an async function; the state is
    // "ended" once it has finished, by its end, by End or by an error
    // (which is reported as the page's error).
    KVX_Main: function (main) {
      showState('running');
      lastCheck = lastGiveBack = now();
      var run;
      try {
        run = Promise.resolve(main());
      } catch (error) {
        run = Promise.reject(error);
      }
      return run.then(markEnded, function (error) {
        markEnded();
        if (!(error instanceof ProgramEnd)) throw error;
      });
    },

    // KVX_Wait(promise): the state is "waiting" until promise settles. The
    // answer settles as promise does, or never once the program has ended
    // meanwhile, so that an ended program does not go on.
    KVX_Wait: function (promise) {
      if (ended()) return never;
      runBeforeGiveBack();
      waits++;
      showState('waiting');
      function settle() {
        waits--;
        if (waits === 0 && !ended()) showState('running');
        lastCheck = lastGiveBack = now();
      }
      return Promise.resolve(promise).then(function (value) {
        settle();
        return ended() ? never : value;
      }, function (error) {
        settle();
        if (ended()) return never;
        throw error;
      });
    },

    // KVX_Passes(): how many passes a loop makes before it looks at the
    // clock again (it counts them down in a variable of its own).
    KVX_Passes: function () { return interval; },

    // KVX_Pause(): looks at the clock; gives the page back (a promise) when
    // the program has had it for kSliceMs, else answers undefined at once.
    // The count of passes between two looks adapts to the loop, so that the
    // clock is read every few milliseconds whatever a pass costs.
    KVX_Pause: function () {
      var t = now();
      var since = t - lastCheck;
      if (since < kClockCheckMs / 2 && interval < kMaxPasses) interval *= 2;
      else if (since > kClockCheckMs * 2 && interval > 1) interval = Math.max(1, interval >> 1);
      lastCheck = t;
      if (ended()) return never;
      if (t - lastGiveBack < kSliceMs) return undefined;
      runBeforeGiveBack();
      return giveBack().then(function () {
        lastCheck = lastGiveBack = now();
        return ended() ? never : undefined;
      });
    },

    // KVX_End(): ends the program from wherever it runs: marks it ended and
    // throws the marker that stops the code that called it.
    KVX_End: function () {
      markEnded();
      throw new ProgramEnd();
    },

    // KVX_Stop(): ends the program from outside it (Ctrl+C): it stops at its
    // next wait or pause.
    KVX_Stop: markEnded,

    KVX_HasEnded: ended,
    KVX_State: function () { return state; },

    // KVX_BeforeGiveBack(f): f runs each time before the page gets control
    // (a wait, a pause, the end): the console draws what was printed.
    KVX_BeforeGiveBack: function (f) { beforeGiveBack.push(f); }
  };
})();
