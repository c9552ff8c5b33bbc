// Problems a pass finds in a program it still converts: a Goto to a label
// that does not exist, a macro that calls itself, an unclosed CompilerIf.
// Each is one error line on the console, framed by empty lines, with the
// line of the converted text it concerns; the conversion goes on.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex {

/// Prints "", "Line <line>: <text>" as an error, and "".
void ReportProblem(RunState& run, int line, const std::string& text);

}  // namespace korvex
