// External programs. Not built yet.
#include "driver/external_programs.h"

namespace korvex::driver {

std::unique_ptr<ChildProcess> StartProgram(RunState& run, const std::string& program,
                                           const std::string& parameters,
                                           const std::string& workingFolder, StartFlags flags,
                                           bool* started) {
  (void)run, (void)program, (void)parameters, (void)workingFolder, (void)flags;
  if (started) *started = false;
  return nullptr;
}

int SyntaxCheck(RunState& run) {
  (void)run;
  return 1;
}

std::string EditorTextToTempFile(RunState& run) { return run.TempSourceFile; }

}  // namespace korvex::driver
