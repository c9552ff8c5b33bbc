// The compiler constants of a converted program: it runs in a web page,
// and its constants say so. #PB_Compiler_OS is #PB_OS_Web (5), none of
// Windows (1), Linux (2) or macOS (4), so that code for a desktop system
// falls into CompilerElse; the processor is x64, the backend C, the version
// 6.10 (610), strings are Unicode; #PB_Compiler_Debugger follows the IDE's
// debugger setting. The README's table lists these values.
#pragma once

#include <optional>
#include <string>

#include "common/constant_expressions.h"
#include "common/run_state.h"

namespace korvex::passes {

/// The value of a compiler constant ("pb_compiler_os", lower-cased, without
/// "#") for this run, or nothing when it is none. The constants that depend
/// on where they stand (#PB_Compiler_Line, _Procedure) are the walk's.
std::optional<ConstantValue> CompilerConstant(RunState& run, const std::string& name);

}  // namespace korvex::passes
