// Server procedures: a ProcedureDLL body moves into the CGI program and the
// browser keeps an AJAX stub in its place.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex::server {

/// What a procedure header tells the stub: the name the browser requests
/// and the AJAX data of its parameters ("'name': name, 'age': age").
struct ProcedureHeader {
  std::string RequestName;
  std::string DataList;
};

/// The pass: every ProcedureDLL procedure keeps its header and gets a
/// synchronous AJAX call as its body; header, body and EndProcedure go into
/// the server code, which is built into the CGI program. Every line loses
/// its leading and trailing spaces. "" when the CGI build stops the run.
std::string BuildServerProcedures(RunState& run, const std::string& text);

/// Reads the procedure name and the parameter names of a header line
/// ("ProcedureDLL.s Hello(name.s, age)"); refills the token list.
ProcedureHeader ParseProcedureHeader(RunState& run, const std::string& header);

/// The CGI program's dispatcher: a PureBasic Select over Request with one
/// Case per ProcedureDLL of the server code, in source order; "" when there
/// is none. Refills the token list.
std::string BuildRequestSelect(RunState& run, const std::string& serverCode);

}  // namespace korvex::server
