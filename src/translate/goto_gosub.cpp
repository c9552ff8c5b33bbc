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
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/problems.h"
#include "common/text.h"
#include "translate/construct_passes.h"
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
  if (word->Kind != KindWord || IsStandAloneWord(word->Text)) return false;
  if (word != tokens.begin() && std::prev(word)->Kind != KindLineBreak) return false;
  Position colon = std::next(word);
  if (colon == tokens.end() || !IsColon(*colon)) return false;
  Position after = std::next(colon);
  return after == tokens.end() || after->Kind == KindLineBreak || after->Kind == KindComment;
}

// ---------------------------------------------------------------------
// The plan: which jump becomes what.

struct Region {
  int block;
  size_t start, end;  // positions in the block's units
  bool loop;          // a loop for a backward jump, else a block
  std::string label;  // the JavaScript label
};

struct StateMachine {
  int block;  // a scope's root
  size_t start, end;
};

struct Plan {
  std::vector<Region> regions;
  std::vector<StateMachine> machines;
  std::unordered_map<int, int> stateCase;          // label statement -> case
  std::map<int, std::string> jumpText;             // statement -> its JavaScript ("" drops it)
  std::vector<std::pair<int, int>> moves;          // statement ranges to move
  int moveTarget = -1;                             // in front of this statement
};

size_t PositionIn(const Block& block, int s) {
  return static_cast<size_t>(std::lower_bound(block.units.begin(), block.units.end(), s) -
                             block.units.begin());
}

bool Crosses(const Region& a, const Region& b) {
  const Region& first = a.start <= b.start ? a : b;
  const Region& second = a.start <= b.start ? b : a;
  return first.start < second.start && second.start <= first.end && first.end < second.end;
}

// More regions than this in one block make the state loop (or a report)
// cheaper than sorting out their nesting.
constexpr size_t kMaxRegionsPerBlock = 32;

class JumpPlanner {
 public:
  JumpPlanner(RunState& run, const ProgramBlocks& program, bool report)
      : run_(run), p_(program), report_(report), labels_(program.scopes.size()) {}

  Plan Make() {
    CollectLabels();
    for (int s = 0; s < static_cast<int>(p_.statements.size()); ++s) PlanJump(s);
    for (auto& [label, gotos] : gotos_) PlanLabel(label, gotos);
    for (auto& [block, ids] : byBlock_) Untangle(block, ids);
    for (size_t scope = 0; scope < p_.scopes.size(); ++scope)
      if (needsMachine_.count(static_cast<int>(scope))) PlanMachine(static_cast<int>(scope));
    FinishRegions();
    PlanMoves();
    return std::move(plan_);
  }

 private:
  int ScopeOf(int s) const { return p_.blocks[p_.statements[s].block].scope; }
  const Statement& At(int s) const { return p_.statements[s]; }

  void Problem(int s, const std::string& text) {
    if (report_) ReportProblem(run_, At(s).first->Line, text);
  }

  // The label spelled as its definition spells it.
  std::string Spelling(int labelStatement) const { return At(labelStatement).first->Text; }

  // The word after Goto or Gosub as written; "" when there is none.
  std::string TargetOf(int s) const {
    Position name = std::next(At(s).first);
    if (name == At(s).end || name->Kind != KindWord) return "";
    return name->Text;
  }

  void CollectLabels() {
    for (int s = 0; s < static_cast<int>(p_.statements.size()); ++s) {
      if (!At(s).label) continue;
      allLabels_.insert(LabelName(At(s)));
      auto [it, added] = labels_[ScopeOf(s)].emplace(LabelName(At(s)), s);
      if (!added) Problem(s, "the label " + Spelling(s) + " is defined twice; the first one counts");
    }
    for (size_t scope = 0; scope < p_.scopes.size(); ++scope) {
      if (p_.scopes[scope].kind != ScopeKind::Subroutine) continue;
      subroutines_.emplace(LabelName(At(p_.scopes[scope].entry)), static_cast<int>(scope));
      entries_.insert(p_.scopes[scope].entry);
    }
  }

  bool LabelExistsElsewhere(const std::string& name) const { return allLabels_.count(name) != 0; }

  void PlanJump(int s) {
    const std::string& w = At(s).word;
    if (w == "goto") PlanGoto(s);
    else if (w == "gosub") PlanGosub(s);
    else if (w == "return") PlanReturn(s);
    else if (w == "fakereturn") plan_.jumpText[s] = "";  // a subroutine is a function: nothing to pop
  }

  void PlanGoto(int s) {
    std::string name = TargetOf(s);
    const auto& labels = labels_[ScopeOf(s)];
    auto found = labels.find(LowerAscii(name));
    if (found != labels.end()) {
      gotos_[found->second].push_back(s);
      return;
    }
    plan_.jumpText[s] = "";
    if (name.empty()) Problem(s, "Goto without a label is left out");
    else if (LabelExistsElsewhere(LowerAscii(name)))
      Problem(s, "Goto " + name + " leaves its procedure or subroutine; it is left out");
    else Problem(s, "Goto to the label " + name + ", which does not exist, is left out");
  }

  void PlanGosub(int s) {
    std::string name = TargetOf(s);
    plan_.jumpText[s] = "";
    if (p_.scopes[ScopeOf(s)].kind == ScopeKind::Procedure) {
      Problem(s, "Gosub inside a procedure is left out");
      return;
    }
    auto found = subroutines_.find(LowerAscii(name));
    if (name.empty()) {
      Problem(s, "Gosub without a label is left out");
    } else if (found != subroutines_.end()) {
      plan_.jumpText[s] = "KVX_Gosub_" + Spelling(p_.scopes[found->second].entry) + "()";
    } else if (LabelExistsElsewhere(LowerAscii(name))) {
      Problem(s, "Gosub " + name + " calls a label inside a block or a procedure; it is left out");
    } else {
      Problem(s, "Gosub to the label " + name + ", which does not exist, is left out");
    }
  }

  void PlanReturn(int s) {
    const Scope& scope = p_.scopes[ScopeOf(s)];
    if (scope.kind != ScopeKind::Subroutine) {
      Problem(s, "Return without Gosub is left out");
      plan_.jumpText[s] = "";
    } else {
      plan_.jumpText[s] = scope.returns && scope.last == s ? "}" : "return";
    }
  }

  // The regions one label needs: a block for its forward jumps, a loop for
  // its backward ones, both in the label's own block.
  void PlanLabel(int label, const std::vector<int>& gotos) {
    int block = At(label).block;
    const Block& b = p_.blocks[block];
    size_t at = PositionIn(b, label);
    bool forward = false, backward = false;
    size_t first = at, last = at;
    for (int g : gotos) {
      int unit = UnitIn(p_, block, g);
      if (unit < 0) {
        Problem(g, "Goto " + Spelling(label) + " jumps into a block; it is left out");
        plan_.jumpText[g] = "";
        continue;
      }
      size_t pos = PositionIn(b, unit);
      if (pos < at) forward = true, first = std::min(first, pos);
      else backward = true, last = std::max(last, pos);
      planned_[g] = label;
    }
    std::string name = "KVX_Goto_" + Spelling(label);
    if (forward) AddRegion(Region{block, first, at - 1, false, name}, label);
    if (backward) AddRegion(Region{block, at, last, true, name}, label);
  }

  void AddRegion(const Region& r, int label) {
    byBlock_[r.block].push_back(regions_.size());
    regions_.push_back(r);
    regionLabel_.push_back(label);
    dropped_.push_back(false);
  }

  // Makes the regions of one block nest: a block that starts inside
  // another region and ends after it starts with it instead, and a loop
  // that ends inside a later one ends with it. What still crosses goes to
  // the state loop (in a scope's root) or is reported.
  void Untangle(int block, const std::vector<size_t>& ids) {
    bool crossing = ids.size() > kMaxRegionsPerBlock;
    for (size_t round = 0; !crossing && round <= ids.size(); ++round) {
      bool changed = false;
      for (size_t i : ids)
        for (size_t j : ids) changed |= Extend(regions_[i], regions_[j]);
      if (!changed) break;
    }
    for (size_t i = 0; !crossing && i < ids.size(); ++i)
      for (size_t j = i + 1; !crossing && j < ids.size(); ++j)
        crossing = Crosses(regions_[ids[i]], regions_[ids[j]]);
    if (!crossing) {
      CheckCapturedBreaks(block, ids);
      return;
    }
    if (p_.blocks[block].parent == -1) {
      needsMachine_.insert(p_.blocks[block].scope);
      for (size_t i : ids) dropped_[i] = true;
      return;
    }
    for (size_t i : ids) DropRegion(i, "the jumps to " + Spelling(regionLabel_[i]) +
                                           " cross other jumps inside a block; they are left out");
  }

  // a starts first and b crosses it: the fixes that keep every jump's
  // meaning. A block may start earlier, a loop may end later.
  static bool Extend(Region& a, Region& b) {
    if (!(a.start < b.start && b.start <= a.end && a.end < b.end)) return false;
    if (!b.loop) {
      b.start = a.start;
      return true;
    }
    if (a.loop) {
      a.end = b.end;
      return true;
    }
    return false;  // a block around a loop's start: no fix
  }

  // A loop inside a PureBasic loop would catch that loop's own Break and
  // Continue; such a jump back is reported instead.
  void CheckCapturedBreaks(int block, const std::vector<size_t>& ids) {
    bool insideLoop = false;
    for (int b = block; b != -1; b = p_.blocks[b].parent) insideLoop |= p_.blocks[b].loop;
    if (!insideLoop) return;
    const Block& b = p_.blocks[block];
    for (size_t i : ids) {
      const Region& r = regions_[i];
      if (!r.loop) continue;
      int from = b.units[r.start], to = UnitLast(p_, block, b.units[r.end]);
      for (int s = from; s <= to; ++s) {
        const std::string& w = At(s).word;
        if ((w == "break" || w == "continue") && LoopsBetween(p_, block, s) == 0) {
          DropRegion(i, "a Goto back to " + Spelling(regionLabel_[i]) +
                            " would catch the Break or Continue of its loop; it is left out");
          break;
        }
      }
    }
  }

  void DropRegion(size_t i, const std::string& why) {
    dropped_[i] = true;
    const Region& r = regions_[i];
    int label = regionLabel_[i];
    size_t at = PositionIn(p_.blocks[r.block], label);
    for (int g : gotos_[label]) {
      if (!planned_.count(g)) continue;
      bool forwardJump = PositionIn(p_.blocks[r.block], UnitIn(p_, r.block, g)) < at;
      if (forwardJump == r.loop) continue;  // the other region's jump
      Problem(g, why);
      plan_.jumpText[g] = "";
    }
  }

  // The state loop of a scope: every label of its root that a Goto
  // reaches is a case; the loop spans them and their Gotos.
  void PlanMachine(int scope) {
    int root = p_.scopes[scope].root;
    const Block& b = p_.blocks[root];
    StateMachine m{root, b.units.size(), 0};
    int count = 0;
    for (auto& [label, gotos] : gotos_) {
      if (At(label).block != root) continue;
      plan_.stateCase[label] = ++count;
      auto widen = [&](int unit) {
        size_t pos = PositionIn(b, unit);
        m.start = std::min(m.start, pos);
        m.end = std::max(m.end, pos);
      };
      widen(label);
      for (int g : gotos) {
        int unit = UnitIn(p_, root, g);
        if (unit < 0) continue;
        widen(unit);
        plan_.jumpText[g] = "KVX_Goto = " + std::to_string(count) + "; continue KVX_Jumps";
      }
    }
    plan_.machines.push_back(m);
  }

  // The Gotos of the regions that stay: break out of a block, continue a
  // loop.
  void FinishRegions() {
    for (size_t i = 0; i < regions_.size(); ++i) {
      if (dropped_[i]) continue;
      const Region& r = regions_[i];
      plan_.regions.push_back(r);
      int label = regionLabel_[i];
      for (int g : gotos_[label]) {
        if (plan_.jumpText.count(g)) continue;
        int unit = UnitIn(p_, r.block, g);
        bool forwardJump = PositionIn(p_.blocks[r.block], unit) < PositionIn(p_.blocks[r.block], label);
        if (forwardJump == r.loop) continue;
        plan_.jumpText[g] = (r.loop ? "continue " : "break ") + r.label;
      }
    }
  }

  // In the main code, what PureBasic knows wherever it stands moves in
  // front of the blocks that the jumps need.
  void PlanMoves() {
    const Block& root = p_.blocks[0];
    size_t start = root.units.size(), end = 0;
    for (const Region& r : plan_.regions)
      if (r.block == 0) start = std::min(start, r.start), end = std::max(end, r.end);
    for (const StateMachine& m : plan_.machines)
      if (m.block == 0) start = std::min(start, m.start), end = std::max(end, m.end);
    if (start > end) return;
    for (size_t pos = start + 1; pos <= end && pos < root.units.size(); ++pos) {
      int u = root.units[pos];
      int last = DefinitionEnd(pos);
      if (last < 0) continue;
      plan_.moves.emplace_back(u, last);
      while (pos + 1 <= end && pos + 1 < root.units.size() && root.units[pos + 1] <= last) ++pos;
    }
    if (!plan_.moves.empty()) plan_.moveTarget = root.units[start];
  }

  // The last statement of the definition that the root's unit at pos
  // starts, or -1 when it starts none.
  int DefinitionEnd(size_t pos) const {
    const Block& root = p_.blocks[0];
    int u = root.units[pos];
    const Statement& st = At(u);
    if (st.word == "procedure" || st.word == "procedurec" || st.word == "proceduredll" ||
        st.word == "procedurecdll")
      return st.unitEnd;
    if (entries_.count(u)) return st.unitEnd;
    if (st.word == "structure") return EndWordAfter(pos, "endstructure");
    if (st.word == "enumeration" || st.word == "enumerationbinary") return EndWordAfter(pos, "endenumeration");
    Position second = std::next(st.first);
    if (st.first->Kind == KindWord && st.first->Text[0] == '#' && second != st.end &&
        second->Text == "=")
      return u;
    return -1;
  }

  int EndWordAfter(size_t pos, const char* word) const {
    const Block& root = p_.blocks[0];
    for (size_t i = pos; i < root.units.size(); ++i)
      if (At(root.units[i]).word == word) return root.units[i];
    return root.units.back();
  }

  RunState& run_;
  const ProgramBlocks& p_;
  bool report_;
  Plan plan_;
  std::vector<std::unordered_map<std::string, int>> labels_;  // per scope
  std::unordered_set<std::string> allLabels_;                 // of every scope
  std::unordered_map<std::string, int> subroutines_;          // name -> scope
  std::unordered_set<int> entries_;                           // their label statements
  // ordered maps: the cases and the reports come in the program's order
  std::map<int, std::vector<int>> gotos_;                     // label -> its Gotos
  std::map<int, int> planned_;                                // Goto -> label
  std::vector<Region> regions_;
  std::vector<int> regionLabel_;
  std::vector<bool> dropped_;
  std::map<int, std::vector<size_t>> byBlock_;
  std::unordered_set<int> needsMachine_;
};

// ---------------------------------------------------------------------
// Carrying the plan out.

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
  JumpWriter(TokenList& tokens, const ProgramBlocks& program) : tokens_(tokens), p_(program) {}

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
    Lines(entry.first, {"function KVX_Gosub_" + entry.first->Text + "() {"});
    if (scope.returns) return;  // its Return gives the "}"
    if (scope.next >= 0) {
      Position nextEntry = p_.statements[p_.scopes[scope.next].entry].first;
      Lines(nextEntry, {"KVX_Gosub_" + nextEntry->Text + "()", "}"});
      return;
    }
    LinesAfter(p_.statements[scope.last].end, {"}"});
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
  }

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
  Plan plan = JumpPlanner(run, program, false).Make();
  if (!plan.moves.empty()) {
    ApplyMoves(tokens, program, plan);
    program = ReadProgramBlocks(tokens, subroutines);
  }
  plan = JumpPlanner(run, program, true).Make();
  JumpWriter(tokens, program).Write(plan);
}

}  // namespace korvex::translate
