// The shape filter may let a stranger of a member's shape through ("it"
// for "if"), never turn a member away: every keyword in every case passes,
// words of other lengths or first letters do not.
#include <gtest/gtest.h>

#include <string>

#include "common/word_shapes.h"

namespace korvex {
namespace {

TEST(WordShapes, PassesEveryMemberInAnyCaseAndFewStrangers) {
  const std::string longWord(70, 'q');
  WordShapes shapes{"if", "endif", "procedurereturn", "_private", "#pb_any"};
  shapes.Add(longWord);
  for (std::string word : {"if", "IF", "iF", "EndIf", "PROCEDURERETURN", "_private", "#PB_Any"})
    EXPECT_TRUE(shapes.MayBe(word)) << word;
  EXPECT_TRUE(shapes.MayBe(longWord));
  for (std::string word : {"", "i", "of", "total", "x", "ProcedureRetur", "bndif", "Endifs"})
    EXPECT_EQ(shapes.MayBe(word), false) << word;
  EXPECT_FALSE(WordShapes{"if"}.MayBe(longWord));  // no word that long in the set
  // With adds to a copy
  constexpr WordShapes kLoops{"for", "next"};
  static_assert(kLoops.With({"while"}).MayBe("While") && !kLoops.MayBe("While"));
}

TEST(KeywordSet, HasItsWordsInAnyCaseAndNoWordOfTheirShape) {
  static constexpr std::string_view kWords[] = {"global", "define"};
  constexpr KeywordSet kSet{kWords};
  EXPECT_TRUE(kSet.Has("GLOBAL") && kSet.Has("Define"));
  EXPECT_FALSE(kSet.Has("glob") || kSet.Has("gxobal") || kSet.Has("") || kSet.Has("defined"));
  // one-byte texts come from a table: "(" shares its low bits with "h"
  static constexpr std::string_view kTexts[] = {"(", "x", "to"};
  constexpr KeywordSet kShort{kTexts};
  EXPECT_TRUE(kShort.Has("(") && kShort.Has("X") && kShort.Has("TO"));
  EXPECT_FALSE(kShort.Has("h") || kShort.Has(")") || kShort.Has("y"));
}

}  // namespace
}  // namespace korvex
