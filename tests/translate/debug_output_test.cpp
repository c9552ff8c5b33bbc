// Debug output through statement translation: Debug statements and the
// debugger keywords, compared with the exact joined text.
#include <gtest/gtest.h>

#include <string>

#include "support/pass_fixture.h"
#include "translate/dispatcher.h"

namespace korvex::translate {
namespace {

class DebugOutput : public testing::PassFixture {
 protected:
  /// The translation without the line that declares the undeclared
  /// variables at the top of the program ("var n = 0 , x = 0 \n ").
  std::string Translate(const std::string& text) {
    std::string out = TranslateStatements(run, text);
    if (out.rfind("var ", 0) == 0 && text.rfind("var", 0) != 0) {
      size_t end = out.find("\n ");
      if (end != std::string::npos) out.erase(0, end + 2);
    }
    return out;
  }
};

TEST_F(DebugOutput, DebugClosesAtTheLineBreak) {
  EXPECT_EQ(Translate("Debug \"n = \" + n\n"), "cDebugger.Debug ( \"n = \" + n) \n ");
}

TEST_F(DebugOutput, DebugClosesBeforeATrailingComment) {
  EXPECT_EQ(Translate("Debug x ; note\n"), "cDebugger.Debug ( x)  // ; note \n ");
}

TEST_F(DebugOutput, DebugWithoutArgument) {
  EXPECT_EQ(Translate("Debug\n"), "cDebugger.Debug () \n ");
}

TEST_F(DebugOutput, DebugWithLevel) {
  EXPECT_EQ(Translate("Debug x, 1\n"), "cDebugger.Debug ( x , 1) \n ");
}

TEST_F(DebugOutput, DebugInAnyLetterCaseCallsDebug) {
  EXPECT_EQ(Translate("DEBUG x\n"), "cDebugger.Debug ( x) \n ");
}

TEST_F(DebugOutput, EachStatementOfALineClosesItsOwnCall) {
  EXPECT_EQ(Translate("Debug a : Debug b\n"), "cDebugger.Debug ( a) \n cDebugger.Debug ( b) \n ");
}

TEST_F(DebugOutput, DebugAtTheEndOfTheTextIsClosed) {
  EXPECT_EQ(Translate("Debug x"), "cDebugger.Debug ( x) ");
  EXPECT_EQ(Translate("Debug"), "cDebugger.Debug () ");
}

TEST_F(DebugOutput, DebugInsideAStringIsText) {
  EXPECT_EQ(Translate("s = \"Debug\"\n"), "s = \"Debug\" \n ");
}

TEST_F(DebugOutput, CallDebuggerInAnyCase) {
  EXPECT_EQ(Translate("CallDebugger : calldebugger : CALLDEBUGGER"),
            "debugger \n debugger \n debugger ");
}

TEST_F(DebugOutput, DebuggerSwitchesInAnyLetterCase) {
  EXPECT_EQ(Translate("EnableDebugger\nDisableDebugger\nenabledebugger"),
            "cDebugger.EnableDebugger() \n cDebugger.DisableDebugger() \n "
            "cDebugger.EnableDebugger() ");
}

}  // namespace
}  // namespace korvex::translate
