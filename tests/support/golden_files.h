// Running one golden case through the pass pipeline in memory.
#pragma once

#include <filesystem>
#include <string>

namespace korvex::testing {

struct GoldenRun {
  std::string script;        // the wrapped JavaScript, "" when the run ended
  std::string consoleLines;  // what the passes printed, lines joined by "\n"
  std::string tempCgi;       // the CGI source written beside input.pb, "" when none
};

std::string ReadBytes(const std::filesystem::path& path);
/// Runs the passes from the debugger line to the clean-up over the case's
/// input.pb with the settings of its settings.txt; profile selection is
/// replaced by those settings.
GoldenRun ConvertGoldenCase(const std::filesystem::path& dir);
/// The same for a text given directly, as a file /src/input.pb.
GoldenRun ConvertText(const std::string& source);

}  // namespace korvex::testing
