// Declarations: the typed-declaration check (var, and the refusal with its
// console lines).
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

}  // namespace
}  // namespace korvex::translate
