// Procedures: headers as functions, default arguments as assignments in
// the body, ProcedureReturn and EndProcedure.
#include <gtest/gtest.h>

#include <string>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

class Procedures : public testing::ConstructFixture {
 protected:
  std::string Translate(const std::string& text) {
    Load(text);
    BlankTypeSuffixes();
    TranslateProcedures(run);
    return Cells();
  }
};

constexpr const char* kDefaultH =
    "if (typeof h === \"undefined\" || h === null) h = 10;\r\n";

TEST_F(Procedures, DefaultArgumentBecomesALineInTheBody) {
  EXPECT_EQ(Translate("Procedure.l Area(w, h = 10)"),
            std::string("function|||Area|(|w|,|h|||) {\r\n") + kDefaultH);
}

TEST_F(Procedures, ReturnAndEnd) {
  EXPECT_EQ(Translate("ProcedureReturn w * h\nEndProcedure"), "return|w|*|h|NL|}");
}

TEST_F(Procedures, NoParameters) {
  EXPECT_EQ(Translate("Procedure Run()"), "function|Run|(|) {\r\n");
}

TEST_F(Procedures, DefaultsInParameterOrder) {
  EXPECT_EQ(Translate("Procedure f(a = 1, b = \"x\")"),
            "function|f|(|a|||,|b|||) {\r\n"
            "if (typeof a === \"undefined\" || a === null) a = 1;\r\n"
            "if (typeof b === \"undefined\" || b === null) b = \"x\";\r\n");
}

TEST_F(Procedures, WordAfterTheMarkerIsNoDefault) {
  EXPECT_EQ(Translate("Procedure f(a = limit)"), "function|f|(|a||limit|) {\r\n");
}

TEST_F(Procedures, KnownConstantIsADefault) {
  // The library pass leaves a listed constant as a number token.
  Load("Procedure f(n = #Limit)");
  for (Token& t : run.Tokens)
    if (t.Text == "#Limit") t = Token{"cConstants.Limit", KindNumber, 0, t.Line};
  TranslateProcedures(run);
  EXPECT_EQ(Cells(), "function|f|(|n|||) {\r\n"
                     "if (typeof n === \"undefined\" || n === null) n = cConstants.Limit;\r\n");
}

TEST_F(Procedures, NegativeDefaultKeepsItsSign) {
  EXPECT_EQ(Translate("Procedure f(d = -1)"),
            "function|f|(|d||||) {\r\n"
            "if (typeof d === \"undefined\" || d === null) d = -1;\r\n");
}

// ProcedureC (a callback's calling convention) and the server keywords
TEST_F(Procedures, EveryProcedureKeywordGivesTheSameHeader) {
  for (const char* keyword : {"ProcedureC", "ProcedureDLL", "ProcedureCDLL"})
    EXPECT_EQ(Translate(std::string(keyword) + " f()"), "function|f|(|) {\r\n") << keyword;
}

TEST_F(Procedures, KeywordsInAnyCase) {
  EXPECT_EQ(Translate("PROCEDURE f()\nprocedurereturn 1\nENDPROCEDURE"),
            "function|f|(|) {\r\n|NL|return|1|NL|}");
}

TEST_F(Procedures, FirstClosingParenthesisEndsTheHeader) {
  EXPECT_EQ(Translate("Procedure f(a = (1))"),
            "function|f|(|a||(||) {\r\n"
            "if (typeof a === \"undefined\" || a === null) a = 1;\r\n|)");
}

TEST_F(Procedures, LaterParenthesesAreNotTouched) {
  EXPECT_EQ(Translate("Procedure f(a = 1)\nx = g(2)\ny = 3"),
            "function|f|(|a|||) {\r\n"
            "if (typeof a === \"undefined\" || a === null) a = 1;\r\n"
            "|NL|x|=|g|(|2|)|NL|y|=|3");
}

TEST_F(Procedures, KeywordInAStringIsText) {
  EXPECT_EQ(Translate("s = \"Procedure\"\nt = (1)"), "s|=|\"Procedure\"|NL|t|=|(|1|)");
}

TEST_F(Procedures, HeaderWithoutClosingParenthesisEndsAtItsLine) {
  EXPECT_EQ(Translate("Procedure f(a = 1\nx = g(2)"), "function|f|(|a|||NL|x|=|g|(|2|)");
  EXPECT_EQ(Translate("Procedure"), "function");
  EXPECT_EQ(Translate("Procedure f(a"), "function|f|(|a");
}

}  // namespace
}  // namespace korvex::translate
