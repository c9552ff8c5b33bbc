// ReadTextFile and WriteTextFile. Texts are UTF-8 inside the converter:
// a file is read into UTF-8 by its mark, or without one as UTF-8 when it is
// valid UTF-8 and as Windows-1252 otherwise; it is written as it is.
#include "driver/text_files.h"

#include "platform/codepage.h"

namespace korvex {

std::string ReadTextFile(RunState& run, const std::string& path) {
  if (run.platform.FileSize(path) <= 0) return "";
  std::string bytes;
  if (!run.platform.ReadFile(path, bytes)) return "";
  return platform::Utf8FromFileBytes(bytes);
}

void WriteTextFile(RunState& run, const std::string& text, const std::string& path) {
  run.platform.WriteFile(path, text);
}

}  // namespace korvex
