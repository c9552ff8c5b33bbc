// Comment blocks: drops the lines from KVX_Converter_Begin_Comment to
// KVX_Converter_End_Comment, trims spaces from every line and drops empty
// lines.
// "a = 1\nKVX_Converter_Begin_Comment\nb\nKVX_Converter_End_Comment\n"
// gives "a = 1\n". Macro blocks stay: the macro pass expands them.
// Runs first in the pipeline and again right after include expansion.
#include "passes/comment_blocks.h"

#include <string_view>

#include "common/text.h"

namespace korvex::passes {
namespace {

enum class BlockLine { Plain, Opens, Closes };

// The tests are prefix tests on the blank-free, lower-cased line, so
// "KVX_Converter_ Begin_Comment" opens a block.
BlockLine ClassifyLine(std::string_view trimmed) {
  if (StartsWithNoCaseNoBlanks(trimmed, "kvx_converter_begin_comment")) return BlockLine::Opens;
  if (StartsWithNoCaseNoBlanks(trimmed, "kvx_converter_end_comment")) return BlockLine::Closes;
  return BlockLine::Plain;
}

}  // namespace

std::string StripBlocks(RunState& run, const std::string& text) {
  (void)run;
  std::string result;
  result.reserve(text.size());
  bool inBlock = false;  // blocks do not nest: a flag, not a depth
  for (std::string_view line : SplitLines(text)) {
    // only spaces are trimmed: tabs and "\r" stay
    std::string_view trimmed = TrimSpacesView(line);
    switch (ClassifyLine(trimmed)) {
      case BlockLine::Opens: inBlock = true; continue;
      case BlockLine::Closes: inBlock = false; continue;
      case BlockLine::Plain: break;
    }
    if (trimmed.empty() || inBlock) continue;
    result += trimmed;
    result += '\n';
  }
  return result;
}

}  // namespace korvex::passes
