// Macros and compiler conditions, decided at conversion time in one walk
// over the lines, in the program's order, as PureBasic's compiler reads
// them: a macro is known from its definition on, a CompilerIf condition
// sees the constants defined above it, and only the branch that holds is
// kept.
//   CompilerIf #PB_Compiler_OS = #PB_OS_Windows / a / CompilerElse / b / CompilerEndIf  ->  b
// The compiler constants (compiler_constants.h) go into the text as their
// values. Runs after include expansion (macros and conditions of included
// files count) and before the data sections (whose values a condition may
// choose) and the server procedures (which it may leave out).
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex::passes {

/// The text with macro definitions removed and their uses expanded, the
/// compiler conditions decided and the compiler constants written in as
/// values. "" after a CompilerError in a branch that holds (it has printed
/// the error).
std::string ExpandMacrosAndConditions(RunState& run, const std::string& text);

}  // namespace korvex::passes
