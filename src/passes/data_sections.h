// Data sections: Data values become one runtime array with a variable per
// label; DataSection blocks are removed and IncludeBinary files collected.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex::passes {

std::string CollectData(RunState& run, const std::string& text);
std::string StripDataSections(RunState& run, const std::string& text);

}  // namespace korvex::passes
