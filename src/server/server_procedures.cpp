// Server procedures: a ProcedureDLL body moves into the CGI program and the
// Not built yet: returns its input.
#include "server/server_procedures.h"

namespace korvex::server {

std::string BuildServerProcedures(RunState& run, const std::string& text) {
  (void)run;
  return text;
}

}  // namespace korvex::server
