// Whole-file text reading and writing as every pass does it.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex {

/// The file's text; "" when it is empty, missing or unreadable. UTF-8 and
/// UTF-16 LE files (with their mark) come back in the ANSI code page without
/// the mark; other files byte for byte. Line ends are kept.
std::string ReadTextFile(RunState& run, const std::string& path);
/// Creates or truncates the file and writes the bytes as they are.
void WriteTextFile(RunState& run, const std::string& text, const std::string& path);

}  // namespace korvex
