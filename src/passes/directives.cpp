// Converter directives and raw blocks. Not built yet.
#include "passes/directives.h"

#include "scanner/source_scanner.h"

namespace korvex::passes {

void ScanDirectives(RunState& run, const std::string& text) {
  (void)run;
  (void)text;
}

std::string UncommentRawBlocks(RunState& run, const std::string& text) {
  (void)run;
  return text;
}

std::string CommentDirectives(RunState& run, const std::string& text) {
  TokenizeText(run.Tokens, text);
  return text;
}

}  // namespace korvex::passes
