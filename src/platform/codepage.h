// Text encodings at the edges of the converter. Inside it every text is
// UTF-8: the program, the paths, the settings and the console lines. Files
// come in as UTF-8 or UTF-16 LE with their mark, as UTF-8 without one, or
// as Windows-1252 (what older editors write); they are read into UTF-8 here.
// "Gr\xFC\xDF" "e" (Windows-1252)  ->  "Gr\xC3\xBC\xC3\x9F" "e".
// Pure text work, the same on every system.
#pragma once

#include <string>
#include <string_view>

namespace korvex::platform {

/// True when s is well-formed UTF-8: no stray or missing continuation
/// bytes, no overlong forms, no encoded surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view s);
/// The character starting at s[i], i moved past it. A malformed sequence
/// gives U+FFFD and i moves past as much of it as had a valid start, so the
/// byte that broke it is read anew. Call only with i < s.size().
char32_t DecodeUtf8(std::string_view s, size_t& i);
/// Appends c in UTF-8; surrogates and values past U+10FFFF append U+FFFD.
void AppendUtf8(char32_t c, std::string& out);

/// Windows-1252 bytes as UTF-8. The five bytes the page leaves unused
/// (81, 8D, 8F, 90, 9D) keep their value as a character, as Windows does.
std::string Utf8FromWindows1252(std::string_view bytes);
/// UTF-8 as Windows-1252 for a file that is kept in that page; every
/// character the page lacks becomes one "?".
std::string Windows1252FromUtf8(std::string_view utf8);
/// UTF-16 little-endian bytes (without their mark) as UTF-8; a lone
/// surrogate or half a code unit at the end becomes U+FFFD.
std::string Utf8FromUtf16Le(std::string_view bytes);

/// A text file's bytes as UTF-8, without the mark: a UTF-8 or UTF-16 LE
/// mark decides; without one the bytes are taken as UTF-8 when they are
/// valid UTF-8, else as Windows-1252.
std::string Utf8FromFileBytes(std::string_view bytes);
/// Text of unknown origin (a terminal's answer, a program's output line):
/// kept when it is valid UTF-8, else read as Windows-1252.
std::string Utf8FromUnknownText(std::string_view text);

}  // namespace korvex::platform
