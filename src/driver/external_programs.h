// Other programs: the one start operation, the syntax check by PBCompiler,
// and the IDE editor's text saved to a temporary source.
#pragma once

#include <memory>
#include <string>

#include "driver/run_state.h"

namespace korvex::driver {

struct StartFlags {
  bool Wait = false;
  bool Open = false;
  bool Read = false;
};

/// Builds the command line (the program string quoted unless it starts with
/// a quote, then a blank and the parameters) and starts it. When the process
/// cannot be created and nothing is to be read, the program string goes to
/// the shell. Returns the child when Read is set, else nullptr.
std::unique_ptr<ChildProcess> StartProgram(RunState& run, const std::string& program,
                                           const std::string& parameters,
                                           const std::string& workingFolder, StartFlags flags,
                                           bool* started = nullptr);
/// Runs "/CHECK" on the source, echoing the compiler's lines; 1 when valid.
int SyntaxCheck(RunState& run);
/// Saves the IDE editor's text to the temporary folder; the path, or "".
std::string EditorTextToTempFile(RunState& run);

}  // namespace korvex::driver
