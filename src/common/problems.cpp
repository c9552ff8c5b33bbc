// Problem lines; see problems.h.
#include "common/problems.h"

namespace korvex {

void ReportProblem(RunState& run, int line, const std::string& text) {
  run.PrintLine("");
  run.PrintLine("Line " + std::to_string(line) + ": " + text, true);
  run.PrintLine("");
}

}  // namespace korvex
