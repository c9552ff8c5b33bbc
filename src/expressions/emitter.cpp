// The expression emitter; see emitter.h. Children are emitted before their
// parent, so a node's first and last tokens always include what its
// children put around themselves.
#include "expressions/emitter.h"

#include <cstdlib>
#include <string>

#include "common/text.h"
#include "expressions/compile_time.h"
#include "expressions/typing.h"

namespace korvex::expressions {
namespace {

using model::Basic;

// JavaScript's precedence of what an emitted operator becomes.
int JsPrecedence(std::string_view op) {
  if (op == "*" || op == "/" || op == "%") return 13;
  if (op == "+" || op == "-") return 12;
  if (op == "<<" || op == ">>") return 11;
  if (op == "<" || op == ">" || op == "<=" || op == ">=") return 10;
  if (op == "=" || op == "<>") return 9;
  if (op == "&") return 8;
  if (op == "!" || op == "xor") return 7;
  if (op == "|") return 6;
  if (op == "and") return 5;
  if (op == "or") return 4;
  return 20;
}

constexpr int kUnaryPrecedence = 15;
constexpr int kAtomic = 20;

// "12" -> "12n", "$FF" -> "255n", "%101" -> "5n", "'A'" -> "65n": a quad
// literal. Hexadecimal digits beyond 63 bits wrap as PureBasic's quads do.
std::string BigIntLiteral(const std::string& text) {
  if (text.size() >= 3 && text.front() == '\'')
    return std::to_string(static_cast<unsigned char>(text[1])) + "n";
  if (!text.empty() && (text[0] == '$' || text[0] == '%')) {
    std::string digits = RemoveBlanks(text.substr(1));
    unsigned long long u = std::strtoull(digits.c_str(), nullptr, text[0] == '$' ? 16 : 2);
    return std::to_string(static_cast<long long>(u)) + "n";
  }
  return text + "n";
}

}  // namespace

Token Emitter::NewToken(const char* text, int line) const {
  return Token{text, KindOther, 0, line};
}

void Emitter::Before(int index, const char* text) {
  Node& n = tree_[index];
  n.first = tokens_.InsertAt(n.first, NewToken(text, n.first->Line));
}

void Emitter::After(int index, const char* text) {
  Node& n = tree_[index];
  n.last = tokens_.InsertAt(std::next(n.last), NewToken(text, n.last->Line));
}

void Emitter::Parenthesize(int index) {
  Before(index, "(");
  After(index, ")");
  tree_[index].jsPrecedence = kAtomic;
}

void Emitter::Call(int index, const char* function) {
  Parenthesize(index);
  Before(index, function);
}

void Emitter::Guard(int child, int parent, bool right) {
  int p = tree_[child].jsPrecedence;
  if (p < parent || (right && p == parent)) Parenthesize(child);
}

Value Emitter::Result(int index) const {
  const Node& n = tree_[index];
  return n.unit == Value::Unknown ? n.natural : n.unit;
}

void Emitter::Emit(int index) {
  switch (tree_[index].kind) {
    case NodeKind::Unary: EmitUnary(index); break;
    case NodeKind::Binary: EmitBinary(index); break;
    case NodeKind::Bool: EmitBool(index); break;
    case NodeKind::Paren: {
      Node& n = tree_[index];
      Emit(n.left);
      tree_[index].jsPrecedence = kAtomic;
      if (tree_[tree_[index].left].natural == Value::Truth) FinishTruth(index);
      break;
    }
    default: EmitLeaf(index); break;
  }
}

void Emitter::EmitArguments(int index) {
  std::vector<int> args = tree_[index].args;
  const model::ProcedureInfo* p =
      tree_[index].kind == NodeKind::Call ? model_.ProcedureOf(tree_[index].symbol) : nullptr;
  const model::LibraryFunction* f = nullptr;
  if (tree_[index].kind == NodeKind::Call && tree_[index].symbol < 0)
    f = model_.FindLibrary(LowerAscii(tree_[index].first->Text));
  for (size_t k = 0; k < args.size(); ++k) {
    if (f != nullptr && f->TakesContainer(k)) {
      PassContainer(args[k]);
      continue;
    }
    // SortStructuredArray(a(), 0, OffsetOf(S\f), TypeOf(S\f)): the runtime
    // sorts by the field's name
    std::string field = f != nullptr && StartsWith(LowerAscii(f->name), "sortstructured")
                            ? FieldNameOfOffset(model_, tree_, args[k])
                            : std::string();
    if (!field.empty()) {
      Replace(args[k], field, NodeKind::String);
      continue;
    }
    Emit(args[k]);
    if (p != nullptr && k < p->parameters.size()) ConvertTo(args[k], model_.At(p->parameters[k]).type);
  }
}

// a(i) -> a.d[i], a(i, j) -> a.d[i * a.s0 + j], a() -> a: the runtime's
// flat store of the array's elements, or the array itself.
void Emitter::EmitArrayElement(int index, Position open, const std::string& name) {
  Node& n = tree_[index];
  if (n.args.empty()) {
    Blank(*open);
    Blank(*n.last);
    return;
  }
  open->Text = ".d[";
  size_t count = n.args.size();
  for (size_t k = 0; k < count; ++k) {
    int arg = n.args[k];
    if (count > 1) Guard(arg, k + 1 < count ? 13 : 12, k + 1 == count);
    if (k + 1 == count) break;
    Position comma = std::next(tree_[arg].last);
    int line = comma->Line;
    comma->Text = "*";
    Position after = std::next(comma);
    tokens_.InsertAt(after, Token{name + ".s" + std::to_string(k), KindOther, 0, line});
    tokens_.InsertAt(after, NewToken("+", line));
  }
  tree_[index].last->Text = "]";
}

// The base of a field and the field's name as one token of the page's
// text: "o\items" -> "o.items", "a(i)\grid" -> "a.d[i].grid"; the other
// tokens are blanked and marked, and go when the statement is done, so
// that the list and map passes see "o.items ( )" as they see "items ( )".
// The base is emitted by now.
std::string Emitter::CollapseBase(int index) {
  Node& n = tree_[index];
  const Node& base = tree_[n.left];
  model::SymbolKind baseKind = base.kind == NodeKind::Element && base.symbol >= 0
                                   ? model_.At(base.symbol).kind
                                   : model::SymbolKind::Variable;
  std::string text;
  Position from = n.first;
  if (baseKind == model::SymbolKind::List ||
      (baseKind == model::SymbolKind::Map && base.args.empty())) {
    // the current element, as the list and map passes write it: "m()\items"
    // is "m.getData().items", the map's current element and not a key
    text = base.first->Text + ".getData(";
    from = base.last;
  } else if (baseKind == model::SymbolKind::Map) {
    text = base.first->Text + ".getData2(";
    from = std::next(base.first, 2);
  }
  for (Position it = from; it != n.op; ++it) text += it->Text == "\\" ? std::string_view(".") : std::string_view(it->Text);
  text += n.op->Text;
  for (Position it = std::next(n.first);; ++it) {
    Collapse(*it);
    if (it == n.op) break;
  }
  n.first->Text = text;
  return text;
}

// @items(), @scores(): the current element of a list or map as the handle
// that ChangeCurrentElement and the pointer commands take.
void Emitter::AddressOfElement(int index) {
  const Node& target = tree_[tree_[index].left];
  if (target.kind != NodeKind::Element || target.symbol < 0 || !target.args.empty()) return;
  model::SymbolKind kind = model_.At(target.symbol).kind;
  if (kind != model::SymbolKind::List && kind != model::SymbolKind::Map) return;
  Blank(*tree_[index].first);
  target.first->Text += ".elementHandle";
}

void Emitter::Collapse(Token& t) {
  t.Text.clear();
  t.Spare = kCollapsedToken;
}

// A List, Map or Array field: the list and map passes find "o.items()" as
// they find a list of the program (registered with its element type), an
// Array field's element is its store's, "o.a.d[i]".
void Emitter::EmitContainerField(int index) {
  Node& n = tree_[index];
  model::SymbolKind kind = n.container;
  Position open = std::next(n.op);
  bool hasOpen = n.parens && open != tokens_.end() && open->Text == "(";
  std::string name = CollapseBase(index);
  if (kind == model::SymbolKind::Array) {
    if (hasOpen) EmitArrayElement(index, open, name);
    return;
  }
  model::FieldContainer c;
  c.kind = kind;
  if (tree_[index].type.IsStructure()) {
    int structure = model_.FindStructure(tree_[index].type.structure);
    if (structure >= 0) c.elementStructure = model_.At(structure).jsName;
  }
  model_.fieldContainers[name] = c;
}

// An argument that takes the whole array, list or map: "a()" is handed as
// "a", and the list and map passes leave a bare name alone.
void Emitter::PassContainer(int index) {
  Node& n = tree_[index];
  if (n.kind == NodeKind::Field && n.container != model::SymbolKind::Variable && n.args.empty()) {
    // "o\items()" handed whole: "o.items"
    Emit(tree_[index].left);
    Position open = std::next(tree_[index].op);
    bool hasOpen = tree_[index].parens && open != tokens_.end() && open->Text == "(";
    CollapseBase(index);
    if (hasOpen) {
      Blank(*open);
      Blank(*tree_[index].last);
    }
    return;
  }
  if (n.kind != NodeKind::Element || !n.args.empty() || n.symbol < 0) return;
  Blank(*std::next(n.first));
  Blank(*n.last);
  n.last = n.first;
  n.kind = NodeKind::Opaque;
}

// The node's tokens become the one literal text.
void Emitter::Replace(int index, const std::string& text, NodeKind kind) {
  Node& n = tree_[index];
  n.first->Text = text;
  for (Position it = std::next(n.first); it != std::next(n.last); ++it) Blank(*it);
  n.last = n.first;
  n.kind = kind;
  n.args.clear();
  n.left = -1;
}

void Emitter::EmitLeaf(int index) {
  if (tree_[index].kind == NodeKind::Call && tree_[index].symbol < 0 &&
      IsCompileTimeFunction(LowerAscii(tree_[index].first->Text))) {
    std::string value = CompileTimeValue(model_, tree_, index);
    if (!value.empty()) {
      bool number = value[0] >= '0' && value[0] <= '9';
      Replace(index, value, number ? NodeKind::Number : NodeKind::Opaque);
    }
  }
  Node& n = tree_[index];
  if (n.kind == NodeKind::Opaque && n.left >= 0 && n.first->Text == "@") AddressOfElement(index);
  if (n.kind == NodeKind::Field || (n.kind == NodeKind::Opaque && n.left >= 0)) {
    // the base is emitted as it is (no unit of its own); "@x" stays whole
    if (n.kind == NodeKind::Field) {
      Emit(n.left);
      if (tree_[tree_[index].left].jsPrecedence < kAtomic) Parenthesize(tree_[index].left);
    }
  }
  EmitArguments(index);
  if (tree_[index].kind == NodeKind::Element && tree_[index].symbol >= 0 &&
      model_.At(tree_[index].symbol).kind == model::SymbolKind::Array)
    EmitArrayElement(index, std::next(tree_[index].first), tree_[index].first->Text);
  if (tree_[index].kind == NodeKind::Field && tree_[index].container != model::SymbolKind::Variable)
    EmitContainerField(index);
  Node& leaf = tree_[index];
  leaf.jsPrecedence = kAtomic;
  Value natural = leaf.natural == Value::Unknown ? Value::Int : leaf.natural;
  if (leaf.unit == Value::Quad && natural == Value::Int) {
    if (leaf.kind == NodeKind::Number) leaf.first->Text = BigIntLiteral(leaf.first->Text);
    else Call(index, "BigInt");
  } else if (leaf.unit == Value::Float && natural == Value::Quad) {
    Call(index, "Number");
  }
}

void Emitter::EmitUnary(int index) {
  Node& n = tree_[index];
  int operand = n.left;
  Emit(operand);
  if (tree_[index].opText == "not") {
    Guard(operand, kUnaryPrecedence, false);
    tree_[index].jsPrecedence = kUnaryPrecedence;
    FinishTruth(index);
    return;
  }
  Node& u = tree_[index];
  if (u.opText == "~" && u.unit == Value::Int && !tree_[operand].fits32) {
    // ~x of a 53-bit integer: -x - 1 in the runtime
    u.op->Text = "cNum.not";
    tokens_.InsertAt(std::next(u.op), NewToken("(", u.op->Line));
    After(operand, ")");
    tree_[index].last = tree_[operand].last;
    tree_[index].jsPrecedence = kAtomic;
    return;
  }
  Guard(operand, kUnaryPrecedence, false);
  tree_[index].last = tree_[operand].last;
  tree_[index].jsPrecedence = kUnaryPrecedence;
}

void Emitter::EmitBinary(int index) {
  Emit(tree_[index].left);
  Emit(tree_[index].right);
  const Node& n = tree_[index];
  if (IsComparison(n.opText)) {
    EmitComparison(index);
  } else if (IsLogical(n.opText)) {
    int p = JsPrecedence(n.opText);
    Guard(n.left, p, false);
    Guard(tree_[index].right, p, true);
    SpanChildren(index);
    tree_[index].jsPrecedence = p;
  } else if (n.natural == Value::String) {
    // "x: " + f: a float joined to a string is written as StrF or StrD does
    for (int child : {n.left, n.right}) {
      if (Result(child) != Value::Float) continue;
      Call(child, tree_[child].singleFloat ? "cString.StrF" : "cString.StrD");
    }
    Guard(tree_[index].left, 12, false);
    Guard(tree_[index].right, 12, true);
    SpanChildren(index);
    tree_[index].jsPrecedence = 12;
  } else {
    EmitArithmetic(index);
  }
  if (tree_[index].natural == Value::Truth) FinishTruth(index);
}

// After its children got their parentheses, a node spans from its left
// child's first token to its right child's last; a call the node itself
// gets goes around that.
void Emitter::SpanChildren(int index) {
  Node& n = tree_[index];
  n.first = tree_[n.left].first;
  n.last = tree_[n.right].last;
}

void Emitter::EmitComparison(int index) {
  Node& n = tree_[index];
  if (n.twoTokenOp) {  // "=>" and "=<"
    n.op->Text = n.opText;
    Blank(*n.opSecond);
  } else if (n.opText == "=") {
    n.op->Text = "==";
  } else if (n.opText == "<>") {
    n.op->Text = "!=";
  }
  int p = JsPrecedence(n.opText);
  Guard(n.left, p, false);
  Guard(tree_[index].right, p, true);
  SpanChildren(index);
  tree_[index].jsPrecedence = p;
}

void Emitter::EmitArithmetic(int index) {
  const Node& n = tree_[index];
  std::string_view op = n.opText;
  const Node& l = tree_[n.left];
  const Node& r = tree_[n.right];
  if (n.unit == Value::Int) {
    bool bits = op == "&" || op == "|" || op == "!" || op == "<<" || op == ">>";
    if (bits) {
      bool exact = l.fits32 && r.fits32 && op != "<<";
      if (op == "&" && (NonNegative32(l) || NonNegative32(r))) exact = true;
      if (!exact) {
        const char* helper = op == "&"    ? "cNum.and"
                             : op == "|"  ? "cNum.or"
                             : op == "!"  ? "cNum.xor"
                             : op == "<<" ? "cNum.shl"
                                          : "cNum.shr";
        EmitHelperCall(index, helper);
        return;
      }
    }
  }
  int p = JsPrecedence(op);
  Guard(n.left, p, false);
  Guard(tree_[index].right, p, true);
  SpanChildren(index);
  tree_[index].jsPrecedence = p;
  if (op == "/" && tree_[index].unit == Value::Int) Call(index, "Math.trunc");
}

// left op right  ->  helper(left, right): the operator token becomes the ",".
void Emitter::EmitHelperCall(int index, const char* helper) {
  tree_[index].op->Text = ",";
  SpanChildren(index);
  Call(index, helper);
}

// Bool(c): in a condition just "(c)"; as a value "(c ? 1 : 0)".
void Emitter::EmitBool(int index) {
  Emit(tree_[index].left);
  Node& n = tree_[index];
  Blank(*n.first);  // the word Bool
  n.jsPrecedence = kAtomic;
  if (!n.valueContext) return;
  int line = n.last->Line;
  bool quad = n.unit == Value::Quad;
  for (const char* text : {"?", quad ? "1n" : "1", ":", quad ? "0n" : "0"})
    tokens_.InsertAt(n.last, NewToken(text, line));
}

// A truth value used as a number: "(c ? 1 : 0)".
void Emitter::FinishTruth(int index) {
  Node& n = tree_[index];
  if (!n.valueContext || n.kind == NodeKind::Bool) return;
  bool quad = n.unit == Value::Quad;
  Before(index, "(");
  for (const char* text : {"?", quad ? "1n" : "1", ":", quad ? "0n" : "0", ")"}) After(index, text);
  tree_[index].jsPrecedence = kAtomic;
  tree_[index].natural = Value::Int;
  tree_[index].unit = quad ? Value::Quad : Value::Int;
  tree_[index].fits32 = true;
}

void Emitter::CopyStructure(int index) {
  const Node& n = tree_[index];
  if (Result(index) != Value::Structure) return;
  if (n.kind != NodeKind::Variable && n.kind != NodeKind::Element && n.kind != NodeKind::Field) return;
  Call(index, "cStructure.copy");
}

void Emitter::FormatForDebug(int index) {
  if (Result(index) != Value::Float) return;
  bool single = tree_[index].singleFloat;
  for (const char* text : {",", single ? "1" : "0", ")"}) After(index, text);
  Before(index, "(");
  Before(index, "cDebugger.floatText");
  tree_[index].jsPrecedence = kAtomic;
}

// ---- storing a value ----------------------------------------------------

void Emitter::ConvertTo(int index, const model::Type& target, bool wrapsItself) {
  Value source = Result(index);
  if (source == Value::Truth) source = Value::Int;  // a tested Bool() stored: 1 or 0
  if (source == Value::Unknown || source == Value::Structure || source == Value::String) return;
  if (target.pointer) {
    if (source == Value::Float) Call(index, "cNum.round");
    else if (source == Value::Quad) Call(index, "Number");
    return;
  }
  switch (target.basic) {
    case Basic::String:
    case Basic::Structure:
      return;
    case Basic::Double:
      if (source == Value::Quad) Call(index, "Number");
      return;
    case Basic::Float: {
      const Node& n = tree_[index];
      if (source == Value::Quad) {
        Call(index, "Number");
        if (!wrapsItself) Call(index, "Math.fround");
      } else if (wrapsItself) {
        return;  // a Float32Array rounds to single precision itself
      } else if (!(source == Value::Float && n.singleFloat && n.kind != NodeKind::Binary) &&
                 !ExactInSingle(index)) {
        Call(index, "Math.fround");
      }
      return;
    }
    case Basic::Quad: {
      if (source == Value::Float) {
        Call(index, "cNum.quad");
      } else if (source == Value::Int) {
        Call(index, "BigInt");
      } else if (!wrapsItself &&
                 (tree_[index].kind == NodeKind::Binary || tree_[index].kind == NodeKind::Unary)) {
        // a quad computation wraps at 64 bits (a BigInt64Array does it itself)
        Call(index, "BigInt.asIntN");
        tokens_.InsertAt(std::next(tree_[index].first, 2), NewToken("64", tree_[index].first->Line));
        tokens_.InsertAt(std::next(tree_[index].first, 3), NewToken(",", tree_[index].first->Line));
      }
      return;
    }
    default:
      if (wrapsItself) {
        // an array of the type wraps to its width itself
        if (source == Value::Float) Call(index, "cNum.round");
        else if (source == Value::Quad) Call(index, "Number");
        return;
      }
      ConvertToInteger(index, target, source);
      return;
  }
}

// An integer literal that a single-precision float holds exactly (up to
// 2^24): storing it into a .f changes nothing.
bool Emitter::ExactInSingle(int index) const {
  long long v = 0;
  return DecimalLiteral(index, v) && v <= 16777216 && v >= -16777216;
}

// Into an integer: a float rounds (halves to even), a quad becomes a
// number, and the small types wrap to their width.
void Emitter::ConvertToInteger(int index, const model::Type& target, Value source) {
  int bits = model::WidthBits(target.basic);
  bool unsignedTarget = model::IsUnsigned(target.basic);
  if (source == Value::Quad) {
    if (bits == 0) {
      Call(index, "Number");
      return;
    }
    Call(index, unsignedTarget ? "BigInt.asUintN" : "BigInt.asIntN");
    std::string width = std::to_string(bits);
    int line = tree_[index].first->Line;
    tokens_.InsertAt(std::next(tree_[index].first, 2), Token{width, KindOther, 0, line});
    tokens_.InsertAt(std::next(tree_[index].first, 3), NewToken(",", line));
    Call(index, "Number");
    return;
  }
  if (source == Value::Float) Call(index, "cNum.round");
  else if (bits == 0 || FitsTarget(index, target.basic)) return;
  if (bits == 0) return;
  // x.l = e -> e | 0;  x.a = e -> e & 255;  x.b = e -> e << 24 >> 24
  if (bits == 32) {
    Guard(index, 6, false);
    After(index, "|");
    After(index, "0");
  } else if (unsignedTarget) {
    Guard(index, 8, false);
    After(index, "&");
    After(index, bits == 8 ? "255" : "65535");
  } else {
    Guard(index, 12, false);
    const char* shift = bits == 8 ? "24" : "16";
    for (const char* text : {"<<", shift, ">>", shift}) After(index, text);
  }
  tree_[index].jsPrecedence = bits == 32 ? 6 : unsignedTarget ? 8 : 11;
}

// An integer literal, possibly negated ("-5", "$1F", "'A'"): its value.
bool Emitter::DecimalLiteral(int index, long long& value) const {
  const Node& n = tree_[index];
  if (n.kind == NodeKind::Unary && n.opText == "neg") {
    if (!DecimalLiteral(n.left, value)) return false;
    value = -value;
    return true;
  }
  if (n.kind != NodeKind::Number || n.natural != Value::Int) return false;
  const std::string& text = n.first->Text;
  if (text.size() >= 3 && text.front() == '\'') {
    value = static_cast<unsigned char>(text[1]);
    return true;
  }
  std::string digits = text;
  int base = 10;
  if (!digits.empty() && (digits[0] == '$' || digits[0] == '%')) {
    base = digits[0] == '$' ? 16 : 2;
    digits = RemoveBlanks(digits.substr(1));
  }
  if (digits.empty() || digits.size() > 15) return false;  // well inside 53 bits
  char* end = nullptr;
  value = std::strtoll(digits.c_str(), &end, base);
  return end != nullptr && *end == '\0';
}

// Whether the value of node needs no wrapping into target: a literal in
// its range, a truth value, or a value of a type the target holds whole.
bool Emitter::FitsTarget(int index, Basic target) const {
  const Node& n = tree_[index];
  int bits = model::WidthBits(target);
  long long v = 0;
  if (DecimalLiteral(index, v)) {
    if (model::IsUnsigned(target)) return v >= 0 && v < (1LL << bits);
    return v >= -(1LL << (bits - 1)) && v < (1LL << (bits - 1));
  }
  if (n.natural == Value::Truth || (n.kind == NodeKind::Paren && n.fits32 && bits >= 8 &&
                                    tree_[n.left].natural == Value::Truth))
    return true;
  if (!n.typeKnown || n.natural != Value::Int) return false;
  Basic source = n.type.basic;
  if ((n.kind == NodeKind::Variable || n.kind == NodeKind::Element) && n.symbol >= 0)
    source = model_.At(n.symbol).type.basic;
  if (source == target) return true;
  int sourceBits = model::WidthBits(source);
  if (sourceBits == 0 || sourceBits > bits) return false;
  bool sourceUnsigned = model::IsUnsigned(source), targetUnsigned = model::IsUnsigned(target);
  if (sourceUnsigned == targetUnsigned) return true;
  return sourceUnsigned && !targetUnsigned && sourceBits < bits;  // .a in .w, .u in .l
}

}  // namespace korvex::expressions
