// Look-ahead helpers; see lookahead.h.
#include "translate/lookahead.h"

#include <iterator>

namespace korvex::translate {

Token* TokenAhead(TokenList& tokens, int n) {
  if (!tokens.HasCurrent()) return nullptr;
  TokenList::Position it = tokens.Mark();
  for (int i = 0; i < n; ++i) {
    ++it;
    if (it == tokens.end()) return nullptr;
  }
  return &*it;
}

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

bool TokenAheadIs(TokenList& tokens, int n, std::string_view s) {
  Token* t = TokenAhead(tokens, n);
  return t != nullptr && t->Text == s;
}

}  // namespace korvex::translate
