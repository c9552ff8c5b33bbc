// Look-ahead helpers; see lookahead.h.
#include "translate/lookahead.h"

#include <iterator>

namespace korvex::translate {

bool StepForward(TokenList& tokens, int n) {
  for (int i = 0; i < n; ++i)
    if (!tokens.Next()) return false;
  return true;
}

void BlankAhead(TokenList& tokens, int n) {
  for (int i = 1; i <= n; ++i) {
    Token* t = TokenAhead(tokens, i);
    if (t == nullptr) return;
    Blank(*t);
  }
}

void ClearAhead(TokenList& tokens, int n) {
  for (int i = 1; i <= n; ++i) {
    Token* t = TokenAhead(tokens, i);
    if (t == nullptr) return;
    ClearText(*t);
  }
}

}  // namespace korvex::translate
