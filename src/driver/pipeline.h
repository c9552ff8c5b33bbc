// The pass pipeline: the fixed order in which the source text travels
// through the passes, and what the driver does with each result.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/run_state.h"

namespace korvex::driver {

/// What the driver does after a step.
enum class AfterStep {
  GoOn,
  StopIfEmpty,           // an empty result ends the run
  StopIfEmptyAndPause,   // ... and asks for Return at the end
};

struct PassStep {
  const char* Name;
  // The text is handed over: a pass that takes it by value may let it go
  // once it has what it needs from it.
  std::function<std::string(RunState&, std::string)> Run;
  AfterStep Check = AfterStep::GoOn;
};

/// The steps from the debugger line to the clean-up, in order. Step 1 (the
/// read of the source) comes before them.
std::vector<PassStep> StandardPasses();

/// Runs the steps over the text; returns the final text, or "" when a step
/// ended the run.
std::string RunPasses(RunState& run, std::string text, const std::vector<PassStep>& steps);

/// Wraps the JavaScript in the jQuery start-up function, as one async
/// function that the runtime runs (cCommon.KVX_Main).
std::string WrapScript(const std::string& text);

}  // namespace korvex::driver
