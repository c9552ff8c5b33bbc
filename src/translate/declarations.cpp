// Declarations: the typed-declaration check and Static.
// Not built yet: leaves the token list as it is.
#include "translate/construct_passes.h"

namespace korvex::translate {

int CheckDeclarations(RunState& run) {
  (void)run;
  return 1;
}

void TranslateStatic(RunState& run) {
  (void)run;
}

}  // namespace korvex::translate
