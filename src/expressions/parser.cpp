// The expression parser; see parser.h.
#include "expressions/parser.h"

#include "common/text.h"
#include "model/keywords.h"

namespace korvex::expressions {
namespace {

constexpr int kMaxDepth = 200;

// Every binary operator the parser knows, as literals that a node's
// operator text can point to for as long as the program runs.
constexpr std::string_view kBinaryOperators[] = {"<<", ">>", "%", "!", "|", "&", "*", "/", "+", "-",
                                                  "=",  "<>", "<", ">", "<=", ">=", "and", "or", "xor"};

// op's own literal, or "" for a text that is no binary operator. The level
// is asked first: it turns away most texts by their first byte.
std::string_view BinaryOperator(std::string_view op) {
  if (PureBasicLevel(op) == 0) return {};
  // at most three bytes: compared one by one, without a call
  for (std::string_view known : kBinaryOperators) {
    if (known.size() != op.size()) continue;
    size_t i = 0;
    while (i < op.size() && known[i] == op[i]) ++i;
    if (i == op.size()) return known;
  }
  return {};
}

// "and", "or" and "xor" in any case, as their literals; "" for any other word.
std::string_view LogicalOperator(std::string_view word) {
  for (std::string_view known : {std::string_view("and"), std::string_view("or"), std::string_view("xor")})
    if (EqualsNoCase(word, known)) return known;
  return {};
}

}  // namespace

int PureBasicLevel(std::string_view op) {
  if (op.empty() || op.size() > 3) return 0;
  bool one = op.size() == 1;
  switch (op[0]) {
    case '%': case '!': return one ? 7 : 0;
    case '|': case '&': return one ? 6 : 0;
    case '*': case '/': return one ? 5 : 0;
    case '+': case '-': return one ? 4 : 0;
    case '=': return one ? 3 : 0;
    case '<': return op == "<<" ? 7 : (one || op == "<=" || op == "<>") ? 3 : 0;
    case '>': return op == ">>" ? 7 : (one || op == ">=") ? 3 : 0;
    case 'a': return op == "and" ? 1 : 0;
    case 'o': return op == "or" ? 1 : 0;
    case 'x': return op == "xor" ? 1 : 0;
    default: return 0;
  }
}

bool IsComparison(std::string_view op) {
  return op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=";
}

bool IsLogical(std::string_view op) { return op == "and" || op == "or" || op == "xor"; }

int Parser::Parse(size_t from, size_t to, size_t& at) {
  at_ = from;
  end_ = std::min(to, tokens_.size());
  failed_ = false;
  depth_ = 0;
  int root = AtEnd() ? -1 : Expression(1);
  at = at_;
  return failed_ ? -1 : root;
}

int Parser::ParseOperand(size_t from, size_t to, size_t& at) {
  at_ = from;
  end_ = std::min(to, tokens_.size());
  failed_ = false;
  depth_ = 0;
  int node = AtEnd() ? -1 : Primary();
  at = at_;
  return failed_ ? -1 : node;
}

bool Parser::PeekBinary(std::string_view& text, int& level, size_t& width) const {
  if (AtEnd()) return false;
  const Token& t = Tok(at_);
  width = 1;
  if (t.Kind == KindWord) {
    // "and", "or" and "xor" are the longest words an operator can be
    if (t.Text.size() > 3) return false;
    text = LogicalOperator(t.Text);
    if (text.empty()) return false;
  } else if (t.Kind == KindOther) {
    text = BinaryOperator(t.Text);
    // "=>" and "=<" arrive as two tokens
    if (text == "=" && (Is(at_ + 1, ">") || Is(at_ + 1, "<"))) {
      text = Is(at_ + 1, ">") ? ">=" : "<=";
      width = 2;
    }
  } else {
    return false;
  }
  level = PureBasicLevel(text);
  return level > 0;
}

// left op right op ... with every operator of at least minLevel.
int Parser::Expression(int minLevel) {
  if (++depth_ > kMaxDepth) failed_ = true;
  int left = failed_ ? -1 : Unary();
  std::string_view text;
  int level = 0;
  size_t width = 1;
  while (!failed_ && PeekBinary(text, level, width) && level >= minLevel) {
    Node n;
    n.kind = NodeKind::Binary;
    n.opText = text;
    n.op = tokens_[at_];
    n.twoTokenOp = width == 2;
    if (width == 2) n.opSecond = tokens_[at_ + 1];
    at_ += width;
    int right = Expression(level + 1);
    if (failed_ || right < 0) {
      failed_ = true;
      break;
    }
    n.left = left;
    n.right = right;
    n.first = tree_[left].first;
    n.last = tree_[right].last;
    left = tree_.Add(std::move(n));
  }
  --depth_;
  return left;
}

// -x, ~x (level 8) and Not x (level 2: "Not a = b" is "Not (a = b)").
int Parser::Unary() {
  if (AtEnd()) {
    failed_ = true;
    return -1;
  }
  const Token& t = Tok(at_);
  bool isNot = t.Kind == KindWord && EqualsNoCase(t.Text, "not");
  bool isSign = t.Kind == KindOther && (t.Text == "-" || t.Text == "~" || t.Text == "+");
  if (!isNot && !isSign) return Primary();
  Node n;
  n.kind = NodeKind::Unary;
  n.op = tokens_[at_];
  n.first = n.op;
  n.opText = isNot ? "not" : t.Text == "-" ? "neg" : t.Text == "~" ? "~" : "+";
  ++at_;
  if (++depth_ > kMaxDepth) failed_ = true;
  int operand = failed_ ? -1 : (isNot ? Expression(3) : Unary());
  --depth_;
  if (failed_ || operand < 0) {
    failed_ = true;
    return -1;
  }
  if (n.opText == "+") return operand;  // a plus sign changes nothing
  n.left = operand;
  n.last = tree_[operand].last;
  return tree_.Add(std::move(n));
}

int Parser::Primary() {
  if (AtEnd()) {
    failed_ = true;
    return -1;
  }
  const Token& t = Tok(at_);
  if (t.Kind == KindWord) return NamePrimary();
  Node n;
  n.first = n.last = tokens_[at_];
  if (t.Kind == KindNumber) {
    n.kind = NodeKind::Number;
    ++at_;
    return tree_.Add(std::move(n));
  }
  if (t.Kind == KindString) {
    n.kind = NodeKind::String;
    ++at_;
    return Postfix(tree_.Add(std::move(n)));
  }
  if (t.Kind != KindOther) {
    failed_ = true;
    return -1;
  }
  if (t.Text == "(") {
    ++at_;
    if (++depth_ > kMaxDepth) failed_ = true;
    int inner = failed_ ? -1 : Expression(1);
    --depth_;
    if (failed_ || inner < 0 || !Is(at_, ")")) {
      failed_ = true;
      return -1;
    }
    n.kind = NodeKind::Paren;
    n.left = inner;
    n.last = tokens_[at_++];
    return Postfix(tree_.Add(std::move(n)));
  }
  if (t.Text == "@" || t.Text == "?") {
    // @x, @*p, @s$, @Proc(), @a(i), ?Label: an address, taken as a whole
    ++at_;
    int target = Primary();
    if (failed_ || target < 0) {
      failed_ = true;
      return -1;
    }
    n.kind = NodeKind::Opaque;
    n.last = tree_[target].last;
    n.left = target;
    return tree_.Add(std::move(n));
  }
  if (t.Text == "\\" && at_ + 1 < end_ && Tok(at_ + 1).Kind == KindWord) {
    // \field inside a With block
    n.kind = NodeKind::Opaque;
    n.last = tokens_[at_ + 1];
    at_ += 2;
    return Postfix(tree_.Add(std::move(n)));
  }
  failed_ = true;
  return -1;
}

int Parser::NamePrimary() {
  const Token& t = Tok(at_);
  LowerWord lower(t.Text);
  Node n;
  n.first = n.last = tokens_[at_];
  n.symbol = t.Ref;
  if (!t.Text.empty() && t.Text[0] == '#') {
    n.kind = NodeKind::Constant;
    ++at_;
    return tree_.Add(std::move(n));
  }
  if (lower == "bool" && Is(at_ + 1, "(")) {
    n.kind = NodeKind::Bool;
    at_ += 2;
    if (++depth_ > kMaxDepth) failed_ = true;
    int inner = failed_ ? -1 : Expression(1);
    --depth_;
    if (failed_ || inner < 0 || !Is(at_, ")")) {
      failed_ = true;
      return -1;
    }
    n.left = inner;
    n.last = tokens_[at_++];
    return tree_.Add(std::move(n));
  }
  if (model::IsKeyword(lower)) {
    failed_ = true;
    return -1;
  }
  ++at_;
  if (Is(at_, "(")) {
    bool container = n.symbol >= 0 && model_.At(n.symbol).kind != model::SymbolKind::Procedure;
    n.kind = container ? NodeKind::Element : NodeKind::Call;
    if (!Arguments(n)) return -1;
    return Postfix(tree_.Add(std::move(n)));
  }
  n.kind = NodeKind::Variable;
  // "t.s", "p.Point": a type written at the name's use belongs to it
  if (Is(at_, ".") && at_ + 1 < end_ && Tok(at_ + 1).Kind == KindWord) {
    n.last = tokens_[at_ + 1];
    at_ += 2;
  }
  return Postfix(tree_.Add(std::move(n)));
}

// "(" arg, arg ")" with the cursor on the "(": every argument a root.
bool Parser::Arguments(Node& node) {
  ++at_;  // "("
  if (Is(at_, ")")) {
    node.last = tokens_[at_++];
    return true;
  }
  while (!failed_) {
    if (++depth_ > kMaxDepth) failed_ = true;
    int arg = failed_ ? -1 : Expression(1);
    --depth_;
    if (failed_ || arg < 0) break;
    node.args.push_back(arg);
    if (Is(at_, ",")) {
      ++at_;
      continue;
    }
    if (Is(at_, ")")) {
      node.last = tokens_[at_++];
      return true;
    }
    break;
  }
  failed_ = true;
  return false;
}

// base\field, base\field(args), base\field[i] ...
int Parser::Postfix(int base) {
  while (!failed_ && Is(at_, "\\") && at_ + 1 < end_ && Tok(at_ + 1).Kind == KindWord) {
    Node f;
    f.kind = NodeKind::Field;
    f.left = base;
    f.first = tree_[base].first;
    f.op = tokens_[at_ + 1];  // the field's name
    f.last = f.op;
    at_ += 2;
    if (Is(at_, "(")) {
      f.parens = true;
      if (!Arguments(f)) return -1;
    } else if (Is(at_, "[")) {
      ++at_;
      int index = Expression(1);
      if (failed_ || index < 0 || !Is(at_, "]")) {
        failed_ = true;
        return -1;
      }
      f.args.push_back(index);
      f.last = tokens_[at_++];
    }
    base = tree_.Add(std::move(f));
  }
  return base;
}

}  // namespace korvex::expressions
