// Text read into UTF-8: by mark, as UTF-8 when valid, else as Windows-1252;
// and UTF-8 back to Windows-1252 for files kept in that page.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "platform/codepage.h"

namespace korvex::platform {
namespace {

// UTF-16 little-endian bytes of the given code units.
std::string Utf16(std::initializer_list<uint16_t> units) {
  std::string bytes;
  for (uint16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

TEST(IsValidUtf8, WellFormedAndMalformedSequences) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("Größe ≥ 5 €, 日本 😀"));
  EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));            // U+FFFD itself
  EXPECT_FALSE(IsValidUtf8("Gr\xF6\xDF" "e"));         // Windows-1252
  EXPECT_FALSE(IsValidUtf8("a\x80" "b"));              // lone continuation byte
  EXPECT_FALSE(IsValidUtf8("\xC3"));                   // cut off at the end
  EXPECT_FALSE(IsValidUtf8("\xE2\x82x"));              // broken by an ASCII byte
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));               // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));           // overlong three-byte form
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));           // an encoded surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));       // past U+10FFFF
}

TEST(DecodeUtf8, CharactersAndBrokenSequences) {
  struct Case { std::string text; std::vector<char32_t> characters; };
  const Case cases[] = {
      {"a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", {'a', 0xE9, 0x20AC, 0x1F600}},
      {"\xE2\x82x", {0xFFFD, 'x'}},          // the valid start is one replacement
      {"\xC3\xC3\xA9", {0xFFFD, 0xE9}},      // the byte that broke it is read anew
      {"\xC0\xAF", {0xFFFD, 0xFFFD}},
  };
  for (const Case& c : cases) {
    std::vector<char32_t> got;
    for (size_t i = 0; i < c.text.size();) got.push_back(DecodeUtf8(c.text, i));
    EXPECT_EQ(got, c.characters) << c.text;
  }
}

TEST(AppendUtf8, OneToFourBytesAndNoSurrogates) {
  std::string out;
  for (char32_t c : {U'A', U'\u00E9', U'\u20AC', U'\U0001F600'}) AppendUtf8(c, out);
  EXPECT_EQ(out, "Aé€😀");
  out.clear();
  AppendUtf8(0xD800, out);
  AppendUtf8(0x110000, out);
  EXPECT_EQ(out, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Utf8FromWindows1252, EveryByteHasACharacter) {
  EXPECT_EQ(Utf8FromWindows1252("Gr\xFC\xDF" "e \x80 \xA0\xFF"), "Grüße € \u00A0ÿ");
  EXPECT_EQ(Utf8FromWindows1252("\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                                "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"),
            "‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
  // the five unused bytes keep their value, as Windows maps them
  EXPECT_EQ(Utf8FromWindows1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(Utf8FromWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252FromUtf8, CharactersOfThePageAndQuestionMarks) {
  EXPECT_EQ(Windows1252FromUtf8("Grüße € ™ Ÿ"), "Gr\xFC\xDF" "e \x80 \x99 \x9F");
  EXPECT_EQ(Windows1252FromUtf8("a\xC4\x80" "b 日本 😀"), "a?b ?? ?");
  EXPECT_EQ(Windows1252FromUtf8("\xE2\x82x"), "?x");
}

TEST(Utf8FromUtf16Le, PairsSurrogatesAndHalfUnits) {
  EXPECT_EQ(Utf8FromUtf16Le(Utf16({'O', 'K', '\r', '\n'})), "OK\r\n");
  EXPECT_EQ(Utf8FromUtf16Le(Utf16({0x00FC, 0x20AC, 0x65E5, 0x2265})), "ü€日≥");
  EXPECT_EQ(Utf8FromUtf16Le(Utf16({'a', 0xD83D, 0xDE00, 'b'})), "a😀b");
  EXPECT_EQ(Utf8FromUtf16Le(Utf16({'a', 0xD83D, 'b'})), "a\uFFFDb");     // lone high surrogate
  EXPECT_EQ(Utf8FromUtf16Le(Utf16({0xDE00})), "\uFFFD");                 // lone low surrogate
  EXPECT_EQ(Utf8FromUtf16Le(Utf16({'a'}) + "b"), "a\uFFFD");             // half a unit at the end
  EXPECT_EQ(Utf8FromUtf16Le(""), "");
}

TEST(Utf8FromFileBytes, MarkThenValidUtf8ThenWindows1252) {
  EXPECT_EQ(Utf8FromFileBytes("\xEF\xBB\xBFx = \"\xE2\x89\xA5\""), "x = \"≥\"");
  EXPECT_EQ(Utf8FromFileBytes("\xFF\xFE" + Utf16({0x00E9, 0x65E5})), "é日");
  EXPECT_EQ(Utf8FromFileBytes("s = \"日本\"\r\n"), "s = \"日本\"\r\n");
  EXPECT_EQ(Utf8FromFileBytes("s = \"Gr\xF6\xDF" "e\"\r\n"), "s = \"Größe\"\r\n");
  // a mark-like start that is no mark: invalid UTF-8, so Windows-1252
  EXPECT_EQ(Utf8FromFileBytes("\xEF\xBB"), "ï»");
  EXPECT_EQ(Utf8FromFileBytes(""), "");
}

TEST(Utf8FromUnknownText, KeptWhenUtf8) {
  EXPECT_EQ(Utf8FromUnknownText("Jürgen"), "Jürgen");
  EXPECT_EQ(Utf8FromUnknownText("J\xFCrgen"), "Jürgen");
}

}  // namespace
}  // namespace korvex::platform
