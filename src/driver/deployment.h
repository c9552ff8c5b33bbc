// Deployment: the system folder and included binaries copied into the
// profile's server folder, the JavaScript file and the filled page written.
#pragma once

#include <string>

#include "driver/run_state.h"

namespace korvex::driver {

/// Copies (unless DoNotCopy), prints "Ready :-)", writes the script and page.
void Deploy(RunState& run, const std::string& script);

}  // namespace korvex::driver
