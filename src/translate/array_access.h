// Array elements as the runtime's cArray stores them, for the subscripts
// that no expression rewrite has reached:
//   a(i)        ->  a.d[i]
//   a(i, j + 1) ->  a.d[i * a.s0 + (j + 1)]
//   a()         ->  a            (the whole array, handed to a command)
#pragma once

#include "model/program_model.h"
#include "scanner/token_list.h"

namespace korvex::translate {

/// Rewrites every "name(...)" of an array of the model that is still
/// written so.
void RewriteArraySubscripts(TokenList& tokens, const model::ProgramModel& model);

}  // namespace korvex::translate
