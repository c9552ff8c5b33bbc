// Statement translation: the whole program as one token list, rewritten by a
// fixed sequence of passes and joined back into text.
#pragma once

#include <string>

#include "common/run_state.h"

namespace korvex::translate {

/// The translated text, or "" when a construct pass refused the program.
std::string TranslateStatements(RunState& run, std::string text);

}  // namespace korvex::translate
