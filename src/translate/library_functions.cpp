// Library functions, constants and Read/Restore from framework.db.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

void TranslateLibraryFunctions(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
