// Loops: For/Next, While/Wend, Repeat/Until/ForEver headers, one pass at a
// time over token lists as the dispatcher hands them over.
#include <gtest/gtest.h>

#include <string>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

class Loops : public testing::ConstructFixture {
 protected:
  std::string For(const std::string& text) {
    Load(text);
    TranslateFor(run);
    return Cells();
  }
  std::string While(const std::string& text) {
    Load(text);
    Rewrite("And", "&&");
    TranslateWhile(run);
    return Cells();
  }
  std::string Repeat(const std::string& text) {
    Load(text);
    TranslateRepeat(run);
    return Cells();
  }
};

// --- For / Next -------------------------------------------------------

TEST_F(Loops, ForHeaderGoesIntoTheLastToken) {
  EXPECT_EQ(For("For i = 1 To 10"), " for ( |||||var i=1;i<=10; i++) {");
}

TEST_F(Loops, NegativeStepCountsDown) {
  EXPECT_EQ(For("For k = n To 0 Step -2"), " for ( ||||||||var k=n;k>=0; k=k-2) {");
}

TEST_F(Loops, ExpressionsAreJoinedWithoutSpaces) {
  EXPECT_EQ(For("For j = 0 To count - 1 Step 3"),
            " for ( |||||||||var j=0;j<=count-1; j=j+3) {");
}

TEST_F(Loops, NamedStepAlwaysCountsUp) {
  For("For i = a + 1 To b Step delta");
  EXPECT_EQ(Filled(), " for ( |var i=a+1;i<=b; i=i+delta) {");
}

TEST_F(Loops, ForWithTrailingComment) {
  EXPECT_EQ(For("For i = 1 To 3 ; count\nx"), " for ( |||||var i=1;i<=3; i++) {|; count|NL|x");
}

TEST_F(Loops, ForKeywordInAnyCase) {
  For("FOR i = 1 to 2 STEP 1");
  EXPECT_EQ(Filled(), " for ( |var i=1;i<=2; i=i+1) {");
}

TEST_F(Loops, NextClosesTheBlock) {
  EXPECT_EQ(For("Next"), "}");
  EXPECT_EQ(For("Next i"), "|}");
}

TEST_F(Loops, NextBlanksItsCommentToo) {
  EXPECT_EQ(For("Next i ; done\nx"), "||}|NL|x");
}

TEST_F(Loops, ForCutOffStaysOnItsLine) {
  EXPECT_EQ(For("For i = 1\nx = 2"), " for ( |||var i=1;i<=; i++) {|NL|x|=|2");
  EXPECT_EQ(For("For i = 1 Step 2\ny"), " for ( |||||var i=1Step2;i<=; i++) {|NL|y");
  EXPECT_EQ(For("For\nx"), " for ( var =;<=; ++) {|NL|x");
  EXPECT_EQ(For("For i = 1 To"), " for ( ||||var i=1;i<=; i++) {");
  EXPECT_EQ(For("For i = 1 To 5 Step"), " for ( ||||||var i=1;i<=5; i++) {");
}

// --- While / Wend -----------------------------------------------------

TEST_F(Loops, WhileHeaderGoesIntoTheWhileToken) {
  EXPECT_EQ(While("While a = 1 And b <> 2"), "while (a==1&&b!=2) {|||||||");
}

TEST_F(Loops, WhileKeepsLiteralTexts) {
  EXPECT_EQ(While("While x > 0"), "while (x>0) {|||");
  EXPECT_EQ(While("While s <> \"\""), "while (s!=\"\") {|||");
}

TEST_F(Loops, WhileWithSplitComparisonAndComment) {
  EXPECT_EQ(While("While n =< 3 ; loop\nWend"), "while (n<=3) {|||||; loop|NL|}");
}

TEST_F(Loops, WhileCutOff) {
  EXPECT_EQ(While("While"), "while () {");
  EXPECT_EQ(While("While x ="), "while (x==) {||");
}

// --- Repeat / Until / ForEver -----------------------------------------

TEST_F(Loops, RepeatAndForEver) {
  EXPECT_EQ(Repeat("Repeat"), "do {");
  EXPECT_EQ(Repeat("ForEver"), " } while ( true );");
}

TEST_F(Loops, UntilConditionIsNegated) {
  EXPECT_EQ(Repeat("Until x => 5"), "|||| } while ( !(x>=5) );");
}

TEST_F(Loops, UntilComparisons) {
  EXPECT_EQ(Repeat("Until a = b"), "||| } while ( !(a==b) );");
  EXPECT_EQ(Repeat("Until a <> b"), "||| } while ( !(a!=b) );");
}

TEST_F(Loops, UntilAloneGetsTheTextItself) {
  EXPECT_EQ(Repeat("Until\nx"), " } while ( !() );|NL|x");
}

TEST_F(Loops, UntilWithTrailingComment) {
  EXPECT_EQ(Repeat("Until done ; end\nx"), "| } while ( !(done) );|; end|NL|x");
}

TEST_F(Loops, LoopKeywordsInStringsAreText) {
  EXPECT_EQ(Repeat("s = \"Repeat\""), "s|=|\"Repeat\"");
  EXPECT_EQ(For("s = \"Next\""), "s|=|\"Next\"");
}

// --- Break n ------------------------------------------------------------

class Breaks : public testing::ConstructFixture {
 protected:
  std::string Break(const std::string& text) {
    Load(text);
    TranslateBreaks(run);
    return Texts();
  }
};

TEST_F(Breaks, BreakTwoNamesTheBlockAroundTheOuterLoop) {
  EXPECT_EQ(Break("For y = 0 To 3\nFor x = 0 To 3\nBreak 2\nNext\nNext\nz"),
            "KVX_Loop1: {\nFor y = 0 To 3\nFor x = 0 To 3\nbreak KVX_Loop1\nNext\nNext\n}\nz");
}

TEST_F(Breaks, EveryLoopKindAndTheProgramsEnd) {
  EXPECT_EQ(Break("While a\nRepeat\nForEach l()\nBreak 3\nBreak 2\nNext\nForEver\nWend"),
            "KVX_Loop1: {\nWhile a\nKVX_Loop2: {\nRepeat\nForEach l ( )\nbreak KVX_Loop1\n"
            "break KVX_Loop2\nNext\nForEver\n}\nWend\n}");
}

TEST_F(Breaks, BreakOneIsJavaScriptsOwn) {
  EXPECT_EQ(Break("Repeat\nBreak 1\nBreak\nUntil x"), "Repeat\nBreak\nBreak\nUntil x");
}

TEST_F(Breaks, AProceduresBreakSeesOnlyItsOwnLoops) {
  EXPECT_EQ(Break("While a\nProcedure P()\nFor i = 1 To 2\nBreak 2\nNext\nEndProcedure\nWend"),
            "While a\nProcedure P ( )\nFor i = 1 To 2\nBreak\nNext\nEndProcedure\nWend");
  EXPECT_EQ(platform.ConsoleLines()[1],
            "Line 4: Break 2 leaves more loops than there are around it; it leaves the innermost one");
}

}  // namespace
}  // namespace korvex::translate
