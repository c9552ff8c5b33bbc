// Clean-up pass: the join, the line terminators, the IDE option lines, the
// operator repairs, and the decoding of HTML character references.
#include "passes/output_cleanup.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/text.h"
#include "platform/codepage.h"
#include "support/pass_fixture.h"

namespace korvex {
namespace {

using passes::CleanUpOutput;
using passes::DecodeEntities;

class CleanUpOutputTest : public testing::PassFixture {
 protected:
  void Add(const std::string& text, int kind = KindOther) {
    Token t;
    t.Text = text;
    t.Kind = kind;
    run.Tokens.PushBack(t);
  }
  void AddWords(std::initializer_list<const char*> texts) {
    for (const char* s : texts) Add(s, KindWord);
  }
  void AddLineBreak() { Add("\n", KindLineBreak); }
  std::string CleanUp() { return CleanUpOutput(run, "ignored text"); }
  std::string CleanUpText(const std::string& text) {
    Load(text);
    return CleanUp();
  }
};

// --- join -----------------------------------------------------------------

TEST_F(CleanUpOutputTest, StatementLinesGetSemicolonsAndRepairedOperators) {
  AddWords({"x", "=", "5"});
  AddLineBreak();
  AddWords({"y", "+", "=", "1"});
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "x = 5;\ny += 1;\n");
}

TEST_F(CleanUpOutputTest, ParenthesisAfterKeywordIsJoinedAndBraceEndsWithoutSemicolon) {
  AddWords({"if", "(", "a", "=", "=", "b", ")", "{"});
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "if(a == b) {\n");
}

TEST_F(CleanUpOutputTest, CallArgumentsAndMemberAccess) {
  EXPECT_EQ(CleanUpText("foo(a, b)\nx.y = a[1]\n"), "foo(a , b);\nx.y = a[1];\n");
}

TEST_F(CleanUpOutputTest, ClosingParenthesisIsFollowedByASpace) {
  EXPECT_EQ(CleanUpText("f() + g(x)[2]\n"), "f() + g(x)[2];\n");
  run.Tokens.Clear();
  AddWords({"(", "a", ")", "b"});
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "(a) b;\n");
}

TEST_F(CleanUpOutputTest, EmptyTokensStillAddTheirSpace) {
  AddWords({"a", "", "", "b"});
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "a   b;\n");
}

TEST_F(CleanUpOutputTest, CommentIsFollowedByNoSpace) {
  Add("// ; note", KindComment);
  AddLineBreak();
  Add("x", KindWord);
  Add("// ; after", KindComment);
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "// ; note;\nx // ; after;\n");
}

TEST_F(CleanUpOutputTest, TheTextHandedInIsNotRead) {
  EXPECT_EQ(CleanUpOutput(run, "x = 1\n"), "");
}

TEST_F(CleanUpOutputTest, TextAfterTheLastLineBreakIsNotALine) {
  AddWords({"a"});
  AddLineBreak();
  AddWords({"b"});
  EXPECT_EQ(CleanUp(), "a;\n");
}

// --- empty lines and terminators ----------------------------------------------

TEST_F(CleanUpOutputTest, RunsOfEmptyLinesCollapse) {
  AddWords({"a"});
  AddLineBreak();
  AddLineBreak();
  AddLineBreak();
  AddWords({"b"});
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "a;\nb;\n");
}

TEST_F(CleanUpOutputTest, LineOfSpacesSurvivesAsEmptyLine) {
  AddWords({"a"});
  AddLineBreak();
  Add("");
  AddLineBreak();
  AddWords({"b"});
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "a;\n\nb;\n");
}

TEST_F(CleanUpOutputTest, LinesEndingAStatementOrOpeningSomethingGetNoSemicolon) {
  EXPECT_EQ(CleanUpText("a;\nb {\ncase 1:\nc(\n}\n"), "a ;\nb {\ncase 1 :\nc(\n};\n");
}

TEST_F(CleanUpOutputTest, LeadingEmptyLineKeepsOneLineFeed) {
  AddLineBreak();
  AddLineBreak();
  AddWords({"a"});
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "\na;\n");
}

// --- IDE option lines ----------------------------------------------------------

TEST_F(CleanUpOutputTest, IdeOptionLinesAreDroppedWhereverTheyAre) {
  std::string text =
      "x = 1\n"
      "// ; IDE Options = PureBasic 5.20 (Windows - x86)\n"
      "// ; CursorPosition = 3\n"
      "y = 2\n"
      "// ; Folding = -\n"
      "// ; FirstLine = 1\n"
      "// ; EnableXP\n"
      "// ; Form Designer for Purebasic - 1.0\n"
      "// ; Warning: this file uses a strict syntax\n";
  EXPECT_EQ(CleanUpText(text), "x = 1;\ny = 2;\n");
}

TEST_F(CleanUpOutputTest, IdeOptionLinesAreMatchedCaseSensitively) {
  EXPECT_EQ(CleanUpText("// ; ide options = x\n// ; Note\n"), "// ; ide options = x;\n// ; Note;\n");
}

// --- raw blocks ------------------------------------------------------------------

TEST_F(CleanUpOutputTest, RawBlockLinesGetNoSemicolonAndTheEndLineDoes) {
  std::string text =
      "a = 1\n"
      "; KVX_Converter_Begin_Raw\n"
      "var b = 2\n"
      "; KVX_Converter_End_Raw\n"
      "c = 3\n";
  EXPECT_EQ(CleanUpText(text),
            "a = 1;\n; KVX_Converter_Begin_Raw\nvar b = 2\n; KVX_Converter_End_Raw;\nc = 3;\n");
}

TEST_F(CleanUpOutputTest, RawMarkersAreFoundCaseInsensitivelyInsideAnyText) {
  std::string text =
      "s = \"kvx_converter_BEGIN_raw\"\n"
      "x = 1\n"
      "t = \"KVX_CONVERTER_END_RAW\"\n"
      "y = 2\n";
  EXPECT_EQ(CleanUpText(text),
            "s = \"kvx_converter_BEGIN_raw\"\nx = 1\nt = \"KVX_CONVERTER_END_RAW\";\ny = 2;\n");
}

// A block left open at the end is still open when the lines are walked, so
// the lines before its marker get no terminator either.
TEST_F(CleanUpOutputTest, UnclosedRawBlockKeepsItsFlagIntoTheLineWalk) {
  AddWords({"x"});
  AddLineBreak();
  Add("// KVX_Converter_Begin_Raw", KindComment);
  AddLineBreak();
  AddWords({"y"});
  AddLineBreak();
  EXPECT_EQ(CleanUp(), "x\n// KVX_Converter_Begin_Raw\ny\n");
}

// --- repairs --------------------------------------------------------------------

TEST_F(CleanUpOutputTest, SplitOperatorsAreRepaired) {
  EXPECT_EQ(CleanUpText("a = = = b\n"), "a === b;\n");
  run.Tokens.Clear();
  EXPECT_EQ(CleanUpText("a ! = b\nc - = 1\nd | | e\nf & & g\n"),
            "a != b;\nc -= 1;\nd || e;\nf && g;\n");
}

TEST_F(CleanUpOutputTest, DollarJoinsWhatFollows) {
  EXPECT_EQ(CleanUpText("x = $ y\n"), "x = $y;\n");
  run.Tokens.Clear();
  EXPECT_EQ(CleanUpText("$(\"#a\").hide()\n"), "$(\"#a\").hide();\n");
}

TEST_F(CleanUpOutputTest, CommonObjectMembersAndDoubledVar) {
  EXPECT_EQ(CleanUpText("cCommonKVX_DataArray = [1]\nvar var x = 2\n"),
            "cCommon.KVX_DataArray =[1];\nvar x = 2;\n");
}

TEST_F(CleanUpOutputTest, SpacedSlashesBecomeCommentStart) {
  EXPECT_EQ(CleanUpText("x = 1 // ; note\n"), "x = 1 // ; note;\n");
}

TEST_F(CleanUpOutputTest, EntitiesAreDecodedLast) {
  EXPECT_EQ(CleanUpText("a = \"&lt;b&gt;\" + \"&amp;&amp;\"\n"), "a = \"<b>\" + \"&&\";\n");
}

// --- character references --------------------------------------------------------

TEST(DecodeEntitiesTest, NamedMarkupReferences) {
  EXPECT_EQ(DecodeEntities("a &lt; b &amp;&amp; c"), "a < b && c");
  EXPECT_EQ(DecodeEntities("&quot;x&quot; &gt; y"), "\"x\" > y");
}

TEST(DecodeEntitiesTest, AmpersandIsDecodedBeforeTheOthers) {
  EXPECT_EQ(DecodeEntities("&amp;lt;"), "<");
  EXPECT_EQ(DecodeEntities("&amp;eacute;"), "é");
}

TEST(DecodeEntitiesTest, Latin1NamesGiveTheirCharactersInUtf8) {
  EXPECT_EQ(DecodeEntities("&nbsp;&sect;&copy;&shy;&para;&iquest;"), "\u00A0§©\u00AD¶¿");
  EXPECT_EQ(DecodeEntities("&Agrave;&Auml;&ETH;&times;&szlig;"), "ÀÄÐ×ß");
  EXPECT_EQ(DecodeEntities("&eacute;&eth;&divide;&thorn;&yuml;"), "éð÷þÿ");
}

TEST(DecodeEntitiesTest, NamesAreCaseSensitive) {
  EXPECT_EQ(DecodeEntities("&Eacute;&eacute;&AMP;"), "Éé&AMP;");
}

TEST(DecodeEntitiesTest, OnlyTheFirstNumericReferenceAndItsRepeats) {
  EXPECT_EQ(DecodeEntities("&#65;&#66;"), "A&#66;");
  EXPECT_EQ(DecodeEntities("&#65;x&#65;"), "AxA");
  EXPECT_EQ(DecodeEntities("&#233;"), "é");  // the low 8 bits, as a character
}

TEST(DecodeEntitiesTest, NumericReferenceTakesTheLowEightBits) {
  EXPECT_EQ(DecodeEntities("&#300;"), ",");
  EXPECT_EQ(DecodeEntities("&#065;"), "A");
  // 10^32 - 1 leaves 255 modulo 256
  EXPECT_EQ(DecodeEntities("&#" + std::string(32, '9') + ";"), "ÿ");
}

TEST(DecodeEntitiesTest, NumericReferenceMadeByANamedOneIsDecoded) {
  EXPECT_EQ(DecodeEntities("&amp;#65;"), "A");
}

TEST(DecodeEntitiesTest, NumericReferencesThatAreNotDecimalStay) {
  EXPECT_EQ(DecodeEntities("&#x41;"), "&#x41;");
  EXPECT_EQ(DecodeEntities("&#;"), "&#;");
  EXPECT_EQ(DecodeEntities("&#65"), "&#65");
  EXPECT_EQ(DecodeEntities("a &# 1; &#66;"), "a &# 1; &#66;");
}

TEST(DecodeEntitiesTest, TextWithoutReferencesIsUnchanged) {
  EXPECT_EQ(DecodeEntities("if (a && b) { x = \"&\"; }"), "if (a && b) { x = \"&\"; }");
  EXPECT_EQ(DecodeEntities(""), "");
}

// The references replaced one table entry after the other, for texts made
// of the fragments below, which can only form these four names.
std::string DecodeOneByOne(std::string text) {
  text = ReplaceAll(text, "&quot;", "\"");
  text = ReplaceAll(text, "&amp;", "&");
  text = ReplaceAll(text, "&lt;", "<");
  text = ReplaceAll(text, "&eacute;", "é");
  size_t start = text.find("&#");
  size_t end = start == std::string::npos ? start : text.find(';', start);
  if (end == std::string::npos) return text;
  std::string digits = text.substr(start + 2, end - start - 2);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return text;
  unsigned code = 0;
  for (char d : digits) code = (code * 10 + static_cast<unsigned>(d - '0')) % 256;
  std::string character;
  platform::AppendUtf8(code, character);
  return ReplaceAll(text, "&#" + digits + ";", character);
}

TEST(DecodeEntitiesTest, SameAsReplacingEachEntryInTurn) {
  const char* fragments[] = {"&", ";", "amp", "lt", "quot", "eacute", "#", "65", "x", " "};
  std::mt19937 random(7);
  for (int n = 0; n < 3000; ++n) {
    std::string text;
    for (int k = random() % 12; k > 0; --k) text += fragments[random() % 10];
    ASSERT_EQ(DecodeEntities(text), DecodeOneByOne(text)) << "text: " << text;
  }
}

}  // namespace
}  // namespace korvex
