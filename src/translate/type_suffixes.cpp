// Type suffixes after ".": basic types disappear ("count.i"  ->  "count"),
// structure types give the variable a new object ("p.Point"  ->
// "p = new Point()"), except in a parameter list, where only "p" is left.
// The basic types go early; structure types go after the structure pass has
// built its classes.
#include <string>

#include "common/text.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

bool IsBasicTypeLetter(std::string_view text) {
  if (text.size() != 1) return false;
  char c = text[0] >= 'A' && text[0] <= 'Z' ? static_cast<char>(text[0] - 'A' + 'a') : text[0];
  return std::string_view("bacwulifqds").find(c) != std::string_view::npos;
}

bool IsDot(const Token* t) { return t != nullptr && t->Kind == KindOther && t->Text == "."; }

}  // namespace

// name.i  ->  name (both the "." and the letter are blanked).
void DropBasicTypeSuffix(Token& t, Token* before) {
  if (t.Kind == KindWord && IsBasicTypeLetter(t.Text) && IsDot(before)) {
    Blank(*before);
    Blank(t);
  }
}

void DropBasicTypeSuffixes(TokenList& tokens) {
  Token* before = nullptr;
  for (Token& t : tokens) {
    DropBasicTypeSuffix(t, before);
    before = &t;
  }
}

// var p.Point  ->  var p = new Point();  (p.Point)  ->  (p).
// "Inside parentheses" is a flag, not a depth: the first ")" clears it.
void RewriteStructureVariables(TokenList& tokens) {
  bool inParentheses = false;
  Token* before = nullptr;
  for (Token& t : tokens) {
    if (t.Kind == KindLineBreak) {
      inParentheses = false;
    } else if (t.Kind == KindOther && t.Text == "(") {
      inParentheses = true;
    } else if (t.Kind == KindOther && t.Text == ")") {
      inParentheses = false;
    } else if (t.Kind == KindWord && !IsBasicTypeLetter(t.Text) && IsDot(before)) {
      Blank(*before);
      if (inParentheses) ClearText(t);
      else t.Text = " = new " + t.Text + "()";
    }
    before = &t;
  }
}

}  // namespace korvex::translate
