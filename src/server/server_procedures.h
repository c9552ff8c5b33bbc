// Server procedures: a ProcedureDLL body moves into the CGI program and the
// browser keeps an AJAX stub in its place.
#pragma once

#include <string>

#include "driver/run_state.h"

namespace korvex::server {

std::string BuildServerProcedures(RunState& run, const std::string& text);

}  // namespace korvex::server
