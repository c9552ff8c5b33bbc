// Data sections: Data values become one runtime array with a variable per
// label. Not built yet: returns its input.
#include "passes/data_sections.h"

namespace korvex::passes {

std::string CollectData(RunState& run, const std::string& text) {
  (void)run;
  return text;
}

std::string StripDataSections(RunState& run, const std::string& text) {
  (void)run;
  return text;
}

}  // namespace korvex::passes
