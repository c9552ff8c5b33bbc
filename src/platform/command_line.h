// Command lines split into arguments by the Windows rules, so that a command
// line built for CreateProcess starts the same program with the same
// arguments on every system. Pure text work; no system calls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex::platform {

/// The arguments of a command line as the Microsoft C runtime reads them:
/// double quotes group blanks into one argument; 2n backslashes before a
/// quote give n backslashes and a grouping quote, 2n+1 give n and a literal
/// quote; "" inside quotes is a literal quote; other backslashes stay. The
/// program name (the first argument) only toggles quotes and has no escapes.
/// An empty command line gives no arguments.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace korvex::platform
