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

TEST_F(Enumerations, StartValueIsTakenAsAName) {
  EXPECT_EQ(Enumerate("Enumeration 5\n#A\nEndEnumeration"), "\nvar A = 0\n");
}

TEST_F(Enumerations, ConstantStartLeavesItsNameAsAWord) {
  EXPECT_EQ(Enumerate("Enumeration\n#A\nEndEnumeration\nEnumeration #Base\n#B\nEndEnumeration"),
            "\nvar A = 0\n\nBase\nvar B = 1\n");
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
