// PureBasic's compile-time functions, decided at conversion time into
// literals of the emitted code:
//   SizeOf(Point), SizeOf(x), SizeOf(Long)   ->  8, 8, 4   (x64 sizes)
//   OffsetOf(Point\y)                         ->  4
//   TypeOf(x), TypeOf(Point\y)                ->  cConstants.PB_Long, ...
//   Defined(Width, #PB_Constant)              ->  1 or 0
// A structure lays its fields out one after the other (a base structure's
// first), with no padding, as PureBasic's default alignment does.
#pragma once

#include <string>

#include "expressions/tree.h"
#include "model/program_model.h"

namespace korvex::expressions {

/// Whether a lower-cased function name is one of the compile-time ones.
bool IsCompileTimeFunction(std::string_view lowerName);
/// The literal text of the call at node (a Call of a compile-time
/// function), or "" when it cannot be decided.
std::string CompileTimeValue(const model::ProgramModel& model, const Tree& tree, int node);
/// OffsetOf(S\field) as the field's name in quotes ("\"y\""), for the
/// runtime's sorts by a field; "" when node is no such call.
std::string FieldNameOfOffset(const model::ProgramModel& model, const Tree& tree, int node);

}  // namespace korvex::expressions
