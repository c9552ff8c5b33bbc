// The types of an expression, as PureBasic computes it:
//   - every operand has its type (a variable's, a field's, a procedure's or
//     library function's result, a literal's);
//   - a run of arithmetic operators is one unit, computed in floating point
//     when any of its operands is a float or double or the value is stored
//     into one ("f.d = 7 / 2" is 3.5, "i = 7 / 2 * 2.0" is 7), else in quads
//     when one is a quad or it is stored into one, else in integers;
//   - the two sides of a comparison compare in floating point when either
//     is a float;
//   - "+" with a string operand joins strings; a comparison, And, Or, Not or
//     Bool() is a truth value, a number (1 or 0) where it is used as one.
#pragma once

#include "expressions/tree.h"
#include "model/program_model.h"

namespace korvex::expressions {

/// What the place a value goes to asks of its computation.
enum class Demand { None, Float, Quad };

/// Whether a node's value is never negative and fits in 31 bits.
bool NonNegative32(const Node& n);

/// The demand of storing into a variable of type t.
Demand DemandOf(const model::Type& t);

class Typer {
 public:
  Typer(const model::ProgramModel& model, Tree& tree) : model_(model), tree_(tree) {}

  /// Types node and everything below it (operands first); field names get
  /// their structure's spelling.
  void Natural(int node);
  /// Decides the units from node down. valueContext: whether a truth value
  /// there is used as a number (an assignment, an argument) or only tested
  /// (an If, a While).
  void Settle(int node, Demand demand, bool valueContext);

 private:
  void NaturalOfLeaf(Node& n);
  void NaturalOfField(Node& n);
  void NaturalOfBinary(Node& n);
  bool IsArithmetic(int node) const;
  bool UnitHas(int node, Value v) const;
  void AssignUnit(int node, Value unit);
  void SettleLeaf(int node, Value unit);
  void SettleArguments(int node);
  Value ValueOfType(const model::Type& t, Node& n) const;

  const model::ProgramModel& model_;
  Tree& tree_;
};

}  // namespace korvex::expressions
