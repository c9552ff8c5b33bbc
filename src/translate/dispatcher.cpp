// Statement dispatcher: the whole program becomes one token list, a fixed
// sequence of passes rewrites it in place, and the token texts are joined
// back into text, each followed by one space.
// "total + 1 : name$ = #CRLF$"  ->  "total += 1 \n name = cString.Chr(13) +
// cString.Chr(10) ". Runs once per conversion, after the server procedures.
#include "translate/dispatcher.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "scanner/source_scanner.h"
#include "translate/construct_passes.h"
#include "translate/escape_strings.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

// One row of the sequence: a pass over run.Tokens that answers 1 to go on
// and 0 to refuse the program, and, for a pass that only acts on certain
// words, the test that they may occur in the scanned program. A walk over
// a million tokens costs more than every such test together; the words
// tested are ones that no earlier pass writes.
struct Step {
  const char* name;
  int (*run)(RunState& run);
  bool (*wanted)(const WordCensus& census) = nullptr;
};

bool HasWith(const WordCensus& c) { return c.MayHaveAny({"with", "endwith"}); }
bool HasSwap(const WordCensus& c) { return c.MayHave("swap"); }
// a forward Goto becomes a "break" of its own
bool HasBreak(const WordCensus& c) { return c.MayHaveAny({"break", "goto", "gosub"}); }
bool HasDebuggerWord(const WordCensus& c) {
  return c.MayHaveAny({"calldebugger", "enabledebugger", "disabledebugger"});
}
bool HasDropped(const WordCensus& c) { return c.MayHaveAny({"declare", "shared"}); }
bool HasBool(const WordCensus& c) { return c.MayHave("bool"); }
bool HasBackslash(const WordCensus& c) { return c.HasBackslashString(); }
bool HasEscapeString(const WordCensus& c) { return c.HasStart('~'); }
bool HasSelect(const WordCensus& c) { return c.MayHave("select"); }
bool HasWhile(const WordCensus& c) { return c.MayHaveAny({"while", "wend"}); }
bool HasRepeat(const WordCensus& c) { return c.MayHaveAny({"repeat", "until", "forever"}); }
bool HasAddressOf(const WordCensus& c) { return c.HasStart('@'); }
bool HasMap(const WordCensus& c) { return c.MayHaveAny({"newmap", "map"}); }
bool HasList(const WordCensus& c) { return c.MayHaveAny({"newlist", "list"}); }
// fixed arrays of structures are written name[size]
bool HasArray(const WordCensus& c) { return c.MayHaveAny({"dim", "redim", "array"}) || c.HasStart('['); }
bool HasLabel(const WordCensus& c) { return c.MayHaveLabel(); }
bool HasDebug(const WordCensus& c) { return c.MayHave("debug"); }
bool HasStructure(const WordCensus& c) { return c.MayHaveAny({"structure", "endstructure"}); }
bool HasDeclaration(const WordCensus& c) {
  return c.MayHaveAny({"global", "protected", "define", "threaded"});
}
bool HasFor(const WordCensus& c) { return c.MayHaveAny({"for", "next"}); }
bool HasIf(const WordCensus& c) { return c.MayHaveAny({"if", "elseif", "else", "endif"}); }
// the variable declarations write a ProcedureReturn only into a procedure
bool HasProcedure(const WordCensus& c) {
  return c.MayHaveAny({"procedure", "procedurec", "proceduredll", "procedurecdll", "endprocedure",
                       "procedurereturn"});
}
bool HasJump(const WordCensus& c) {
  return c.MayHaveAny({"goto", "gosub", "return", "fakereturn"}) || c.MayHaveLabel();
}

// Rewrites of one token each, two or three to a walk: each after the first
// reads nothing but its token and the one before, which every rewrite has
// seen by then, so the result is the same as of a walk each. A walk over a
// million tokens costs more than most rewrites.
void RewriteConstantsNamesAndDebuggerWords(RunState& run) {
  bool debugger = HasDebuggerWord(run.Tokens.Census());
  for (Token& t : run.Tokens) {
    if (t.Kind != KindWord) continue;  // all three rewrite words only, into words
    ReplaceBuiltinConstant(t);
    StripNameDecoration(t);
    if (debugger) TranslateDebuggerKeyword(t);
  }
}

void RewriteNumbersAndDropSuffixes(TokenList& tokens) {
  Token* before = nullptr;
  for (Token& t : tokens) {
    RewriteHexNumber(t);
    DropBasicTypeSuffix(t, before);
    before = &t;
  }
}

// Adapters that let rewrites without a verdict sit in the same table.
template <void (*Rewrite)(TokenList&)>
int OnTokens(RunState& run) {
  Rewrite(run.Tokens);
  return 1;
}

template <void (*Pass)(RunState&)>
int Always(RunState& run) {
  Pass(run);
  return 1;
}

// The order is the translation: moving a pass means moving its row.
constexpr Step kSteps[] = {
    {"labels", OnTokens<MarkLabels>, HasLabel},
    {"statement separators and line continuation", OnTokens<SplitAndJoinLines>},
    // written out in PureBasic's terms, for the model to read
    {"With", Always<TranslateWith>, HasWith},
    {"Swap", Always<TranslateSwap>, HasSwap},
    // the model reads the names as written, before any pass rewrites them
    {"program model", Always<BuildProgramModel>},
    {"model names", Always<WriteModelNames>},
    {"variable declarations", Always<DeclareVariables>},
    {"expressions", Always<TranslateExpressions>},
    {"Swap helper", Always<FinishSwaps>, HasSwap},
    // jumps and their blocks, while every keyword is still a word
    {"Goto and Gosub", Always<TranslateGotoGosub>, HasJump},
    {"Break n", Always<TranslateBreaks>, HasBreak},
    {"built-in constants, names, debugger keywords", Always<RewriteConstantsNamesAndDebuggerWords>},
    {"forward declarations", OnTokens<BlankDeclares>, HasDropped},
    {"Bool", OnTokens<BlankBool>, HasBool},
    {"string backslashes", OnTokens<EscapeStringBackslashes>, HasBackslash},
    {"escape strings", OnTokens<RewriteEscapeStrings>, HasEscapeString},
    {"numbers and basic type suffixes", OnTokens<RewriteNumbersAndDropSuffixes>},
    // first group of construct passes
    {"library functions", Always<TranslateLibraryFunctions>},
    {"typed declarations", CheckDeclarations, HasDeclaration},
    {"Enumeration", Always<TranslateEnumerations>},
    {"Select", Always<TranslateSelect>, HasSelect},
    {"structures", TranslateStructures, HasStructure},
    {"Dim", Always<TranslateDim>, HasArray},
    {"linked lists", Always<TranslateLinkedLists>, HasList},
    {"maps", Always<TranslateMaps>, HasMap},
    // structure types need the classes of the structure pass
    {"structure-typed variables", OnTokens<RewriteStructureVariables>},
    // library calls named by now; procedure keywords, "@" and loops still as written
    {"waiting calls", Always<TranslateWaitingCalls>},
    // second group: procedures and Debug, then address-of and comments
    {"procedures", Always<TranslateProcedures>, HasProcedure},
    {"Debug", Always<TranslateDebugStatements>, HasDebug},
    {"address-of", OnTokens<RewriteAddressOf>, HasAddressOf},
    // comments; "&", "\", And, Or, Not: after the passes that still read them
    {"comments, operators and keywords", OnTokens<RewriteCommentsAndOperators>},
    // block statements last: their operands are translated by now
    {"For", Always<TranslateFor>, HasFor},
    {"While", Always<TranslateWhile>, HasWhile},
    {"Repeat", Always<TranslateRepeat>, HasRepeat},
    {"If", Always<TranslateIf>, HasIf},
};

// Every token's text followed by one space, blank tokens and line breaks
// included ("\n" then " "). One walk: the room is guessed from the size of
// the scanned text (the benchmark's program joins to 1.7 times its length),
// and grows if the guess falls short. Room reserved and never written is
// not taken from the system.
std::string JoinTokens(TokenList& tokens, size_t scannedSize) {
  std::string out;
  out.reserve(2 * scannedSize + 64);
  for (const Token& t : tokens) {
    out.append(t.Text.data(), t.Text.size());
    out += ' ';
  }
  return out;
}

// With KORVEX_BENCH_STEPS set (bench/pipeline_bench), the time of each
// step goes to the error stream, so that a slow step shows by name.
void PrintStepTime(const Step& step, std::chrono::steady_clock::time_point start) {
  static const bool wanted = std::getenv("KORVEX_BENCH_STEPS") != nullptr;
  if (!wanted) return;
  std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
  std::fprintf(stderr, "    %-44s %8.3f s\n", step.name, d.count());
}

}  // namespace

std::string TranslateStatements(RunState& run, std::string text) {
  size_t scannedSize = text.size();
  TokenizeText(run.Tokens, text);  // "\r\n" becomes "\n" first
  std::string().swap(text);        // the tokens hold it now
  const WordCensus& census = run.Tokens.Census();
  for (const Step& step : kSteps) {
    if (step.wanted != nullptr && !step.wanted(census)) continue;
    auto start = std::chrono::steady_clock::now();
    if (step.run(run) == 0) return "";  // the pass has printed why
    PrintStepTime(step, start);
  }
  // the passes after this one read the text: the model's and the nodes'
  // memory is theirs
  run.Model.ClearProgram();
  std::string out = JoinTokens(run.Tokens, scannedSize);
  run.Tokens.ClearAndFree();
  return out;
}

}  // namespace korvex::translate
