// The case-blind searches that let passes skip a text without their words.
#include <gtest/gtest.h>

#include <string>

#include "common/text.h"

namespace korvex {
namespace {

TEST(TextSearch, CaseBlindWordsAnywhere) {
  struct Case {
    const char* text;
    const char* word;
    bool found;
  };
  const Case cases[] = {
      {"x = 1\nXIncludeFile \"a.pbi\"\n", "includefile", true},
      {"INCLUDEFILE", "includefile", true},           // the whole text
      {"a\nincludefil", "includefile", false},         // cut at the end
      {"includ efile", "includefile", false},
      {"KVX_Converter_End_Raw", "kvx_converter_", true},
      {"", "macro", false},
      {"abc", "", true},
      {"eeeeeeeeeeeeeeMacrO", "macro", true},          // after a run the skip table passes over
  };
  for (const Case& c : cases) EXPECT_EQ(ContainsNoCase(c.text, c.word), c.found) << c.text << " / " << c.word;
  EXPECT_TRUE(ContainsAnyNoCase("If #PB_OS_Web", {"macro", "pb_os_"}));
  EXPECT_FALSE(ContainsAnyNoCase("If a : EndIf", {"macro", "compiler"}));
}

// The word at every place of a text longer than the searcher's 16-byte
// steps, in mixed case, and a near miss at every place: "_" and "@" fold
// to other bytes when or-ed with 0x20, so they must match as themselves.
TEST(TextSearch, EveryPlaceOfALongText) {
  for (size_t at = 0; at + 14 <= 70; ++at) {
    std::string text(70, '.');
    text.replace(at, 14, "KvX_CoNVERTER_");
    EXPECT_TRUE(ContainsNoCase(text, "kvx_converter_")) << at;
    text[at + 13] = '\x7f';  // '_' | 0x20
    EXPECT_FALSE(ContainsNoCase(text, "kvx_converter_")) << at;
    text[at + 13] = '_';
    text[at] = 'j';
    EXPECT_FALSE(ContainsNoCase(text, "kvx_converter_")) << at;
  }
  EXPECT_FALSE(ContainsNoCase(std::string(40, '`'), "@"));  // '@' | 0x20
}

TEST(TextSearch, PrefixWithoutBlanks) {
  EXPECT_TRUE(StartsWithNoCaseNoBlanks("KVX_Converter_ Begin_Comment ; x", "kvx_converter_begin_comment"));
  EXPECT_TRUE(StartsWithNoCaseNoBlanks("\tData Section", "datasection"));
  EXPECT_FALSE(StartsWithNoCaseNoBlanks("DataSec", "datasection"));
  EXPECT_FALSE(StartsWithNoCaseNoBlanks("EndDataSection", "datasection"));
  // the first byte decides alone only where it is no blank and the prefix starts with a letter
  EXPECT_TRUE(StartsWithNoCaseNoBlanks(" D ataSection", "datasection"));
  EXPECT_TRUE(StartsWithNoCaseNoBlanks("@Label", "@label"));
  EXPECT_FALSE(StartsWithNoCaseNoBlanks("`label", "@label"));  // '@' | 0x20
}

}  // namespace
}  // namespace korvex
