// Text from UTF-8 and UTF-16 files in the ANSI code page, which is
// Windows-1252 here. "Grüße €" in UTF-8 becomes the bytes
// 47 72 FC DF 65 20 80. Every character the page lacks, every malformed
// sequence and every lone surrogate becomes one "?".
#include <cstdint>

#include "platform/platform.h"

namespace korvex::platform {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// The characters of the bytes 0x80 to 0x9F; 0 marks the five bytes that
// have no character (0x81, 0x8D, 0x8F, 0x90, 0x9D).
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// One character appended as its Windows-1252 byte, or "?".
void AppendAnsi(char32_t c, std::string& out) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
    out += static_cast<char>(c);
    return;
  }
  if (c >= 0x100 && c != kNoCharacter) {
    for (int i = 0; i < 32; ++i) {
      if (kHighControls[i] == c) {
        out += static_cast<char>(0x80 + i);
        return;
      }
    }
  }
  out += '?';  // C1 controls, characters beyond the page, malformed input
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The allowed range of the second byte after a lead byte: this is what rules
// out overlong forms, encoded surrogates and values past U+10FFFF.
void SecondByteRange(unsigned char lead, unsigned char& low, unsigned char& high) {
  low = 0x80;
  high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
}

// Decodes the character at i and moves i past it. A malformed sequence
// yields kNoCharacter and is skipped as far as its valid start goes, so one
// broken sequence gives one "?" and the byte that broke it is read anew.
char32_t DecodeUtf8(std::string_view s, size_t& i) {
  unsigned char lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) return lead;
  int length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (length == 0) return kNoCharacter;
  char32_t c = lead & (0x7F >> length);
  unsigned char low, high;
  SecondByteRange(lead, low, high);
  for (int k = 1; k < length; ++k) {
    if (i >= s.size()) return kNoCharacter;
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (k == 1 ? (b < low || b > high) : !IsContinuation(b)) return kNoCharacter;
    c = (c << 6) | (b & 0x3F);
    ++i;
  }
  return c;
}

}  // namespace

std::string AnsiFromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) AppendAnsi(DecodeUtf8(utf8, i), out);
  return out;
}

std::string AnsiFromUtf16Le(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() / 2 + 1);
  auto unit = [&](size_t at) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[at]) |
                                 static_cast<unsigned char>(bytes[at + 1]) << 8);
  };
  size_t i = 0;
  while (i + 1 < bytes.size()) {
    char32_t c = unit(i);
    i += 2;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < bytes.size()) {
      char32_t next = unit(i);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
        i += 2;
      }
    }
    if (c >= 0xD800 && c <= 0xDFFF) c = kNoCharacter;  // a lone surrogate
    AppendAnsi(c, out);
  }
  if (i < bytes.size()) out += '?';  // half a code unit at the end
  return out;
}

}  // namespace korvex::platform
