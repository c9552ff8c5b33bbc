// The case-blind searches that let passes skip a text without their words.
#include <gtest/gtest.h>

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

TEST(TextSearch, PrefixWithoutBlanks) {
  EXPECT_TRUE(StartsWithNoCaseNoBlanks("KVX_Converter_ Begin_Comment ; x", "kvx_converter_begin_comment"));
  EXPECT_TRUE(StartsWithNoCaseNoBlanks("\tData Section", "datasection"));
  EXPECT_FALSE(StartsWithNoCaseNoBlanks("DataSec", "datasection"));
  EXPECT_FALSE(StartsWithNoCaseNoBlanks("EndDataSection", "datasection"));
}

}  // namespace
}  // namespace korvex
