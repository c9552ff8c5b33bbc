// The names of the emitted code: one spelling for every symbol of the
// model, unique where JavaScript would see two of them in one scope.
//   "Total" declared, "total" used            ->  Total everywhere
//   "name$" and "name" in one program         ->  name$ and name
//   "Math", "document", "cString", "in"       ->  KVX_Math, KVX_document, ...
//   Static calls in Procedure Count           ->  KVX_Count_calls
#pragma once

#include <string_view>

#include "model/program_model.h"

namespace korvex::model {

/// Gives every symbol its jsName.
void AssignJsNames(ProgramModel& model);

/// Whether JavaScript reserves the word or the emitted code relies on the
/// global of that name, so that a program's name must not take it.
bool HidesJavaScriptName(std::string_view name);

}  // namespace korvex::model
