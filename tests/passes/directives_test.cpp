// Directive scan, raw-block uncommenting and directive comments.
#include "passes/directives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "passes/output_cleanup.h"
#include "support/pass_fixture.h"

namespace korvex {
namespace {

using passes::CommentDirectives;
using passes::ScanDirectives;
using passes::UncommentRawBlocks;

class DirectivesTest : public testing::PassFixture {
 protected:
  const Settings& settings() { return run.ActiveSettings; }
  std::string Uncomment(const std::string& text) { return UncommentRawBlocks(run, text); }
  /// The directive-comment pass followed by the clean-up that joins its tokens.
  std::string CommentAndCleanUp(const std::string& text) {
    CommentDirectives(run, text);
    return passes::CleanUpOutput(run, "");
  }
};

// --- directive scan ----------------------------------------------------------

TEST_F(DirectivesTest, SetProfileNamesTheProfile) {
  ScanDirectives(run, "EnableDebugger\r\nKVX_Converter_SetProfile \"Intranet\"\r\nx = 1\r\n");
  EXPECT_EQ(settings().ProfileName, "Intranet");
  EXPECT_EQ(settings().DoNotCopy, 0);
}

TEST_F(DirectivesTest, TheFirstStringAfterTheDirectiveGivesTheName) {
  ScanDirectives(run, "kvx_converter_setprofile\nx = 1\nDebug \"x\"\nDebug \"y\"\n");
  EXPECT_EQ(settings().ProfileName, "x");
}

TEST_F(DirectivesTest, TheLastDirectiveWithANameWins) {
  ScanDirectives(run, "KVX_Converter_SetProfile \"A\"\nKVX_CONVERTER_SETPROFILE \"B\"\n");
  EXPECT_EQ(settings().ProfileName, "B");
}

TEST_F(DirectivesTest, ProfileNameStaysWithoutAString) {
  run.ActiveSettings.ProfileName = "Before";
  ScanDirectives(run, "x = 1\nKVX_Converter_SetProfile\n");
  EXPECT_EQ(settings().ProfileName, "Before");
}

TEST_F(DirectivesTest, UnterminatedStringLosesItsQuote) {
  ScanDirectives(run, "KVX_Converter_SetProfile \"Intra\n");
  EXPECT_EQ(settings().ProfileName, "Intra");
}

TEST_F(DirectivesTest, DoNotCopySetsTheSwitch) {
  ScanDirectives(run, "kvx_converter_DoNotCopy\n");
  EXPECT_EQ(settings().DoNotCopy, 1);
}

TEST_F(DirectivesTest, DirectiveWordsInStringsAndCommentsAreNotActedOn) {
  ScanDirectives(run,
                 "Debug \"KVX_Converter_DoNotCopy\"\n"
                 "; KVX_Converter_SetProfile \"A\"\n"
                 "s = \"KVX_Converter_SetProfile\" + \"B\"\n");
  EXPECT_EQ(settings().DoNotCopy, 0);
  EXPECT_EQ(settings().ProfileName, "");
}

// --- raw blocks ----------------------------------------------------------------

TEST_F(DirectivesTest, RawBlockLinesLoseTheirSemicolon) {
  EXPECT_EQ(Uncomment(" x = 1 \n KVX_Converter_Begin_Raw \n ; $(\"#a\").hide(); \n"
                      " KVX_Converter_End_Raw \n ; $(\"#a\").hide(); \n "),
            "x = 1\nKVX_Converter_Begin_Raw\n $(\"#a\").hide();\nKVX_Converter_End_Raw\n"
            "; $(\"#a\").hide();\n");
}

TEST_F(DirectivesTest, BeginLineCountsAsInsideAndEndLineDoesNot) {
  EXPECT_EQ(Uncomment("; KVX_Converter_Begin_Raw\n; KVX_Converter_End_Raw\n"),
            " KVX_Converter_Begin_Raw\n; KVX_Converter_End_Raw\n");
}

TEST_F(DirectivesTest, OnlyOneSemicolonIsRemovedAndTabsStay) {
  EXPECT_EQ(Uncomment("kvx_converter_begin_raw\n;; a\n\t; b \n"),
            "kvx_converter_begin_raw\n; a\n\t; b\n");
}

TEST_F(DirectivesTest, RawMarkersInsideStringsCountForTheLineTest) {
  EXPECT_EQ(Uncomment("s = \"KVX_Converter_Begin_Raw\"\n; x\n"),
            "s = \"KVX_Converter_Begin_Raw\"\n x\n");
}

TEST_F(DirectivesTest, TextAfterTheLastLineFeedIsDropped) {
  EXPECT_EQ(Uncomment("a\nb"), "a\n");
  EXPECT_EQ(Uncomment(""), "");
}

// --- directive comments ------------------------------------------------------------

TEST_F(DirectivesTest, SetProfileBecomesACommentAndItsArgumentGoes) {
  EXPECT_EQ(CommentDirectives(run, "KVX_Converter_SetProfile \"Intranet\" \n"),
            "// KVX_Converter_SetProfile\n");
  EXPECT_EQ(passes::CleanUpOutput(run, ""), "// KVX_Converter_SetProfile;\n");
}

// The clean-up gets the tokens joined with their spaces, in runs after
// which it adds none; a token with a raw marker is a run of its own.
TEST_F(DirectivesTest, DirectiveWordsBecomeCommentsInTheJoinedRuns) {
  CommentDirectives(run, "kvx_converter_begin_raw x\nKVX_CONVERTER_END_RAW\n");
  std::vector<std::string> runs;
  for (const Token& t : run.Tokens) {
    runs.push_back(t.Text);
    EXPECT_EQ(t.Kind, KindComment);
  }
  EXPECT_EQ(runs, (std::vector<std::string>{"// KVX_Converter_Begin_Raw", " \n", "// KVX_Converter_End_Raw", "\n"}));
}

// A long text is scanned a piece at a time; no piece may start with an
// empty or blank line, which would scan as two line breaks. Pieces without
// a directive and the one with it come out alike.
TEST_F(DirectivesTest, ALongTextComesOutAsOneScannedWhole) {
  std::string text, expected;
  for (int i = 0; i < 6000; ++i) {
    text += "x = 1\n\n  y(2)\n";
    expected += "x = 1;\ny(2);\n";
    if (i != 3000) continue;
    text += "KVX_Converter_DoNotCopy\n";
    expected += "\n";
  }
  EXPECT_EQ(CommentAndCleanUp(text), expected);
}

TEST_F(DirectivesTest, DoNotCopyLeavesAnEmptyLine) {
  EXPECT_EQ(CommentAndCleanUp("x = 1\nKVX_Converter_DoNotCopy\ny = 2\n"), "x = 1;\n\ny = 2;\n");
  EXPECT_EQ(run.ActiveSettings.DoNotCopy, 0);  // only the scan sets the switch
}

TEST_F(DirectivesTest, BlankingStopsAtTheLineEndAndSparesComments) {
  EXPECT_EQ(CommentDirectives(run, "KVX_Converter_SetProfile \"A\" ; pick\ny = 1\n"),
            "// KVX_Converter_SetProfile; pick\ny=1\n");
}

TEST_F(DirectivesTest, DirectiveWordsInStringsAndCommentsStay) {
  EXPECT_EQ(CommentDirectives(run, "s = \"KVX_Converter_DoNotCopy\" ; KVX_Converter_End_Raw\n"),
            "s=\"KVX_Converter_DoNotCopy\"; KVX_Converter_End_Raw\n");
}

TEST_F(DirectivesTest, RawBlockThroughToTheFinalLines) {
  std::string translated = Uncomment(
      "cDebugger.EnableDebugger() \n KVX_Converter_Begin_Raw \n ; $(\"#a\").hide(); \n"
      " ; var b = 1 \n KVX_Converter_End_Raw \n x = 2 \n ");
  EXPECT_EQ(CommentAndCleanUp(translated),
            "cDebugger.EnableDebugger();\n"
            "// KVX_Converter_Begin_Raw\n"
            "$(\"#a\").hide() ;\n"
            "var b = 1\n"
            "// KVX_Converter_End_Raw;\n"
            "x = 2;\n");
}

}  // namespace
}  // namespace korvex
