// Text from UTF-8 and UTF-16 files in the system's ANSI code page, through
// the Windows conversions: UTF-8 to UTF-16, then UTF-16 to CP_ACP. With the
// Western page 1252, "Grüße €" in UTF-8 becomes 47 72 FC DF 65 20 80. A
// character the page lacks becomes "?" (no "best fit" look-alike), and so
// does every malformed sequence.
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/windows_win32.h"

namespace korvex::platform {
namespace {

constexpr int kChunk = 1 << 20;  // characters per call, well within int

std::string AnsiFromWide(const wchar_t* text, size_t length) {
  std::string out;
  for (size_t done = 0; done < length;) {
    int count = static_cast<int>(std::min<size_t>(length - done, kChunk));
    // Never end a chunk between the two halves of a surrogate pair.
    if (done + count < length && text[done + count - 1] >= 0xD800 && text[done + count - 1] <= 0xDBFF)
      --count;
    int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text + done, count, nullptr, 0,
                                     "?", nullptr);
    if (needed <= 0) {
      out.append(static_cast<size_t>(count), '?');
    } else {
      size_t at = out.size();
      out.resize(at + static_cast<size_t>(needed));
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text + done, count, out.data() + at,
                          needed, "?", nullptr);
    }
    done += static_cast<size_t>(count);
  }
  return out;
}

// Where a chunk of UTF-8 may end: not inside a character.
size_t Utf8ChunkEnd(std::string_view utf8, size_t start) {
  size_t end = std::min(utf8.size(), start + kChunk);
  size_t back = 0;
  while (end < utf8.size() && back < 3 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
    --end;
    ++back;
  }
  return end;
}

}  // namespace

std::string AnsiFromUtf8(std::string_view utf8) {
  std::wstring wide;
  for (size_t start = 0; start < utf8.size();) {
    size_t end = Utf8ChunkEnd(utf8, start);
    int count = static_cast<int>(end - start);
    int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data() + start, count, nullptr, 0);
    if (needed > 0) {
      size_t at = wide.size();
      wide.resize(at + static_cast<size_t>(needed));
      MultiByteToWideChar(CP_UTF8, 0, utf8.data() + start, count, wide.data() + at, needed);
    }
    start = end;
  }
  return AnsiFromWide(wide.data(), wide.size());
}

// SQLite takes UTF-8 file names: "C:\Users\J\xFCrgen\" (ANSI) is
// "C:\Users\J\xC3\xBCrgen\" for it.
std::string Utf8PathFromAnsi(std::string_view path) {
  if (path.empty() || path.size() > 32768) return std::string(path);  // no Windows path is longer
  int count = static_cast<int>(path.size());
  int wideLength = MultiByteToWideChar(CP_ACP, 0, path.data(), count, nullptr, 0);
  if (wideLength <= 0) return std::string(path);
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), count, wide.data(), wideLength);
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string(path);
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::string AnsiFromUtf16Le(std::string_view bytes) {
  std::wstring wide(bytes.size() / 2, L'\0');
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    wide[i / 2] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
  std::string out = AnsiFromWide(wide.data(), wide.size());
  if (bytes.size() % 2 == 1) out += '?';  // half a code unit at the end
  return out;
}

}  // namespace korvex::platform
