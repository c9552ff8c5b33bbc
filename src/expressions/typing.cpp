// Expression types and units; see typing.h.
#include "expressions/typing.h"

#include <cstdlib>

#include "common/text.h"
#include "expressions/compile_time.h"

namespace korvex::expressions {
namespace {

using model::Basic;

constexpr long long kInt32Max = 2147483647;

// The value of an integer literal ("12", "$FF", "%101", "'A'"); false for
// floats and for values beyond 64 bits.
bool LiteralValue(std::string_view text, long long& value) {
  // the common case, a few decimal digits, without copies or a call
  if (!text.empty() && text.size() <= 18) {
    long long v = 0;
    size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') v = v * 10 + (text[i++] - '0');
    if (i == text.size()) {
      value = v;
      return true;
    }
  }
  if (!text.empty() && text.front() == '\'') {  // a character constant
    value = text.size() >= 3 ? static_cast<unsigned char>(text[1]) : 0;
    return true;
  }
  int base = 10;
  std::string digits(text);
  if (!digits.empty() && (digits[0] == '$' || digits[0] == '%')) {
    base = digits[0] == '$' ? 16 : 2;
    digits = RemoveBlanks(digits.substr(1));
  }
  if (digits.empty() || (base == 10 && digits.find_first_of(".eE") != std::string::npos))
    return false;
  char* end = nullptr;
  unsigned long long u = std::strtoull(digits.c_str(), &end, base);
  if (end == nullptr || *end != '\0') return false;
  value = static_cast<long long>(u);
  return true;
}

}  // namespace

// A value that is never negative and fits in 31 bits: "x & m" with such an
// m is exact in JavaScript's 32-bit "&", whatever x.
bool NonNegative32(const Node& n) {
  if (n.kind == NodeKind::Number) return n.fits32;
  if (n.kind == NodeKind::Constant) return n.symbol < 0 && n.fits32;  // the runtime's flags
  if (!n.typeKnown || n.natural != Value::Int) return false;
  model::Basic b = n.type.basic;
  return b == Basic::Ascii || b == Basic::Character || b == Basic::Unicode;
}

Demand DemandOf(const model::Type& t) {
  if (t.IsFloat()) return Demand::Float;
  if (t.IsQuad()) return Demand::Quad;
  return Demand::None;
}

Value Typer::ValueOfType(const model::Type& t, Node& n) const {
  n.typeKnown = true;
  n.type = t;
  if (t.pointer) return Value::Int;
  switch (t.basic) {
    case Basic::String: return Value::String;
    case Basic::Float: n.singleFloat = true; return Value::Float;
    case Basic::Double: return Value::Float;
    case Basic::Quad: return Value::Quad;
    case Basic::Structure: return Value::Structure;
    default:
      n.fits32 = t.FitsInt32();
      return Value::Int;
  }
}

void Typer::Natural(int index) {
  Node& n = tree_[index];
  for (int arg : n.args) Natural(arg);
  if (n.left >= 0) Natural(n.left);
  if (n.right >= 0) Natural(n.right);
  Node& node = tree_[index];  // the children may not move the vector, but be plain
  switch (node.kind) {
    case NodeKind::Paren:
      node.natural = tree_[node.left].natural;
      node.fits32 = tree_[node.left].fits32;
      node.singleFloat = tree_[node.left].singleFloat;
      break;
    case NodeKind::Bool:
      node.natural = Value::Truth;
      node.fits32 = true;
      break;
    case NodeKind::Unary: {
      const Node& operand = tree_[node.left];
      if (node.opText == "not") {
        node.natural = Value::Truth;
        node.fits32 = true;
      } else {
        node.natural = operand.natural == Value::Truth ? Value::Int : operand.natural;
        node.fits32 = node.opText == "~" && operand.fits32;
        node.singleFloat = operand.singleFloat;
      }
      break;
    }
    case NodeKind::Binary: NaturalOfBinary(node); break;
    case NodeKind::Field: NaturalOfField(node); break;
    default: NaturalOfLeaf(node); break;
  }
}

void Typer::NaturalOfLeaf(Node& n) {
  switch (n.kind) {
    case NodeKind::Number: {
      long long value = 0;
      if (LiteralValue(n.first->Text, value)) {
        n.natural = Value::Int;
        n.fits32 = value >= 0 && value <= kInt32Max;
      } else {
        n.natural = Value::Float;
      }
      n.typeKnown = true;
      return;
    }
    case NodeKind::String: n.natural = Value::String; n.typeKnown = true; return;
    case NodeKind::Constant: {
      if (n.symbol >= 0) {
        n.natural = ValueOfType(model_.At(n.symbol).type, n);
        return;
      }
      LowerWord lower(n.first->Text);
      n.typeKnown = true;
      if (EndsWith(lower, "$")) n.natural = Value::String;
      else if (lower == "#pi") n.natural = Value::Float;
      else {
        n.natural = Value::Int;
        n.fits32 = true;  // the runtime's constants are flags and small numbers
      }
      return;
    }
    case NodeKind::Variable:
    case NodeKind::Element:
      n.natural = n.symbol >= 0 ? ValueOfType(model_.At(n.symbol).type, n) : Value::Int;
      return;
    case NodeKind::Call: {
      if (n.symbol >= 0) {
        const model::Symbol& p = model_.At(n.symbol);
        n.natural = ValueOfType(p.type, n);
        return;
      }
      LowerWord lower(n.first->Text);
      if (IsCompileTimeFunction(lower)) {
        n.natural = Value::Int;
        n.fits32 = true;
        return;
      }
      const model::LibraryFunction* f = model_.FindLibrary(lower);
      if (f != nullptr && f->returnsValue) n.natural = ValueOfType(f->result, n);
      else n.natural = Value::Unknown;
      return;
    }
    default: n.natural = Value::Int; return;  // an address
  }
}

// base\field: the field of the base's structure, with the spelling the
// structure declares ("p\X" is "p\x" when the field is "x").
void Typer::NaturalOfField(Node& n) {
  const Node& base = tree_[n.left];
  n.natural = Value::Unknown;
  std::string structure;
  if (base.typeKnown && (base.type.basic == Basic::Structure)) structure = base.type.structure;
  if (base.kind == NodeKind::Variable || base.kind == NodeKind::Element) {
    if (base.symbol >= 0 && model_.At(base.symbol).type.basic == Basic::Structure)
      structure = model_.At(base.symbol).type.structure;
  }
  if (structure.empty()) return;
  const model::Field* f = model_.FindField(structure, LowerAscii(n.op->Text));
  if (f == nullptr) return;
  n.op->Text = f->name;
  n.type = f->type;
  n.container = f->container;
  // "o\items" is the list itself; "o\items()" its current element
  if (f->container != model::SymbolKind::Variable && !n.parens) {
    n.natural = Value::Unknown;
    return;
  }
  n.natural = ValueOfType(f->type, n);
}

void Typer::NaturalOfBinary(Node& n) {
  const Node& l = tree_[n.left];
  const Node& r = tree_[n.right];
  // XOr of two truth values is one; of numbers, the bits' exclusive or
  if (n.opText == "xor" && (l.natural != Value::Truth || r.natural != Value::Truth))
    n.opText = "!";
  if (IsComparison(n.opText) || IsLogical(n.opText)) {
    n.natural = Value::Truth;
    n.fits32 = true;
    return;
  }
  if (n.opText == "+" && (l.natural == Value::String || r.natural == Value::String)) {
    n.natural = Value::String;
    return;
  }
  auto numeric = [](Value v) { return v == Value::Truth ? Value::Int : v; };
  Value a = numeric(l.natural), b = numeric(r.natural);
  if (a == Value::Float || b == Value::Float) n.natural = Value::Float;
  else if (a == Value::Quad || b == Value::Quad) n.natural = Value::Quad;
  else n.natural = Value::Int;
  n.singleFloat = (l.natural != Value::Float || l.singleFloat) &&
                  (r.natural != Value::Float || r.singleFloat);
  // the bit operators keep 32-bit operands within 32 bits
  if (n.opText == "&" || n.opText == "|" || n.opText == "!" || n.opText == ">>" ||
      n.opText == "%")
    n.fits32 = l.fits32 && r.fits32;
  if (n.opText == "&" && (NonNegative32(l) || NonNegative32(r))) n.fits32 = true;
}

bool Typer::IsArithmetic(int index) const {
  const Node& n = tree_[index];
  bool numeric = n.natural == Value::Int || n.natural == Value::Float || n.natural == Value::Quad ||
                 n.natural == Value::Unknown;
  if (!numeric) return false;
  if (n.kind == NodeKind::Binary) return true;
  if (n.kind == NodeKind::Unary) return n.opText != "not";
  if (n.kind == NodeKind::Paren) return IsArithmetic(n.left);
  return false;
}

// Whether a value v is an operand of the unit that node starts.
bool Typer::UnitHas(int index, Value v) const {
  const Node& n = tree_[index];
  if (!IsArithmetic(index)) return n.natural == v;
  if (n.left >= 0 && UnitHas(n.left, v)) return true;
  return n.right >= 0 && UnitHas(n.right, v);
}

void Typer::Settle(int index, Demand demand, bool valueContext) {
  Node& n = tree_[index];
  if (IsArithmetic(index)) {
    Value unit = Value::Int;
    if (demand == Demand::Float || UnitHas(index, Value::Float)) unit = Value::Float;
    else if (demand == Demand::Quad || UnitHas(index, Value::Quad)) unit = Value::Quad;
    AssignUnit(index, unit);
    return;
  }
  n.valueContext = valueContext;
  switch (n.kind) {
    case NodeKind::Binary:
      if (IsComparison(n.opText)) {
        // "If a / 2 = 1.5": both sides in floating point
        bool floating = UnitHas(n.left, Value::Float) || UnitHas(n.right, Value::Float);
        Demand sides = floating ? Demand::Float : Demand::None;
        Settle(n.left, sides, true);
        Settle(tree_[index].right, sides, true);
      } else if (IsLogical(n.opText)) {
        Settle(n.left, Demand::None, false);
        Settle(tree_[index].right, Demand::None, false);
      } else {  // joining strings: each numeric operand is a unit of its own
        Settle(n.left, Demand::None, true);
        Settle(tree_[index].right, Demand::None, true);
      }
      tree_[index].unit = tree_[index].natural;
      return;
    case NodeKind::Unary:  // Not
    case NodeKind::Bool:
      Settle(n.left, Demand::None, false);
      tree_[index].unit = Value::Truth;
      return;
    case NodeKind::Paren:
      Settle(n.left, demand, valueContext);
      tree_[index].unit = tree_[n.left].unit;
      return;
    default: {
      Value unit = n.natural;
      if (demand == Demand::Quad && unit == Value::Int) unit = Value::Quad;
      SettleLeaf(index, unit);
      return;
    }
  }
}

void Typer::AssignUnit(int index, Value unit) {
  if (!IsArithmetic(index)) {
    SettleLeaf(index, unit);
    return;
  }
  Node& n = tree_[index];
  n.unit = unit;
  if (n.left >= 0) AssignUnit(n.left, unit);
  if (tree_[index].right >= 0) AssignUnit(tree_[index].right, unit);
}

// An operand of a unit computed as unit: a truth value there is a number;
// the arguments of a call or an element are expressions of their own.
void Typer::SettleLeaf(int index, Value unit) {
  Node& n = tree_[index];
  if (n.natural == Value::Truth || n.kind == NodeKind::Paren) {
    Settle(index, Demand::None, true);
    tree_[index].unit = unit;
    return;
  }
  n.unit = unit;
  SettleArguments(index);
}

void Typer::SettleArguments(int index) {
  Node& n = tree_[index];
  if (n.kind == NodeKind::Field || (n.kind == NodeKind::Opaque && n.left >= 0)) {
    int base = n.left;
    Settle(base, Demand::None, true);
    tree_[base].unit = tree_[base].natural;
  }
  const model::ProcedureInfo* p =
      tree_[index].kind == NodeKind::Call ? model_.ProcedureOf(tree_[index].symbol) : nullptr;
  std::vector<int> args = tree_[index].args;
  for (size_t k = 0; k < args.size(); ++k) {
    Demand d = Demand::None;
    if (p != nullptr && k < p->parameters.size()) d = DemandOf(model_.At(p->parameters[k]).type);
    Settle(args[k], d, true);
  }
}

}  // namespace korvex::expressions
