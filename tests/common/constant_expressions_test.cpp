// Constant expressions: PureBasic's precedence, the value kinds, the names
// the caller knows, and what is no constant.
#include "common/constant_expressions.h"

#include <gtest/gtest.h>

#include "scanner/source_scanner.h"

namespace korvex {
namespace {

std::vector<Token> TokensOf(const std::string& text) {
  TokenList list;
  TokenizeText(list, text + "\n");
  std::vector<Token> tokens;
  for (const Token& t : list)
    if (t.Kind != KindLineBreak) tokens.push_back(t);
  return tokens;
}

// The value as text: "7", "2.5", "\"ab\"", or "none".
std::string Eval(const std::string& text) {
  ConstantLookup lookup;
  lookup.constant = [](const std::string& name) -> std::optional<ConstantValue> {
    if (name == "five") return ConstantValue::Of(5);
    if (name == "name$") return ConstantValue::OfString("pb");
    return std::nullopt;
  };
  lookup.defined = [](const std::string& name, const std::string& kind) {
    return name == "helper" && kind == "procedure";
  };
  // "x =" in front makes the scanner read "#" as it does after "="
  std::vector<Token> tokens = TokensOf("x = " + text);
  tokens.erase(tokens.begin(), tokens.begin() + 2);
  std::optional<ConstantValue> v = EvaluateConstant(tokens, lookup);
  if (!v) return "none";
  if (v->kind == ConstantValue::String) return "\"" + v->text + "\"";
  if (v->kind == ConstantValue::Float) return std::to_string(v->real);
  return std::to_string(v->integer);
}

TEST(ConstantExpressions, Values) {
  struct Case {
    const char* text;
    const char* value;
  };
  const Case cases[] = {
      {"1 + 2 * 3", "7"},
      {"(1 + 2) * 3", "9"},
      {"2 * 3 & 1", "2"},           // & binds tighter than *
      {"1 + 1 << 2", "5"},          // << binds tighter than +
      {"7 / 2", "3"},               // integers divide towards zero
      {"-7 / 2", "-3"},
      {"-7 % 2", "-1"},
      {"5 ! 3", "6"},               // ! is exclusive or
      {"~0", "-1"},
      {"$FF + %101", "260"},
      {"'A'", "65"},
      {"#Five * 2", "10"},
      {"7 / 2.0", "3.500000"},
      {"\"a\" + \"b\"", "\"ab\""},
      {"#Name$ = \"pb\"", "1"},
      {"1 = 1 And 2 > 3", "0"},
      {"1 Or 0 And 0", "0"},        // one level, left to right
      {"Not 1 = 2", "1"},           // Not takes the whole comparison
      {"3 => 3 And 2 =< 1", "0"},
      {"Defined(Helper, #PB_Procedure)", "1"},
      {"Defined(Other, #PB_Procedure)", "0"},
      {"#Unknown", "none"},
      {"1 / 0", "none"},
      {"1 +", "none"},
      {"\"a\" * 2", "none"},
      {"Len(\"x\")", "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.text), c.value) << c.text;
}

TEST(ConstantExpressions, DeepNestingStopsInsteadOfOverflowing) {
  EXPECT_EQ(Eval(std::string(100000, '(') + "1" + std::string(100000, ')')), "none");
  EXPECT_EQ(Eval(std::string(50, '(') + "1" + std::string(50, ')')), "1");
  std::string negations;
  for (int i = 0; i < 100000; ++i) negations += "- ";
  EXPECT_EQ(Eval(negations + "1"), "none");
}

TEST(ConstantExpressions, NumbersAsTranslationLeavesThem) {
  EXPECT_EQ(ParseNumber("cString.Val(\"$10\")")->integer, 16);
  EXPECT_EQ(ParseNumber("-12")->integer, -12);
  EXPECT_FALSE(ParseNumber("cConstants.PB_Any"));
  EXPECT_FALSE(ParseNumber("1e"));
}

}  // namespace
}  // namespace korvex
