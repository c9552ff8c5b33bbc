// Writing a typed expression tree back into its tokens as JavaScript that
// computes what PureBasic computes. Only structure changes: parentheses
// where JavaScript would group otherwise, and calls around what JavaScript
// computes differently; operator texts become JavaScript's where a later
// pass does not rewrite them.
//   "100 * c2 / c1"   ->  "Math.trunc(100 * c2 / c1)"   (integer division)
//   "a & 1 = 0"       ->  "(a & 1) == 0"
//   "k << 1 + 1"      ->  "cNum.shl(k, 1) + 1"          (53-bit shifts)
//   "x = Bool(a > b)" ->  "x = (a > b ? 1 : 0)"
//   "q.q = a * 3"     ->  "q = BigInt.asIntN(64, BigInt(a) * 3n)"
//   "n.b = 153"       ->  "n = 153 << 24 >> 24"
#pragma once

#include <string>

#include "expressions/tree.h"
#include "model/program_model.h"

namespace korvex::expressions {

/// Token::Spare of a token whose text went into the token before it; the
/// expression pass removes such tokens once their statement is emitted.
inline constexpr int kCollapsedToken = 5;

class Emitter {
 public:
  Emitter(model::ProgramModel& model, TokenList& tokens, Tree& tree)
      : model_(model), tokens_(tokens), tree_(tree) {}

  /// Rewrites the tokens of node and of everything below it.
  void Emit(int node);
  /// After Emit: the value of node is stored into a place of type target
  /// (an assignment, a parameter, a procedure's result). wrapsItself: the
  /// place is an element of an array, whose typed store wraps numbers to
  /// the type's width and rounds to single precision itself.
  void ConvertTo(int node, const model::Type& target, bool wrapsItself = false);
  /// After Emit: a whole structure stored into another one is a copy of
  /// it ("b = a" copies, as PureBasic does).
  void CopyStructure(int node);
  /// After Emit: a float shown by Debug gets the debugger's own text
  /// ("11.0", "3.14159").
  void FormatForDebug(int node);
  /// The value the node hands on once emitted (its unit, or its own).
  Value Result(int node) const;

 private:
  void EmitLeaf(int node);
  void EmitUnary(int node);
  void EmitBinary(int node);
  void EmitComparison(int node);
  void EmitArithmetic(int node);
  void EmitHelperCall(int node, const char* helper);
  void SpanChildren(int node);
  bool ExactInSingle(int node) const;
  void EmitArguments(int node);
  void EmitArrayElement(int node, Position open, const std::string& name);
  void EmitContainerField(int node);
  std::string CollapseBase(int node);
  static void Collapse(Token& t);
  void AddressOfElement(int node);
  void PassContainer(int node);
  void Replace(int node, const std::string& text, NodeKind kind);
  void EmitBool(int node);
  void FinishTruth(int node);
  void ConvertToInteger(int node, const model::Type& target, Value source);
  bool FitsTarget(int node, model::Basic target) const;
  bool DecimalLiteral(int node, long long& value) const;

  void Before(int node, const char* text);
  void After(int node, const char* text);
  void Parenthesize(int node);
  /// Parenthesizes child when JavaScript would otherwise bind it looser
  /// than an operator of precedence parent (or as loose, on the right).
  void Guard(int child, int parent, bool right);
  void Call(int node, const char* function);  // "function(" node ")"
  Token NewToken(const char* text, int line) const;

  model::ProgramModel& model_;  // a list or map field is registered as it is met
  TokenList& tokens_;
  Tree& tree_;
};

}  // namespace korvex::expressions
