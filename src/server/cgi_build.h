// CGI program build: the server code of the ProcedureDLL procedures and the
// request dispatcher go into the CGI template, and PBCompiler builds it into
// the profile's CGI executable.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex::server {

/// Whether the conversion goes on after the build.
enum class CgiBuild { Continue, Stop };

/// The marker lines of system/CGI/cgitemplate.pb (ORDER CGI-MARKERS: the
/// template carries the same two lines).
inline constexpr const char* kServerCodeMarker = "; ### Korvex ServerCode ###";
inline constexpr const char* kRequestSelectMarker = "; ### Korvex RequestSelect ###";

/// Fills the template, writes "tempcgi.pb" beside the source, removes the
/// old executable and compiles the new one. Stops only when the profile
/// lacks the CGI file name or address; a missing template, a failed or
/// impossible build are reported and the conversion goes on.
CgiBuild BuildCgiProgram(RunState& run, const std::string& serverCode);

}  // namespace korvex::server
