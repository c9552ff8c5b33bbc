// Enumeration blocks and the "#" of user constants.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

void TranslateEnumerations(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
