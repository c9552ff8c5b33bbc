// Macros and compiler conditions, decided at conversion time in one walk
// over the lines, in the program's order, as PureBasic's compiler reads
// them: a macro is known from its definition on, a CompilerIf condition
// sees the constants defined above it, and only the branch that holds is
// kept.
//   CompilerIf #PB_Compiler_OS = #PB_OS_Windows / a / CompilerElse / b / CompilerEndIf  ->  b
// The converted program runs in a web page, and its compiler constants say
// so: #PB_Compiler_OS is #PB_OS_Web (5), none of Windows (1), Linux (2) or
// macOS (4); see CompilerConstant. Runs after include expansion (macros and
// conditions of included files count) and before the data sections (whose
// values a condition may choose).
#pragma once

#include <optional>
#include <string>

#include "common/constant_expressions.h"
#include "common/run_state.h"

namespace korvex::passes {

/// The text with macro definitions removed and their uses expanded, the
/// compiler conditions decided and the compiler constants written in as
/// values. "" after a CompilerError in a branch that holds (it has printed
/// the error).
std::string ExpandMacrosAndConditions(RunState& run, const std::string& text);

/// The value of a compiler constant ("pb_compiler_os", lower-cased, without
/// "#") for this run, or nothing when it is none.
std::optional<ConstantValue> CompilerConstant(RunState& run, const std::string& name);

}  // namespace korvex::passes
