// Waiting calls: the program runs as async JavaScript, and what can wait is
// awaited. A procedure that can reach a command that waits (directly or
// through the procedures it calls) becomes an async function; its calls and
// the waiting commands get "await"; every other procedure stays a plain
// function and keeps its full speed. The main code is async already (the
// driver wraps it in one async function).
//   Procedure Ask() : a$ = Input() : EndProcedure : Ask()
//   ->  "async" before the header's "function", "await cConsole.Input()",
//       "await Ask()"
// Each outermost loop of async code gives the page back now and then, so
// that output shows and keys arrive while it runs. A loop with an await in
// it runs far slower in the browser (its code is never optimized while it
// runs), so the loop itself stays free of awaits: it leaves its passes when
// the clock check is due and is entered again after the page has had
// control, from a loop around it. The count of passes between two looks at
// the clock is a local variable, so a pass costs no more than a decrement:
//   for (;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
//   <the loop> { if ((KVX_Left -= 1) < 0) { KVX_Resume = true; break; } ... }
//   if (!KVX_Resume) break;
//   await cCommon.KVX_Pause();
//   }
// For and Repeat check at the top of a pass (entering again tests the For's
// end once more, and runs the Repeat's pass); While and ForEach at its end,
// so that a condition that moves on (While NextElement(l())) is asked once a
// pass. A For's first value is set before the loop around it (the For pass
// writes that part, for a For marked kResumableLoop); a ForEach's start
// before it too. Only the outermost loops of the main code and of each async
// procedure have this: the loops inside them, where the work is done, stay
// as they are.
// Runs after the structure-typed variables, before the procedure pass: the
// library calls carry their runtime classes ("cConsole.Input"), while the
// procedure keywords, "@" and the loop keywords are still as written.
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/text.h"
#include "common/word_shapes.h"
#include "translate/construct_passes.h"
#include "translate/program_blocks.h"
#include "model/keywords.h"

namespace korvex::translate {
namespace {

// The commands that wait for the user or the clock; their runtime functions
// answer a promise. Lower-cased PureBasic names.
constexpr std::string_view kWaitingCommands[] = {
    "delay", "inkey", "input", "inputrequester", "messagerequester", "waitwindowevent",
};

constexpr const char* kLoopOpen = kResumableLoopOpen;
constexpr const char* kLoopCheck = "if ((KVX_Left -= 1) < 0) { KVX_Resume = true; break; }";
constexpr const char* kLoopTail[] = {"if (!KVX_Resume) break;", "await cCommon.KVX_Pause();", "}"};
constexpr const char* kAwait = "await ";

using Position = TokenList::Position;

// "cConsole.Input" or a plain "Input": the command's name after the runtime
// class, when there is one.
bool IsWaitingCommand(std::string_view text) {
  size_t dot = text.rfind('.');
  if (dot != std::string_view::npos) {
    if (text.front() != 'c' || text.find('.') != dot) return false;
    text.remove_prefix(dot + 1);
  }
  for (std::string_view name : kWaitingCommands)
    if (EqualsNoCase(text, name)) return true;
  return false;
}

// Next (of For and ForEach), Wend, Until and ForEver.
bool ClosesLoop(const Token& t) {
  return t.Kind == KindWord && (EqualsNoCase(t.Text, "next") || EqualsNoCase(t.Text, "wend") ||
                                EqualsNoCase(t.Text, "until") || EqualsNoCase(t.Text, "forever"));
}

bool IsProcedureKeyword(const Token& t) {
  return t.Kind == KindWord && model::IsProcedureKeyword(LowerWord(t.Text));
}

// A statement that opens a loop: For, While and Repeat as written, and a
// ForEach as the list and map passes left it ("... while (...) {" LF).
// ORDER FOREACH-TEXT: linked_lists.cpp and maps.cpp write that text.
bool OpensLoop(const Token& t) {
  if (t.Kind == KindWord)
    return EqualsNoCase(t.Text, "for") || EqualsNoCase(t.Text, "while") ||
           EqualsNoCase(t.Text, "repeat");
  return t.Kind == KindOther && Contains(t.Text, "ForEach") && EndsWith(t.Text, "{\n");
}

// A Gosub subroutine, as the Goto pass wrote it: "function KVX_Gosub_Show() {"
// opens it, "KVX_Gosub_Show()" calls it, a "}" marked kSubroutineEnd ends it.
constexpr std::string_view kSubroutineOpen = "function KVX_Gosub_";
constexpr std::string_view kSubroutinePrefix = "KVX_Gosub_";

bool IsSubroutineCall(const Token& t) {
  return t.Kind == KindOther && t.Text.size() > kSubroutinePrefix.size() + 2 &&
         t.Text.compare(0, kSubroutinePrefix.size(), kSubroutinePrefix) == 0 && EndsWith(t.Text, "()");
}

// "function KVX_Gosub_Show() {" or "KVX_Gosub_Show()" -> "kvx_gosub_show"
std::string SubroutineName(std::string_view text) {
  if (text.compare(0, kSubroutineOpen.size(), kSubroutineOpen) == 0) text.remove_prefix(9);
  return LowerAscii(text.substr(0, text.find('(')));
}

// Unit 0 is the main code; unit i > 0 the i-th procedure or subroutine of
// the program.
struct Unit {
  Position keyword;      // the Procedure token (unused for the main code)
  bool subroutine = false;  // keyword is a subroutine's "function ... {"
  bool waits = false;    // calls a waiting command itself
  bool async = false;
  std::vector<size_t> callers;  // the units that call this procedure
};

struct Call {
  Position at;
  size_t unit;
  std::string callee;  // lower-cased; "" for a waiting command
};

// An outermost loop: its first token, the line break after its header, the
// first token of its end and the line break after that.
struct Loop {
  Position opener, head, closer, end;
  size_t unit = 0;
  char kind = 'f';  // 'f' For, 'r' Repeat, 'w' While, 'e' ForEach
};

struct Program {
  std::vector<Unit> units;
  std::unordered_map<std::string, size_t> procedures;  // lower-cased name -> unit
  std::vector<Call> calls;
  std::vector<Loop> loops;  // the outermost loops, each once its end is seen
};

// One walk: the procedures with their names, every call (a word followed by
// "(", not the "@Name()" of an address), and the line break that ends the
// header of each outermost loop.
class Collector {
 public:
  explicit Collector(TokenList& tokens) : tokens_(tokens) { program_.units.emplace_back(); }

  Program Collect() {
    for (Position it = tokens_.begin(); it != tokens_.end(); ++it) Visit(it);
    if (endPending_) LineBreak(tokens_.end());  // a loop that ends the program
    return std::move(program_);
  }

 private:
  void Visit(Position it) {
    const Token& t = *it;
    if (t.Kind == KindLineBreak) {
      LineBreak(it);
      atStatementStart_ = true;
      inHeaderName_ = false;
    } else if (atStatementStart_ && !t.Text.empty()) {
      atStatementStart_ = false;
      VisitStatementStart(it);
    }
    if (t.Kind == KindOther && StartsWith(t.Text, kSubroutineOpen)) {
      OpenSubroutine(it);
    } else if (t.Spare == kSubroutineEnd && t.Text == "}" && !enclosing_.empty()) {
      unit_ = enclosing_.back().first;
      loopDepth_ = enclosing_.back().second;
      enclosing_.pop_back();
    } else if (t.Kind == KindOther) {
      if (IsSubroutineCall(t)) program_.calls.push_back({it, unit_, SubroutineName(t.Text)});
      else if (t.Text == "(") inHeaderName_ = false;
    } else if (t.Kind == KindWord) {
      VisitWord(it);
    }
    previous_ = &*it;
  }

  // Most words have the shape of neither a procedure keyword nor
  // EndProcedure, and are not lower-cased.
  void VisitWord(Position it) {
    const Token& t = *it;
    static constexpr WordShapes kBlockWords =
        WordShapes(model::kProcedureKeywords).With({"endprocedure"});
    bool mayBeKeyword = kBlockWords.MayBe(t.Text);
    if (mayBeKeyword && IsProcedureKeyword(t)) {
      program_.units.emplace_back();
      unit_ = program_.units.size() - 1;
      program_.units[unit_].keyword = it;
      inHeaderName_ = true;
      loopDepth_ = 0;
    } else if (mayBeKeyword && EqualsNoCase(t.Text, "endprocedure")) {
      unit_ = 0;
      loopDepth_ = mainLoopDepth_;
    } else if (IsCall(it)) {
      VisitCall(it);
    }
  }

  // A subroutine stands in its procedure or in the main code; it is a unit
  // of its own, whose loops start at depth 0.
  void OpenSubroutine(Position it) {
    enclosing_.emplace_back(unit_, loopDepth_);
    program_.units.emplace_back();
    unit_ = program_.units.size() - 1;
    program_.units[unit_].keyword = it;
    program_.units[unit_].subroutine = true;
    program_.procedures.emplace(SubroutineName(it->Text), unit_);
    loopDepth_ = 0;
  }

  // A loop opens or closes at the first token of its statement; only a loop
  // opened where none is open is kept. A loop end without its loop (a cut
  // program) leaves the depth at 0.
  void VisitStatementStart(Position it) {
    if (OpensLoop(*it)) {
      if (loopDepth_ == 0) {
        open_[unit_] = Loop{it, tokens_.end(), tokens_.end(), tokens_.end(), unit_, KindOf(*it)};
        headPending_ = true;
      }
      ++loopDepth_;
    } else if (ClosesLoop(*it) && loopDepth_ > 0) {
      if (--loopDepth_ == 0 && open_.count(unit_) != 0 && open_[unit_].head != tokens_.end()) {
        open_[unit_].closer = it;
        endPending_ = true;
      }
    }
    if (unit_ == 0) mainLoopDepth_ = loopDepth_;
  }

  static char KindOf(const Token& t) {
    if (t.Kind != KindWord) return 'e';
    if (EqualsNoCase(t.Text, "for")) return 'f';
    return EqualsNoCase(t.Text, "repeat") ? 'r' : 'w';
  }

  void LineBreak(Position it) {
    if (open_.empty()) return;
    auto found = open_.find(unit_);
    if (found == open_.end()) return;
    if (headPending_) found->second.head = it;
    if (endPending_) {
      found->second.end = it;
      program_.loops.push_back(found->second);
      open_.erase(found);
    }
    headPending_ = endPending_ = false;
  }

  bool IsCall(Position it) const {
    Position next = std::next(it);
    return next != tokens_.end() && next->Text == "(" &&
           (previous_ == nullptr || previous_->Text != "@");
  }

  void VisitCall(Position it) {
    if (inHeaderName_) {  // the header's own name: a definition
      program_.procedures.emplace(LowerAscii(it->Text), unit_);
      return;
    }
    if (IsWaitingCommand(it->Text)) {
      program_.units[unit_].waits = true;
      program_.calls.push_back({it, unit_, ""});
    } else if (it->Text.find('.') == std::string::npos) {
      program_.calls.push_back({it, unit_, LowerAscii(it->Text)});
    }
  }

  TokenList& tokens_;
  Program program_;
  size_t unit_ = 0;
  bool inHeaderName_ = false;
  bool atStatementStart_ = true;
  std::unordered_map<size_t, Loop> open_;  // the outermost loop open in a unit
  bool headPending_ = false;  // the statement opens an outermost loop
  bool endPending_ = false;   // the statement closes one
  int loopDepth_ = 0;         // loops open in the current unit
  int mainLoopDepth_ = 0;     // loops open in the main code
  std::vector<std::pair<size_t, int>> enclosing_;  // around open subroutines: unit, loop depth
  const Token* previous_ = nullptr;
};

// The procedure a call names, or 0 (the main code stands for "none": it is
// never called).
size_t Callee(const Program& program, const Call& call) {
  if (call.callee.empty()) return 0;
  auto found = program.procedures.find(call.callee);
  return found == program.procedures.end() ? 0 : found->second;
}

// A procedure is async when it waits itself or calls an async one: from the
// procedures that wait, along the calls backwards, each unit once.
void MarkAsync(Program& program) {
  for (const Call& call : program.calls) {
    size_t callee = Callee(program, call);
    if (callee != 0) program.units[callee].callers.push_back(call.unit);
  }
  std::vector<size_t> pending;
  program.units[0].async = true;
  for (size_t i = 1; i < program.units.size(); ++i)
    if (program.units[i].waits) pending.push_back(i);
  while (!pending.empty()) {
    Unit& unit = program.units[pending.back()];
    pending.pop_back();
    if (unit.async) continue;
    unit.async = true;
    for (size_t caller : unit.callers)
      if (!program.units[caller].async) pending.push_back(caller);
  }
}

void InsertLine(TokenList& tokens, Position before, const char* text) {
  int line = before == tokens.end() ? 0 : before->Line;
  tokens.InsertAt(before, Token{text, KindOther, 0, line});
  tokens.InsertAt(before, Token{"\n", KindLineBreak, 0, line});
}

// The loop around the loop, and the check in it (see the top of the file).
void MakeResumable(TokenList& tokens, const Loop& loop) {
  if (loop.kind == 'f') {
    loop.opener->Spare = kResumableLoop;
  } else if (loop.kind == 'e') {
    // "items.ForEach_Init() ;\nwhile(items.ForEach()) {\n": the start stays in front
    TokenText& text = loop.opener->Text;
    size_t at = text.rfind("while");
    if (at == std::string::npos) return;
    text.insert(at, std::string(kLoopOpen) + "\n");
  } else {
    InsertLine(tokens, loop.opener, kLoopOpen);
  }
  if (loop.kind == 'f' || loop.kind == 'r') InsertLine(tokens, std::next(loop.head), kLoopCheck);
  else InsertLine(tokens, loop.closer, kLoopCheck);
  Position after = tokens.end();
  if (loop.end == tokens.end()) tokens.InsertAt(after, Token{"\n", KindLineBreak, 0, loop.closer->Line});
  else after = std::next(loop.end);
  for (const char* text : kLoopTail) InsertLine(tokens, after, text);
}

void Rewrite(TokenList& tokens, Program& program) {
  for (const Call& call : program.calls) {
    size_t callee = Callee(program, call);
    bool waits = call.callee.empty() || (callee != 0 && program.units[callee].async);
    if (waits && program.units[call.unit].async) call.at->Text.insert(0, kAwait);
  }
  for (size_t i = 1; i < program.units.size(); ++i) {
    if (!program.units[i].async) continue;
    if (program.units[i].subroutine) {
      program.units[i].keyword->Text.insert(0, "async ");
      continue;
    }
    tokens.ReturnTo(program.units[i].keyword);
    tokens.Insert(Token{"async", KindOther, 0, tokens.Current().Line});
  }
  for (const Loop& loop : program.loops)
    if (program.units[loop.unit].async) MakeResumable(tokens, loop);
}

}  // namespace

void TranslateWaitingCalls(RunState& run) {
  Program program = Collector(run.Tokens).Collect();
  MarkAsync(program);
  Rewrite(run.Tokens, program);
}

}  // namespace korvex::translate
