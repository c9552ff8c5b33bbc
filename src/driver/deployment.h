// Deployment: the system folder and included binaries copied into the
// profile's server folder, the JavaScript file and the filled page written.
#pragma once

#include <string>
#include <vector>

#include "common/run_state.h"

namespace korvex::driver {

/// Appends the full path of every file below folder, depth first, in the
/// order the folder lists its entries. An unreadable folder adds nothing.
void CollectFiles(RunState& run, const std::string& folder, std::vector<std::string>& files);
/// Copies every file below SystemDir to the same relative path in the server
/// folder, then every included binary from beside the source.
void CopySystemFolder(RunState& run);
/// The page template with its four placeholders filled from ActiveSettings.
std::string FillPage(const Settings& settings, const std::string& page);
/// Copies (unless DoNotCopy), prints "Ready :-)", writes the script and page.
void Deploy(RunState& run, const std::string& script);

}  // namespace korvex::driver
