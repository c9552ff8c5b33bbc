// Maps as cMap objects.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

void TranslateMaps(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
