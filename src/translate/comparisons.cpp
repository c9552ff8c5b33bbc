// Comparison operators of conditions; see comparisons.h.
#include "translate/comparisons.h"

namespace korvex::translate {

void RewriteComparison(Token& token, Token* next) {
  if (token.Kind != KindOther) return;
  if (token.Text == "<>") {
    token.Text = "!=";
    return;
  }
  if (token.Text != "=") return;
  // "a => b" arrives as "=", ">": the pair becomes ">=" and an empty text.
  if (next != nullptr && (next->Text == ">" || next->Text == "<")) {
    token.Text = next->Text + "=";
    next->Text.clear();
    return;
  }
  token.Text = "==";
}

}  // namespace korvex::translate
