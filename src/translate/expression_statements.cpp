// Every expression of the program computed as PureBasic computes it: each
// statement's expressions are parsed with PureBasic's precedence, typed from
// the program model and rewritten in place (parentheses where JavaScript
// groups otherwise, integer division, conversions where a value is stored,
// truth values as 1 and 0, quads as BigInt), and every shortcut statement
// gets its assignment:
//   n / 2              ->  n = Math.trunc(n / 2)
//   result * b + c     ->  result = result * b + c
//   total + x          ->  total += x
//   counts(k$) + 1     ->  counts(k$) = counts(k$) + 1   (the map pass goes on)
//   If a & 1 = 0       ->  If (a & 1) == 0
// Runs right after the variable declarations, on PureBasic tokens, so the
// later passes (lists, maps, arrays, the library, the block statements)
// find what they expect around the new tokens.
#include <string>
#include <vector>

#include "common/text.h"
#include "expressions/emitter.h"
#include "expressions/parser.h"
#include "expressions/typing.h"
#include "model/keywords.h"
#include "model/statements.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

using expressions::Demand;
using expressions::Emitter;
using expressions::NodeKind;
using expressions::Parser;
using expressions::Tree;
using expressions::Typer;
using expressions::Value;
using model::StatementReader;

// A statement with more nodes than this is left as it is written: the
// rewrites recurse along the tree, and no input may exhaust the stack.
constexpr size_t kMaxNodes = 2000;

bool IsShortcutOperator(const Token& t) {
  if (t.Kind != KindOther) return false;
  std::string_view s = t.Text;
  return s == "+" || s == "-" || s == "*" || s == "/" || s == "%" || s == "&" || s == "|" ||
         s == "!" || s == "<<" || s == ">>";
}

class ExpressionWalk {
 public:
  explicit ExpressionWalk(RunState& run) : run_(run), m_(run.Model), tokens_(run.Tokens) {}

  void Run() {
    for (const model::MovedValue& v : m_.movedValues) MovedValue(v);
    StatementReader s(tokens_);
    while (s.Next())
      if (s.Size() > 0) Statement(s);
  }

  // "Static t.b = 200", its value now at the top of the program: stored
  // into t as where it was written.
  void MovedValue(const model::MovedValue& v) {
    std::vector<TokenList::Position> positions;
    for (TokenList::Position it = v.first;; ++it) {
      if (it == tokens_.end()) return;
      if (!it->Text.empty() && it->Kind != KindComment) positions.push_back(it);
      if (it == v.last) break;
    }
    Tree& tree = Fresh(tree_);
    Parser parser(m_, positions, tree);
    size_t at = 0;
    int root = parser.Parse(0, positions.size(), at);
    if (root < 0 || at != positions.size() || tree.nodes.size() > kMaxNodes) return;
    const model::Type& type = m_.At(v.symbol).type;
    Typer typer(m_, tree);
    typer.Natural(root);
    typer.Settle(root, expressions::DemandOf(type), true);
    Emitter emitter(m_, tokens_, tree);
    emitter.Emit(root);
    emitter.ConvertTo(root, type);
  }

 private:
  // ---- statements -------------------------------------------------------

  void Statement(StatementReader& s) {
    const Token& first = s.At(0);
    LowerWord word = s.FirstWord();
    std::string_view lower = word;
    if (SkipsBlock(lower)) return;
    if (lower == "if" || lower == "elseif" || lower == "while" || lower == "until")
      return Condition(s, 1, s.Size());
    if (lower == "select") return Values(s, 1, s.Size());
    if (lower == "debug") return DebugValues(s);
    if (lower == "case") return CaseValues(s);
    if (lower == "for") return ForHeader(s);
    if (lower == "foreach") return Value(s, 1, s.Size(), nullptr);
    if (lower == "procedurereturn") return Return(s);
    if (lower == "global" || lower == "protected" || lower == "define" || lower == "static" ||
        lower == "threaded")
      return DeclarationValues(s);
    if (lower == "dim" || lower == "redim") return Sizes(s, 0);
    if (model::IsProcedureKeyword(lower)) return EnterProcedure(s);
    if (lower == "endprocedure") {
      current_ = model::kMainScope;
      return;
    }
    if (!lower.empty() && lower[0] == '#' && s.Is(1, "=")) return Value(s, 2, s.Size(), nullptr);
    // a word an earlier pass wrote ("var KVX_Label_...") is no name of the model
    if (first.Kind == KindWord && first.Ref < 0 && (model::IsKeyword(lower) || IsForeign(lower)))
      return;
    Generic(s);
  }

  static bool IsForeign(std::string_view lower) {
    return lower == "var" || StartsWith(lower, "kvx_") || StartsWith(lower, "ccommonkvx_");
  }

  // Structure, Interface, Import, Enumeration and Macro blocks hold no
  // statements to compute.
  bool SkipsBlock(std::string_view lower) {
    if (!blockEnd_.empty()) {
      if (lower == blockEnd_) blockEnd_.clear();
      return true;
    }
    if (lower == "structure") blockEnd_ = "endstructure";
    else if (lower == "interface") blockEnd_ = "endinterface";
    else if (lower == "import" || lower == "importc") blockEnd_ = "endimport";
    else if (lower == "enumeration" || lower == "enumerationbinary") blockEnd_ = "endenumeration";
    else if (lower == "macro") blockEnd_ = "endmacro";
    return !blockEnd_.empty();
  }

  void EnterProcedure(StatementReader& s) {
    current_ = model::kMainScope;
    for (size_t i = 1; i < s.Size(); ++i) {
      int ref = s.At(i).Ref;
      if (ref >= 0 && m_.At(ref).kind == model::SymbolKind::Procedure) {
        current_ = ref;
        return;
      }
    }
  }

  // "ProcedureReturn value": stored as the procedure's result.
  void Return(StatementReader& s) {
    const model::Type* result = nullptr;
    if (current_ != model::kMainScope) result = &m_.At(current_).type;
    Value(s, 1, s.Size(), result);
  }

  // "Case 1, 3 To 5": every value, every bound.
  void CaseValues(StatementReader& s) {
    for (size_t i = 1; i < s.Size();) {
      size_t end = s.NextComma(i);
      size_t to = i;
      while (to < end && !s.IsWord(to, "to")) ++to;
      Value(s, i, to, nullptr);
      if (to < end) Value(s, to + 1, end, nullptr);
      i = end + 1;
    }
  }

  // "Debug a, 1", "Select x": values, separated by commas.
  void Values(StatementReader& s, size_t from, size_t to) {
    while (from < to) {
      size_t end = std::min(s.NextComma(from), to);
      Value(s, from, end, nullptr);
      from = end + 1;
    }
  }

  // Debug value[, level]: a float shows as PureBasic's debugger shows it.
  void DebugValues(StatementReader& s) {
    size_t end = s.NextComma(1);
    Tree& tree = Fresh(tree_);
    Parser parser(m_, s.Tokens(), tree);
    size_t at = 0;
    int root = end > 1 ? parser.Parse(1, end, at) : -1;
    if (root >= 0 && at == end && tree.nodes.size() <= kMaxNodes) {
      Typer typer(m_, tree);
      typer.Natural(root);
      typer.Settle(root, Demand::None, true);
      Emitter emitter(m_, tokens_, tree);
      emitter.Emit(root);
      emitter.FormatForDebug(root);
    }
    if (end < s.Size()) Values(s, end + 1, s.Size());
  }

  // For v = start To limit [Step step]: start is stored into v; the limit
  // is compared with it.
  void ForHeader(StatementReader& s) {
    size_t at = 0;
    Tree& target = Fresh(target_);
    Parser parser(m_, s.Tokens(), target);
    int variable = parser.ParseOperand(1, s.Size(), at);
    if (variable < 0 || !s.Is(at, "=")) return;
    const model::Type* type = TypeOfTarget(target, variable);
    size_t to = at + 1, step = s.Size();
    while (to < s.Size() && !s.IsWord(to, "to")) ++to;
    for (size_t k = to; k < s.Size(); ++k)
      if (s.IsWord(k, "step")) step = k;
    Value(s, at + 1, to, type);
    if (to < s.Size()) Demanded(s, to + 1, step, type);
    if (step < s.Size()) Value(s, step + 1, s.Size(), nullptr);
  }

  // Define a.i = 1, b.s = "x": each value stored into its variable; the
  // sizes of "Global Dim a(n)".
  void DeclarationValues(StatementReader& s) {
    size_t i = s.Is(1, ".") ? 3 : 1;
    while (i < s.Size()) {
      size_t end = s.NextComma(i);
      if (s.At(i).Kind == KindWord &&
          (EqualsNoCase(s.Text(i), "dim") || EqualsNoCase(s.Text(i), "redim"))) {
        Sizes(s, i);
      } else if (s.At(i).Ref >= 0) {
        size_t equals = i;
        while (equals < end && !s.Is(equals, "=")) ++equals;
        if (equals + 1 < end) Value(s, equals + 1, end, &m_.At(s.At(i).Ref).type);
      }
      i = end + 1;
    }
  }

  // Dim a(n - 1, m / 2): each size, from the "(" after the name.
  void Sizes(StatementReader& s, size_t keyword) {
    size_t open = keyword + 2;
    while (open < s.Size() && !s.Is(open, "(")) ++open;
    size_t close = s.Close(open);
    if (close >= s.Size()) return;
    Values(s, open + 1, close);
  }

  // An assignment, a shortcut statement, or a call.
  void Generic(StatementReader& s) {
    Tree& tree = Fresh(tree_);
    Parser parser(m_, s.Tokens(), tree);
    size_t at = 0;
    int target = parser.ParseOperand(0, s.Size(), at);
    if (target >= 0 && s.Is(at, "=") && at + 1 < s.Size()) return Assignment(s, at);
    if (target >= 0 && at + 1 < s.Size() && IsShortcutOperator(s.At(at))) return Shortcut(s, at);
    Tree& whole = Fresh(whole_);
    Parser all(m_, s.Tokens(), whole);
    int root = all.Parse(0, s.Size(), at);
    if (root < 0 || at != s.Size() || whole.nodes.size() > kMaxNodes) return;
    // a value nobody uses: a truth value there needs no number
    Typer typer(m_, whole);
    typer.Natural(root);
    typer.Settle(root, Demand::None, false);
    Emitter(m_, tokens_, whole).Emit(root);
  }

  // target = value
  void Assignment(StatementReader& s, size_t equals) {
    Tree& tree = Fresh(tree_);
    Parser parser(m_, s.Tokens(), tree);
    size_t at = 0;
    int target = parser.ParseOperand(0, equals, at);
    if (target < 0 || at != equals) return;
    int value = parser.Parse(equals + 1, s.Size(), at);
    if (value < 0 || at != s.Size() || tree.nodes.size() > kMaxNodes) return;
    Typer typer(m_, tree);
    typer.Natural(target);
    typer.Natural(value);
    const model::Type* type = TypeOfTarget(tree, target);
    SettleTarget(typer, tree, target);
    typer.Settle(value, type ? expressions::DemandOf(*type) : Demand::None, true);
    Emitter emitter(m_, tokens_, tree);
    bool wraps = IsArrayElement(tree, target);
    emitter.Emit(target);
    emitter.Emit(value);
    if (type) emitter.ConvertTo(value, *type, wraps);
    if (type && type->IsStructure()) emitter.CopyStructure(value);
  }

  bool IsArrayElement(const Tree& tree, int target) const {
    const expressions::Node& t = tree[target];
    return t.kind == NodeKind::Element && t.symbol >= 0 &&
           m_.At(t.symbol).kind == model::SymbolKind::Array;
  }

  // The target keeps its own value: only its subscripts are computed.
  static void SettleTarget(Typer& typer, Tree& tree, int target) {
    typer.Settle(target, Demand::None, true);
    tree[target].unit = tree[target].natural;
  }

  // target op rest: PureBasic reads the whole statement as the value that
  // is stored back into the target ("result * b + c" is result * b + c).
  void Shortcut(StatementReader& s, size_t op) {
    Tree& tree = Fresh(tree_);
    Parser parser(m_, s.Tokens(), tree);
    size_t at = 0;
    int root = parser.Parse(0, s.Size(), at);
    if (root < 0 || at != s.Size() || tree.nodes.size() > kMaxNodes) return;
    int target = root;
    while (tree[target].kind == NodeKind::Binary) target = tree[target].left;
    Typer typer(m_, tree);
    typer.Natural(root);
    const model::Type* type = TypeOfTarget(tree, target);
    if (type == nullptr) return;
    typer.Settle(root, expressions::DemandOf(*type), true);
    bool compound = tree[root].kind == NodeKind::Binary && tree[root].op == s.Tokens()[op] &&
                    tree[root].left == target && CompoundFits(tree, root, target, *type);
    Emitter emitter(m_, tokens_, tree);
    if (compound) {
      // total + x  ->  total += x: the same, and the target is read once
      emitter.Emit(tree[root].left);
      emitter.Emit(tree[root].right);
      s.At(op).Text += "=";
      return;
    }
    bool wraps = IsArrayElement(tree, target);
    CopyTargetBefore(tree, target, s.Tokens()[0]);
    emitter.Emit(root);
    emitter.ConvertTo(root, *type, wraps);
  }

  // "x op= rest" computes x op (rest) without a conversion: the operator
  // binds least, and storing the result changes nothing.
  bool CompoundFits(const Tree& tree, int root, int target, const model::Type& type) const {
    const expressions::Node& t = tree[target];
    if (t.kind == NodeKind::Element && t.symbol >= 0 &&
        m_.At(t.symbol).kind != model::SymbolKind::Array)
      return false;  // a list's or a map's element is a method call
    std::string_view op = tree[root].opText;
    expressions::Value unit = tree[root].unit == Value::Unknown ? tree[root].natural : tree[root].unit;
    if (type.IsString()) return op == "+" && tree[root].natural == Value::String;
    if (type.pointer || type.basic == model::Basic::Integer) {
      if (unit != Value::Int) return false;
      if (op == "+" || op == "-" || op == "*" || op == "%") return true;
      const expressions::Node& r = tree[tree[root].right];
      return op == "&" && r.kind == NodeKind::Number && r.fits32;
    }
    if (type.basic == model::Basic::Double)
      return unit == Value::Float && (op == "+" || op == "-" || op == "*" || op == "/");
    return false;
  }

  // target op rest  ->  target = target op rest: the target's tokens, copied
  // in front of the statement with an "=".
  void CopyTargetBefore(const Tree& tree, int target, TokenList::Position start) {
    int line = start->Line;
    std::vector<Token> copies;
    for (auto it = tree[target].first;; ++it) {
      copies.push_back(*it);
      if (it == tree[target].last) break;
    }
    for (Token& t : copies) tokens_.InsertAt(start, std::move(t));
    tokens_.InsertAt(start, Token{"=", KindOther, 0, line});
  }

  // ---- expressions -------------------------------------------------------

  // A condition: truth values are only tested.
  void Condition(StatementReader& s, size_t from, size_t to) {
    Tree& tree = Fresh(tree_);
    Parser parser(m_, s.Tokens(), tree);
    size_t at = 0;
    int root = parser.Parse(from, to, at);
    if (root < 0 || at != to || tree.nodes.size() > kMaxNodes) return;
    Typer typer(m_, tree);
    typer.Natural(root);
    typer.Settle(root, Demand::None, false);
    Emitter(m_, tokens_, tree).Emit(root);
  }

  // A value, stored into a place of type target when there is one.
  void Value(StatementReader& s, size_t from, size_t to, const model::Type* target) {
    Emit(s, from, to, target, target != nullptr);
  }

  // A value computed for comparing with a target (a For limit).
  void Demanded(StatementReader& s, size_t from, size_t to, const model::Type* target) {
    Emit(s, from, to, target, false);
  }

  void Emit(StatementReader& s, size_t from, size_t to, const model::Type* target, bool store) {
    if (from >= to) return;
    Tree& tree = Fresh(tree_);
    Parser parser(m_, s.Tokens(), tree);
    size_t at = 0;
    int root = parser.Parse(from, to, at);
    if (root < 0 || at != to || tree.nodes.size() > kMaxNodes) return;
    Typer typer(m_, tree);
    typer.Natural(root);
    typer.Settle(root, target ? expressions::DemandOf(*target) : Demand::None, true);
    Emitter emitter(m_, tokens_, tree);
    emitter.Emit(root);
    if (store) emitter.ConvertTo(root, *target);
  }

  // The declared type of an assignment's target, or nullptr when unknown.
  const model::Type* TypeOfTarget(Tree& tree, int target) {
    Typer typer(m_, tree);
    typer.Natural(target);
    const expressions::Node& t = tree[target];
    if ((t.kind == NodeKind::Variable || t.kind == NodeKind::Element) && t.symbol >= 0) {
      const model::Symbol& v = m_.At(t.symbol);
      if (v.kind == model::SymbolKind::Procedure) return nullptr;
      return &v.type;
    }
    if (t.kind == NodeKind::Field && t.natural != Value::Unknown) {
      fieldType_ = t.type;
      return &fieldType_;
    }
    return nullptr;
  }

  // The trees are kept from statement to statement, so that their storage
  // is made once.
  static Tree& Fresh(Tree& t) {
    t.nodes.clear();
    t.root = -1;
    return t;
  }

  Tree tree_, whole_, target_;
  RunState& run_;
  model::ProgramModel& m_;
  TokenList& tokens_;
  int current_ = model::kMainScope;
  std::string blockEnd_;
  model::Type fieldType_;
};

// The tokens whose text a field's base took over ("o", "\\", "items"
// became "o.items") go, so that later passes find their neighbours.
void RemoveCollapsedTokens(TokenList& tokens) {
  tokens.Reset();
  while (tokens.Next()) {
    const Token& t = tokens.Current();
    if (t.Spare == expressions::kCollapsedToken && t.Text.empty()) tokens.DeleteCurrent();
  }
}

}  // namespace

void TranslateExpressions(RunState& run) {
  ExpressionWalk(run).Run();
  RemoveCollapsedTokens(run.Tokens);
}

}  // namespace korvex::translate
