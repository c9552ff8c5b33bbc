// The sibling tools' common ground: the converter's settings folder, its
// ini files, and questions on the console. Answers are read one line at a
// time from standard input, so the tools work the same from a terminal, from
// the converter (which waits for them) and from a test feeding a pipe.
#pragma once

#include <memory>
#include <string>

#include "driver/ini_file.h"
#include "platform/platform.h"

namespace korvex::tools {

/// The system the tool runs on; nullptr when there is none.
std::unique_ptr<Platform> OpenPlatform(int argc, char** argv);
/// The converter's settings folder, created when missing; ends with the
/// separator.
std::string SettingsFolder(Platform& platform);
/// The file as an ini file; a missing or unreadable file reads as empty and
/// answers false.
bool LoadIni(Platform& platform, const std::string& path, driver::IniFile& ini);
/// Writes the bytes to a new file beside path, then renames it over path, so
/// an interrupted write never leaves a half file behind.
bool ReplaceFile(const std::string& path, const std::string& bytes);

/// Writes a line (UTF-8 text) and flushes.
void Say(const std::string& text);
/// Writes a question without a line end and reads the answer, blanks and
/// tabs around it removed; false at the end of the input.
bool Ask(const std::string& question, std::string& answer);

}  // namespace korvex::tools
