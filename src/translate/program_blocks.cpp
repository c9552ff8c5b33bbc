// Statements, blocks and scopes of a token list; see program_blocks.h.
#include "translate/program_blocks.h"

#include <algorithm>
#include <iterator>

#include "common/text.h"
#include "model/keywords.h"

namespace korvex::translate {
namespace {

bool IsLoopWord(const std::string& w) {
  return w == "for" || w == "foreach" || w == "while" || w == "repeat";
}

bool OpensConstruct(const std::string& w) { return w == "if" || w == "select" || IsLoopWord(w); }

// The branch words of an open construct: ElseIf and Else of an If, Case
// and Default of a Select.
bool IsBranchOf(const std::string& opener, const std::string& w) {
  if (opener == "if") return w == "elseif" || w == "else";
  if (opener == "select") return w == "case" || w == "default";
  return false;
}

bool IsCloserOf(const std::string& opener, const std::string& w) {
  if (opener == "if") return w == "endif";
  if (opener == "select") return w == "endselect";
  if (opener == "while") return w == "wend";
  if (opener == "for" || opener == "foreach") return w == "next";
  if (opener == "repeat") return w == "until" || w == "forever";
  return false;
}

bool IsCloser(const std::string& w) {
  return w == "endif" || w == "endselect" || w == "wend" || w == "next" || w == "until" ||
         w == "forever";
}

// One statement per run of tokens between line breaks.
std::vector<Statement> ReadStatements(TokenList& tokens) {
  std::vector<Statement> statements;
  for (TokenList::Position it = tokens.begin(); it != tokens.end();) {
    if (it->Kind == KindLineBreak) {
      ++it;
      continue;
    }
    Statement s;
    s.first = it;
    if (it->Kind == KindWord) s.word = LowerAscii(it->Text);
    s.label = it->Spare == kLabelMark && it->Kind == KindWord;
    while (it != tokens.end() && it->Kind != KindLineBreak) ++it;
    s.end = it;
    s.unitEnd = static_cast<int>(statements.size());
    statements.push_back(s);
  }
  return statements;
}

class BlockReader {
 public:
  BlockReader(ProgramBlocks& program, const std::unordered_set<std::string>& subroutines)
      : p_(program), subroutines_(subroutines) {}

  void Read(TokenList& tokens) {
    p_.statements = ReadStatements(tokens);
    p_.blocks.push_back(Block{});
    p_.scopes.push_back(Scope{});
    int n = static_cast<int>(p_.statements.size());
    for (int s = 0; s < n; ++s) Place(s);
    // Blocks left open end with the program.
    while (!open_.empty()) {
      if (open_.back().kind == Open::Subroutine) EndSubroutine(n - 1, false, -1);
      else PopConstruct(n - 1);
    }
  }

 private:
  struct Open {
    enum Kind { Construct, Procedure, Subroutine } kind;
    int opener;  // the statement that opened it
    int block;   // its current block (a construct's current branch)
  };

  int CurrentBlock() const { return open_.empty() ? 0 : open_.back().block; }
  bool AtSubroutineRoot() const { return !open_.empty() && open_.back().kind == Open::Subroutine; }

  void AddUnit(int s, int block) {
    p_.statements[s].block = block;
    p_.blocks[block].units.push_back(s);
  }

  int NewBlock(int parent, int scope, int opener, bool loop) {
    Block b;
    b.parent = parent;
    b.scope = scope;
    b.opener = opener;
    b.loop = loop;
    p_.blocks.push_back(b);
    return static_cast<int>(p_.blocks.size()) - 1;
  }

  int NewScope(ScopeKind kind) {
    Scope scope;
    scope.kind = kind;
    p_.scopes.push_back(scope);
    int id = static_cast<int>(p_.scopes.size()) - 1;
    p_.scopes[id].root = NewBlock(-1, id, -1, false);
    return id;
  }

  void Place(int s) {
    const Statement& st = p_.statements[s];
    const std::string& w = st.word;
    if (st.label && StartsSubroutine(s)) return;
    if (AtSubroutineRoot() && model::IsProcedureKeyword(w)) EndSubroutine(s - 1, false, -1);
    if (AtSubroutineRoot() && w == "return") {
      AddUnit(s, CurrentBlock());
      EndSubroutine(s, true, -1);
    } else if (OpensConstruct(w)) {
      int parent = CurrentBlock();
      AddUnit(s, parent);
      int block = NewBlock(parent, p_.blocks[parent].scope, s, IsLoopWord(w));
      open_.push_back(Open{Open::Construct, s, block});
    } else if (model::IsProcedureKeyword(w)) {
      AddUnit(s, CurrentBlock());
      int scope = NewScope(ScopeKind::Procedure);
      open_.push_back(Open{Open::Procedure, s, p_.scopes[scope].root});
    } else if (!open_.empty() && open_.back().kind == Open::Construct &&
               IsBranchOf(p_.statements[open_.back().opener].word, w)) {
      Open& top = open_.back();
      int parent = p_.blocks[top.block].parent;
      p_.statements[s].block = parent;
      top.block = NewBlock(parent, p_.blocks[parent].scope, top.opener, false);
    } else if (IsCloser(w) && ClosesConstruct(w)) {
      PopConstructsThrough(w, s);
    } else if (w == "endprocedure" && InProcedure()) {
      while (open_.back().kind == Open::Construct) PopConstruct(s);
      p_.statements[open_.back().opener].unitEnd = s;
      open_.pop_back();
      p_.statements[s].block = CurrentBlock();
    } else {
      AddUnit(s, CurrentBlock());
    }
  }

  // A label that a Gosub calls, in the main code's root block, starts a
  // subroutine: a scope of its own; it ends the subroutine before it.
  bool StartsSubroutine(int s) {
    if (!(open_.empty() || AtSubroutineRoot())) return false;
    std::string name = LabelName(p_.statements[s]);
    if (subroutines_.count(name) == 0 || !started_.insert(name).second) return false;
    int scope = NewScope(ScopeKind::Subroutine);
    if (AtSubroutineRoot()) EndSubroutine(s - 1, false, scope);
    p_.scopes[scope].entry = s;
    p_.blocks[0].units.push_back(s);
    p_.statements[s].block = p_.scopes[scope].root;
    p_.blocks[p_.scopes[scope].root].units.push_back(s);
    open_.push_back(Open{Open::Subroutine, s, p_.scopes[scope].root});
    return true;
  }

  void EndSubroutine(int last, bool returns, int next) {
    Scope& scope = p_.scopes[p_.blocks[open_.back().block].scope];
    scope.last = last;
    scope.returns = returns;
    scope.next = next;
    p_.statements[open_.back().opener].unitEnd = last;
    open_.pop_back();
  }

  bool InProcedure() const {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
      if (it->kind == Open::Procedure) return true;
      if (it->kind == Open::Subroutine) return false;
    }
    return false;
  }

  // A closer ends the innermost open construct it belongs to (and any
  // left open inside that one), never one outside the current procedure.
  bool ClosesConstruct(const std::string& w) const {
    for (auto it = open_.rbegin(); it != open_.rend() && it->kind == Open::Construct; ++it)
      if (IsCloserOf(p_.statements[it->opener].word, w)) return true;
    return false;
  }

  void PopConstructsThrough(const std::string& w, int s) {
    while (!IsCloserOf(p_.statements[open_.back().opener].word, w)) PopConstruct(s);
    PopConstruct(s);
    p_.statements[s].block = CurrentBlock();
  }

  void PopConstruct(int last) {
    p_.statements[open_.back().opener].unitEnd = last;
    open_.pop_back();
  }

  ProgramBlocks& p_;
  const std::unordered_set<std::string>& subroutines_;
  std::unordered_set<std::string> started_;
  std::vector<Open> open_;
};

}  // namespace

ProgramBlocks ReadProgramBlocks(TokenList& tokens, const std::unordered_set<std::string>& subroutines) {
  ProgramBlocks program;
  BlockReader(program, subroutines).Read(tokens);
  return program;
}

// A unit covers the statements from its own to its last one, and the units
// of a block come in order: the unit that holds s is the last one that
// starts at or before it, if s lies within it.
int UnitIn(const ProgramBlocks& program, int block, int s) {
  const std::vector<int>& units = program.blocks[block].units;
  auto after = std::upper_bound(units.begin(), units.end(), s);
  if (after == units.begin()) return -1;
  int u = *std::prev(after);
  return s <= UnitLast(program, block, u) ? u : -1;
}

int UnitLast(const ProgramBlocks& program, int block, int u) {
  if (program.blocks[block].parent == -1) {
    const Scope& scope = program.scopes[program.blocks[block].scope];
    if (scope.kind == ScopeKind::Subroutine && scope.entry == u) return u;
  }
  return program.statements[u].unitEnd;
}

int LoopsBetween(const ProgramBlocks& program, int block, int s) {
  int loops = 0;
  for (int b = program.statements[s].block; b != block && b != -1; b = program.blocks[b].parent)
    if (program.blocks[b].loop) ++loops;
  return loops;
}

std::string LabelName(const Statement& s) { return LowerAscii(s.first->Text); }

}  // namespace korvex::translate
