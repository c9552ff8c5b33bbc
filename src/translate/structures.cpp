// Structure blocks as JavaScript classes.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

int TranslateStructures(RunState& run) {
  (void)run;
  return 1;
}

}  // namespace korvex::translate
