// Expression trees over the tokens of one statement. A node names the
// tokens it spans (first to last, inclusive) and, for an operator, its
// token; rewriting the tree means inserting tokens around nodes and
// changing operator texts, so every later pass still sees PureBasic tokens
// where it expects them.
//   "a + b << 1"  ->  Binary(+, a, Binary(<<, b, 1)): PureBasic's shifts bind
//   more tightly than its sums.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/program_model.h"
#include "model/types.h"
#include "scanner/token_list.h"

namespace korvex::expressions {

using Position = TokenList::Position;

enum class NodeKind {
  Number,    // 12, 1.5, $FF, %101, 'A'
  String,    // "text"
  Constant,  // #Name
  Variable,  // n, t.s, name$, *p
  Call,      // Name(args): a procedure or a library function
  Element,   // a(i, j), items(), scores(key): an array, list or map element
  Field,     // base\name, with base the left child
  Paren,     // ( inner )
  Unary,     // -x, ~x, Not x
  Binary,    // left op right
  Bool,      // Bool( inner )
  Opaque,    // @x, ?label, \field in a With block: an integer of its own
};

/// What a node computes once its unit is settled.
enum class Value { Int, Float, Quad, String, Truth, Structure, Unknown };

struct Node {
  NodeKind kind = NodeKind::Opaque;
  Position first, last;     // the tokens the node spans
  Position op;              // Unary and Binary: the operator token
  Position opSecond;        // the ">" or "<" of "=>" and "=<"
  bool twoTokenOp = false;
  std::string_view opText;  // "+", "<<", "=", "<>", "<=", "and", "not", "neg", "~", ...: a literal
  int left = -1, right = -1;  // children (Unary, Paren, Bool: left only; Field: the base)
  std::vector<int> args;      // Call and Element: the argument roots
  bool parens = false;        // Field: written with "(...)" after its name
  int symbol = -1;            // the model symbol of a Variable, Call, Element
  model::Type type;           // Variable, Element, Field, Call: the declared type
  model::SymbolKind container = model::SymbolKind::Variable;  // Field: a List, Map or Array field
  bool typeKnown = false;     // type comes from the model or the library

  // Filled by typing:
  Value natural = Value::Unknown;  // its own value, before the unit decides
  Value unit = Value::Unknown;     // arithmetic nodes: the unit's computation
  bool fits32 = false;             // every value fits JavaScript's 32-bit operators
  bool singleFloat = false;        // a float whose floats are all .f
  bool valueContext = true;        // Truth: used as a number (1 or 0)
  int jsPrecedence = 20;           // how tightly the emitted JavaScript binds
};

struct Tree {
  std::vector<Node> nodes;
  int root = -1;

  Node& operator[](int i) { return nodes[static_cast<size_t>(i)]; }
  const Node& operator[](int i) const { return nodes[static_cast<size_t>(i)]; }
  int Add(Node n) {
    nodes.push_back(std::move(n));
    return static_cast<int>(nodes.size() - 1);
  }
};

/// PureBasic's precedence of a binary operator ("+" 4, "<<" 7, "and" 1), 0
/// for anything else.
int PureBasicLevel(std::string_view opText);
bool IsComparison(std::string_view opText);
bool IsLogical(std::string_view opText);

}  // namespace korvex::expressions
