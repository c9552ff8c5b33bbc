// Swap: "Swap a, b" exchanges two values through a helper variable:
//   KVX_Swap = a  /  a = b  /  b = KVX_Swap
// In two steps, so that the expression pass computes both operands as it
// computes any assignment (subscripts, conversions): before the program
// model, "Swap a, b" becomes "a = b" and "b = a" on two lines, the line
// break between them marked; after the expressions, the value of the second
// line goes into the helper in front of the first, and the second line
// reads the helper. The array, list, map and structure passes then
// translate the three lines as they translate any assignment: "Swap v(i),
// v(j)" gives "v[i]" and "v[j]", "Swap l(), m(\"k\")" the element calls.
// The operands are split at the first "," outside parentheses; a Swap
// without two operands stays as it is.
#include <vector>

#include "common/text.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"
#include "translate/token_edits.h"

namespace korvex::translate {
namespace {

constexpr const char* kHelper = "KVX_Swap";
// Token::Spare of the line break between the two lines of a Swap.
constexpr int kSwapBreak = 4;

bool IsOther(const Token& t, const char* text) { return t.Kind == KindOther && t.Text == text; }

struct Operands {
  Position comma;  // the "," between them
  Position last;   // the last token of the second operand
  std::vector<Token> first, second;
};

// The two operands after Swap; false when there are not two.
bool ReadOperands(TokenList& tokens, Position swap, Operands& out) {
  int depth = 0;
  bool seenComma = false;
  for (Position it = std::next(swap); it != tokens.end() && !EndsHeader(&*it); ++it) {
    const Token& t = *it;
    if (IsOpening(t)) ++depth;
    else if (IsClosing(t) && depth > 0) --depth;
    if (!seenComma && depth == 0 && IsOther(t, ",")) {
      seenComma = true;
      out.comma = it;
      continue;
    }
    (seenComma ? out.second : out.first).push_back(t);
    out.last = it;
  }
  return seenComma && !out.first.empty() && !out.second.empty();
}

void InsertAll(TokenList& tokens, Position before, const std::vector<Token>& pieces, int line) {
  for (Token t : pieces) {
    t.Line = line;
    InsertBefore(tokens, before, std::move(t));
  }
}

// Swap a, b  ->  a = b  LF (marked)  b = a. Returns the token the walk goes
// on after.
Position SplitSwap(TokenList& tokens, Position swap) {
  Operands ops;
  if (!ReadOperands(tokens, swap, ops)) return swap;
  int line = swap->Line;
  tokens.ReturnTo(swap);
  tokens.DeleteCurrent();  // the statement starts with its target, as assignments do
  ops.comma->Text = "=";
  Position after = std::next(ops.last);
  Token lineBreak = LineBreakToken(line);
  lineBreak.Spare = kSwapBreak;
  InsertBefore(tokens, after, lineBreak);
  InsertAll(tokens, after, ops.second, line);
  InsertBefore(tokens, after, OtherToken("=", line));
  InsertAll(tokens, after, ops.first, line);
  return std::prev(after);
}

// The first token of the statement that ends at the line break lb.
Position StatementStart(TokenList& tokens, Position lb) {
  Position it = lb;
  while (it != tokens.begin() && std::prev(it)->Kind != KindLineBreak) --it;
  return it;
}

// a = b  LF  b = a  ->  KVX_Swap = a  LF  a = b  LF  b = KVX_Swap, with "a"
// as the expression pass wrote it in the second line.
void JoinSwap(TokenList& tokens, Position lb) {
  Position eq = std::next(lb);
  int depth = 0;
  for (; eq != tokens.end() && eq->Kind != KindLineBreak; ++eq) {
    if (IsOpening(*eq)) ++depth;
    else if (IsClosing(*eq)) --depth;
    else if (depth == 0 && IsOther(*eq, "=")) break;
  }
  if (eq == tokens.end() || eq->Kind == KindLineBreak) return;
  std::vector<Position> value;
  for (Position it = std::next(eq); it != tokens.end() && !EndsHeader(&*it); ++it)
    if (!it->Text.empty()) value.push_back(it);
  if (value.empty()) return;
  Position start = StatementStart(tokens, lb);
  int line = lb->Line;
  InsertBefore(tokens, start, Token{kHelper, KindWord, 0, line});
  InsertBefore(tokens, start, OtherToken("=", line));
  for (Position v : value) InsertBefore(tokens, start, *v);
  InsertBefore(tokens, start, LineBreakToken(line));
  value[0]->Text = kHelper;
  value[0]->Kind = KindWord;
  for (size_t i = 1; i < value.size(); ++i) Blank(*value[i]);
}

}  // namespace

void TranslateSwap(RunState& run) {
  TokenList& tokens = run.Tokens;
  for (Position it = tokens.begin(); it != tokens.end(); ++it) {
    if (it->Kind != KindWord || !EqualsNoCase(it->Text, "swap")) continue;
    if (it != tokens.begin() && std::prev(it)->Kind != KindLineBreak) continue;
    it = SplitSwap(tokens, it);
  }
}

void FinishSwaps(RunState& run) {
  TokenList& tokens = run.Tokens;
  for (Position it = tokens.begin(); it != tokens.end(); ++it)
    if (it->Kind == KindLineBreak && it->Spare == kSwapBreak) JoinSwap(tokens, it);
}

}  // namespace korvex::translate
