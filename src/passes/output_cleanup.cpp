// Output clean-up. Not built yet: joins the tokens with spaces.
#include "passes/output_cleanup.h"

namespace korvex::passes {

std::string CleanUpOutput(RunState& run, const std::string& ignored) {
  (void)ignored;
  std::string out;
  for (const Token& t : run.Tokens) out += t.Text + " ";
  return out;
}

std::string DecodeEntities(const std::string& text) { return text; }

}  // namespace korvex::passes
