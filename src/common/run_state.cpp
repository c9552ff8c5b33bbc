// RunState::PrintLine, the program's one console output.
#include "common/run_state.h"

namespace korvex {

void RunState::PrintLine(const std::string& text, bool isError) {
  platform.ConsoleWrite(text + "\r\n");
  if (isError) PauseAtExit = 1;
}

}  // namespace korvex
