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
  EXPECT_FALSE(census.MayHaveLabel());  // ":" after "3" and "1" separates

  tokens.Add(Token{"Repeat", KindWord});  // written by a pass: not in the census
  EXPECT_FALSE(census.MayHave("repeat"));
  TokenizeText(tokens, "x = ~\"a\\tb\"\n");
  EXPECT_FALSE(census.MayHave("while"));
  EXPECT_TRUE(census.HasStart('~'));

  // a label's word starts its line, the first one too
  for (const char* text : {"Start: ; go\n", "x = 1\n  Again:\n"}) {
    TokenizeText(tokens, text);
    EXPECT_TRUE(census.MayHaveLabel()) << text;
  }
  TokenizeText(tokens, "If x : y = 1 : EndIf\nDebug a:b\n");
  EXPECT_FALSE(census.MayHaveLabel());
}

}  // namespace
}  // namespace korvex
