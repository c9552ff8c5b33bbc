// The construct passes of statement translation. Each walks the whole token
// list of the run from the first token and rewrites it in place; the
// dispatcher calls them in its fixed order. The two that can refuse a program
// return 1 to go on and 0 to refuse (after printing why).
#pragma once

#include "common/run_state.h"

namespace korvex::translate {

/// Token::Spare of a For keyword whose loop the waiting-calls pass wraps in
/// a loop that enters it again: the For pass sets the first value in front
/// of that loop, "var i=1;" LF kResumableLoopOpen LF,
/// and leaves it out of the header.
inline constexpr int kResumableLoop = 7;
/// The first line of the loop around a resumable loop: KVX_Left counts the
/// passes until the next look at the clock.
inline constexpr const char* kResumableLoopOpen =
    "for (;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();";

// goto_gosub.cpp: "Name:" marked as a label before the ":" separators go,
// then Goto, Gosub and Return as labelled blocks, loops and functions.
void MarkLabels(TokenList& tokens);
void TranslateGotoGosub(RunState& run);

// with_blocks.cpp: "\field" inside With ... EndWith refers to the With
// expression.
void TranslateWith(RunState& run);
// swap.cpp: Swap a, b as two assignments before the model, and as three
// through a helper once the expressions are computed.
void TranslateSwap(RunState& run);
void FinishSwaps(RunState& run);

// library_functions.cpp: library calls, constants, Read/Restore/End and the
// explicit-declaration switches, from framework.db.
void TranslateLibraryFunctions(RunState& run);
/// Reads the library functions of framework.db into run.Model once a run.
void LoadLibraryTable(RunState& run);

// model_pass.cpp: the program model of the whole token list, and every name
// that it knows written with its one spelling.
void BuildProgramModel(RunState& run);
void WriteModelNames(RunState& run);
// variable_declarations.cpp: declarations with their initial values, every
// undeclared variable declared at the top of its scope, Static and Global
// in procedures at the top of the program.
void DeclareVariables(RunState& run);
// expression_statements.cpp: every expression with PureBasic's precedence,
// integer division, conversions and truth values; every shortcut statement
// ("n / 2") with its assignment.
void TranslateExpressions(RunState& run);

// declarations.cpp
int CheckDeclarations(RunState& run);
// enumerations.cpp
void TranslateEnumerations(RunState& run);
// arrays.cpp
void TranslateDim(RunState& run);

// conditionals.cpp
void TranslateSelect(RunState& run);
void TranslateIf(RunState& run);

// loops.cpp: Break n early, the loop headers late.
void TranslateBreaks(RunState& run);
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

// async_calls.cpp: the procedures that can reach a waiting command become
// async, their calls and the waiting commands are awaited, and the loops of
// async code give the page back now and then.
void TranslateWaitingCalls(RunState& run);

// debug_output.cpp: CallDebugger and the debugger switches (early, one
// token at a time), and the Debug statement (late).
void TranslateDebuggerKeyword(Token& t);
void TranslateDebugStatements(RunState& run);

}  // namespace korvex::translate
