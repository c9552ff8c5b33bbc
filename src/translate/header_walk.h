// Walking the header of a block statement (the condition of an If, the
// parts of a For, the selector of a Select): the tokens from the keyword up
// to the line break or the trailing comment that ends the line. A header
// also ends where the token list ends, so that a program cut off in the
// middle of a statement is never read past its last token.
#pragma once

#include "scanner/token_list.h"

namespace korvex::translate {

/// True when t ends a header: a line break, a trailing comment (always the
/// last token of its line), or no token at all.
inline bool EndsHeader(const Token* t) {
  return t == nullptr || t->Kind == KindLineBreak || t->Kind == KindComment;
}

/// Steps onto the next token when it still belongs to the current header;
/// otherwise the cursor stays and the result is false.
inline bool StepInHeader(TokenList& tokens) {
  if (!tokens.HasCurrent() || EndsHeader(tokens.PeekNext())) return false;
  return tokens.Next();
}

}  // namespace korvex::translate
