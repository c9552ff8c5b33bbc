// Conditionals: Select blocks and If blocks, one construct pass at a time,
// over token lists as the dispatcher hands them over.
#include <gtest/gtest.h>

#include <string>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

class Conditionals : public testing::ConstructFixture {
 protected:
  std::string If(const std::string& text) {
    Load(text);
    Rewrite("And", "&&");
    TranslateIf(run);
    return Cells();
  }
  std::string Select(const std::string& text) {
    Load(text);
    TranslateSelect(run);
    return Texts();
  }
  std::string SelectCells(const std::string& text) {
    Load(text);
    TranslateSelect(run);
    return Cells();
  }
};

// --- If ---------------------------------------------------------------

TEST_F(Conditionals, IfConditionGetsComparisonsAndBrace) {
  EXPECT_EQ(If("If a = 1 And b <> 2"), "if (|a|==|1|&&|b|!=|2) {");
}

TEST_F(Conditionals, ElseIfWithSplitGreaterOrEqual) {
  EXPECT_EQ(If("ElseIf x => 10"), "} else if (|x|>=||10) {");
}

TEST_F(Conditionals, ElseAndEndIf) {
  EXPECT_EQ(If("Else"), "} else {");
  EXPECT_EQ(If("EndIf"), "}");
  EXPECT_EQ(If("If x\nElse\nEndIf"), "if (|x) {|NL|} else {|NL|}");
}

TEST_F(Conditionals, TrailingCommentEndsTheCondition) {
  EXPECT_EQ(If("If ok ; check"), "if (|ok) {|; check");
}

TEST_F(Conditionals, ComparisonForms) {
  EXPECT_EQ(If("If a = b"), "if (|a|==|b) {");
  EXPECT_EQ(If("If a >= b"), "if (|a|>=|b) {");
  EXPECT_EQ(If("If a =< b"), "if (|a|<=||b) {");
}

TEST_F(Conditionals, AssignmentOutsideAConditionStays) {
  EXPECT_EQ(If("If x = 1\na = 2\nEndIf"), "if (|x|==|1) {|NL|a|=|2|NL|}");
  EXPECT_EQ(If("a = 1 : b <> c"), "a|=|1|:|b|<>|c");
}

TEST_F(Conditionals, OneLineIfWithSeparators) {
  // The dispatcher has made the ":" separators line breaks by now.
  Load("If a = 1 : b = 2 : EndIf");
  for (Token& t : run.Tokens)
    if (t.Text == ":") t = Token{"\n", KindLineBreak, 0, t.Line};
  TranslateIf(run);
  EXPECT_EQ(Cells(), "if (|a|==|1) {|NL|b|=|2|NL|}");
}

TEST_F(Conditionals, KeywordsInAnyCaseButNotInStringsOrComments) {
  EXPECT_EQ(If("IF a = 1\nif b\nENDIF"), "if (|a|==|1) {|NL|if (|b) {|NL|}");
  EXPECT_EQ(If("s = \"If\" ; If x = 1"), "s|=|\"If\"|; If x = 1");
}

TEST_F(Conditionals, ConditionOnTheLastLineIsClosed) {
  EXPECT_EQ(If("If x"), "if (|x) {");
  EXPECT_EQ(If("If"), "if () {");
  EXPECT_EQ(If("If a ="), "if (|a|==) {");
}

// --- Select -----------------------------------------------------------

TEST_F(Conditionals, SelectOnANameComparesTheNameItself) {
  EXPECT_EQ(Select("Select key\nCase 1\nHandle()\nCase 2\nDefault\nEndSelect"),
            "\nif ( key == 1 ) {\nHandle ( )\n} else if ( key == 2 ) {\n} else {\n}");
}

TEST_F(Conditionals, CaseListsRangesAndMixes) {
  EXPECT_EQ(Select("Select n\nCase 1, 3, 5\nCase 10 To 20\nCase 'a' To 'z', 0\nEndSelect"),
            "\nif ( n == 1 || n == 3 || n == 5 ) {\n"
            "} else if ( ( n >= 10 && n <= 20 ) ) {\n"
            "} else if ( ( n >= 'a' && n <= 'z' ) || n == 0 ) {\n}");
}

TEST_F(Conditionals, ValuesOfMoreThanOneTokenAreParenthesized) {
  EXPECT_EQ(Select("Select n\nCase a + 1, f(1, 2)\nCase lo - 1 To hi * 2\nEndSelect"),
            "\nif ( n == ( a + 1 ) || n == ( f ( 1 , 2 ) ) ) {\n"
            "} else if ( ( n >= ( lo - 1 ) && n <= ( hi * 2 ) ) ) {\n}");
}

TEST_F(Conditionals, AnExpressionSelectorIsEvaluatedOnce) {
  EXPECT_EQ(Select("Select LCase(s)\nCase \"a\"\nEndSelect"),
            "var KVX_Select1 = LCase ( s )\nif ( KVX_Select1 == \"a\" ) {\n}");
  EXPECT_EQ(Select("Select a + b\nDefault\nx = 1\nEndSelect"), "var KVX_Select1 = a + b\n{\nx = 1\n}");
}

TEST_F(Conditionals, NestedSelectsAtAnyDepth) {
  EXPECT_EQ(Select("Select a\nCase 1\nSelect b + 1\nCase 2\nSelect c\nCase 3\nEndSelect\n"
                   "Default\nEndSelect\nCase 4\nEndSelect"),
            "\nif ( a == 1 ) {\nvar KVX_Select1 = b + 1\nif ( KVX_Select1 == 2 ) {\n"
            "\nif ( c == 3 ) {\n}\n} else {\n}\n} else if ( a == 4 ) {\n}");
}

TEST_F(Conditionals, BreakInsideACaseIsLeftForTheLoop) {
  EXPECT_EQ(Select("Select a\nCase 1\nBreak\nEndSelect"), "\nif ( a == 1 ) {\nBreak\n}");
}

TEST_F(Conditionals, TrailingCommentsOnSelectAndCaseLines) {
  EXPECT_EQ(SelectCells("Select key ; which\nCase 1 ; one\nEndSelect"),
            "||; which|NL|if (|key|==|1|) {|; one|NL|}");
}

TEST_F(Conditionals, SelectorAndCaseValuesKeepTheirClosingParenthesis) {
  // The array pass runs after this one and needs the ")" of a(i) whole.
  Load("Dim a(3)\nSelect a(i)\nCase a(1)\nEndSelect");
  BuildProgramModel(run);
  TranslateSelect(run);
  TranslateDim(run);
  std::string texts = Texts();
  EXPECT_EQ(texts.substr(texts.find("var KVX")),
            "var KVX_Select1 = a .d[ i ]\nif ( KVX_Select1 == ( a .d[ 1 ] ) ) {\n}");
}

TEST_F(Conditionals, SelectWordsInStringsAndInsideStatementsAreText) {
  EXPECT_EQ(SelectCells("s = \"Case\""), "s|=|\"Case\"");
  EXPECT_EQ(SelectCells("Case 1\nDefault\nEndSelect"), "Case|1|NL|Default|NL|EndSelect");
}

TEST_F(Conditionals, SelectCutOffInItsHeader) {
  EXPECT_EQ(Select("Select x"), "");
  EXPECT_EQ(Select("Select"), "var KVX_Select1 = null");
  EXPECT_EQ(Select("Select x\nCase 1\nCase"), "\nif ( x == 1 ) {\n} else if ( false ) {");
  EXPECT_EQ(Select("Select x\nCase 1 To"), "\nif ( ( x >= 1 && ) ) {");
}

}  // namespace
}  // namespace korvex::translate
