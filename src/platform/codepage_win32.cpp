// UTF-8 and the UTF-16 of the Windows "W" functions. The converter's texts
// are UTF-8; every path, environment value, command line and console line
// crosses to Windows through these two, so "C:\Users\J\xC3\xBCrgen\" is
// L"C:\\Users\\J\u00FCrgen\\" there and a name outside every ANSI page
// (L"\u65E5\u672C.pb") is read and shown as it is.
#include "platform/codepage.h"
#include "platform/platform_win32.h"

namespace korvex::platform {

std::wstring WideFromUtf8(std::string_view utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = DecodeUtf8(utf8, i);
    if (c >= 0x10000) {
      c -= 0x10000;
      wide += static_cast<wchar_t>(0xD800 + (c >> 10));
      wide += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
    } else {
      wide += static_cast<wchar_t>(c);
    }
  }
  return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
  std::string utf8;
  utf8.reserve(wide.size() + wide.size() / 2);
  for (size_t i = 0; i < wide.size(); ++i) {
    char32_t c = static_cast<char16_t>(wide[i]);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size()) {
      char32_t next = static_cast<char16_t>(wide[i + 1]);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
        ++i;
      }
    }
    AppendUtf8(c, utf8);  // a lone surrogate becomes U+FFFD
  }
  return utf8;
}

}  // namespace korvex::platform
