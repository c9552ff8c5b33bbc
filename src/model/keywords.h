// PureBasic's keywords: the words that never name a variable, an array, a
// list, a map or a procedure of the program. "If", "EndIf", "Step", "And"
// are keywords in any letter case.
#pragma once

#include <string_view>

namespace korvex::model {

/// Whether a lower-cased word is a keyword of the language (or a word that
/// an earlier pass wrote, like "var").
bool IsKeyword(std::string_view lowerWord);
/// Whether a lower-cased word opens a procedure: Procedure, ProcedureC,
/// ProcedureDLL or ProcedureCDLL. Every pass that tells procedures from
/// the main code asks this one test, so that none of them misses a form.
inline bool IsProcedureKeyword(std::string_view lowerWord) {
  return lowerWord == "procedure" || lowerWord == "procedurec" || lowerWord == "proceduredll" ||
         lowerWord == "procedurecdll";
}

}  // namespace korvex::model
