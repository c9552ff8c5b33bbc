// Waiting calls: the program runs as async JavaScript, and what can wait is
// awaited. A procedure that can reach a command that waits (directly or
// through the procedures it calls) becomes an async function; its calls and
// the waiting commands get "await"; every other procedure stays a plain
// function and keeps its full speed. The main code is async already (the
// driver wraps it in one async function).
//   Procedure Ask() : a$ = Input() : EndProcedure : Ask()
//   ->  "async" before the header's "function", "await cConsole.Input()",
//       "await Ask()"
// Each outermost loop of async code begins its passes with a line that gives
// the page back now and then, so that output shows and keys arrive while it
// runs:
//   For i = 1 To n  ->  the header's line, then
//   "if (cCommon.KVX_Due()) await cCommon.KVX_Pause()"
// Only the outermost loops of the main code and of each async procedure get
// it: a loop that can wait runs slower in the browser, so the loops inside
// it, where the work is done, stay free of waits.
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
#include "translate/construct_passes.h"
#include "translate/program_blocks.h"

namespace korvex::translate {
namespace {

// The commands that wait for the user or the clock; their runtime functions
// answer a promise. Lower-cased PureBasic names.
constexpr std::string_view kWaitingCommands[] = {
    "delay", "inkey", "input", "inputrequester", "messagerequester", "waitwindowevent",
};

constexpr const char* kLoopCheck = "if (cCommon.KVX_Due()) await cCommon.KVX_Pause()";
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
  return t.Kind == KindWord && (EqualsNoCase(t.Text, "procedure") ||
                                EqualsNoCase(t.Text, "proceduredll") ||
                                EqualsNoCase(t.Text, "procedurecdll"));
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

struct Program {
  std::vector<Unit> units;
  std::unordered_map<std::string, size_t> procedures;  // lower-cased name -> unit
  std::vector<Call> calls;
  std::vector<std::pair<Position, size_t>> loopHeads;  // header's line break, unit
};

// One walk: the procedures with their names, every call (a word followed by
// "(", not the "@Name()" of an address), and the line break that ends the
// header of each outermost loop.
class Collector {
 public:
  explicit Collector(TokenList& tokens) : tokens_(tokens) { program_.units.emplace_back(); }

  Program Collect() {
    for (Position it = tokens_.begin(); it != tokens_.end(); ++it) Visit(it);
    return std::move(program_);
  }

 private:
  void Visit(Position it) {
    const Token& t = *it;
    if (t.Kind == KindLineBreak) {
      if (loopOpen_) program_.loopHeads.emplace_back(it, unit_);
      loopOpen_ = false;
      atStatementStart_ = true;
      inHeaderName_ = false;
    } else if (atStatementStart_ && !t.Text.empty()) {
      atStatementStart_ = false;
      VisitStatementStart(t);
    }
    if (t.Kind == KindOther && t.Text.compare(0, kSubroutineOpen.size(), kSubroutineOpen) == 0) {
      OpenSubroutine(it);
    } else if (t.Spare == kSubroutineEnd && t.Text == "}" && !enclosing_.empty()) {
      unit_ = enclosing_.back().first;
      loopDepth_ = enclosing_.back().second;
      enclosing_.pop_back();
    } else if (IsSubroutineCall(t)) {
      program_.calls.push_back({it, unit_, SubroutineName(t.Text)});
    } else if (IsProcedureKeyword(t)) {
      program_.units.emplace_back();
      unit_ = program_.units.size() - 1;
      program_.units[unit_].keyword = it;
      inHeaderName_ = true;
      loopDepth_ = 0;
    } else if (t.Kind == KindWord && EqualsNoCase(t.Text, "endprocedure")) {
      unit_ = 0;
      loopDepth_ = mainLoopDepth_;
    } else if (t.Kind == KindWord && IsCall(it)) {
      VisitCall(it);
    } else if (t.Text == "(") {
      inHeaderName_ = false;
    }
    previous_ = &*it;
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
  // opened where none is open gets the check. A loop end without its loop
  // (a cut program) leaves the depth at 0.
  void VisitStatementStart(const Token& t) {
    if (OpensLoop(t)) {
      loopOpen_ = loopDepth_ == 0;
      ++loopDepth_;
    } else if (ClosesLoop(t) && loopDepth_ > 0) {
      --loopDepth_;
    }
    if (unit_ == 0) mainLoopDepth_ = loopDepth_;
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
  bool loopOpen_ = false;     // the statement opens an outermost loop
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
  for (const auto& [lineBreak, unit] : program.loopHeads) {
    if (!program.units[unit].async) continue;
    tokens.ReturnTo(lineBreak);
    int line = lineBreak->Line;
    tokens.Add(Token{kLoopCheck, KindOther, 0, line});
    tokens.Add(Token{"\n", KindLineBreak, 0, line});
  }
}

}  // namespace

void TranslateWaitingCalls(RunState& run) {
  Program program = Collector(run.Tokens).Collect();
  MarkAsync(program);
  Rewrite(run.Tokens, program);
}

}  // namespace korvex::translate
