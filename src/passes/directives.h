// Converter directives and raw blocks: the directive scan before
// translation, and the raw-block and directive-comment passes after it.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex::passes {

/// Sets ProfileName (KVX_Converter_SetProfile "name") and DoNotCopy.
void ScanDirectives(RunState& run, const std::string& text);
/// Removes the ";" that hides each JavaScript line of a raw block.
std::string UncommentRawBlocks(RunState& run, const std::string& text);
/// Turns directive words into comments in the run's token list, which the
/// clean-up pass joins; returns the token texts joined.
std::string CommentDirectives(RunState& run, const std::string& text);

}  // namespace korvex::passes
