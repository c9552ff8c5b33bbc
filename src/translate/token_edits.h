// Token edits at remembered positions, for the passes that insert whole
// pieces of JavaScript around statements (Select conditions, labelled
// blocks and loops). The list's own Insert and Add work at the cursor and
// treat "before the first token" specially; these take a position instead,
// and end() means the end of the list.
#pragma once

#include <string>

#include "scanner/token_list.h"

namespace korvex::translate {

using Position = TokenList::Position;

/// Inserts t in front of pos (at the end of the list when pos is end());
/// returns the new token's position. The cursor is left on it.
Position InsertBefore(TokenList& tokens, Position pos, Token t);
/// Inserts t after pos, which must be a token (not end()); returns the new
/// token's position. The cursor is left on it.
Position InsertAfter(TokenList& tokens, Position pos, Token t);
/// A KindOther token with the given text, on the given line.
inline Token OtherToken(std::string text, int line) { return Token{std::move(text), KindOther, 0, line}; }
/// A line break token on the given line.
inline Token LineBreakToken(int line) { return Token{"\n", KindLineBreak, 0, line}; }

/// A token that opens a bracketed part: "(" and "[", and the openers that
/// the expression pass writes (".d[", "Math.trunc(").
inline bool IsOpening(const Token& t) {
  return t.Kind == KindOther && !t.Text.empty() && (t.Text.back() == '(' || t.Text.back() == '[');
}
/// A token that closes one: ")" and "]" (and a written ")]").
inline bool IsClosing(const Token& t) {
  return t.Kind == KindOther && !t.Text.empty() && (t.Text.front() == ')' || t.Text.front() == ']');
}

}  // namespace korvex::translate
