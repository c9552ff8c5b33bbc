// Test paths written the POSIX way, in the spelling of the system the tests
// run on: "/opt/korvex/"_p stays "/opt/korvex/" on POSIX and is
// "C:\opt\korvex\" on Windows, so one test checks the same behaviour with
// the paths each system's converter builds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvex::testing {

inline std::string NativePath(std::string_view path) {
#ifdef _WIN32
  std::string native = !path.empty() && path[0] == '/' ? "C:" : "";
  for (char c : path) native += c == '/' ? '\\' : c;
  return native;
#else
  return std::string(path);
#endif
}

/// The page's file address for a native folder path ending with a separator:
/// "file:///www/index.html", or "file:///C:/www/index.html" on Windows.
inline std::string FileAddressOf(std::string_view nativeFolder) {
  std::string path(nativeFolder);
  for (char& c : path)
    if (c == '\\') c = '/';
  if (!path.empty() && path[0] == '/') path.erase(0, 1);
  return "file:///" + path + "index.html";
}

inline std::string operator""_p(const char* text, std::size_t length) {
  return NativePath(std::string_view(text, length));
}

}  // namespace korvex::testing
