// Swap and With: statements written out in PureBasic's own terms for the
// passes after them.
#include <gtest/gtest.h>

#include <string>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

class SwapWith : public testing::ConstructFixture {
 protected:
  // Both steps, with nothing between them.
  std::string Swap(const std::string& text) {
    Load(text);
    TranslateSwap(run);
    std::string split = Texts();
    FinishSwaps(run);
    return split + " | " + Texts();
  }
  std::string With(const std::string& text) {
    Load(text);
    TranslateWith(run);
    return Texts();
  }
};

TEST_F(SwapWith, SwapBecomesThreeAssignments) {
  EXPECT_EQ(Swap("Swap a, b"), "a = b\nb = a | KVX_Swap = a\na = b\nb = KVX_Swap");
  EXPECT_EQ(Swap("Swap v(i, j), m(\"k\") ; sort\nx"),
            "v ( i , j ) = m ( \"k\" )\nm ( \"k\" ) = v ( i , j ) ; sort\nx | "
            "KVX_Swap = v ( i , j )\nv ( i , j ) = m ( \"k\" )\nm ( \"k\" ) = KVX_Swap ; sort\nx");
  // without two operands it stays
  EXPECT_EQ(Swap("Swap a"), "Swap a | Swap a");
  EXPECT_EQ(Swap("Swap a,"), "Swap a , | Swap a ,");
  EXPECT_EQ(Swap("x = Swap"), "x = Swap | x = Swap");
}

TEST_F(SwapWith, SubscriptsAsTheExpressionPassWritesThem) {
  Load("Swap v(i), v(j)");
  TranslateSwap(run);
  Rewrite("(", ".d[");
  Rewrite(")", "]");
  FinishSwaps(run);
  EXPECT_EQ(Texts(), "KVX_Swap = v .d[ i ]\nv .d[ i ] = v .d[ j ]\nv .d[ j ] = KVX_Swap");
}

TEST_F(SwapWith, WithWritesItsExpressionInFrontOfTheFields) {
  EXPECT_EQ(With("With p(i)\\x\n\\a = \\b + q\\c\nDebug \\d\nf(\\e, 1)\nEndWith\n\\z"),
            "\np ( i ) \\ x \\ a = p ( i ) \\ x \\ b + q \\ c\nDebug p ( i ) \\ x \\ d\n"
            "f ( p ( i ) \\ x \\ e , 1 )\n\n\\ z");
}

TEST_F(SwapWith, AnInnerWithHoldsUntilItsEnd) {
  EXPECT_EQ(With("With a\nWith b\n\\x\nEndWith\n\\y\nEndWith"), "\n\nb \\ x\n\na \\ y\n");
}

}  // namespace
}  // namespace korvex::translate
