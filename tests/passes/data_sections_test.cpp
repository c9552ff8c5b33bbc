// CollectData and StripDataSections: the array and label header, the value
// count, the program re-joined from its tokens, sections removed and
// IncludeBinary names collected.
#include "passes/data_sections.h"

#include "support/pass_fixture.h"

namespace korvex::passes {
namespace {

class DataSections : public testing::PassFixture {
 protected:
  std::string Collect(const std::string& text) { return CollectData(run, text); }
  std::string Strip(const std::string& text) { return StripDataSections(run, text); }
};

const char* const kColorsProgram =
    "DataSection\nColors:\nData.s \"red\", \"green\"\nSizes:\nData.i 1, 2, 3\nEndDataSection\nRestore Colors\n";
const char* const kColorsHeader =
    "var KVX_Label_Colors = 0\r\nvar KVX_Label_Sizes = 2\r\n\r\n"
    "cCommonKVX_Global_Label = KVX_Label_Colors\r\n\r\n"
    "cCommonKVX_DataArray=[\"red\",\"green\",1,2,3]\r\n";

TEST_F(DataSections, LabelsAndValuesBecomeTheHeader) {
  EXPECT_EQ(Collect(kColorsProgram),
            std::string(kColorsHeader) + "DataSection \n Colors : \n \n Sizes : \n \n EndDataSection \n Restore Colors \n ");
}

TEST_F(DataSections, SectionPassRemovesTheSectionAndKeepsTheHeader) {
  EXPECT_EQ(Strip(Collect(kColorsProgram)), std::string(kColorsHeader) + "Restore Colors\n");
}

TEST_F(DataSections, ProgramWithoutDataIsOnlyRejoined) {
  EXPECT_EQ(Collect("Start:\na = 1 ; note\n"), "Start : \n a = 1 ; note \n ");
  EXPECT_EQ(Collect(""), "");
}

TEST_F(DataSections, NegativeValueKeepsItsSign) {
  EXPECT_EQ(Collect("Data.i -5\n"), "\r\n\r\ncCommonKVX_DataArray=[-5]\r\n\n ");
}

TEST_F(DataSections, ValuesAreJoinedWithoutSpaces) {
  EXPECT_EQ(Collect("Data.s \"a b\", \"c\"\nData.d 1.5, -2.5e3, 1 + 2\n"),
            "\r\n\r\ncCommonKVX_DataArray=[\"a b\",\"c\",1.5,-2.5e3,1+2]\r\n\n \n ");
}

TEST_F(DataSections, LabelIndexCountsEveryValueBeforeIt) {
  EXPECT_EQ(Collect("A:\nB:\nData.i 1\nData.i 2, 3\nC:\n"),
            "var KVX_Label_A = 0\r\nvar KVX_Label_B = 0\r\nvar KVX_Label_C = 3\r\n\r\n"
            "cCommonKVX_Global_Label = KVX_Label_A\r\n\r\ncCommonKVX_DataArray=[1,2,3]\r\n"
            "A : \n B : \n \n \n C : \n ");
}

TEST_F(DataSections, KeywordCaseDoesNotMatterAndLabelCaseIsKept) {
  EXPECT_EQ(Collect("MyTable:\nDATA.L 9\n"),
            "var KVX_Label_MyTable = 0\r\n\r\ncCommonKVX_Global_Label = KVX_Label_MyTable\r\n\r\n"
            "cCommonKVX_DataArray=[9]\r\nMyTable : \n \n ");
}

TEST_F(DataSections, StatementSeparatorNamesNoLabel) {
  EXPECT_EQ(Collect("a = 1 : b = 2\nData.i 7\n"),
            "\r\n\r\ncCommonKVX_DataArray=[7]\r\na = 1 : b = 2 \n \n ");
  // a word first on its line, but more on the line after the ":"
  EXPECT_EQ(Collect("Repeat : x + 1\nData.i 7\n"),
            "\r\n\r\ncCommonKVX_DataArray=[7]\r\nRepeat : x + 1 \n \n ");
  // the last ":" of a line, but after a word that does not start the line
  EXPECT_EQ(Collect("Debug x :\nData.i 7\n"),
            "\r\n\r\ncCommonKVX_DataArray=[7]\r\nDebug x : \n \n ");
}

TEST_F(DataSections, LabelMayHaveATrailingComment) {
  EXPECT_EQ(Collect("Data.i 7\nAfter: ; here"),
            "var KVX_Label_After = 1\r\n\r\ncCommonKVX_Global_Label = KVX_Label_After\r\n\r\n"
            "cCommonKVX_DataArray=[7]\r\n\n After : ; here ");
}

TEST_F(DataSections, ColonWithoutANameBeforeItDefinesNoLabel) {
  EXPECT_EQ(Collect(": x\nData.i 1\n"), "\r\n\r\ncCommonKVX_DataArray=[1]\r\n: x \n \n ");
  EXPECT_EQ(Collect("a\n: b\nData.i 1\n"), "\r\n\r\ncCommonKVX_DataArray=[1]\r\na \n : b \n \n ");
}

TEST_F(DataSections, WordDataInAStringIsNoStatement) {
  EXPECT_EQ(Collect("s = \"Data\"\n"), "s = \"Data\" \n ");
}

// The comment ends the statement like a line break and stays in the program.
TEST_F(DataSections, CommentBehindTheValuesIsNoValue) {
  EXPECT_EQ(Collect("Data.i 1, 2 ; sizes\nL:\n"),
            "var KVX_Label_L = 2\r\n\r\ncCommonKVX_Global_Label = KVX_Label_L\r\n\r\n"
            "cCommonKVX_DataArray=[1,2]\r\n; sizes \n L : \n ");
  EXPECT_EQ(Collect("Data.i ; none\n"), "\r\n\r\ncCommonKVX_DataArray=[]\r\n; none \n ");
}

TEST_F(DataSections, StatementAtTheEndWithoutALineBreak) {
  EXPECT_EQ(Collect("L:\nData.i 1, 2"),
            "var KVX_Label_L = 0\r\n\r\ncCommonKVX_Global_Label = KVX_Label_L\r\n\r\n"
            "cCommonKVX_DataArray=[1,2]\r\nL : \n ");
  EXPECT_EQ(Collect("Data"), "\r\n\r\ncCommonKVX_DataArray=[]\r\n");
}

TEST_F(DataSections, TypeSuffixNeverSwallowsTheLineEnd) {
  // "Data." and "Data.i" without values still end at their line
  EXPECT_EQ(Collect("Data.\nL:\nx = 1\n"),
            "var KVX_Label_L = 1\r\n\r\ncCommonKVX_Global_Label = KVX_Label_L\r\n\r\n"
            "cCommonKVX_DataArray=[]\r\n\n L : \n x = 1 \n ");
  EXPECT_EQ(Collect("Data.i\nx = 1\n"), "\r\n\r\ncCommonKVX_DataArray=[]\r\n\n x = 1 \n ");
  EXPECT_EQ(Collect("Data."), "\r\n\r\ncCommonKVX_DataArray=[]\r\n");
}

TEST_F(DataSections, IncludeBinaryNameIsCollectedWithoutQuotes) {
  run.IncludedBinaries.push_back("earlier.bin");
  EXPECT_EQ(Strip("IncludeBinary \"img/logo.png\"\n"), "IncludeBinary \"img/logo.png\"\n");
  EXPECT_EQ(run.IncludedBinaries, (std::vector<std::string>{"earlier.bin", "img/logo.png"}));
  EXPECT_TRUE(run.Tokens.Empty());
}

TEST_F(DataSections, IncludeBinaryWithParenthesisAddsNothing) {
  EXPECT_EQ(Strip("includebinary(\"img/logo.png\")\n"), "includebinary(\"img/logo.png\")\n");
  EXPECT_TRUE(run.IncludedBinaries.empty());
  Strip("x\nIncludeBinary");
  EXPECT_TRUE(run.IncludedBinaries.empty());
}

TEST_F(DataSections, IncludeBinaryInsideASectionIsCollectedAndRemoved) {
  EXPECT_EQ(Strip("a\nDataSection\nLogo:\nINCLUDEBINARY \"logo.png\"\nEndDataSection\nb\n"), "a\nb\n");
  EXPECT_EQ(run.IncludedBinaries, (std::vector<std::string>{"logo.png"}));
}

TEST_F(DataSections, SectionTestIsAPrefixTestOnTheBlankFreeLine) {
  EXPECT_EQ(Strip("a\nDataSectionX = 1\nb\nEndDataSection\nc\n"), "a\nc\n");
  EXPECT_EQ(Strip("a\n  Data\tSection \nb\n End DataSection\nc\n"), "a\nc\n");
}

TEST_F(DataSections, SectionPassTrimsSpacesAndDropsEmptyLines) {
  EXPECT_EQ(Strip("  a  \n   \n\tb\r\nc"), "a\n\tb\r\n");
}

TEST_F(DataSections, UnterminatedSectionSwallowsTheRest) {
  EXPECT_EQ(Strip("a\nDataSection\nb\nc\n"), "a\n");
  EXPECT_EQ(Strip("a\nEndDataSection\nb\n"), "a\nb\n");
}

}  // namespace
}  // namespace korvex::passes
