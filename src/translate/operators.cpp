// Late rewrites of single tokens: "@" address-of, comments, and the
// PureBasic operators and keywords that JavaScript spells differently.
// "@Handler()"  ->  "Handler";  "a And Not b"  ->  "a && ! b";  "a & b" stays;
// "a XOr b" and "a ! b"  ->  "a ^ b";  "a\x"  ->  "a.x";  "; note"  ->  "// ; note".
// They run after the procedure and Debug passes, before the loops and Ifs.
#include <string>

#include "scanner/text.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

void RewriteWord(Token& t) {
  std::string lower = LowerAscii(t.Text);
  // True, False, Break and Continue only get JavaScript's lower case.
  if (lower == "true" || lower == "false" || lower == "break" || lower == "continue")
    t.Text = lower;
  else if (lower == "or") t.Text = "||";
  else if (lower == "and") t.Text = "&&";
  else if (lower == "not") t.Text = "!";
  else if (lower == "xor") t.Text = "^";  // exclusive or: JavaScript has no XOr
}

// "&" is PureBasic's bitwise AND, the same operator in JavaScript, so it
// stays; the logical one is the word And.
// "!" is PureBasic's bitwise exclusive or, not a negation (that is the word
// Not, already "!" here, but a word token).
void RewriteOperator(Token& t) {
  if (t.Text == "\\") t.Text = ".";  // structure field: a\x  ->  a.x
  else if (t.Text == "!") t.Text = "^";
}

}  // namespace

// @Name()  ->  Name: a function reference; @value  ->  value.
// The walk goes on after the token that followed the name.
void RewriteAddressOf(TokenList& tokens) {
  tokens.Reset();
  while (tokens.Next()) {
    if (tokens.Current().Text != "@") continue;
    ClearText(tokens.Current());
    if (!tokens.Next() || !tokens.Next()) return;  // the name, then what follows it
    Token& open = tokens.Current();
    Token* close = tokens.PeekNext();
    if (open.Text == "(" && close != nullptr && close->Text == ")") {
      ClearText(open);
      ClearText(*close);
    }
  }
}

// Comments become JavaScript line comments; inside a raw block they hold
// JavaScript and stay exactly as written (the raw-block pass uncomments
// them).
void MarkComments(TokenList& tokens) {
  bool inRaw = false;
  for (Token& t : tokens) {
    if (t.Kind == KindWord) {
      std::string lower = LowerAscii(t.Text);
      if (lower == "kvx_converter_begin_raw") inRaw = true;
      else if (lower == "kvx_converter_end_raw") inRaw = false;
    } else if (t.Kind == KindComment && !inRaw) {
      t.Text.insert(0, "// ");
    }
  }
}

// Numbers and strings are never operators.
void RewriteOperators(TokenList& tokens) {
  for (Token& t : tokens) {
    if (t.Kind == KindWord) RewriteWord(t);
    else if (t.Kind == KindOther) RewriteOperator(t);
  }
}

}  // namespace korvex::translate
