// Declarations: the typed-declaration check (var, and the refusal with its
// console lines) and Static variables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

class Declarations : public testing::ConstructFixture {
 protected:
  std::string Checked(const std::string& text) {
    Load(text);
    BlankTypeSuffixes();
    EXPECT_EQ(CheckDeclarations(run), 1);
    return Texts();
  }
  std::string Static(const std::string& text) {
    Load(text);
    BlankTypeSuffixes();
    TranslateStatic(run);
    return Texts();
  }
};

TEST_F(Declarations, KeywordsBecomeVar) {
  EXPECT_EQ(Checked("Global total"), "var total");
  EXPECT_EQ(Checked("Protected i, j = 2"), "var i , j = 2");
  EXPECT_EQ(Checked("Define name"), "var name");
  EXPECT_EQ(Checked("GLOBAL a\ndefine b"), "var a\nvar b");
}

TEST_F(Declarations, BasicTypeOnTheKeywordIsAccepted) {
  EXPECT_EQ(Checked("Define.i count"), "var count");
  EXPECT_TRUE(platform.ConsoleLines().empty());
}

TEST_F(Declarations, KeywordInAStringIsText) {
  EXPECT_EQ(Checked("s = \"Global\""), "s = \"Global\"");
}

TEST_F(Declarations, TypedKeywordRefusesWithFiveLines) {
  Load("x = 1\ny = 2\nDefine.Point p");
  EXPECT_EQ(CheckDeclarations(run), 0);
  std::vector<std::string> expected = {"",
                                       "Line 3: Typed declaration keywords are not allowed (yet)",
                                       "Not allowed: Define.Point myVar",
                                       "Better use:  Define myVar.Point", ""};
  EXPECT_EQ(platform.ConsoleLines(), expected);
  EXPECT_EQ(run.PauseAtExit, 1);
}

TEST_F(Declarations, RefusalKeepsTheKeywordAsWritten) {
  Load("GLOBAL.Shape s");
  EXPECT_EQ(CheckDeclarations(run), 0);
  ASSERT_EQ(platform.ConsoleLines().size(), 5u);
  EXPECT_EQ(platform.ConsoleLines()[2], "Not allowed: GLOBAL.Shape myVar");
  EXPECT_EQ(platform.ConsoleLines()[3], "Better use:  GLOBAL myVar.Shape");
}

TEST_F(Declarations, OnlyTheFirstTypedKeywordIsReportedAndTheWalkStops) {
  Load("Global a\nProtected.Item b\nDefine.Other c\nGlobal d");
  EXPECT_EQ(CheckDeclarations(run), 0);
  EXPECT_EQ(platform.ConsoleLines().size(), 5u);
  EXPECT_EQ(platform.ConsoleLines()[1], "Line 2: Typed declaration keywords are not allowed (yet)");
  EXPECT_EQ(Texts(), "var a\nProtected . Item b\nDefine . Other c\nGlobal d");
}

TEST_F(Declarations, TypedKeywordCutOffAtTheEnd) {
  Load("Define.");
  EXPECT_EQ(CheckDeclarations(run), 0);
  ASSERT_EQ(platform.ConsoleLines().size(), 5u);
  EXPECT_EQ(platform.ConsoleLines()[2], "Not allowed: Define. myVar");
}

TEST_F(Declarations, TypedKeywordWithoutTypeNameTakesNothingFromTheNextLine) {
  Load("Define.\nx");
  EXPECT_EQ(CheckDeclarations(run), 0);
  ASSERT_EQ(platform.ConsoleLines().size(), 5u);
  EXPECT_EQ(platform.ConsoleLines()[1], "Line 1: Typed declaration keywords are not allowed (yet)");
  EXPECT_EQ(platform.ConsoleLines()[3], "Better use:  Define myVar.");
}

TEST_F(Declarations, StaticBecomesAPropertyOfTheFunction) {
  EXPECT_EQ(Static("Procedure Count()\nStatic calls\ncalls + 1\nEndProcedure\ncalls = 5"),
            "Procedure Count ( )\narguments.callee.calls\narguments.callee.calls + 1\n"
            "EndProcedure\ncalls = 5");
}

TEST_F(Declarations, StaticInitialValueStaysAfterTheName) {
  EXPECT_EQ(Static("Static count = 0\nEndProcedure"), "arguments.callee.count = 0\nEndProcedure");
}

TEST_F(Declarations, StaticNamesAreCaseSensitive) {
  EXPECT_EQ(Static("Static calls\nCalls = 1\nEndProcedure"),
            "arguments.callee.calls\nCalls = 1\nEndProcedure");
}

TEST_F(Declarations, StaticOnlyTreatsTheFirstName) {
  EXPECT_EQ(Static("Static a, b\nb = a\nEndProcedure"),
            "arguments.callee.a , b\nb = arguments.callee.a\nEndProcedure");
}

TEST_F(Declarations, StaticWithABasicTypeRenamesTheName) {
  EXPECT_EQ(Static("Static.i n\nn + 1\nEndProcedure\nx"),
            "arguments.callee.n\narguments.callee.n + 1\nEndProcedure\nx");
}

TEST_F(Declarations, StaticWithoutEndProcedureRunsToTheEnd) {
  EXPECT_EQ(Static("Static n\nn = 1"), "arguments.callee.n\narguments.callee.n = 1");
}

TEST_F(Declarations, StaticCutOff) {
  EXPECT_EQ(Static("Static"), "");
  EXPECT_EQ(Static("Static\nx = 1"), "\nx = 1");
  EXPECT_EQ(Static("Static ; note\nx"), "; note\nx");
}

}  // namespace
}  // namespace korvex::translate
