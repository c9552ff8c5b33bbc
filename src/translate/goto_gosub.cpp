// Goto, Gosub and labels as structured JavaScript.
//   A Goto forward becomes "break" out of a labelled block that ends just
//   before its label:          KVX_Goto_Done: {  ...  break KVX_Goto_Done;  ...  }
//   A Goto backward becomes "continue" of a labelled loop that starts at
//   its label:                 KVX_Goto_Again: for (;;) {  ...  continue KVX_Goto_Again;  ...  break;  }
//   Jumps those two cannot express (their blocks would cross) use a loop
//   over a state variable, when their labels stand in the root of their
//   procedure or of the main code:
//     var KVX_Goto = 0 / KVX_Jumps: for (;;) { / switch (KVX_Goto) { /
//     case 0: ... case 1: (the label) ... KVX_Goto = 1; continue KVX_Jumps ... } / break; / }
//   A Gosub subroutine becomes a function, from its label to its Return:
//     Gosub Show  ->  KVX_Gosub_Show()     Show: ... Return  ->  function KVX_Gosub_Show() { ... }
// Labels are local to their procedure (and a subroutine's to it); every
// label line itself leaves the output. Procedures, structures, constants
// and subroutines that stand inside one of these blocks in the main code
// move in front of it, since PureBasic knows them wherever they stand.
// A Goto to a missing label, a label defined twice, a Goto into a block or
// out of a procedure is reported and left out.
// MarkLabels runs before the ":" separators become line breaks; the Goto
// pass right after the line continuation, while every keyword is a word.
#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "common/problems.h"
#include "common/text.h"
#include "translate/construct_passes.h"
#include "translate/jump_plan.h"
#include "translate/program_blocks.h"
#include "translate/token_edits.h"

namespace korvex::translate {
namespace {

// Words that stand alone as a statement: followed by ":" they end a
// statement ("Else : x = 1"), they name no label.
constexpr std::string_view kStandAloneWords[] = {
    "break", "calldebugger", "compilerdefault", "compilerelse", "compilerendif",
    "compilerendselect", "continue", "datasection", "default", "disableasm", "disabledebugger",
    "disableexplicit", "else", "enableasm", "enabledebugger", "enableexplicit", "end",
    "enddatasection", "enddeclaremodule", "endenumeration", "endif", "endimport",
    "endinterface", "endmacro", "endmodule", "endprocedure", "endselect", "endstructure",
    "endstructureunion", "endwith", "enumeration", "enumerationbinary", "fakereturn", "forever",
    "next", "repeat", "return", "structureunion", "wend"};

bool IsStandAloneWord(const std::string& text) {
  for (std::string_view w : kStandAloneWords)
    if (EqualsNoCase(text, w)) return true;
  return false;
}

bool IsColon(const Token& t) { return t.Kind == KindOther && t.Text == ":"; }

// "Name:" on a line of its own (a trailing comment may follow), as the data
// pass reads labels: "a : b" and "If x : y = 1" separate statements.
bool IsLabelWord(TokenList& tokens, Position word) {
  if (word->Kind != KindWord) return false;
  Position colon = std::next(word);
  if (colon == tokens.end() || !IsColon(*colon)) return false;
  if (word != tokens.begin() && std::prev(word)->Kind != KindLineBreak) return false;
  Position after = std::next(colon);
  if (after != tokens.end() && after->Kind != KindLineBreak && after->Kind != KindComment) return false;
  return !IsStandAloneWord(word->Text);
}

std::unordered_set<std::string> GosubTargets(TokenList& tokens) {
  std::unordered_set<std::string> names;
  for (Position it = tokens.begin(); it != tokens.end(); ++it) {
    if (it->Kind != KindWord || !EqualsNoCase(it->Text, "gosub")) continue;
    if (it != tokens.begin() && std::prev(it)->Kind != KindLineBreak) continue;
    Position name = std::next(it);
    if (name != tokens.end() && name->Kind == KindWord) names.insert(LowerAscii(name->Text));
  }
  return names;
}

bool HasJumps(TokenList& tokens) {
  for (const Token& t : tokens) {
    if (t.Kind != KindWord) continue;
    if (t.Spare == kLabelMark || EqualsNoCase(t.Text, "goto") || EqualsNoCase(t.Text, "gosub") ||
        EqualsNoCase(t.Text, "return") || EqualsNoCase(t.Text, "fakereturn"))
      return true;
  }
  return false;
}

// Moves the statement ranges in front of the target statement, keeping
// their order.
void ApplyMoves(TokenList& tokens, const ProgramBlocks& program, const Plan& plan) {
  std::vector<Token> moved;
  for (auto [first, last] : plan.moves) {
    Position it = program.statements[first].first;
    Position stop = program.statements[last].end;
    if (stop != tokens.end()) ++stop;  // its line break goes along
    while (it != stop) {
      moved.push_back(*it);
      Position next = std::next(it);
      tokens.ReturnTo(it);
      tokens.DeleteCurrent();
      it = next;
    }
    if (moved.back().Kind != KindLineBreak) moved.push_back(LineBreakToken(moved.back().Line));
  }
  Position target = program.statements[plan.moveTarget].first;
  for (Token& t : moved) InsertBefore(tokens, target, std::move(t));
}

class JumpWriter {
 public:
  JumpWriter(RunState& run, const ProgramBlocks& program)
      : run_(run), tokens_(run.Tokens), p_(program) {}

  void Write(const Plan& plan) {
    for (const Scope& scope : p_.scopes)
      if (scope.kind == ScopeKind::Subroutine) WriteSubroutine(scope);
    std::vector<Region> regions = plan.regions;
    std::sort(regions.begin(), regions.end(), [](const Region& a, const Region& b) {
      if (a.block != b.block) return a.block < b.block;
      if (a.start != b.start) return a.start < b.start;
      if (a.end != b.end) return a.end > b.end;
      return !a.loop && b.loop;
    });
    for (const Region& r : regions) WriteRegion(r);
    for (const StateMachine& m : plan.machines) WriteMachine(m, plan);
    for (const auto& [s, text] : plan.jumpText) WriteJump(s, text);
    for (const Statement& st : p_.statements)
      if (st.label) Blank(*st.first);
  }

 private:
  Position FirstOf(int block, size_t pos) { return p_.statements[p_.blocks[block].units[pos]].first; }

  // The line break after unit pos of block (one is there: the pass ends
  // the text with one).
  Position LineBreakAfter(int block, size_t pos) {
    return p_.statements[UnitLast(p_, block, p_.blocks[block].units[pos])].end;
  }

  void Lines(Position before, std::initializer_list<std::string> texts) {
    int line = before == tokens_.end() ? 0 : before->Line;
    for (const std::string& text : texts) {
      InsertBefore(tokens_, before, OtherToken(text, line));
      InsertBefore(tokens_, before, LineBreakToken(line));
    }
  }

  void LinesAfter(Position lineBreak, std::initializer_list<std::string> texts) {
    Position at = lineBreak;
    for (const std::string& text : texts) {
      at = InsertAfter(tokens_, at, OtherToken(text, lineBreak->Line));
      at = InsertAfter(tokens_, at, LineBreakToken(lineBreak->Line));
    }
  }

  // Show: ... Return  ->  function KVX_Gosub_Show() { ... }
  // A subroutine that runs into the next one calls it; one that runs into
  // a procedure or the program's end closes there.
  void WriteSubroutine(const Scope& scope) {
    const Statement& entry = p_.statements[scope.entry];
    // at the program's top: the main code may read them before a Gosub
    std::string declared = HoistDeclarations(scope);
    if (!declared.empty()) Lines(tokens_.begin(), {"var " + declared});
    Lines(entry.first, {"function KVX_Gosub_" + entry.first->Text + "() {"});
    if (scope.returns) return;  // its Return gives the "}"
    if (scope.next >= 0) {
      Position nextEntry = p_.statements[p_.scopes[scope.next].entry].first;
      Lines(nextEntry, {"KVX_Gosub_" + nextEntry->Text + "()", "}"});
      std::prev(nextEntry, 2)->Spare = kSubroutineEnd;
      return;
    }
    LinesAfter(p_.statements[scope.last].end, {"}"});
    std::next(p_.statements[scope.last].end)->Spare = kSubroutineEnd;
  }

  // A subroutine is main code: what it declares with Define (Global,
  // Static) is the main code's, not the function's. The keyword goes, so
  // its items stay assignments, and the variables are declared at the top of
  // the program with their initial values: "a = 0, b = \"\"". A Dim,
  // NewList or NewMap there makes the function's own, and says so.
  std::string HoistDeclarations(const Scope& scope) {
    std::string declared;
    const model::ProgramModel& m = run_.Model;
    for (int u : p_.blocks[scope.root].units) {
      const Statement& st = p_.statements[u];
      const std::string& w = st.word;
      if (w == "dim" || w == "redim" || w == "newlist" || w == "newmap") {
        ReportProblem(run_, st.first->Line, st.first->Text + " inside the subroutine " +
                                                p_.statements[scope.entry].first->Text +
                                                " makes a variable of its own in the page");
        continue;
      }
      if (w != "define" && w != "global" && w != "static" && w != "protected" && w != "threaded")
        continue;
      int depth = 0;
      bool itemStart = true;
      for (Position it = std::next(st.first); it != st.end; ++it) {
        if (it->Kind == KindOther && (it->Text == "(" || it->Text == "[")) ++depth;
        else if (it->Kind == KindOther && (it->Text == ")" || it->Text == "]")) --depth;
        else if (depth == 0 && it->Kind == KindOther && it->Text == ",") itemStart = true;
        else if (itemStart && it->Kind == KindWord && it->Ref >= 0 &&
                 m.At(it->Ref).kind == model::SymbolKind::Variable) {
          if (!declared.empty()) declared += ", ";
          declared += m.At(it->Ref).jsName + " = " + InitialValue(m.At(it->Ref));
          itemStart = false;
        }
      }
      Blank(*st.first);
    }
    return declared;
  }

  std::string InitialValue(const model::Symbol& v) const {
    if (v.type.IsString()) return "\"\"";
    if (v.type.IsQuad()) return "0n";
    if (v.type.IsStructure()) return "null";  // the assignment in the body makes the object
    return "0";
  }

  void WriteRegion(const Region& r) {
    Lines(FirstOf(r.block, r.start), {r.label + (r.loop ? ": for (;;) {" : ": {")});
    Position end = LineBreakAfter(r.block, r.end);
    if (r.loop) LinesAfter(end, {"break;", "}"});
    else LinesAfter(end, {"}"});
  }

  void WriteMachine(const StateMachine& m, const Plan& plan) {
    Lines(FirstOf(m.block, m.start),
          {"var KVX_Goto = 0", "KVX_Jumps: for (;;) {", "switch (KVX_Goto) {", "case 0:"});
    for (size_t pos = m.start; pos <= m.end; ++pos) {
      int u = p_.blocks[m.block].units[pos];
      auto found = plan.stateCase.find(u);
      if (found != plan.stateCase.end()) Lines(p_.statements[u].first, {"case " + std::to_string(found->second) + ":"});
    }
    LinesAfter(LineBreakAfter(m.block, m.end), {"}", "break;", "}"});
  }

  // The jump statement's keyword gets the JavaScript; the rest of the
  // statement goes, a trailing comment apart.
  void WriteJump(int s, const std::string& text) {
    const Statement& st = p_.statements[s];
    for (Position it = std::next(st.first); it != st.end; ++it)
      if (it->Kind != KindComment) Blank(*it);
    st.first->Text = text;
    st.first->Kind = KindOther;
    if (text == "}") st.first->Spare = kSubroutineEnd;  // a subroutine's last Return
  }

  RunState& run_;
  TokenList& tokens_;
  const ProgramBlocks& p_;
};

}  // namespace

void MarkLabels(TokenList& tokens) {
  for (Position it = tokens.begin(); it != tokens.end(); ++it)
    if (IsLabelWord(tokens, it)) it->Spare = kLabelMark;
}

void TranslateGotoGosub(RunState& run) {
  TokenList& tokens = run.Tokens;
  if (!HasJumps(tokens)) return;
  // Every statement ends with a line break, the last one too, so that
  // blocks can close after it.
  if (tokens.Empty() || std::prev(tokens.end())->Kind != KindLineBreak)
    tokens.PushBack(LineBreakToken(tokens.Empty() ? 1 : std::prev(tokens.end())->Line));
  std::unordered_set<std::string> subroutines = GosubTargets(tokens);
  ProgramBlocks program = ReadProgramBlocks(tokens, subroutines);
  Plan plan = PlanJumps(run, program, false);
  if (!plan.moves.empty()) {
    ApplyMoves(tokens, program, plan);
    program = ReadProgramBlocks(tokens, subroutines);
  }
  plan = PlanJumps(run, program, true);
  JumpWriter(run, program).Write(plan);
}

}  // namespace korvex::translate
