// PureBasic's keywords: the words that never name a variable, an array, a
// list, a map or a procedure of the program. "If", "EndIf", "Step", "And"
// are keywords in any letter case.
#pragma once

#include <string_view>

namespace korvex::model {

/// Whether a lower-cased word is a keyword of the language (or a word that
/// an earlier pass wrote, like "var").
bool IsKeyword(std::string_view lowerWord);
/// The words that open a procedure. Every pass that tells procedures from
/// the main code asks IsProcedureKeyword, so that none of them misses a form.
inline constexpr std::string_view kProcedureKeywords[] = {"procedure", "procedurec", "proceduredll",
                                                          "procedurecdll"};
/// Whether a lower-cased word opens a procedure.
inline bool IsProcedureKeyword(std::string_view lowerWord) {
  for (std::string_view keyword : kProcedureKeywords)
    if (lowerWord == keyword) return true;
  return false;
}

}  // namespace korvex::model
