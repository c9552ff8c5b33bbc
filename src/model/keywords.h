// PureBasic's keywords: the words that never name a variable, an array, a
// list, a map or a procedure of the program. "If", "EndIf", "Step", "And"
// are keywords in any letter case.
#pragma once

#include <string_view>

namespace korvex::model {

/// Whether a lower-cased word is a keyword of the language (or a word that
/// an earlier pass wrote, like "var").
bool IsKeyword(std::string_view lowerWord);

}  // namespace korvex::model
