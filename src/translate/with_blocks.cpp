// With blocks: inside "With expression" ... "EndWith", a "\field" that
// starts an operand refers to the expression.
//   With players(i)  /  \score + 1  /  Debug \name  /  EndWith
//   ->  players(i)\score + 1  /  Debug players(i)\name
// The With and EndWith lines leave nothing. A "\" after a name, a ")" or a
// "]" is the field of that operand (a\b\c) and stays as it is. PureBasic
// does not nest With blocks; here an inner one holds until its EndWith.
// Runs before the program model, which then sees the expression written out
// in front of every field, as do the expression, array, list and map passes.
#include <string>
#include <vector>

#include "common/text.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"
#include "translate/token_edits.h"

namespace korvex::translate {
namespace {

// Words after which a "\field" begins an operand of their own.
constexpr const char* kOperandWords[] = {"and", "case", "debug", "elseif", "foreach", "if",
                                         "not", "or", "procedurereturn", "select", "step", "swap",
                                         "to", "until", "while", "xor"};

bool IsOperandWord(const std::string& text) {
  for (const char* w : kOperandWords)
    if (EqualsNoCase(text, w)) return true;
  return false;
}

// True when the "\" at it starts an operand: the line's start, an operator
// or a keyword before it; not a name, a number, a string, ")" or "]".
bool StartsOperand(TokenList& tokens, Position it) {
  if (it == tokens.begin()) return true;
  const Token& before = *std::prev(it);
  switch (before.Kind) {
    case KindLineBreak: return true;
    case KindWord: return IsOperandWord(before.Text);
    case KindOther: return before.Text != ")" && before.Text != "]" && before.Text != "\\";
    default: return false;
  }
}

bool IsStatementWord(TokenList& tokens, Position it, const char* lower) {
  if (it->Kind != KindWord || !EqualsNoCase(it->Text, lower)) return false;
  return it == tokens.begin() || std::prev(it)->Kind == KindLineBreak;
}

// With expression: the expression's tokens, which the line then loses.
std::vector<Token> TakeExpression(TokenList& tokens, Position with) {
  std::vector<Token> expression;
  Blank(*with);
  for (Position it = std::next(with); it != tokens.end() && !EndsHeader(&*it); ++it) {
    expression.push_back(*it);
    Blank(*it);
  }
  return expression;
}

}  // namespace

void TranslateWith(RunState& run) {
  TokenList& tokens = run.Tokens;
  std::vector<std::vector<Token>> open;
  for (Position it = tokens.begin(); it != tokens.end(); ++it) {
    if (IsStatementWord(tokens, it, "with")) {
      open.push_back(TakeExpression(tokens, it));
    } else if (IsStatementWord(tokens, it, "endwith")) {
      Blank(*it);
      if (!open.empty()) open.pop_back();
    } else if (!open.empty() && it->Kind == KindOther && it->Text == "\\" && StartsOperand(tokens, it)) {
      for (Token t : open.back()) {
        t.Line = it->Line;
        InsertBefore(tokens, it, std::move(t));
      }
    }
  }
}

}  // namespace korvex::translate
