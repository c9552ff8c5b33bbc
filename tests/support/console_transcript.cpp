#include "support/console_transcript.h"

#include <chrono>
#include <thread>

#include "support/golden_files.h"

namespace korvex::testing {

Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Lines ConsoleLines(const std::string& output) {
  Lines lines;
  size_t start = 0;
  for (size_t end; (end = output.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(output.substr(start, end - start));
  if (start < output.size()) lines.push_back(output.substr(start));
  return lines;
}

std::string AwaitFile(const std::filesystem::path& path) {
  for (int i = 0; i < 500; ++i) {
    if (std::filesystem::exists(path)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));  // let the writer finish
      return ReadBytes(path);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return "";
}

}  // namespace korvex::testing
