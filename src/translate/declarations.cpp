// Declarations: the typed-declaration check and Static variables.
// "Global total" gives "var total"; "Define.Point p" refuses the program,
// since a declaration keyword with a type of its own has no JavaScript form.
// "Static calls" makes calls a property of the running function
// ("arguments.callee.calls"), which keeps its value between calls.
// Both run in the first group of the dispatcher, after the library pass.
#include <string>

#include "common/text.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"

namespace korvex::translate {
namespace {

bool IsDeclarationKeyword(const Token& t) {
  if (t.Kind != KindWord) return false;
  std::string word = LowerAscii(t.Text);
  return word == "global" || word == "protected" || word == "define";
}

// Define.Point p: prints why the program is refused, with the line of the
// type name. The cursor is on the keyword, the "." follows it.
void ReportTypedDeclaration(RunState& run) {
  TokenList& tokens = run.Tokens;
  std::string keyword = tokens.Current().Text;
  tokens.Next();  // the "."
  std::string type;
  if (StepInHeader(tokens)) type = tokens.Current().Text;  // the type name
  int line = tokens.Current().Line;
  run.PrintLine("");
  run.PrintLine("Line " + std::to_string(line) +
                ": Typed declaration keywords are not allowed (yet)");
  run.PrintLine("Not allowed: " + keyword + "." + type + " myVar");
  run.PrintLine("Better use:  " + keyword + " myVar." + type);
  run.PrintLine("", true);
}

// Static name: "arguments.callee." + name here and at every later use of
// the same name (exact case) up to the end of the procedure.
void RewriteStatic(TokenList& tokens) {
  ClearText(tokens.Current());
  // A type suffix (Static.i n) was blanked by the dispatcher: skip it, so
  // that the name, not an empty token, is what gets renamed.
  bool found = StepInHeader(tokens);
  while (found && tokens.Current().Text.empty()) found = StepInHeader(tokens);
  if (!found || tokens.Current().Kind != KindWord) return;
  const std::string name = tokens.Current().Text;
  const std::string property = "arguments.callee." + name;
  tokens.Current().Text = property;
  TokenList::Position declaration = tokens.Mark();
  while (!EqualsNoCase(tokens.Current().Text, "endprocedure") && tokens.Next()) {
    if (tokens.Current().Text == name) tokens.Current().Text = property;
  }
  tokens.ReturnTo(declaration);
}

}  // namespace

// Global / Protected / Define  ->  var. A keyword with a type of its own
// (Define.Point a) refuses the program; only the first one is reported.
// A basic type (Define.i a) was blanked by the dispatcher and passes.
int CheckDeclarations(RunState& run) {
  TokenList& tokens = run.Tokens;
  tokens.Reset();
  while (tokens.Next()) {
    if (!IsDeclarationKeyword(tokens.Current())) continue;
    if (PeekNextTokenIs(tokens, ".")) {
      ReportTypedDeclaration(run);
      return 0;
    }
    tokens.Current().Text = "var";
  }
  return 1;
}

// Static name [= value]  ->  arguments.callee.name [= value]. The initial
// value is assigned on every call, as the statement stands.
void TranslateStatic(RunState& run) {
  TokenList& tokens = run.Tokens;
  tokens.Reset();
  while (tokens.Next()) {
    const Token& t = tokens.Current();
    if (t.Kind == KindWord && EqualsNoCase(t.Text, "static")) RewriteStatic(tokens);
  }
}

}  // namespace korvex::translate
