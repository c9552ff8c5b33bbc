// Include expansion: each IncludeFile / XIncludeFile line is replaced by the
// text of the named file, one level deep.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex::passes {

std::string ExpandIncludes(RunState& run, const std::string& text);

}  // namespace korvex::passes
