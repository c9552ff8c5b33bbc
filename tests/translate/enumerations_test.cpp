// Enumeration blocks: numbering, named blocks, the compiler's running
// value, and the "#" of constants outside blocks.
#include <gtest/gtest.h>

#include <string>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

class Enumerations : public testing::ConstructFixture {
 protected:
  std::string Enumerate(const std::string& text) {
    Load(text);
    TranslateEnumerations(run);
    return Texts();
  }
};

TEST_F(Enumerations, PlainBlockCountsFromZero) {
  EXPECT_EQ(Enumerate("Enumeration\n#First\n#Second\nEndEnumeration"),
            "\nvar First = 0\nvar Second = 1\n");
}

TEST_F(Enumerations, EveryPlainBlockStartsAgain) {
  EXPECT_EQ(Enumerate("Enumeration\n#A\n#B\nEndEnumeration\nEnumeration\n#C\nEndEnumeration"),
            "\nvar A = 0\nvar B = 1\n\n\nvar C = 0\n");
}

TEST_F(Enumerations, NamedBlocksContinueTheirOwnCount) {
  EXPECT_EQ(Enumerate("Enumeration Colors\n#Red\n#Green\nEndEnumeration\n"
                      "Enumeration Sizes\n#Small\nEndEnumeration\n"
                      "Enumeration Colors\n#Blue\nEndEnumeration"),
            "\nvar Red = 0\nvar Green = 1\n\n\nvar Small = 0\n\n\nvar Blue = 2\n");
}

TEST_F(Enumerations, CompilerValueKeepsTheCurrentCount) {
  EXPECT_EQ(Enumerate("Enumeration\n#A\n#B\nEndEnumeration\n"
                      "Enumeration #PB_Compiler_EnumerationValue\n#C\nEndEnumeration"),
            "\nvar A = 0\nvar B = 1\n\n\nvar C = 2\n");
}

TEST_F(Enumerations, StartAndStepAreWorkedOut) {
  EXPECT_EQ(Enumerate("Enumeration 5\n#A\n#B\nEndEnumeration"), "\nvar A = 5\nvar B = 6\n");
  EXPECT_EQ(Enumerate("Enumeration Sizes 10 Step 5\n#A\n#B\nEndEnumeration"),
            "\nvar A = 10\nvar B = 15\n");
  EXPECT_EQ(Enumerate("#Base = 4 * 25\nEnumeration #Base Step -1\n#A\n#B\nEndEnumeration"),
            "Base = 4 * 25\n\nvar A = 100\nvar B = 99\n");
}

TEST_F(Enumerations, AssignedValueSetsTheCount) {
  EXPECT_EQ(Enumerate("Enumeration\n#A\n#B = 10\n#C\n#D = #B * 2 + 1\n#E\nEndEnumeration"),
            "\nvar A = 0\nvar B = 10\nvar C = 11\nvar D = B * 2 + 1\nvar E = 22\n");
}

TEST_F(Enumerations, BinaryBlocksDouble) {
  EXPECT_EQ(Enumerate("EnumerationBinary\n#A\n#B\n#C = 16\n#D\nEndEnumeration"),
            "\nvar A = 1\nvar B = 2\nvar C = 16\nvar D = 32\n");
}

TEST_F(Enumerations, ValuesNotKnownHereCountOnFromTheConstantBefore) {
  EXPECT_EQ(Enumerate("Enumeration #Base\n#A\n#B\nEndEnumeration"),
            "\nvar A = (Base)\nvar B = A + 1\n");
  EXPECT_EQ(Enumerate("Enumeration\n#A = Random(3)\n#B\nEndEnumeration"),
            "\nvar A = Random ( 3 )\nvar B = A + 1\n");
}

TEST_F(Enumerations, CompilerValueInAnExpressionIsTheNextValue) {
  EXPECT_EQ(Enumerate("Enumeration 7\n#A\nEndEnumeration\n#After = #PB_Compiler_EnumerationValue"),
            "\nvar A = 7\n\nAfter = 8");
}

TEST_F(Enumerations, TrailingCommentIsNoName) {
  EXPECT_EQ(Enumerate("Enumeration Colors\n#Red\nEndEnumeration\n"
                      "Enumeration ; sizes\n#Small\nEndEnumeration"),
            "\nvar Red = 0\n\n; sizes\nvar Small = 0\n");
}

TEST_F(Enumerations, ConstantsOutsideBlocksLoseTheirHash) {
  EXPECT_EQ(Enumerate("#Width = 640\nx = #Width * 2"), "Width = 640\nx = Width * 2");
}

TEST_F(Enumerations, KeywordsInAnyCase) {
  EXPECT_EQ(Enumerate("ENUMERATION\n#A\nendenumeration\n#B = 1"), "\nvar A = 0\n\nB = 1");
}

TEST_F(Enumerations, EnumerationCutOff) {
  EXPECT_EQ(Enumerate("Enumeration"), "");
  EXPECT_EQ(Enumerate("Enumeration\n#A"), "\nvar A = 0");
}

}  // namespace
}  // namespace korvex::translate
