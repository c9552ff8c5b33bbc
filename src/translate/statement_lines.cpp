// Statement boundaries: ":" separators, continued lines, Declare and Shared
// lines. "a : b" is two statements; "x = a +" followed by "b" is one;
// "Declare Foo(a, b)" and "Shared total" leave only blanks.
// Run first in the dispatcher, so every later pass sees one statement per
// line break.
#include <string>

#include "common/text.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

// The texts after which a line goes on in the next one ("-" and "*" are not
// among them).
bool ContinuesLine(const Token& t) {
  LowerWord lower(t.Text);
  return lower == "," || lower == "+" || lower == "|" || lower == "and" || lower == "or" ||
         lower == "xor";
}

}  // namespace

void SplitStatement(Token& t) {
  if (t.Kind == KindOther && t.Text == ":") {
    t.Text = "\n";
    t.Kind = KindLineBreak;
    t.Spare = kColonBreak;
  }
}

void SplitStatements(TokenList& tokens) {
  for (Token& t : tokens) SplitStatement(t);
}

// A token is split before the line break after it is looked at, so "a +"
// followed by ":" joins two statements as well.
void SplitAndJoinLines(TokenList& tokens) {
  tokens.Reset();
  while (tokens.Next()) {
    SplitStatement(tokens.Current());
    if (tokens.Current().Kind != KindLineBreak) continue;
    const Token* before = tokens.PeekPrevious();
    // The cursor goes back to the token before, so the next step lands on
    // the first token of the joined line.
    if (before != nullptr && ContinuesLine(*before)) tokens.DeleteCurrent();
  }
}

namespace {

// A statement that JavaScript needs nothing of: Declare (functions are
// known before they are defined) and Shared (a function sees the main
// code's variables anyway).
bool IsDroppedStatement(const Token& t) {
  if (t.Kind != KindWord) return false;
  LowerWord lower(t.Text);
  return lower == "declare" || lower == "shared";
}

}  // namespace

// Declare Name(...), Shared a, b()  ->  blanks up to (not including) the
// line break.
void BlankDeclares(TokenList& tokens) {
  bool blanking = false;
  for (Token& t : tokens) {
    if (t.Kind == KindLineBreak) blanking = false;
    else if (IsDroppedStatement(t)) blanking = true;
    if (blanking) Blank(t);
  }
}

}  // namespace korvex::translate
