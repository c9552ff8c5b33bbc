// Late rewrites of single tokens: "@" address-of, comments, and the
// PureBasic operators and keywords that JavaScript spells differently.
// "@Handler()"  ->  "Handler";  "a And Not b"  ->  "a && ! b";  "a & b" stays;
// "a XOr b" and "a ! b"  ->  "a ^ b";  "a\x"  ->  "a.x";  "; note"  ->  "// ; note".
// They run after the procedure and Debug passes, before the loops and Ifs.
#include <iterator>
#include <string>

#include "common/text.h"
#include "common/word_shapes.h"
#include "passes/raw_markers.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

void RewriteWord(Token& t) {
  static constexpr WordShapes kWords{"true", "false", "break", "continue", "or", "and", "not", "xor"};
  if (!kWords.MayBe(t.Text)) return;
  LowerWord lower(t.Text);
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

namespace {

// Comments become JavaScript line comments; inside a raw block they hold
// JavaScript and stay exactly as written (the raw-block pass uncomments
// them). inRaw is carried from token to token.
void MarkComment(Token& t, bool& inRaw) {
  if (t.Kind == KindWord) {
    static constexpr WordShapes kMarkers{passes::kBeginRawMarker, passes::kEndRawMarker};
    if (!kMarkers.MayBe(t.Text)) return;
    LowerWord lower(t.Text);
    if (lower == passes::kBeginRawMarker) inRaw = true;
    else if (lower == passes::kEndRawMarker) inRaw = false;
  } else if (t.Kind == KindComment && !inRaw) {
    t.Text.insert(0, "// ");
  }
}

bool IsComparisonSign(std::string_view text) {
  return text == "=" || text == "<>" || text == "<" || text == ">" || text == "<=" ||
         text == ">=";
}

bool IsLogicalWord(const Token& t) {
  return t.Kind == KindWord &&
         (EqualsNoCase(t.Text, "and") || EqualsNoCase(t.Text, "or") || EqualsNoCase(t.Text, "xor"));
}

// The cursor is on a Not. PureBasic reads "Not a > b" as "Not (a > b)": a
// comparison binds more tightly than Not, and less tightly than
// JavaScript's "!". So an operand that compares gets the parentheses, and
// the result is the same as when the program had written them. The operand
// ends at And, Or, XOr, a "," or ")" of the enclosing level, or the line's
// end. An operand with a Not of its own is left as it is; so no token is
// looked at from two Nots, and the walk stays linear.
void ParenthesizeComparedOperand(TokenList& tokens) {
  TokenList::Position notToken = tokens.Mark();
  TokenList::Position last = notToken;
  int depth = 0;
  bool compares = false;
  for (auto it = std::next(notToken); it != tokens.end(); ++it) {
    const Token& t = *it;
    if (t.Kind == KindLineBreak || t.Kind == KindComment || (depth == 0 && IsLogicalWord(t))) break;
    if (t.Kind == KindWord && EqualsNoCase(t.Text, "not")) return;
    if (t.Kind == KindOther) {
      if (t.Text == "(" || t.Text == "[") {
        ++depth;
      } else if (t.Text == ")" || t.Text == "]") {
        if (depth == 0) break;
        --depth;
      } else if (depth == 0 && (t.Text == "," || t.Text == ":")) {
        break;
      } else if (depth == 0 && IsComparisonSign(t.Text)) {
        compares = true;
      }
    }
    if (!t.Text.empty()) last = it;
  }
  if (!compares || depth != 0) return;
  tokens.ReturnTo(last);
  tokens.Add(Token{")", KindOther, 0, last->Line});
  tokens.ReturnTo(notToken);
  tokens.Add(Token{"(", KindOther, 0, notToken->Line});
  tokens.ReturnTo(notToken);
}

}  // namespace

// Numbers and strings are never operators. The comment rule reads only its
// token, and the operator rules never read a comment's text, so one walk
// does both; the parentheses that a Not adds are walked over like the
// other tokens.
void RewriteCommentsAndOperators(TokenList& tokens) {
  bool inRaw = false;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    MarkComment(t, inRaw);
    if (t.Kind == KindWord && EqualsNoCase(t.Text, "not")) ParenthesizeComparedOperand(tokens);
    if (t.Kind == KindWord) RewriteWord(t);
    else if (t.Kind == KindOther) RewriteOperator(t);
  }
}

}  // namespace korvex::translate
