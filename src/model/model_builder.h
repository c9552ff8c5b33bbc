// Building the program model from the token list of the whole program, one
// statement (one line, ":" being a line break already) at a time.
//   "Global total" in the main code, "Shared a" and "Protected i" in a
//   procedure, "x.d = 1" as a first use: each name gets its symbol, its
//   scope and its type, and each token naming it the symbol in Token::Ref.
#pragma once

#include "model/program_model.h"
#include "scanner/token_list.h"

namespace korvex::model {

/// Fills model (cleared first, the library functions kept) from tokens:
/// first every procedure and structure, so that a call before a
/// definition is known, then every other name in program order, where
/// PureBasic's scope rules apply.
void BuildModel(ProgramModel& model, TokenList& tokens);

}  // namespace korvex::model
