// WordCensus: a scanned program's words, token starts and backslash strings,
// as the passes that skip their walk ask for them.
#include <gtest/gtest.h>

#include "scanner/source_scanner.h"

namespace korvex {
namespace {

TEST(WordCensus, KnowsTheScannedTextOnly) {
  TokenList tokens;
  TokenizeText(tokens, "WHILE x < 3 : x + 1 : Wend\r\np = @x ; Swap in a comment\r\nf$ = \"C:\\temp\"\r\n");
  const WordCensus& census = tokens.Census();
  for (const char* seen : {"while", "wend", "x"}) EXPECT_TRUE(census.MayHave(seen)) << seen;
  for (const char* unseen : {"swap", "repeat", "select", "list"}) EXPECT_FALSE(census.MayHave(unseen)) << unseen;
  EXPECT_TRUE(census.HasStart('@'));
  EXPECT_TRUE(census.HasStart(':'));
  EXPECT_FALSE(census.HasStart('~'));
  EXPECT_TRUE(census.HasBackslashString());

  tokens.Add(Token{"Repeat", KindWord});  // written by a pass: not in the census
  EXPECT_FALSE(census.MayHave("repeat"));
  TokenizeText(tokens, "x = ~\"a\\tb\"\n");
  EXPECT_FALSE(census.MayHave("while"));
  EXPECT_TRUE(census.HasStart('~'));
}

}  // namespace
}  // namespace korvex
