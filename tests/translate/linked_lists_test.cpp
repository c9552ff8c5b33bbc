// List pass: NewList, the element access name(), the list commands and
// ForEach over a registered list.
#include <string>

#include "support/pass_fixture.h"
#include "translate/construct_passes.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

class LinkedListsTest : public testing::PassFixture {
 protected:
  // The list pass as the dispatcher runs it: basic type suffixes are
  // blanked, and the library pass has made RandomizeList one token.
  std::string Translate(const std::string& text) {
    Load(text);
    DropBasicTypeSuffixes(run.Tokens);
    for (Token& t : run.Tokens)
      if (t.Text == "RandomizeList") t.Text = "cSort.RandomizeList";
    TranslateLinkedLists(run);
    return Texts();
  }
};

TEST_F(LinkedListsTest, NewListWithBasicTypeDeletesItsTail) {
  EXPECT_EQ(Translate("NewList items.s()"), "var items = new cLinkedList() ");
  EXPECT_EQ(Joined(), " var items = new cLinkedList()  ");
  EXPECT_EQ(run.Tokens.Size(), 2u);
}

TEST_F(LinkedListsTest, NewListWithoutTypeDeletesItsParentheses) {
  EXPECT_EQ(Translate("NewList items()\nx = 1"), "var items = new cLinkedList() \nx = 1");
  EXPECT_EQ(Joined(), " var items = new cLinkedList()  \n x = 1 ");
}

TEST_F(LinkedListsTest, StructuredListAddsNewObjectsAndReadsFields) {
  EXPECT_EQ(Translate("NewList points.Point()\nAddElement(points())\npoints()\\x = 5"),
            "var points = new cLinkedList() \npoints.AddElement(new Point)\n"
            "points.getData() \\ x = 5");
  EXPECT_EQ(Joined(),
            " var points = new cLinkedList()  \n   points.AddElement(new Point)    \n"
            " points.getData()   \\ x = 5 ");
}

TEST_F(LinkedListsTest, UnstructuredListAddsEmptyElements) {
  EXPECT_EQ(Translate("NewList items()\nAddElement(items())"),
            "var items = new cLinkedList() \nitems.AddElement()");
}

TEST_F(LinkedListsTest, AssignmentToTheCurrentElementSetsItsData) {
  EXPECT_EQ(Translate("NewList items()\nitems() = 7\nx = items()"),
            "var items = new cLinkedList() \nitems .setData(7)\nx = items.getData()");
}

TEST_F(LinkedListsTest, StructuredElementIsAssignedWithSetData) {
  EXPECT_EQ(Translate("NewList points.Point()\npoints() = p"),
            "var points = new cLinkedList() \npoints .setData(p)");
}

TEST_F(LinkedListsTest, ListUsedBeforeItsDeclarationIsTranslated) {
  EXPECT_EQ(Translate("Procedure Show()\nx = items()\nEndProcedure\nNewList items()"),
            "Procedure Show ( )\nx = items.getData()\nEndProcedure\nvar items = new cLinkedList() ");
}

TEST_F(LinkedListsTest, ListNamesAreCaseSensitive) {
  EXPECT_EQ(Translate("NewList Items()\nx = items()"), "var Items = new cLinkedList() \nx = items ( )");
}

TEST_F(LinkedListsTest, CommandsBecomeMethodsWithTheRuntimesSpelling) {
  EXPECT_EQ(Translate("NewList items()\n"
                      "n = ListSize(items())\nClearList(items())\ni = ListIndex(items())\n"
                      "FirstElement(items())\nNextElement(items())\nPreviousElement(items())\n"
                      "LastElement(items())\nDeleteElement(items())\nn = listsize(items())"),
            "var items = new cLinkedList() \n"
            "n = items.ListSize()\nitems.ClearList()\ni = items.ListIndex()\n"
            "items.FirstElement()\nitems.NextElement()\nitems.PreviousElement()\n"
            "items.LastElement()\nitems.DeleteElement()\nn = items.ListSize()");
}

TEST_F(LinkedListsTest, SelectElementKeepsThePositionAndTheParenthesis) {
  EXPECT_EQ(Translate("NewList items()\nSelectElement(items(), 3)"),
            "var items = new cLinkedList() \nitems.SelectElement( 3 )");
}

TEST_F(LinkedListsTest, DeleteElementKeepsItsFlags) {
  EXPECT_EQ(Translate("NewList items()\nDeleteElement(items(), 1)\nDeleteElement(items())"),
            "var items = new cLinkedList() \nitems.DeleteElement( 1 )\nitems.DeleteElement()");
}

TEST_F(LinkedListsTest, RandomizeListPassesTheListToTheSortLibrary) {
  EXPECT_EQ(Translate("NewList items()\nRandomizeList(items())"),
            "var items = new cLinkedList() \ncSort.RandomizeList(items)");
}

TEST_F(LinkedListsTest, ForEachOverAListBecomesTwoLines) {
  EXPECT_EQ(Translate("NewList items()\nForEach items()\nNext"),
            "var items = new cLinkedList() \n"
            "items.ForEach_Init();\nwhile (items.ForEach()) {\n\nNext");
  EXPECT_EQ(std::next(run.Tokens.begin(), 4)->Kind, KindOther);
}

// ForEach over anything but a registered list is left for the map pass.
TEST_F(LinkedListsTest, ForEachOverAMapIsLeftAlone) {
  EXPECT_EQ(Translate("NewMap scores()\nForEach scores()\nNext"),
            "NewMap scores ( )\nForEach scores ( )\nNext");
}

TEST_F(LinkedListsTest, ProgramCutShortInsideAListConstructConverts) {
  for (const char* text :
       {"NewList", "NewList items", "NewList items.", "NewList items.Point", "NewList items(",
        "NewList items()\nitems() =", "NewList items()\nAddElement", "NewList items()\nAddElement(",
        "NewList items()\nAddElement(items()", "NewList items()\nForEach",
        "NewList items()\nForEach items(", "NewList items()\nSelectElement(items()",
        "NewList items()\nListSize(", "RandomizeList("})
    Translate(text);
  EXPECT_EQ(Translate("NewList items()\nitems() ="), "var items = new cLinkedList() \nitems .setData()");
}

// A list parameter is one in the header of every form of procedure: the
// list pass reads each as it reads a Procedure.
TEST_F(LinkedListsTest, ListParameterInEveryFormOfProcedure) {
  const std::string body = " Show(List names.s())\nForEach names()\nDebug names()\nNext\nEndProcedure";
  std::string plain = Translate("Procedure" + body);
  EXPECT_EQ(plain.find("List"), std::string::npos) << plain;
  for (std::string keyword : {"ProcedureC", "ProcedureDLL", "ProcedureCDLL"})
    EXPECT_EQ(Translate(keyword + body), keyword + plain.substr(plain.find(' '))) << keyword;
}

}  // namespace
}  // namespace korvex::translate
