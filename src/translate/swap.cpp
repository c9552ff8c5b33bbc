// Swap: "Swap a, b" becomes three assignments through a helper variable,
//   KVX_Swap = a  /  a = b  /  b = KVX_Swap
// written in PureBasic's own terms, so that the array, list, map and
// structure passes after this one translate each side as they translate
// any assignment: "Swap v(i), v(j)" gives "v[i]" and "v[j]", "Swap
// l(), m("k")" the element calls of the list and the map. The operands are
// split at the first "," outside parentheses; a Swap without two operands
// stays as it is. Runs early, after the With blocks have written out their
// fields.
#include <vector>

#include "common/text.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"
#include "translate/token_edits.h"

namespace korvex::translate {
namespace {

constexpr const char* kHelper = "KVX_Swap";

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
    if (t.Kind == KindOther && (t.Text == "(" || t.Text == "[")) ++depth;
    else if (t.Kind == KindOther && (t.Text == ")" || t.Text == "]") && depth > 0) --depth;
    if (!seenComma && depth == 0 && t.Kind == KindOther && t.Text == ",") {
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

// Swap a, b  ->  KVX_Swap = a  LF  a = b  LF  b = KVX_Swap
void RewriteSwap(TokenList& tokens, Position swap) {
  Operands ops;
  if (!ReadOperands(tokens, swap, ops)) return;
  int line = swap->Line;
  swap->Text = kHelper;
  InsertAfter(tokens, swap, OtherToken("=", line));
  ops.comma->Text = "\n";
  ops.comma->Kind = KindLineBreak;
  Position secondStart = std::next(ops.comma);
  InsertAll(tokens, secondStart, ops.first, line);
  InsertBefore(tokens, secondStart, OtherToken("=", line));
  Position after = std::next(ops.last);
  InsertBefore(tokens, after, LineBreakToken(line));
  InsertAll(tokens, after, ops.second, line);
  InsertBefore(tokens, after, OtherToken("=", line));
  InsertBefore(tokens, after, Token{kHelper, KindWord, 0, line});
}

}  // namespace

void TranslateSwap(RunState& run) {
  TokenList& tokens = run.Tokens;
  for (Position it = tokens.begin(); it != tokens.end(); ++it) {
    if (it->Kind != KindWord || !EqualsNoCase(it->Text, "swap")) continue;
    if (it != tokens.begin() && std::prev(it)->Kind != KindLineBreak) continue;
    RewriteSwap(tokens, it);
  }
}

}  // namespace korvex::translate
