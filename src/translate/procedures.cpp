// Procedures as JavaScript functions.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

void TranslateProcedures(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
