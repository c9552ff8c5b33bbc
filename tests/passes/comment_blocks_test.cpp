// StripBlocks: comment blocks, space trimming, empty lines.
#include "passes/comment_blocks.h"

#include "support/pass_fixture.h"

namespace korvex::passes {
namespace {

class CommentBlocks : public testing::PassFixture {
 protected:
  std::string Strip(const std::string& text) { return StripBlocks(run, text); }
};

TEST_F(CommentBlocks, CommentBlockAndBlankLineRemoved) {
  EXPECT_EQ(Strip("a = 1\n  \nKVX_Converter_Begin_Comment\nb = 2\nKVX_Converter_End_Comment\nc = 3\n"),
            "a = 1\nc = 3\n");
}

TEST_F(CommentBlocks, MacroBlocksStayForTheMacroPass) {
  EXPECT_EQ(Strip("Macro Twice(x)\n  x*2\nEndMacro\ny = Twice(3)\n"),
            "Macro Twice(x)\nx*2\nEndMacro\ny = Twice(3)\n");
}

TEST_F(CommentBlocks, CarriageReturnsAreNotTrimmed) {
  EXPECT_EQ(Strip("x = 1\r\n\r\ny = 2\r\n"), "x = 1\r\n\r\ny = 2\r\n");
}

TEST_F(CommentBlocks, OnlySpacesAreTrimmed) {
  EXPECT_EQ(Strip("   a = 1   \n\tb = 2\t\n \t \n"), "a = 1\n\tb = 2\t\n\t\n");
}

TEST_F(CommentBlocks, TextAfterTheLastLineEndIsDropped) {
  EXPECT_EQ(Strip("no line end"), "");
  EXPECT_EQ(Strip(""), "");
  EXPECT_EQ(Strip("a\nb"), "a\n");
}

TEST_F(CommentBlocks, UnterminatedBlockSwallowsTheRest) {
  EXPECT_EQ(Strip("a = 1\nKVX_Converter_Begin_Comment\nb = 2\nc = 3\n"), "a = 1\n");
}

TEST_F(CommentBlocks, DirectiveCaseAndBlanksDoNotMatter) {
  EXPECT_EQ(Strip("kvx_CONVERTER_begin_comment\nb\nKVX_Converter_ End_Comment\nc\n"), "c\n");
  EXPECT_EQ(Strip("KVX_Converter_ Begin_Comment\nb\n\tkvx_converter_end_COMMENT ; done\nc\n"), "c\n");
}


TEST_F(CommentBlocks, DirectiveInACommentIsNotRecognised) {
  EXPECT_EQ(Strip("; KVX_Converter_Begin_Comment\nb\n"), "; KVX_Converter_Begin_Comment\nb\n");
}

TEST_F(CommentBlocks, BlocksDoNotNest) {
  // the first end closes the block; the second only removes itself
  EXPECT_EQ(Strip("KVX_Converter_Begin_Comment\nKVX_Converter_Begin_Comment\nx\n"
                  "KVX_Converter_End_Comment\ny\nKVX_Converter_End_Comment\nz\n"),
            "y\nz\n");
}

TEST_F(CommentBlocks, EndLineOutsideABlockOnlyRemovesItself) {
  EXPECT_EQ(Strip("a\nKVX_Converter_End_Comment\nb\n"), "a\nb\n");
}

}  // namespace
}  // namespace korvex::passes
