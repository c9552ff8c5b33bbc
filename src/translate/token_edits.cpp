// Token edits at remembered positions; see token_edits.h.
#include "translate/token_edits.h"

#include <utility>

namespace korvex::translate {

Position InsertBefore(TokenList& tokens, Position pos, Token t) {
  if (pos == tokens.end()) {
    tokens.PushBack(std::move(t));
    return tokens.Mark();
  }
  tokens.ReturnTo(pos);
  tokens.Insert(std::move(t));
  return tokens.Mark();
}

Position InsertAfter(TokenList& tokens, Position pos, Token t) {
  tokens.ReturnTo(pos);
  tokens.Add(std::move(t));
  return tokens.Mark();
}

}  // namespace korvex::translate
