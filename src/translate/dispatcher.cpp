// Statement dispatcher. Not built yet: tokenizes and joins.
#include "translate/dispatcher.h"

#include "scanner/source_scanner.h"

namespace korvex::translate {

std::string TranslateStatements(RunState& run, const std::string& text) {
  TokenizeText(run.Tokens, text);
  std::string out;
  for (const Token& t : run.Tokens) out += t.Text + " ";
  return out;
}

}  // namespace korvex::translate
