// What the tests of the built Korvex compare: its console output as lines,
// the banner and the closing pause it prints, and files that a child it
// started without waiting writes some time later.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace korvex::testing {

using Lines = std::vector<std::string>;

inline const Lines kBanner = {"Korvex V2014-01-12", "------------------------"};
inline const Lines kPause = {"", "Press return to exit"};

/// The parts one after the other.
Lines Join(std::initializer_list<Lines> parts);
/// The console output split at "\r\n"; a last piece without one is a line.
Lines ConsoleLines(const std::string& output);
/// Waits up to five seconds for the file; its content, or "" when it never
/// came.
std::string AwaitFile(const std::filesystem::path& path);

}  // namespace korvex::testing
