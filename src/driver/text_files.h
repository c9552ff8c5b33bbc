// Whole-file text reading and writing as every pass does it.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex {

/// The file's text in UTF-8; "" when it is empty, missing or unreadable.
/// A UTF-8 or UTF-16 LE mark decides the encoding and is dropped; a file
/// without one is UTF-8 when its bytes are valid UTF-8, else Windows-1252.
/// Line ends are kept.
std::string ReadTextFile(RunState& run, const std::string& path);
/// Creates or truncates the file and writes the bytes as they are (UTF-8,
/// no mark).
void WriteTextFile(RunState& run, const std::string& text, const std::string& path);

}  // namespace korvex
