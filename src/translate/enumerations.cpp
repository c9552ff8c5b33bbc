// Enumeration blocks and the "#" of user constants.
// "Enumeration" / "#First" / "#Second" / "EndEnumeration" give
// "var First = 0" and "var Second = 1"; outside a block "#Width = 640"
// gives "Width = 640". Runs in the first group of the dispatcher, after the
// library pass has replaced the constants that the web runtime knows.
// The values are worked out here, as PureBasic's compiler does:
//   Enumeration 10 Step 5  /  #A  /  #B = #A * 2 + 1  /  #C  ->  var A = 10,
//   var B = A * 2 + 1 (21), var C = 26
// A start, a step or a value that is no constant expression here (a library
// constant, whose value only the runtime knows) is written out instead, and
// the next constant counts on from the one before it: var D = C + 5.
// EnumerationBinary counts 1, 2, 4, ...; a named block goes on where the
// last block of its name stopped; #PB_Compiler_EnumerationValue is the
// value that would come next.
#include <string>
#include <unordered_map>
#include <vector>

#include "common/constant_expressions.h"
#include "common/text.h"
#include "common/word_shapes.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"
#include "translate/token_edits.h"

namespace korvex::translate {
namespace {

// The value the next constant of a block gets: a number, or, when that is
// not known here, a JavaScript expression.
struct NextValue {
  bool known = true;
  int64_t number = 0;
  std::string expression;

  std::string Text() const { return known ? std::to_string(number) : expression; }
};

bool IsStatementStart(TokenList& tokens, Position it) {
  return it == tokens.begin() || std::prev(it)->Kind == KindLineBreak;
}

bool IsWordToken(const Token& t, const char* lower) {
  return t.Kind == KindWord && EqualsNoCase(t.Text, lower);
}

// The tokens of an expression, with a "#" that the scanner delivered
// apart from its name joined to it again.
std::vector<Token> JoinedConstants(const std::vector<Token>& tokens) {
  std::vector<Token> out;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].Kind == KindOther && tokens[i].Text == "#" && i + 1 < tokens.size() &&
        tokens[i + 1].Kind == KindWord) {
      out.push_back(Token{"#" + tokens[i + 1].Text, KindWord, 0, tokens[i].Line});
      ++i;
      continue;
    }
    out.push_back(tokens[i]);
  }
  return out;
}

// An expression as JavaScript text: its tokens with the "#" of constants
// dropped, as the walk drops them everywhere. "Enumeration #PB_Date_Hour"
// reaches here as "#" and a word, which the library pass does not take for
// a constant: PureBasic's own constants are the runtime's.
std::string ExpressionText(const std::vector<Token>& tokens) {
  std::string text;
  for (const Token& t : JoinedConstants(tokens)) {
    if (t.Text.empty()) continue;
    if (!text.empty()) text += ' ';
    if (t.Kind != KindWord || t.Text[0] != '#') text += t.Text;
    else if (StartsWith(LowerAscii(t.Text), "#pb_")) text += "cConstants." + t.Text.substr(1);
    else text += t.Text.substr(1);
  }
  return text;
}

class EnumerationWalk {
 public:
  explicit EnumerationWalk(TokenList& tokens) : tokens_(tokens) {
    lookup_.constant = [this](const std::string& name) -> std::optional<ConstantValue> {
      auto found = values_.find(name);
      if (found == values_.end()) return std::nullopt;
      return found->second;
    };
  }

  void Visit(Position it) {
    Token& t = *it;
    if (t.Kind == KindOther && t.Text == "#") {
      Blank(t);
      return;
    }
    if (t.Kind != KindWord) return;
    static constexpr WordShapes kKeywords{"enumeration", "enumerationbinary", "endenumeration",
                                          "pb_compiler_enumerationvalue", "#pb_compiler_enumerationvalue"};
    if (kKeywords.MayBe(t.Text) && Keyword(it)) return;
    if (!t.Text.empty() && t.Text[0] == '#') {
      bool defines = IsStatementStart(tokens_, it);
      if (defines && inEnumeration_) {
        Number(it);
        return;
      }
      if (defines) NoteConstant(it);
      t.Text.erase(0, 1);
    }
  }

 private:
  // The block keywords and the next value's constant; false for any other
  // word.
  bool Keyword(Position it) {
    Token& t = *it;
    LowerWord word(t.Text);
    if (word == "enumeration" || word == "enumerationbinary") {
      if (IsStatementStart(tokens_, it)) Open(it, word == "enumerationbinary");
    } else if (word == "endenumeration") {
      Close();
      Blank(t);
    } else if (word == "pb_compiler_enumerationvalue" || word == "#pb_compiler_enumerationvalue") {
      t.Text = last_.Text();
    } else {
      return false;
    }
    return true;
  }

  // Enumeration[Binary] [name] [start [Step step]]: the header's tokens
  // leave the line.
  void Open(Position keyword, bool binary) {
    inEnumeration_ = true;
    binary_ = binary;
    Blank(*keyword);
    std::vector<Token> start, step;
    bool inStep = false;
    std::string name;
    for (Position it = std::next(keyword); it != tokens_.end() && !EndsHeader(&*it); ++it) {
      if (it == std::next(keyword) && it->Kind == KindWord && it->Text[0] != '#') name = it->Text;
      else if (IsWordToken(*it, "step")) inStep = true;
      else (inStep ? step : start).push_back(*it);
      Blank(*it);
    }
    name_ = name;
    step_ = 1;
    if (!step.empty()) {
      std::optional<ConstantValue> v = EvaluateConstant(JoinedConstants(step), lookup_);
      if (v && v->kind == ConstantValue::Integer) step_ = v->integer;
    }
    next_ = StartValue(start, binary);
  }

  NextValue StartValue(const std::vector<Token>& start, bool binary) {
    if (start.empty()) {
      if (!name_.empty()) {
        auto found = named_.find(name_);
        if (found != named_.end()) return found->second;
      }
      return NextValue{true, binary ? 1 : 0, ""};
    }
    std::vector<Token> joined = JoinedConstants(start);
    if (joined.size() == 1 && EqualsNoCase(joined[0].Text, "#pb_compiler_enumerationvalue")) return last_;
    std::optional<ConstantValue> v = EvaluateConstant(joined, lookup_);
    if (v && v->kind == ConstantValue::Integer) return NextValue{true, v->integer, ""};
    return NextValue{false, 0, "(" + ExpressionText(start) + ")"};
  }

  void Close() {
    inEnumeration_ = false;
    if (!name_.empty()) named_[name_] = next_;
  }

  // #Name  ->  var Name = <next value>
  // #Name = expression  ->  var Name = expression, and the count goes on
  // from its value.
  void Number(Position it) {
    std::string name = it->Text.substr(1);
    std::vector<Token> value;
    bool assigned = ReadAssignment(it, value);
    if (assigned) {
      std::optional<ConstantValue> v = EvaluateConstant(JoinedConstants(value), lookup_);
      it->Text = "var " + name;
      if (v && v->kind == ConstantValue::Integer) Advance(name, NextValue{true, v->integer, ""});
      else Advance(name, NextValue{false, 0, name});
      return;
    }
    it->Text = "var " + name + " = " + next_.Text();
    Advance(name, next_);
  }

  // Records the constant's value (when known) and moves the count on.
  void Advance(const std::string& name, const NextValue& value) {
    if (value.known) {
      values_[LowerAscii(name)] = ConstantValue::Of(value.number);
      next_ = NextValue{true, binary_ ? value.number * 2 : value.number + step_, ""};
    } else {
      next_ = NextValue{false, 0, binary_ ? name + " * 2" : name + " + " + std::to_string(step_)};
    }
    last_ = next_;
  }

  // "#Name = expression": the expression's tokens.
  bool ReadAssignment(Position it, std::vector<Token>& value) {
    Position eq = std::next(it);
    if (eq == tokens_.end() || eq->Kind != KindOther || eq->Text != "=") return false;
    for (Position v = std::next(eq); v != tokens_.end() && !EndsHeader(&*v); ++v) value.push_back(*v);
    return true;
  }

  // #Name = expression outside a block: its value, for the blocks after it.
  void NoteConstant(Position it) {
    std::vector<Token> value;
    if (!ReadAssignment(it, value)) return;
    std::optional<ConstantValue> v = EvaluateConstant(JoinedConstants(value), lookup_);
    if (v) values_[LowerAscii(it->Text.substr(1))] = *v;
  }

  TokenList& tokens_;
  ConstantLookup lookup_;
  bool inEnumeration_ = false;
  bool binary_ = false;
  std::string name_;
  int64_t step_ = 1;
  NextValue next_;
  NextValue last_;  // what #PB_Compiler_EnumerationValue gives
  std::unordered_map<std::string, NextValue> named_;        // a named block's next value
  std::unordered_map<std::string, ConstantValue> values_;   // lower-cased name -> value
};

}  // namespace

void TranslateEnumerations(RunState& run) {
  TokenList& tokens = run.Tokens;
  EnumerationWalk walk(tokens);
  for (Position it = tokens.begin(); it != tokens.end(); ++it) walk.Visit(it);
}

}  // namespace korvex::translate
