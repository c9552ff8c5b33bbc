// LineSplitter: pieces of a child's output become lines at CR, LF and CR LF.
#include <gtest/gtest.h>

#include "platform/line_splitter.h"

namespace korvex::platform {
namespace {

// Feeds the pieces in order, then (optionally) the end, and takes every line.
std::vector<std::string> Lines(std::vector<std::string> pieces, bool finish = true) {
  LineSplitter splitter;
  for (const std::string& piece : pieces) splitter.Feed(piece);
  if (finish) splitter.Finish();
  std::vector<std::string> lines;
  while (splitter.HasLine()) lines.push_back(splitter.TakeLine());
  return lines;
}

using LineList = std::vector<std::string>;

TEST(LineSplitter, EachLineEndCountsOnce) {
  EXPECT_EQ(Lines({"a\nb\rc\r\nd"}), (LineList{"a", "b", "c", "d"}));
}

TEST(LineSplitter, CrLfSplitAcrossPiecesIsOneLineEnd) {
  EXPECT_EQ(Lines({"a\r", "\nb\n"}), (LineList{"a", "b"}));
}

TEST(LineSplitter, CrAtPieceEndThenTextIsALineEnd) {
  EXPECT_EQ(Lines({"a\r", "b\n"}), (LineList{"a", "b"}));
}

TEST(LineSplitter, CrThenEmptyPieceThenLfIsOneLineEnd) {
  EXPECT_EQ(Lines({"a\r", "", "\nb"}), (LineList{"a", "b"}));
}

TEST(LineSplitter, EmptyLinesAreKept) {
  EXPECT_EQ(Lines({"\n\r\n\rx\n"}), (LineList{"", "", "", "x"}));
  EXPECT_EQ(Lines({"a\n\n"}), (LineList{"a", ""}));
}

TEST(LineSplitter, LfLfIsTwoLineEnds) { EXPECT_EQ(Lines({"a\n", "\nb\n"}), (LineList{"a", "", "b"})); }

TEST(LineSplitter, LineGrowsAcrossPieces) {
  EXPECT_EQ(Lines({"he", "ll", "o\nwo", "rld"}), (LineList{"hello", "world"}));
}

TEST(LineSplitter, PartialLineWaitsForTheEnd) {
  EXPECT_EQ(Lines({"done\npart"}, false), (LineList{"done"}));
  EXPECT_EQ(Lines({"done\npart"}), (LineList{"done", "part"}));
}

TEST(LineSplitter, EndAfterLineEndAddsNoEmptyLine) {
  EXPECT_EQ(Lines({"a\r"}), (LineList{"a"}));
  EXPECT_EQ(Lines({}), (LineList{}));
}

TEST(LineSplitter, CrLineIsReadyBeforeItsPairArrives) {
  LineSplitter splitter;
  splitter.Feed("a\r");
  ASSERT_TRUE(splitter.HasLine());
  EXPECT_EQ(splitter.TakeLine(), "a");
  EXPECT_FALSE(splitter.HasLine());
  EXPECT_EQ(splitter.TakeLine(), "");
}

}  // namespace
}  // namespace korvex::platform
