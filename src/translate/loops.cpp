// Loops: For/Next, While/Wend, Repeat/Until/ForEver.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

void TranslateFor(RunState& run) {
  (void)run;
}

void TranslateWhile(RunState& run) {
  (void)run;
}

void TranslateRepeat(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
