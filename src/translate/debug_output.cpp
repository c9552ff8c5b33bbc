// Debug output: the debugger keywords and the Debug statement become calls on
// the runtime's cDebugger object.
// "CallDebugger"  ->  "debugger"; "EnableDebugger"  ->
// "cDebugger.EnableDebugger()"; "Debug x"  ->  "cDebugger.Debug ( x)".
// The keywords go early in the dispatcher, the Debug statement right after
// the procedure pass.
#include <string>

#include "common/text.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

// CallDebugger  ->  debugger, the statement that stops in the browser.
// EnableDebugger  ->  cDebugger.EnableDebugger(), the runtime's spelling
// whatever the source's letter case ("enabledebugger" is no method).
const char* DebuggerKeywordText(std::string_view word) {
  if (word.size() < 12) return nullptr;  // "calldebugger" is the shortest
  if (EqualsNoCase(word, "calldebugger")) return "debugger";
  if (EqualsNoCase(word, "enabledebugger")) return "cDebugger.EnableDebugger()";
  if (EqualsNoCase(word, "disabledebugger")) return "cDebugger.DisableDebugger()";
  return nullptr;
}

}  // namespace

void TranslateDebuggerKeyword(Token& t) {
  if (t.Kind != KindWord) return;
  if (const char* text = DebuggerKeywordText(t.Text)) t.Text = text;
}

// Debug x, 1  ->  cDebugger.Debug ( x , 1)
// The call opens in the Debug token and closes on the token before the end
// of its statement: a comment, a line break or the end of the list.
void TranslateDebugStatements(RunState& run) {
  bool inDebug = false;
  Token* before = nullptr;
  for (Token& t : run.Tokens) {
    if (t.Kind == KindWord && EqualsNoCase(t.Text, "debug")) {
      inDebug = true;
      t.Text = "cDebugger.Debug (";  // "DEBUG x" too: the method is Debug
    } else if (inDebug && before != nullptr && t.Kind == KindComment) {
      inDebug = false;
      before->Text += ") ";
    } else if (inDebug && before != nullptr && t.Kind == KindLineBreak) {
      inDebug = false;
      before->Text += ")";
    }
    before = &t;
  }
  // A last statement without a line break still gets its closing parenthesis.
  if (inDebug && before != nullptr) before->Text += ")";
}

}  // namespace korvex::translate
