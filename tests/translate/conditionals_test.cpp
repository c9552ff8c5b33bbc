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

TEST_F(Conditionals, SelectWithInsertedBreaks) {
  EXPECT_EQ(Select("Select key\nCase 1\nHandle()\nCase 2\nDefault\nEndSelect"),
            "switch ( key ) {\ncase 1 :\nHandle ( )\nbreak;\ncase 2 :\nbreak;\ndefault :\n}");
}

TEST_F(Conditionals, InsertedBreakIsAStatementOfItsOwn) {
  EXPECT_EQ(SelectCells("Case 1\nCase 2"), "case|1|:|NL|break;|NL|case|2|:");
  ASSERT_EQ(run.Tokens.Size(), 9u);
  auto it = run.Tokens.begin();
  std::advance(it, 4);
  EXPECT_EQ(it->Kind, KindWord);
  EXPECT_EQ(std::next(it)->Kind, KindLineBreak);
}

TEST_F(Conditionals, FirstCaseOfTheProgramHasNoBreak) {
  EXPECT_EQ(Select("Select a\nCase 1\nx = 1\nEndSelect"), "switch ( a ) {\ncase 1 :\nx = 1\n}");
}

TEST_F(Conditionals, DefaultAfterACaseLineGetsABreak) {
  EXPECT_EQ(Select("Select a\nCase 1\nDefault\nEndSelect"),
            "switch ( a ) {\ncase 1 :\nbreak;\ndefault :\n}");
}

TEST_F(Conditionals, EndSelectStartsAfresh) {
  EXPECT_EQ(Select("Select a\nCase 1\nEndSelect\nSelect b\nCase 2\nCase 3\nEndSelect"),
            "switch ( a ) {\ncase 1 :\n}\nswitch ( b ) {\ncase 2 :\nbreak;\ncase 3 :\n}");
}

TEST_F(Conditionals, CaseListsAndRangesStayAsWritten) {
  EXPECT_EQ(SelectCells("Case 1, 2"), "case|1|,|2|:");
  EXPECT_EQ(SelectCells("Case 1 To 5"), "case|1|To|5|:");
}

TEST_F(Conditionals, TrailingCommentsOnSelectAndCaseLines) {
  EXPECT_EQ(SelectCells("Select key ; which\nCase 1 ; one"),
            "switch (|key|) {|; which|NL|case|1|:|; one");
}

TEST_F(Conditionals, NestedSelectSharesTheOneFlag) {
  // Not supported: the inner first Case gets a break, the outer Case after
  // the inner EndSelect gets none.
  EXPECT_EQ(Select("Select a\nCase 1\nSelect b\nCase 2\nEndSelect\nCase 3\nEndSelect"),
            "switch ( a ) {\ncase 1 :\nswitch ( b ) {\nbreak;\ncase 2 :\n}\ncase 3 :\n}");
}

TEST_F(Conditionals, SelectorAndCaseValuesKeepTheirClosingParenthesis) {
  // The array pass runs after this one and needs the ")" of a(i) whole.
  Load("Dim a(3)\nSelect a(i)\nCase a(1)");
  BuildProgramModel(run);
  TranslateSelect(run);
  TranslateDim(run);
  std::string texts = Texts();
  EXPECT_EQ(texts.substr(texts.find("switch")), "switch ( a .d[ i ] ) {\ncase a .d[ 1 ] :");
}

TEST_F(Conditionals, SelectWordsInStringsAreText) {
  EXPECT_EQ(SelectCells("s = \"Case\""), "s|=|\"Case\"");
}

TEST_F(Conditionals, SelectCutOffInItsHeader) {
  EXPECT_EQ(SelectCells("Select x"), "switch (|x|) {");
  EXPECT_EQ(SelectCells("Select"), "switch (|) {");
  EXPECT_EQ(SelectCells("Select x\nCase 1\nCase"),
            "switch (|x|) {|NL|case|1|:|NL|break;|NL|case|:");
}

}  // namespace
}  // namespace korvex::translate
