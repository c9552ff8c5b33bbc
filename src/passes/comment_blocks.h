// Comment blocks: removes KVX_Converter_Begin_Comment ... End_Comment
// blocks, trims spaces and drops empty lines.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex::passes {

std::string StripBlocks(RunState& run, const std::string& text);

}  // namespace korvex::passes
