// Where a statement starts and ends, for the passes that turn an element
// assignment "name(...) = value" into a method call: only the first token of
// a statement can be assigned to, and the call's ")" goes after the last
// token of the value, just before the line break or trailing comment.
#pragma once

#include "scanner/token_list.h"

namespace korvex::translate {

/// True when the current token is the first of its statement: the token
/// before it is a line break, or there is none.
bool StartsStatement(TokenList& tokens);

/// Inserts a KindOther ")" after the last token of the current statement
/// (before its line break or trailing comment, or at the end of the list).
/// The cursor stays on the current token.
void CloseBeforeStatementEnd(TokenList& tokens);

}  // namespace korvex::translate
