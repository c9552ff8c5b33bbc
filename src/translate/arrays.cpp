// Dim declarations and array subscripts.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

void TranslateDim(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
