// Dim declarations (the text of the closing ")" token) and array
// subscripts.
#include <gtest/gtest.h>

#include <string>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

class Arrays : public testing::ConstructFixture {
 protected:
  std::string Dim(const std::string& text) {
    Load(text);
    BlankTypeSuffixes();
    TranslateDim(run);
    return Filled();
  }
  /// Runs the pass and gives line n (from 0) of the result.
  std::string Subscripts(const std::string& text, int n) {
    Load(text);
    TranslateDim(run);
    return Line(n);
  }
  /// The non-empty texts of line n (from 0), joined by "|".
  std::string Line(int n) {
    std::string out;
    int line = 0;
    for (const Token& t : run.Tokens) {
      if (t.Kind == KindLineBreak) {
        line++;
      } else if (line == n && !t.Text.empty()) {
        out += (out.empty() ? "" : "|") + t.Text;
      }
    }
    return out;
  }
};

TEST_F(Arrays, TwoSizesGiveAnArrayOfArrays) {
  EXPECT_EQ(Dim("Dim grid(10, 20)"),
            "var grid = new Array(10)\nfor (var c = 0; c <= 10; c ++) grid[c] = new Array(20)\n");
}

TEST_F(Arrays, OneSizeStillCreatesTheInnerArrays) {
  EXPECT_EQ(Dim("Dim items(5)"),
            "var items = new Array(5)\nfor (var c = 0; c <= 5; c ++) items[c] = new Array()\n");
}

TEST_F(Arrays, DeclarationLandsInTheClosingParenthesis) {
  Dim("Dim a(3)\nx");
  EXPECT_EQ(Cells(),
            "||||var a = new Array(3)\nfor (var c = 0; c <= 3; c ++) a[c] = new Array()\n|NL|x");
  auto close = std::next(run.Tokens.begin(), 4);
  EXPECT_EQ(close->Kind, KindOther);
}

TEST_F(Arrays, SizeIsJoinedButTheLoopBoundIsItsFirstToken) {
  EXPECT_EQ(Dim("Dim a(n + 1)"),
            "var a = new Array(n+1)\nfor (var c = 0; c <= n; c ++) a[c] = new Array()\n");
}

TEST_F(Arrays, ElementTypesAreDropped) {
  EXPECT_EQ(Dim("Dim m.Point(3)"),
            "var m = new Array(3)\nfor (var c = 0; c <= 3; c ++) m[c] = new Array()\n");
  EXPECT_EQ(Dim("Dim s.s(2)"),
            "var s = new Array(2)\nfor (var c = 0; c <= 2; c ++) s[c] = new Array()\n");
}

TEST_F(Arrays, SizeZero) {
  EXPECT_EQ(Dim("Dim a(0)"),
            "var a = new Array(0)\nfor (var c = 0; c <= 0; c ++) a[c] = new Array()\n");
}

TEST_F(Arrays, OnlyTheFirstTokenOfTheSecondSizeAndNoThirdSize) {
  EXPECT_EQ(Dim("Dim a(2, m - 1)"),
            "var a = new Array(2)\nfor (var c = 0; c <= 2; c ++) a[c] = new Array(m)\n");
  EXPECT_EQ(Dim("Dim a(1, 2, 3)"),
            "var a = new Array(1)\nfor (var c = 0; c <= 1; c ++) a[c] = new Array(2)\n");
}

TEST_F(Arrays, ParenthesesInsideASizeStayWithIt) {
  EXPECT_EQ(Dim("Dim a(f(2) + 1)\nx"),
            "var a = new Array(f(2)+1)\nfor (var c = 0; c <= f; c ++) a[c] = new Array()\n|NL|x");
}

TEST_F(Arrays, GlobalDimKeepsItsKeyword) {
  EXPECT_EQ(Dim("Global Dim a(5)"),
            "Global|var a = new Array(5)\nfor (var c = 0; c <= 5; c ++) a[c] = new Array()\n");
}

TEST_F(Arrays, SubscriptsBecomeBrackets) {
  EXPECT_EQ(Subscripts("Dim grid(10, 20)\ngrid(i, j + 1) = 0", 1), "grid|[|i|][|j|+|1|]|=|0");
}

TEST_F(Arrays, InnerParenthesesOfASubscriptStay) {
  EXPECT_EQ(Subscripts("Dim items(5)\nx = items(f(k))", 1), "x|=|items|[|f|(|k|)|]");
}

TEST_F(Arrays, NestedArraySubscripts) {
  EXPECT_EQ(Subscripts("Dim a(3)\nDim b(3)\nx = a(b(1), 2)", 2), "x|=|a|[|b|[|1|]|][|2|]");
}

TEST_F(Arrays, EmptySubscriptIsTheArrayItself) {
  EXPECT_EQ(Subscripts("Dim a(3)\nn = ArraySize(a())", 1), "n|=|ArraySize|(|a|)");
}

TEST_F(Arrays, UseBeforeTheDeclarationIsTranslated) {
  EXPECT_EQ(Subscripts("v = a(1)\nDim a(3)", 0), "v|=|a|[|1|]");
}

TEST_F(Arrays, NamesAreCaseSensitive) {
  EXPECT_EQ(Subscripts("Dim a(3)\nA(1) = 2", 1), "A|(|1|)|=|2");
  EXPECT_EQ(Subscripts("Dim a(3)\nb = a", 1), "b|=|a");
}

TEST_F(Arrays, SubscriptScanStopsAtTheLineEnd) {
  EXPECT_EQ(Subscripts("Dim a(3)\nx = a(1\ny = (2)", 1), "x|=|a|[|1");
  EXPECT_EQ(Line(2), "y|=|(|2|)");
}

TEST_F(Arrays, SubscriptScanStopsAtAnAssignment) {
  EXPECT_EQ(Subscripts("Dim a(3)\na(i = 1)", 1), "a|[|i|=|1|)");
}

TEST_F(Arrays, DimCutOff) {
  EXPECT_EQ(Dim("Dim"), "");
  EXPECT_EQ(Dim("Dim\nx"), "NL|x");
  EXPECT_EQ(Dim("Dim a("),
            "var a = new Array()\nfor (var c = 0; c <= ; c ++) a[c] = new Array()\n");
  EXPECT_EQ(Dim("Dim a(5\nx"),
            "var a = new Array(5)\nfor (var c = 0; c <= 5; c ++) a[c] = new Array()\n|NL|x");
  EXPECT_EQ(Dim("Dim a(5, 2"),
            "var a = new Array(5)\nfor (var c = 0; c <= 5; c ++) a[c] = new Array(2)\n");
  EXPECT_EQ(Subscripts("x = a(", 0), "x|=|a|(");
  EXPECT_EQ(Subscripts("Dim a(1)\nx = a(", 1), "x|=|a|[");
}

}  // namespace
}  // namespace korvex::translate
