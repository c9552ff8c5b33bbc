// ExpandIncludes over in-memory files: which statements are found, which
// line is replaced, what the result keeps and drops.
#include "passes/include_expansion.h"

#include "support/pass_fixture.h"
#include "support/native_path.h"

namespace korvex::passes {
namespace {

using korvex::testing::operator""_p;

class IncludeExpansion : public testing::PassFixture {
 protected:
  void SetUp() override {
    platform.folders.insert("/src/"_p);
    run.SourceFile = "/src/main.pb"_p;
    platform.files["/src/inc.pbi"_p] = "x = 5\r\ny = 6\r\n";
  }
  std::string Expand(const std::string& text) { return ExpandIncludes(run, text); }
};

TEST_F(IncludeExpansion, IncludedTextKeepsItsLastLineEnd) {
  EXPECT_EQ(Expand("a = 1\nIncludeFile \"inc.pbi\"\nb = 2\n"), "a = 1\nx = 5\ny = 6\n\nb = 2\n");
}

TEST_F(IncludeExpansion, NameInParenthesesIsTheSame) {
  EXPECT_EQ(Expand("a = 1\nIncludeFile(\"inc.pbi\")\nb = 2\n"), "a = 1\nx = 5\ny = 6\n\nb = 2\n");
}

TEST_F(IncludeExpansion, XIncludeFileNamedTwiceIsInsertedTwice) {
  EXPECT_EQ(Expand("XIncludeFile \"inc.pbi\"\nXIncludeFile \"inc.pbi\"\n"), "x = 5\ny = 6\n\nx = 5\ny = 6\n\n");
}

TEST_F(IncludeExpansion, MissingFileRemovesItsLineSilently) {
  EXPECT_EQ(Expand("a = 1\nIncludeFile \"gone.pbi\"\nb = 2\n"), "a = 1\nb = 2\n");
  EXPECT_EQ(platform.console, "");
  EXPECT_EQ(run.PauseAtExit, 0);
}

TEST_F(IncludeExpansion, EmptyFileRemovesItsLine) {
  platform.files["/src/empty.pbi"_p] = "";
  EXPECT_EQ(Expand("a\nIncludeFile \"empty.pbi\"\nb\n"), "a\nb\n");
}

TEST_F(IncludeExpansion, EmptyLinesAndUnterminatedLastLineAreDropped) {
  EXPECT_EQ(Expand("a\n\n\nb\nc"), "a\nb\n");
  EXPECT_EQ(Expand("a\r\n\r\nb\r\n"), "a\nb\n");
  // only the "\r" of a "\r\n" goes, with or without an include in the text
  EXPECT_EQ(Expand("a\r\n\r\nb\r\r\nc\r"), "a\nb\r\n");
  EXPECT_EQ(Expand("a\r\n\r\nb\r\r\nIncludeFile \"inc.pbi\"\r\nc\r"), "a\nb\r\nx = 5\ny = 6\n\n");
}

TEST_F(IncludeExpansion, WholeLineIsReplacedAlsoAfterASeparator) {
  EXPECT_EQ(Expand("a = 1 : IncludeFile \"inc.pbi\" : b = 2\nc\n"), "x = 5\ny = 6\n\nc\n");
}

TEST_F(IncludeExpansion, LaterOfTwoStatementsOnOneLineWins) {
  platform.files["/src/two.pbi"_p] = "two\n";
  EXPECT_EQ(Expand("IncludeFile \"inc.pbi\" : IncludeFile \"two.pbi\"\nz\n"), "two\n\nz\n");
  EXPECT_EQ(Expand("IncludeFile \"two.pbi\" : IncludeFile \"gone.pbi\"\nz\n"), "z\n");
}

TEST_F(IncludeExpansion, KeywordCaseDoesNotMatter) {
  EXPECT_EQ(Expand("INCLUDEFILE \"inc.pbi\"\nxincludefile \"inc.pbi\"\n"), "x = 5\ny = 6\n\nx = 5\ny = 6\n\n");
}

TEST_F(IncludeExpansion, StatementInCommentOrStringIsNotRecognised) {
  EXPECT_EQ(Expand("; IncludeFile \"inc.pbi\"\ns = \"IncludeFile\"\n"), "; IncludeFile \"inc.pbi\"\ns = \"IncludeFile\"\n");
}

TEST_F(IncludeExpansion, ExpansionIsOneLevelDeep) {
  platform.files["/src/outer.pbi"_p] = "IncludeFile \"inc.pbi\"\nq = 1\n";
  EXPECT_EQ(Expand("IncludeFile \"outer.pbi\"\n"), "IncludeFile \"inc.pbi\"\nq = 1\n\n");
}

TEST_F(IncludeExpansion, IncludePathIsNotInterpreted) {
  platform.files["/src/lib/inc.pbi"_p] = "lib\n";
  EXPECT_EQ(Expand("IncludePath \"lib\"\nIncludeFile \"inc.pbi\"\n"), "IncludePath \"lib\"\nx = 5\ny = 6\n\n");
}

TEST_F(IncludeExpansion, NamesAreRelativeToTheSourceFolder) {
  platform.folders.insert("/src/lib/"_p);
  platform.files["/src/lib/util.pbi"_p] = "util\n";
  platform.files["/elsewhere/util.pbi"_p] = "wrong\n";
  run.SourceFile = "/src/main.pb"_p;
  EXPECT_EQ(Expand("IncludeFile \"" + "lib/util.pbi"_p + "\"\n"), "util\n\n");
  run.SourceFile = "/elsewhere/main.pb"_p;
  EXPECT_EQ(Expand("IncludeFile \"util.pbi\"\n"), "wrong\n\n");
}

TEST_F(IncludeExpansion, BackslashInTheNameIsAFolderSeparator) {
  platform.folders.insert("/src/lib/"_p);
  platform.files["/src/lib/util.pbi"_p] = "util\n";
  EXPECT_EQ(Expand("IncludeFile \"lib\\util.pbi\"\n"), "util\n\n");
}

TEST_F(IncludeExpansion, NameThatIsAFolderReadsNothing) {
  EXPECT_EQ(Expand("a\nIncludeFile \"\"\nb\n"), "a\nb\n");
}

TEST_F(IncludeExpansion, StatementWithoutANameRemovesOnlyItsLine) {
  // the keyword ends its line: the line end is no file name
  EXPECT_EQ(Expand("a\nIncludeFile\nb\n"), "a\nb\n");
  // the keyword, or its "(", is the very last token
  EXPECT_EQ(Expand("a\nIncludeFile"), "a\n");
  EXPECT_EQ(Expand("a\nIncludeFile("), "a\n");
}

}  // namespace
}  // namespace korvex::passes
