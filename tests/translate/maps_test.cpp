// Map pass: NewMap, element access with and without a key, the map
// commands and ForEach; and ForEach over a list and a map through both the
// list and the map pass.
#include <string>

#include "support/pass_fixture.h"
#include "translate/construct_passes.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

class MapsTest : public testing::PassFixture {
 protected:
  // As the dispatcher runs it: basic type suffixes are blanked, and the
  // library pass has made each map command one token "cMap.<command>".
  void Prepare(const std::string& text) {
    Load(text);
    DropBasicTypeSuffixes(run.Tokens);
    for (Token& t : run.Tokens)
      if (t.Text == "AddMapElement" || t.Text == "FindMapElement" || t.Text == "MapKey" ||
          t.Text == "MapSize")
        t.Text = "cMap." + t.Text;
  }
  std::string Translate(const std::string& text) {
    Prepare(text);
    TranslateMaps(run);
    return Texts();
  }
};

TEST_F(MapsTest, NewMapWithoutStructure) {
  EXPECT_EQ(Translate("NewMap scores()"), "var scores = new cMap(); ");
  EXPECT_EQ(run.Tokens.Size(), 2u);
  EXPECT_EQ(Translate("NewMap scores.s()"), "var scores = new cMap(); ");
  EXPECT_EQ(run.Tokens.Size(), 2u);
}

TEST_F(MapsTest, StructuredMapHandsTheClassToTheMap) {
  EXPECT_EQ(Translate("NewMap pts.Point()\npts(\"a\")\\x = 3"),
            "var pts = new cMap(Point); \npts.getData2(\"a\") \\ x = 3");
}

TEST_F(MapsTest, KeyedAssignmentAndRead) {
  EXPECT_EQ(Translate("NewMap scores()\nscores(who) = 12\nn = scores(who)"),
            "var scores = new cMap(); \nscores .setData2(who, 12)\nn = scores.getData2(who)");
}

// Tokens are cleared, not blanked: the key token stays a word.
TEST_F(MapsTest, KeyedAccessClearsItsTokens) {
  Translate("NewMap scores()\nn = scores(who)");
  auto key = std::prev(run.Tokens.end(), 2);
  EXPECT_EQ(key->Text, "");
  EXPECT_EQ(key->Kind, KindWord);
}

TEST_F(MapsTest, StructuredKeyedAssignmentTagsTheValueWithTheType) {
  EXPECT_EQ(Translate("NewMap pts.Point()\npts(\"a\") = p"),
            "var pts = new cMap(Point); \npts .setData2(\"a\", p.Point)");
}

TEST_F(MapsTest, CurrentElementWithoutKey) {
  EXPECT_EQ(Translate("NewMap scores()\nscores() = 12\nn = scores()"),
            "var scores = new cMap(); \nscores.setData(12)\nn = scores.getData()");
}

TEST_F(MapsTest, MapNamesAreCaseSensitive) {
  EXPECT_EQ(Translate("NewMap scores()\nn = Scores(\"Ann\")"),
            "var scores = new cMap(); \nn = Scores ( \"Ann\" )");
}

TEST_F(MapsTest, MapUsedBeforeItsDeclarationIsTranslated) {
  EXPECT_EQ(Translate("n = scores(\"Ann\")\nNewMap scores()"),
            "n = scores.getData2(\"Ann\")\nvar scores = new cMap(); ");
}

TEST_F(MapsTest, SizeAndKeyBecomeMethods) {
  EXPECT_EQ(Translate("NewMap scores()\nn = MapSize(scores())\nk = MapKey(scores())"),
            "var scores = new cMap(); \nn = scores.MapSize()\nk = scores.MapKey()");
}

TEST_F(MapsTest, FindAndAddTakeTheKeyAsArgument) {
  EXPECT_EQ(Translate("NewMap scores()\nIf FindMapElement(scores(), \"Ann\")\n"
                      "AddMapElement(scores(), name)"),
            "var scores = new cMap(); \nIf scores.FindMapElement( \"Ann\" )\n"
            "scores.AddMapElement( name )");
}

TEST_F(MapsTest, ForEachOverAMap) {
  EXPECT_EQ(Translate("NewMap scores()\nForEach scores()\nNext"),
            "var scores = new cMap(); \n"
            "ForEachMap_Init(scores);\nwhile (ForEachMap(scores)) {\n\nNext");
}

// The list pass takes only registered lists, so each loop gets its own form.
TEST_F(MapsTest, ForEachOverAListAndAMapThroughBothPasses) {
  Prepare("NewList items()\nNewMap scores()\nForEach items()\nNext\nForEach scores()\nNext");
  TranslateLinkedLists(run);
  TranslateMaps(run);
  EXPECT_EQ(Texts(),
            "var items = new cLinkedList() \nvar scores = new cMap(); \n"
            "items.ForEach_Init();\nwhile (items.ForEach()) {\n\nNext\n"
            "ForEachMap_Init(scores);\nwhile (ForEachMap(scores)) {\n\nNext");
}

// Without its ")" the key is read as written, and the next line stays a
// line of its own.
TEST_F(MapsTest, UnclosedKeyKeepsTheLineBreak) {
  EXPECT_EQ(Translate("NewMap pts()\nn = pts(\"a\"\nx = 1"),
            "var pts = new cMap(); \nn = pts.getData2 ( \"a\"\nx = 1");
}

TEST_F(MapsTest, ProgramCutShortInsideAMapConstructConverts) {
  for (const char* text :
       {"NewMap", "NewMap pts", "NewMap pts.", "NewMap pts.Point", "NewMap pts(",
        "NewMap pts()\npts(", "NewMap pts()\npts(\"a\"", "NewMap pts()\npts(\"a\")",
        "NewMap pts()\npts(\"a\") =", "NewMap pts()\npts() =", "NewMap pts()\npts(\"a\"\nx = 1",
        "FindMapElement", "FindMapElement(", "FindMapElement(pts()", "MapSize", "MapSize(",
        "NewMap pts()\nMapKey(pts()", "ForEach", "ForEach pts("})
    Translate(text);
  EXPECT_EQ(Translate("NewMap pts()\npts(\"a\") ="), "var pts = new cMap(); \npts");
}

}  // namespace
}  // namespace korvex::translate
