// Conditionals: Select blocks and If blocks.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

void TranslateSelect(RunState& run) {
  (void)run;
}

void TranslateIf(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
