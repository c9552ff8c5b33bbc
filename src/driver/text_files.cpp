// ReadTextFile and WriteTextFile.
#include "driver/text_files.h"

#include <string_view>

#include "common/text.h"

namespace korvex {

std::string ReadTextFile(RunState& run, const std::string& path) {
  if (run.platform.FileSize(path) <= 0) return "";
  std::string bytes;
  if (!run.platform.ReadFile(path, bytes)) return "";
  std::string_view view(bytes);
  if (StartsWith(view, "\xEF\xBB\xBF")) return platform::AnsiFromUtf8(view.substr(3));
  if (StartsWith(view, "\xFF\xFE")) return platform::AnsiFromUtf16Le(view.substr(2));
  return bytes;
}

void WriteTextFile(RunState& run, const std::string& text, const std::string& path) {
  run.platform.WriteFile(path, text);
}

}  // namespace korvex
