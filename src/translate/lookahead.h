// Look-ahead helpers for the construct passes. A pass that reads "the next
// token" or "the token three places on" goes through these, so that a
// program cut off in the middle of a construct never reads past the end of
// the token list.
#pragma once

#include <string_view>

#include "scanner/token_list.h"

namespace korvex::translate {

/// The token n places after the current one (n >= 1), or nullptr when the
/// list ends first or there is no current token. The cursor stays. Inline:
/// walks ask it of nearly every word.
inline Token* TokenAhead(TokenList& tokens, int n) {
  if (!tokens.HasCurrent()) return nullptr;
  TokenList::Position it = tokens.Mark();
  for (int i = 0; i < n; ++i) {
    ++it;
    if (it == tokens.end()) return nullptr;
  }
  return &*it;
}
/// Moves the cursor n tokens forward. Fails, leaving the cursor on the last
/// token, when the list ends first.
bool StepForward(TokenList& tokens, int n = 1);
/// Blanks (text "" and KindOther) the n tokens after the current one, as
/// many as exist. The cursor stays.
void BlankAhead(TokenList& tokens, int n);
/// Clears (text "", kind kept) the n tokens after the current one, as many
/// as exist. The cursor stays.
void ClearAhead(TokenList& tokens, int n);
/// 1 when the token n places on exists and its text is exactly s.
inline bool TokenAheadIs(TokenList& tokens, int n, std::string_view s) {
  Token* t = TokenAhead(tokens, n);
  return t != nullptr && t->Text == s;
}

}  // namespace korvex::translate
