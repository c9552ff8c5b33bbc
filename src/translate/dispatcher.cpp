// Statement dispatcher: the whole program becomes one token list, a fixed
// sequence of passes rewrites it in place, and the token texts are joined
// back into text, each followed by one space.
// "total + 1 : name$ = #CRLF$"  ->  "total += 1 \n name = cString.Chr(13) +
// cString.Chr(10) ". Runs once per conversion, after the server procedures.
#include "translate/dispatcher.h"

#include <cstddef>

#include "scanner/source_scanner.h"
#include "translate/construct_passes.h"
#include "translate/escape_strings.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

// One row of the sequence: a pass over run.Tokens that answers 1 to go on
// and 0 to refuse the program.
struct Step {
  const char* name;
  int (*run)(RunState& run);
};

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
    {"labels", OnTokens<MarkLabels>},
    {"statement separators", OnTokens<SplitStatements>},
    {"line continuation", OnTokens<JoinContinuedLines>},
    // written out in PureBasic's terms, for the model to read
    {"With", Always<TranslateWith>},
    {"Swap", Always<TranslateSwap>},
    // the model reads the names as written, before any pass rewrites them
    {"program model", Always<BuildProgramModel>},
    {"model names", Always<WriteModelNames>},
    {"variable declarations", Always<DeclareVariables>},
    {"expressions", Always<TranslateExpressions>},
    {"Swap helper", Always<FinishSwaps>},
    // jumps and their blocks, while every keyword is still a word
    {"Goto and Gosub", Always<TranslateGotoGosub>},
    {"Break n", Always<TranslateBreaks>},
    {"built-in constants", OnTokens<ReplaceBuiltinConstants>},
    {"name decorations", OnTokens<StripNameDecorations>},
    {"debugger keywords", Always<TranslateDebuggerKeywords>},
    {"forward declarations", OnTokens<BlankDeclares>},
    {"Bool", OnTokens<BlankBool>},
    {"string backslashes", OnTokens<EscapeStringBackslashes>},
    {"escape strings", OnTokens<RewriteEscapeStrings>},
    {"hexadecimal numbers", OnTokens<RewriteHexNumbers>},
    {"basic type suffixes", OnTokens<DropBasicTypeSuffixes>},
    // first group of construct passes
    {"library functions", Always<TranslateLibraryFunctions>},
    {"typed declarations", CheckDeclarations},
    {"Enumeration", Always<TranslateEnumerations>},
    {"Select", Always<TranslateSelect>},
    {"structures", TranslateStructures},
    {"Dim", Always<TranslateDim>},
    {"linked lists", Always<TranslateLinkedLists>},
    {"maps", Always<TranslateMaps>},
    // structure types need the classes of the structure pass
    {"structure-typed variables", OnTokens<RewriteStructureVariables>},
    // library calls named by now; procedure keywords, "@" and loops still as written
    {"waiting calls", Always<TranslateWaitingCalls>},
    // second group: procedures and Debug, then address-of and comments
    {"procedures", Always<TranslateProcedures>},
    {"Debug", Always<TranslateDebugStatements>},
    {"address-of", OnTokens<RewriteAddressOf>},
    {"comments", OnTokens<MarkComments>},
    // "&", "\", And, Or, Not: after the passes that still read them
    {"operators and keywords", OnTokens<RewriteOperators>},
    // block statements last: their operands are translated by now
    {"For", Always<TranslateFor>},
    {"While", Always<TranslateWhile>},
    {"Repeat", Always<TranslateRepeat>},
    {"If", Always<TranslateIf>},
};

// Every token's text followed by one space, blank tokens and line breaks
// included ("\n" then " ").
std::string JoinTokens(TokenList& tokens) {
  size_t size = 0;
  for (const Token& t : tokens) size += t.Text.size() + 1;
  std::string out;
  out.reserve(size);
  for (const Token& t : tokens) {
    out += t.Text;
    out += ' ';
  }
  return out;
}

}  // namespace

std::string TranslateStatements(RunState& run, const std::string& text) {
  TokenizeText(run.Tokens, text);  // "\r\n" becomes "\n" first
  for (const Step& step : kSteps)
    if (step.run(run) == 0) return "";  // the pass has printed why
  return JoinTokens(run.Tokens);
}

}  // namespace korvex::translate
