// UTF-8, UTF-16 LE and Windows-1252; see codepage.h.
// "\xFF\xFE" "G\0r\0\xFC\0" (UTF-16 LE with its mark)  ->  "Gr\xC3\xBC".
#include "platform/codepage.h"

namespace korvex::platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The characters of the bytes 0x80 to 0x9F; the five unused bytes keep
// their own value.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// One Windows-1252 byte for c, or "?".
char Windows1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

// The length of the well-formed sequence at s[i], 0 when it is malformed
// (then bad is how many of its bytes had a valid start, at least 1).
size_t SequenceAt(std::string_view s, size_t i, size_t& bad) {
  unsigned char lead = static_cast<unsigned char>(s[i]);
  size_t length = SequenceLength(lead);
  bad = 1;
  if (length <= 1) return length;
  unsigned char low, high;
  SecondByteRange(lead, low, high);
  for (size_t k = 1; k < length; ++k, ++bad) {
    if (i + k >= s.size()) return 0;
    unsigned char b = static_cast<unsigned char>(s[i + k]);
    if (k == 1 ? (b < low || b > high) : !IsContinuation(b)) return 0;
  }
  return length;
}

}  // namespace

char32_t DecodeUtf8(std::string_view s, size_t& i) {
  size_t bad = 1;
  size_t length = SequenceAt(s, i, bad);
  if (length == 0) {
    i += bad;
    return kReplacement;
  }
  unsigned char lead = static_cast<unsigned char>(s[i]);
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  i += length;
  return c;
}

bool IsValidUtf8(std::string_view s) {
  size_t i = 0, bad = 0;
  while (i < s.size()) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;  // the common case
      continue;
    }
    size_t length = SequenceAt(s, i, bad);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

void AppendUtf8(char32_t c, std::string& out) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Utf8FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char b : bytes) {
    unsigned char byte = static_cast<unsigned char>(b);
    AppendUtf8(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte, out);
  }
  return out;
}

std::string Windows1252FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) out += Windows1252Byte(DecodeUtf8(utf8, i));
  return out;
}

std::string Utf8FromUtf16Le(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
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
    AppendUtf8(c, out);  // a lone surrogate becomes U+FFFD there
  }
  if (i < bytes.size()) AppendUtf8(kReplacement, out);  // half a code unit at the end
  return out;
}

std::string Utf8FromFileBytes(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return Utf8FromUtf16Le(bytes.substr(2));
  return Utf8FromUnknownText(bytes);
}

std::string Utf8FromUnknownText(std::string_view text) {
  return IsValidUtf8(text) ? std::string(text) : Utf8FromWindows1252(text);
}

}  // namespace korvex::platform
