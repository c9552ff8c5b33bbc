// Declarations: the typed-declaration check. "Global total" gives
// "var total"; "Define.Point p" refuses the program, since a declaration
// keyword with a type of its own has no JavaScript form. Runs in the first
// group of the dispatcher, after the library pass; the variables' values
// and scopes are the variable-declaration pass's.
#include <string>

#include "common/text.h"
#include "common/word_shapes.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"

namespace korvex::translate {
namespace {

constexpr std::string_view kDeclarationKeywords[] = {"global", "protected", "define", "threaded"};
constexpr KeywordSet kDeclarations{kDeclarationKeywords};

bool IsDeclarationKeyword(const Token& t) { return t.Kind == KindWord && kDeclarations.Has(t.Text); }

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

}  // namespace

// Global / Protected / Define / Threaded  ->  var. A keyword with a type of its own
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

}  // namespace korvex::translate
