// Constant expressions; see constant_expressions.h.
#include "common/constant_expressions.h"

#include <cstdlib>

#include "common/text.h"

namespace korvex {
namespace {

// Deeper nesting than this is no constant a program means; the walk stops
// rather than use up the stack.
constexpr int kMaxDepth = 200;

std::optional<int64_t> ParseDigits(std::string_view digits, int base) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    int d = c >= '0' && c <= '9'   ? c - '0'
            : c >= 'a' && c <= 'f' ? c - 'a' + 10
            : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                   : 99;
    if (d >= base) return std::nullopt;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);  // wraps like a quad
  }
  return static_cast<int64_t>(value);
}

double AsReal(const ConstantValue& v) {
  return v.kind == ConstantValue::Float ? v.real : static_cast<double>(v.integer);
}

int64_t Wrap(uint64_t v) { return static_cast<int64_t>(v); }

class Evaluator {
 public:
  Evaluator(const std::vector<Token>& tokens, const ConstantLookup& lookup)
      : t_(tokens), lookup_(lookup) {}

  std::optional<ConstantValue> Whole() {
    std::optional<ConstantValue> v = Logical();
    if (!v || pos_ != t_.size()) return std::nullopt;
    return v;
  }

 private:
  bool AtOther(const char* text) const {
    return pos_ < t_.size() && t_[pos_].Kind == KindOther && t_[pos_].Text == text;
  }
  bool AtWord(const char* lower) const {
    return pos_ < t_.size() && t_[pos_].Kind == KindWord && EqualsNoCase(t_[pos_].Text, lower);
  }

  // And, Or, XOr: one level, left to right.
  std::optional<ConstantValue> Logical() {
    std::optional<ConstantValue> left = Negation();
    while (left && (AtWord("and") || AtWord("or") || AtWord("xor"))) {
      std::string op = LowerAscii(t_[pos_++].Text);
      std::optional<ConstantValue> right = Negation();
      if (!right) return std::nullopt;
      bool a = left->Holds(), b = right->Holds();
      left = ConstantValue::Of(op == "and" ? (a && b) : op == "or" ? (a || b) : (a != b));
    }
    return left;
  }

  std::optional<ConstantValue> Negation() {
    if (!AtWord("not")) return Comparison();
    ++pos_;
    if (++depth_ > kMaxDepth) return std::nullopt;
    std::optional<ConstantValue> v = Negation();
    --depth_;
    if (!v) return std::nullopt;
    return ConstantValue::Of(!v->Holds());
  }

  // The comparison sign at the cursor ("=>" and "=<" come as two tokens),
  // or "" when there is none.
  std::string ComparisonSign() {
    if (pos_ >= t_.size() || t_[pos_].Kind != KindOther) return "";
    const std::string& s = t_[pos_].Text;
    if (s == "=" && pos_ + 1 < t_.size() && (t_[pos_ + 1].Text == ">" || t_[pos_ + 1].Text == "<")) {
      std::string sign = t_[pos_ + 1].Text + "=";
      pos_ += 2;
      return sign;
    }
    if (s == "=" || s == "<>" || s == "<" || s == ">" || s == "<=" || s == ">=") {
      ++pos_;
      return s;
    }
    return "";
  }

  std::optional<ConstantValue> Comparison() {
    std::optional<ConstantValue> left = Sum();
    while (left) {
      std::string sign = ComparisonSign();
      if (sign.empty()) break;
      std::optional<ConstantValue> right = Sum();
      if (!right) return std::nullopt;
      left = Compare(*left, sign, *right);
    }
    return left;
  }

  static std::optional<ConstantValue> Compare(const ConstantValue& a, const std::string& sign,
                                              const ConstantValue& b) {
    bool isString = a.kind == ConstantValue::String;
    if (isString != (b.kind == ConstantValue::String)) return std::nullopt;
    int order = 0;
    if (isString) order = a.text < b.text ? -1 : a.text > b.text ? 1 : 0;
    else if (a.kind == ConstantValue::Integer && b.kind == ConstantValue::Integer)
      order = a.integer < b.integer ? -1 : a.integer > b.integer ? 1 : 0;
    else order = AsReal(a) < AsReal(b) ? -1 : AsReal(a) > AsReal(b) ? 1 : 0;
    bool holds = sign == "=" ? order == 0 : sign == "<>" ? order != 0 : sign == "<" ? order < 0
               : sign == ">" ? order > 0 : sign == "<=" ? order <= 0 : order >= 0;
    return ConstantValue::Of(holds);
  }

  template <typename Next>
  std::optional<ConstantValue> Level(Next next, std::initializer_list<const char*> ops) {
    std::optional<ConstantValue> left = (this->*next)();
    while (left) {
      const char* op = nullptr;
      for (const char* o : ops)
        if (AtOther(o)) op = o;
      if (op == nullptr) break;
      ++pos_;
      std::optional<ConstantValue> right = (this->*next)();
      if (!right) return std::nullopt;
      left = Apply(*left, op, *right);
    }
    return left;
  }

  std::optional<ConstantValue> Sum() { return Level(&Evaluator::Product, {"+", "-"}); }
  std::optional<ConstantValue> Product() { return Level(&Evaluator::Bits, {"*", "/"}); }
  std::optional<ConstantValue> Bits() { return Level(&Evaluator::Shifts, {"|", "&"}); }
  std::optional<ConstantValue> Shifts() { return Level(&Evaluator::Unary, {"<<", ">>", "%", "!"}); }

  static std::optional<ConstantValue> Apply(const ConstantValue& a, const std::string& op,
                                            const ConstantValue& b) {
    if (a.kind == ConstantValue::String || b.kind == ConstantValue::String) {
      if (op != "+" || a.kind != b.kind) return std::nullopt;
      return ConstantValue::OfString(a.text + b.text);
    }
    if (a.kind == ConstantValue::Float || b.kind == ConstantValue::Float) {
      double x = AsReal(a), y = AsReal(b);
      if (op == "+") return ConstantValue::OfFloat(x + y);
      if (op == "-") return ConstantValue::OfFloat(x - y);
      if (op == "*") return ConstantValue::OfFloat(x * y);
      if (op == "/" && y != 0) return ConstantValue::OfFloat(x / y);
      return std::nullopt;  // the bit operators take integers
    }
    uint64_t x = static_cast<uint64_t>(a.integer), y = static_cast<uint64_t>(b.integer);
    if (op == "+") return ConstantValue::Of(Wrap(x + y));
    if (op == "-") return ConstantValue::Of(Wrap(x - y));
    if (op == "*") return ConstantValue::Of(Wrap(x * y));
    if (op == "|") return ConstantValue::Of(a.integer | b.integer);
    if (op == "&") return ConstantValue::Of(a.integer & b.integer);
    if (op == "!") return ConstantValue::Of(a.integer ^ b.integer);
    if (op == "<<") return ConstantValue::Of(b.integer < 0 || b.integer > 63 ? 0 : Wrap(x << b.integer));
    if (op == ">>") return ConstantValue::Of(a.integer >> (b.integer < 0 || b.integer > 63 ? 63 : b.integer));
    if (b.integer == 0 || (a.integer == INT64_MIN && b.integer == -1)) return std::nullopt;
    if (op == "/") return ConstantValue::Of(a.integer / b.integer);
    return ConstantValue::Of(a.integer % b.integer);
  }

  std::optional<ConstantValue> Unary() {
    if (!AtOther("-") && !AtOther("~") && !AtOther("+")) return Primary();
    std::string op = t_[pos_++].Text;
    if (++depth_ > kMaxDepth) return std::nullopt;
    std::optional<ConstantValue> v = Unary();
    --depth_;
    if (!v || v->kind == ConstantValue::String) return std::nullopt;
    if (op == "+") return v;
    if (op == "~") {
      if (v->kind != ConstantValue::Integer) return std::nullopt;
      return ConstantValue::Of(~v->integer);
    }
    if (v->kind == ConstantValue::Float) return ConstantValue::OfFloat(-v->real);
    return ConstantValue::Of(Wrap(0 - static_cast<uint64_t>(v->integer)));
  }

  std::optional<ConstantValue> Primary() {
    if (pos_ >= t_.size()) return std::nullopt;
    const Token& t = t_[pos_];
    if (AtOther("(")) return Parenthesized();
    ++pos_;
    if (t.Kind == KindString) {
      if (t.Text.size() < 2 || t.Text.back() != '"') return std::nullopt;
      return ConstantValue::OfString(t.Text.substr(1, t.Text.size() - 2));
    }
    if (t.Kind == KindNumber) return ParseNumber(t.Text);
    if (t.Kind != KindWord) return std::nullopt;
    if (!t.Text.empty() && t.Text[0] == '#') {
      if (!lookup_.constant) return std::nullopt;
      return lookup_.constant(LowerAscii(t.Text.substr(1)));
    }
    std::string lower = LowerAscii(t.Text);
    if (lower == "true") return ConstantValue::Of(1);
    if (lower == "false") return ConstantValue::Of(0);
    if (lower == "defined") return Defined();
    return ParseNumber(t.Text);  // "#TAB" has become the word "9"
  }

  std::optional<ConstantValue> Parenthesized() {
    ++pos_;
    if (++depth_ > kMaxDepth) return std::nullopt;
    std::optional<ConstantValue> v = Logical();
    --depth_;
    if (!v || !AtOther(")")) return std::nullopt;
    ++pos_;
    return v;
  }

  // Defined(Name, #PB_Kind): the name without "#" or "()".
  std::optional<ConstantValue> Defined() {
    if (!AtOther("(")) return std::nullopt;
    ++pos_;
    if (AtOther("#")) ++pos_;  // "Defined(#Name" may arrive as "#" and a word
    if (pos_ >= t_.size() || t_[pos_].Kind != KindWord) return std::nullopt;
    std::string name = LowerAscii(t_[pos_++].Text);
    if (!name.empty() && name[0] == '#') name.erase(0, 1);
    if (AtOther("(") && pos_ + 1 < t_.size() && t_[pos_ + 1].Text == ")") pos_ += 2;
    if (!AtOther(",")) return std::nullopt;
    ++pos_;
    if (pos_ >= t_.size() || t_[pos_].Kind != KindWord) return std::nullopt;
    std::string kind = LowerAscii(t_[pos_++].Text);
    if (!AtOther(")")) return std::nullopt;
    ++pos_;
    if (StartsWith(kind, "#pb_")) kind.erase(0, 4);
    return ConstantValue::Of(lookup_.defined && lookup_.defined(name, kind));
  }

  const std::vector<Token>& t_;
  const ConstantLookup& lookup_;
  size_t pos_ = 0;
  int depth_ = 0;
};

}  // namespace

bool ConstantValue::Holds() const {
  if (kind == String) return !text.empty();
  if (kind == Float) return real != 0;
  return integer != 0;
}

std::optional<ConstantValue> ParseNumber(const std::string& text) {
  std::string_view s = text;
  if (StartsWith(s, "cString.Val(\"") && EndsWith(s, "\")")) s = s.substr(13, s.size() - 15);
  if (s.empty()) return std::nullopt;
  if (s.size() == 3 && s[0] == '\'' && s[2] == '\'') return ConstantValue::Of(static_cast<unsigned char>(s[1]));
  bool negative = s[0] == '-';
  if (negative) s.remove_prefix(1);
  std::optional<int64_t> digits;
  if (!s.empty() && s[0] == '$') digits = ParseDigits(s.substr(1), 16);
  else if (!s.empty() && s[0] == '%') digits = ParseDigits(s.substr(1), 2);
  else digits = ParseDigits(s, 10);
  if (digits) return ConstantValue::Of(negative ? Wrap(0 - static_cast<uint64_t>(*digits)) : *digits);
  // A float: digits with a "." or an exponent, and nothing else.
  std::string number(s);
  char* end = nullptr;
  double v = std::strtod(number.c_str(), &end);
  if (number.empty() || end != number.c_str() + number.size() || !(number[0] >= '0' && number[0] <= '9'))
    return std::nullopt;
  return ConstantValue::OfFloat(negative ? -v : v);
}

std::optional<ConstantValue> EvaluateConstant(const std::vector<Token>& tokens,
                                              const ConstantLookup& lookup) {
  if (tokens.empty()) return std::nullopt;
  return Evaluator(tokens, lookup).Whole();
}

}  // namespace korvex
