// The plan for a program's jumps; see jump_plan.h.
// A label's forward Gotos need a block that ends just before it, its
// backward ones a loop that starts at it, both in the label's own block.
// The regions of one block must nest; what crosses goes to the state loop
// of the scope (labels in its root) or is reported.
#include "translate/jump_plan.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "common/problems.h"
#include "common/text.h"
#include "model/keywords.h"

namespace korvex::translate {
namespace {

using Position = TokenList::Position;

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
constexpr size_t kMaxRegionsPerBlock = 128;

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
        if (IsPlainBreak(s) && LoopsBetween(p_, block, s) == 0) {
          DropRegion(i, "a Goto back to " + Spelling(regionLabel_[i]) +
                            " would catch the Break or Continue of its loop; it is left out");
          break;
        }
      }
    }
  }

  // Break, Break 1 and Continue: JavaScript's own break and continue, which
  // the innermost loop takes. "Break 2" names its block and passes through.
  bool IsPlainBreak(int s) const {
    const Statement& st = At(s);
    if (st.word == "continue") return true;
    if (st.word != "break") return false;
    Position count = std::next(st.first);
    return count == st.end || count->Kind != KindNumber || std::atol(count->Text.str().c_str()) <= 1;
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
    if (model::IsProcedureKeyword(st.word))
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

}  // namespace

Plan PlanJumps(RunState& run, const ProgramBlocks& program, bool report) {
  return JumpPlanner(run, program, report).Make();
}

}  // namespace korvex::translate
