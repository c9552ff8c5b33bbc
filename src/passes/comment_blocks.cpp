// Comment and macro blocks: removes KVX_Converter_Begin_Comment ... End_Comment
// Not built yet: returns its input.
#include "passes/comment_blocks.h"

namespace korvex::passes {

std::string StripBlocks(RunState& run, const std::string& text) {
  (void)run;
  return text;
}

}  // namespace korvex::passes
