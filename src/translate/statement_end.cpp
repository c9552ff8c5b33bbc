// Statement starts and ends; see statement_end.h.
#include "translate/statement_end.h"

#include "translate/header_walk.h"

namespace korvex::translate {

bool StartsStatement(TokenList& tokens) {
  const Token* before = tokens.PeekPrevious();
  return before == nullptr || before->Kind == KindLineBreak;
}

void CloseBeforeStatementEnd(TokenList& tokens) {
  if (!tokens.HasCurrent()) return;
  TokenList::Position back = tokens.Mark();
  int line = tokens.Current().Line;
  while (!EndsHeader(tokens.PeekNext())) tokens.Next();
  tokens.Add(Token{")", KindOther, 0, line});
  tokens.ReturnTo(back);
}

}  // namespace korvex::translate
