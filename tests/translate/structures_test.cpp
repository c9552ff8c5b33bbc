// Structure pass: the class text emitted in place of EndStructure, field
// initialisers from the registry of earlier structures, and the refusal of
// a List field.
#include <iterator>
#include <string>
#include <vector>

#include "support/pass_fixture.h"
#include "translate/construct_passes.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

class StructuresTest : public testing::PassFixture {
 protected:
  // The structure pass as the dispatcher runs it: basic type suffixes are
  // blanked before.
  int Translate(const std::string& text) {
    Load(text);
    DropBasicTypeSuffixes(run.Tokens);
    return TranslateStructures(run);
  }

  // The text of the last token, where the last EndStructure was.
  const Token& Last() { return *std::prev(run.Tokens.end()); }
};

TEST_F(StructuresTest, PointBecomesAClassWithNullFields) {
  ASSERT_EQ(Translate("Structure Point\nx.l\ny.l\nEndStructure"), 1);
  EXPECT_EQ(Last().Text,
            "var Point = (function () { \nfunction Point() { \nthis.x = null;\nthis.y = null;\n"
            "} return Point;})();");
  EXPECT_EQ(Last().Kind, KindOther);
  // Everything else is blank; the line breaks stay.
  EXPECT_EQ(Joined(), "  \n    \n    \n " + Last().Text + " ");
}

TEST_F(StructuresTest, FieldsOfAnEarlierStructureTypeGetNewObjects) {
  ASSERT_EQ(Translate("Structure Point\nx.l\nEndStructure\n"
                      "Structure Line\na.Point\nb.Point\nEndStructure"),
            1);
  EXPECT_EQ(Last().Text,
            "var Line = (function () { \nfunction Line() { \nthis.a = new Point;\n"
            "this.b = new Point;\n} return Line;})();");
}

TEST_F(StructuresTest, FieldOfAStructureDeclaredLaterIsNull) {
  ASSERT_EQ(Translate("Structure Line\na.Point\nEndStructure\n"
                      "Structure Point\nx.l\nEndStructure"),
            1);
  EXPECT_EQ(std::next(run.Tokens.begin(), 7)->Text,
            "var Line = (function () { \nfunction Line() { \nthis.a = null;\n"
            "} return Line;})();");
}

TEST_F(StructuresTest, StructureNamesAreCaseSensitive) {
  ASSERT_EQ(Translate("Structure Point\nx.l\nEndStructure\n"
                      "Structure Box\ncorner.point\nEndStructure"),
            1);
  EXPECT_EQ(Last().Text,
            "var Box = (function () { \nfunction Box() { \nthis.corner = null;\n"
            "} return Box;})();");
}

TEST_F(StructuresTest, EmptyStructure) {
  ASSERT_EQ(Translate("Structure Empty\nEndStructure"), 1);
  EXPECT_EQ(Last().Text, "var Empty = (function () { \nfunction Empty() { \n} return Empty;})();");
}

TEST_F(StructuresTest, FieldWithoutTypeKeepsTheNextField) {
  ASSERT_EQ(Translate("Structure Pair\nfirst\nsecond.s\nEndStructure"), 1);
  EXPECT_EQ(Last().Text,
            "var Pair = (function () { \nfunction Pair() { \nthis.first = null;\n"
            "this.second = null;\n} return Pair;})();");
  EXPECT_EQ(std::next(run.Tokens.begin(), 4)->Kind, KindLineBreak);
}

TEST_F(StructuresTest, WordsOutsideStructuresAreUntouched) {
  ASSERT_EQ(Translate("x.l = 1\nStructure P\nv.l\nEndStructure\np.P"), 1);
  EXPECT_EQ(Texts(), "x = 1\n\n\n" + std::prev(run.Tokens.end(), 5)->Text + "\np . P");
}

TEST_F(StructuresTest, ContainerFieldsAreNewForEveryObject) {
  ASSERT_EQ(Translate("Structure Bag\nLIST items.s()\nMap m.Bag()\nArray a.i(2, n - 1)\nEndStructure"), 1);
  EXPECT_EQ(Last().Text,
            "var Bag = (function () { \nfunction Bag() { \nthis.items = new cLinkedList();\n"
            "this.m = new cMap(Bag);\nthis.a = cArray.dim(null, 'i', null, 2,n-1);\n"
            "} return Bag;})();");
}

TEST_F(StructuresTest, ProgramCutShortInsideAStructureConverts) {
  EXPECT_EQ(Translate("Structure"), 1);
  EXPECT_EQ(Translate("Structure P"), 1);
  EXPECT_EQ(Translate("Structure P\nx"), 1);
  EXPECT_EQ(Translate("Structure P\nx."), 1);
  EXPECT_EQ(Translate("Structure P\nx.l"), 1);
  EXPECT_EQ(platform.console, "");
}

}  // namespace
}  // namespace korvex::translate
