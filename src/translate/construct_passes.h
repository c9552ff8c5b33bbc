// The construct passes of statement translation. Each walks the whole token
// list of the run from the first token and rewrites it in place; the
// dispatcher calls them in its fixed order. The two that can refuse a program
// return 1 to go on and 0 to refuse (after printing why).
#pragma once

#include "common/run_state.h"

namespace korvex::translate {

// library_functions.cpp: library calls, constants, Read/Restore/End and the
// explicit-declaration switches, from framework.db.
void TranslateLibraryFunctions(RunState& run);

// declarations.cpp
int CheckDeclarations(RunState& run);
void TranslateStatic(RunState& run);
// enumerations.cpp
void TranslateEnumerations(RunState& run);
// arrays.cpp
void TranslateDim(RunState& run);

// conditionals.cpp
void TranslateSelect(RunState& run);
void TranslateIf(RunState& run);

// loops.cpp
void TranslateFor(RunState& run);
void TranslateWhile(RunState& run);
void TranslateRepeat(RunState& run);

// structures.cpp
int TranslateStructures(RunState& run);
// linked_lists.cpp
void TranslateLinkedLists(RunState& run);
// maps.cpp
void TranslateMaps(RunState& run);

// procedures.cpp
void TranslateProcedures(RunState& run);

// debug_output.cpp: CallDebugger and the debugger switches (early), and the
// Debug statement (late).
void TranslateDebuggerKeywords(RunState& run);
void TranslateDebugStatements(RunState& run);

}  // namespace korvex::translate
