// Debug output: debugger keywords and the Debug statement.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

void TranslateDebuggerKeywords(RunState& run) {
  (void)run;
}

void TranslateDebugStatements(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
