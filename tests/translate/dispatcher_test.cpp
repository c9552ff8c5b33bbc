// Statement translation as a whole: small programs through
// TranslateStatements, compared with the exact joined text (every token
// followed by one space, a line break giving "\n" and a space).
#include <gtest/gtest.h>

#include <string>

#include "support/pass_fixture.h"
#include "translate/dispatcher.h"

namespace korvex::translate {
namespace {

class Dispatcher : public testing::PassFixture {
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

TEST_F(Dispatcher, WorkedExample) {
  EXPECT_EQ(Translate("count = 0\ntotal + 1 : name$ = \"dir\" + #CRLF$\nBool(a > b)\n"),
            "count = 0 \n total += 1 \n name = \"dir\" + cString.Chr(13) + cString.Chr(10) "
            "\n  ( a > b ) \n ");
}

TEST_F(Dispatcher, JoinPutsOneSpaceAfterEveryToken) {
  EXPECT_EQ(Translate("x=1"), "x = 1 ");
  EXPECT_EQ(Translate(""), "");
  // "\r\n" is a line break like "\n"
  EXPECT_EQ(Translate("a\r\nb\r\n"), "a \n b \n ");
}

TEST_F(Dispatcher, ColonSeparatesStatements) {
  EXPECT_EQ(Translate("a : b"), "a \n b ");
  EXPECT_EQ(Translate("a : b"), Translate("a\nb"));
}

TEST_F(Dispatcher, ContinuedLinesAreJoined) {
  EXPECT_EQ(Translate("f(a,\nb)"), "f ( a , b ) ");
  EXPECT_EQ(Translate("x = a +\nb"), "x = a + b ");
  // 53-bit integers: the bit operators go through the runtime
  EXPECT_EQ(Translate("x = a |\nb"), "x = cNum.or ( a , b ) ");
  // truth values stored as numbers
  EXPECT_EQ(Translate("ok = a And\nb"), "ok = ( a && b ? 1 : 0 ) ");
  EXPECT_EQ(Translate("ok = a OR\nb"), "ok = ( a || b ? 1 : 0 ) ");
  EXPECT_EQ(Translate("ok = a XOr\nb"), "ok = cNum.xor ( a , b ) ");
  // a ":" after such a token joins statements as well
  EXPECT_EQ(Translate("x = a + : b"), "x = a + b ");
}

TEST_F(Dispatcher, MinusAndStarDoNotContinueALine) {
  EXPECT_EQ(Translate("x = a -\nb"), "x = a - \n b ");
  EXPECT_EQ(Translate("x = a *\nb"), "x = a * \n b ");
}

TEST_F(Dispatcher, CompoundAssignmentOnlyForSecondTokenOperators) {
  EXPECT_EQ(Translate("a = 1\nx - 2\n"), "a = 1 \n x -= 2 \n ");
  EXPECT_EQ(Translate("a = 1\nx + 2\n"), "a = 1 \n x += 2 \n ");
  EXPECT_EQ(Translate("a = 1\nx = y - 2\n"), "a = 1 \n x = y - 2 \n ");
  EXPECT_EQ(Translate("a = 1\nf(x) + 1\n"), "a = 1 \n f ( x ) + 1 \n ");
  EXPECT_EQ(Translate("a = 1\nDebug x + 1\n"), "a = 1 \n cDebugger.Debug ( x + 1) \n ");
}

TEST_F(Dispatcher, SignAfterAStatementKeywordStaysASign) {
  EXPECT_EQ(Translate("a = 1\nProcedureReturn -1\n"), "a = 1 \n return - 1 \n ");
  EXPECT_EQ(Translate("a = 1\nDebug -x\n"), "a = 1 \n cDebugger.Debug ( - x) \n ");
  EXPECT_EQ(Translate("a = 1\nUntil +x\n"), "a = 1 \n    } while ( !(+x) ); \n ");
}

TEST_F(Dispatcher, ShortcutStatementOnTheFirstLine) {
  // the program's first statement is a statement like any other
  EXPECT_EQ(Translate("x + 1"), "x += 1 ");
  EXPECT_EQ(Translate("+"), "+ ");
  EXPECT_EQ(Translate("\n+ 1"), "\n + 1 ");
}

TEST_F(Dispatcher, BuiltinConstants) {
  EXPECT_EQ(Translate("x = #TAB"), "x = 9 ");
  EXPECT_EQ(Translate("x = #TAB$"), "x = cString.Chr(9) ");
  EXPECT_EQ(Translate("x = #Null"), "x = null ");
  EXPECT_EQ(Translate("x = #NUL$"), "x = null ");
  EXPECT_EQ(Translate("x.d = #PI"), "x   = Math.PI ");
  // an integer variable holds the nearest whole number
  EXPECT_EQ(Translate("x = #PI"), "x = cNum.round ( Math.PI ) ");
  EXPECT_EQ(Translate("x = #crlf$"), "x = cString.Chr(13) + cString.Chr(10) ");
}

TEST_F(Dispatcher, OnlyWholeConstantNamesAreReplaced) {
  // "#CRLF" is not in the table; later passes only drop its "#".
  EXPECT_EQ(Translate("x = #CRLF"), "x = CRLF ");
  // in a string a constant name is just text
  EXPECT_EQ(Translate("x = \"#TAB\""), "x = \"#TAB\" ");
}

TEST_F(Dispatcher, EveryBuiltinConstant) {
  struct Row {
    const char* name;
    const char* value;
  };
  const Row rows[] = {
      {"#ACK$", "cString.Chr(6)"},     {"#BEL$", "cString.Chr(7)"},
      {"#BS$", "cString.Chr(8)"},      {"#CAN$", "cString.Chr(24)"},
      {"#CR$", "cString.Chr(13)"},     {"#CRLF$", "cString.Chr(13) + cString.Chr(10)"},
      {"#DC1$", "cString.Chr(17)"},    {"#DC2$", "cString.Chr(18)"},
      {"#DC3$", "cString.Chr(19)"},    {"#DC4$", "cString.Chr(20)"},
      {"#DEL$", "cString.Chr(127)"},   {"#DLE$", "cString.Chr(16)"},
      {"#DOUBLEQUOTE$", "cString.Chr(34)"}, {"#DQUOTE$", "cString.Chr(34)"},
      {"#EM$", "cString.Chr(25)"},     {"#ENQ$", "cString.Chr(5)"},
      {"#EOT$", "cString.Chr(4)"},     {"#ESC$", "cString.Chr(27)"},
      {"#ETB$", "cString.Chr(23)"},    {"#ETX$", "cString.Chr(3)"},
      {"#False", "0"},             {"#FF$", "cString.Chr(12)"},
      {"#FS$", "cString.Chr(28)"},     {"#GS$", "cString.Chr(29)"},
      {"#HT$", "cString.Chr(9)"},      {"#LF$", "cString.Chr(10)"},
      {"#LFCR$", "cString.Chr(10) + cString.Chr(13)"}, {"#NAK$", "cString.Chr(21)"},
      {"#NUL", "null"},                {"#NULL", "null"},
      {"#nul$", "null"},               {"#null$", "null"},
      {"#RS$", "cString.Chr(30)"},     {"#SI$", "cString.Chr(15)"},
      {"#SO$", "cString.Chr(14)"},     {"#SOH$", "cString.Chr(1)"},
      {"#STX$", "cString.Chr(2)"},     {"#SUB$", "cString.Chr(26)"},
      {"#Tab", "9"},                   {"#Tab$", "cString.Chr(9)"},
      {"#True", "1"},               {"#US$", "cString.Chr(31)"},
      {"#VT$", "cString.Chr(11)"},     {"#Pi", "Math.PI"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Translate(std::string("x.d = ") + row.name), std::string("x   = ") + row.value + " ")
        << row.name;
}

TEST_F(Dispatcher, NameDecorations) {
  EXPECT_EQ(Translate("x = *p"), "x = p ");
  EXPECT_EQ(Translate("a$ = Str$(n)"), "a = Str ( n ) ");
}

TEST_F(Dispatcher, DeclareLeavesOnlyBlanks) {
  EXPECT_EQ(Translate("Declare Foo(a, b)\nx = 1"), "       \n x = 1 ");
  EXPECT_EQ(Translate("DECLARE Foo()"), "    ");
}

TEST_F(Dispatcher, BoolKeepsItsParentheses) {
  // a truth value stored is the number 1 or 0; tested, it stays as it is
  EXPECT_EQ(Translate("ok = Bool(a > b)"), "ok =  ( a > b ? 1 : 0 ) ");
  EXPECT_EQ(Translate("If Bool(a > b) : EndIf"), "if (  ( a > b )) { \n } ");
}

TEST_F(Dispatcher, StringBackslashesAreDoubled) {
  EXPECT_EQ(Translate("p = \"C:\\temp\\\""), "p = \"C:\\\\temp\\\\\" ");
}

TEST_F(Dispatcher, HexadecimalAndBinaryNumbersGoToTheRuntime) {
  EXPECT_EQ(Translate("x = $1F"), "x = cString.Val(\"$1F\") ");
  EXPECT_EQ(Translate("x = %101"), "x = cString.Val(\"%101\") ");
  // after a name "%" is the modulo operator, not a number
  EXPECT_EQ(Translate("x = a % 2"), "x = a % 2 ");
  EXPECT_EQ(Translate("x = 42"), "x = 42 ");
}

TEST_F(Dispatcher, CharacterConstantsAreTheirCodes) {
  EXPECT_EQ(Translate("x = 'A'"), "x = 65 ");
  EXPECT_EQ(Translate("x = ' '"), "x = 32 ");
  // a character beyond ASCII gives its Unicode code point
  EXPECT_EQ(Translate("x = 'é'"), "x = 233 ");
  EXPECT_EQ(Translate("x = '€' + '日'"), "x = 8364 + 26085 ");
  // not one character between the quotes: left as written
  EXPECT_EQ(Translate("x = 'ab'"), "x = 'ab' ");
  EXPECT_EQ(Translate("x = ''"), "x = '' ");
}

TEST_F(Dispatcher, BasicTypeSuffixesDisappear) {
  EXPECT_EQ(Translate("Define s.s"), "var s   = \"\" ");
  EXPECT_EQ(Translate("Define count.i = 0"), "var count   = 0 ");
}

TEST_F(Dispatcher, StructureTypedVariablesGetAnObject) {
  EXPECT_EQ(Translate("Define p.Point"), "var p   = new Point() ");
}

TEST_F(Dispatcher, StructureTypedParameterKeepsOnlyItsName) {
  EXPECT_EQ(Translate("Procedure f(p.Point)"), "function f ( p   ) {\r\n ");
}

TEST_F(Dispatcher, AddressOf) {
  EXPECT_EQ(Translate("SetCallback(@Callback())"), "SetCallback (  Callback   ) ");
  EXPECT_EQ(Translate("p = @value"), "p =  value ");
  // an "@" or a name at the end of the text
  EXPECT_EQ(Translate("p = @"), "p =  ");
  EXPECT_EQ(Translate("p = @f("), "p =  f ( ");
}

TEST_F(Dispatcher, OperatorsAndKeywords) {
  EXPECT_EQ(Translate("ok = a & b"), "ok = cNum.and ( a , b ) ");
  EXPECT_EQ(Translate("ok = a & 1"), "ok = a & 1 ");
  EXPECT_EQ(Translate("w = a\\x"), "w = a . x ");
  EXPECT_EQ(Translate("ok = Not TRUE Or False"), "ok = ! true || false ");
  EXPECT_EQ(Translate("Break : CONTINUE"), "break \n continue ");
  EXPECT_EQ(Translate("s = \"a And b\""), "s = \"a And b\" ");
}

TEST_F(Dispatcher, CommentsOutsideRawBlocksBecomeLineComments) {
  EXPECT_EQ(Translate("x = 1 ; note"), "x = 1 // ; note ");
  EXPECT_EQ(Translate("KVX_Converter_Begin_Raw\n; $('#a').hide();\nkvx_converter_end_raw\n; after"),
            "KVX_Converter_Begin_Raw \n ; $('#a').hide(); \n kvx_converter_end_raw \n // ; after ");
}

TEST_F(Dispatcher, TypedDeclarationKeywordRefusesTheProgram) {
  EXPECT_EQ(Translate("x = 1\nDefine.Point p\ny = 2\n"), "");
}

}  // namespace
}  // namespace korvex::translate
