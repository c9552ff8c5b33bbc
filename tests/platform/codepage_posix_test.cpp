// Conversion of UTF-8 and UTF-16 text to Windows-1252.
#include <gtest/gtest.h>

#include "platform/platform.h"

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

TEST(AnsiFromUtf8, AsciiAndLatin1AreKept) {
  EXPECT_EQ(AnsiFromUtf8("Debug \"x\"\r\n"), "Debug \"x\"\r\n");
  EXPECT_EQ(AnsiFromUtf8("Grüße à ÿ"), "Gr\xFC\xDF" "e \xE0 \xFF");
  EXPECT_EQ(AnsiFromUtf8("\xC2\xA0"), "\xA0");  // no-break space
  EXPECT_EQ(AnsiFromUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// The 27 characters of the bytes 0x80 to 0x9F, in byte order.
TEST(AnsiFromUtf8, HighControlRangeMapsAsWindows1252) {
  EXPECT_EQ(AnsiFromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
            "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
            "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
}

TEST(AnsiFromUtf8, UndefinedBytesAndControlsHaveNoCharacter) {
  // U+0081, U+008D, U+008F, U+0090, U+009D and the C1 control U+0080.
  EXPECT_EQ(AnsiFromUtf8("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xC2\x80"), "??????");
}

TEST(AnsiFromUtf8, CharactersOutsideThePageBecomeOneQuestionMarkEach) {
  EXPECT_EQ(AnsiFromUtf8("a\xC4\x80" "b"), "a?b");          // U+0100
  EXPECT_EQ(AnsiFromUtf8("\xD0\x96\xE4\xB8\xAD"), "??");     // Cyrillic, CJK
  EXPECT_EQ(AnsiFromUtf8("x\xF0\x9F\x98\x80y"), "x?y");     // U+1F600, four bytes
}

TEST(AnsiFromUtf8, MalformedSequencesBecomeQuestionMarks) {
  EXPECT_EQ(AnsiFromUtf8("a\x80" "b"), "a?b");               // lone continuation byte
  EXPECT_EQ(AnsiFromUtf8("\xC3"), "?");                      // cut off at the end
  EXPECT_EQ(AnsiFromUtf8("\xE2\x82"), "?");                  // cut-off three-byte form
  EXPECT_EQ(AnsiFromUtf8("\xE2\x82x"), "?x");                // broken by an ASCII byte
  EXPECT_EQ(AnsiFromUtf8("\xC3\xC3\xA9"), "?\xE9");          // broken by a new lead byte
  EXPECT_EQ(AnsiFromUtf8("\xC0\xAF"), "??");                 // overlong "/"
  EXPECT_EQ(AnsiFromUtf8("\xE0\x80\xAF"), "???");            // overlong three-byte form
  EXPECT_EQ(AnsiFromUtf8("\xED\xA0\x80"), "???");            // an encoded surrogate
  EXPECT_EQ(AnsiFromUtf8("\xF4\x90\x80\x80"), "????");       // past U+10FFFF
  EXPECT_EQ(AnsiFromUtf8("\xFF\xFE"), "??");
}

TEST(AnsiFromUtf16Le, CharactersOfThePageAreConverted) {
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({'O', 'K', '\r', '\n'})), "OK\r\n");
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({0x00FC, 0x20AC, 0x2122, 0x0178})), "\xFC\x80\x99\x9F");
}

TEST(AnsiFromUtf16Le, MissingCharactersAndSurrogatesBecomeQuestionMarks) {
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({0x0100, 0x0081})), "??");
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({'a', 0xD83D, 0xDE00, 'b'})), "a?b");  // one pair, one character
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({'a', 0xD83D, 'b'})), "a?b");          // lone high surrogate
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({0xDE00, 'b'})), "?b");                // lone low surrogate
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({0xD83D})), "?");                      // high surrogate at the end
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({0xD83D, 0xD83D, 0xDE00})), "??");
}

TEST(AnsiFromUtf16Le, HalfACodeUnitAtTheEndIsAQuestionMark) {
  EXPECT_EQ(AnsiFromUtf16Le(Utf16({'a'}) + "b"), "a?");
  EXPECT_EQ(AnsiFromUtf16Le(""), "");
}

}  // namespace
}  // namespace korvex::platform
