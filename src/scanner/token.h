// Token: one piece of PureBasic (or, late in the run, JavaScript) text with
// its kind and the source line it came from. Every statement pass works on a
// list of these; see token_list.h.
#pragma once

#include <string>

#include "scanner/token_text.h"

namespace korvex {

enum TokenKind : int {
  KindOther = 0,      // operators, punctuation, any other single character
  KindWord = 1,       // identifiers, keywords, #constants, *pointers
  KindNumber = 2,     // numeric literals and 'c' character constants
  KindString = 3,     // "..." literals, and any unterminated quoted literal
  KindComment = 4,    // ";" to the end of the line
  KindLineBreak = 5,  // the line-break marker "\n"
};

// 24 bytes: the kind, the mark and the line share one word.
struct Token {
  TokenText Text;
  int Kind : 4 = KindOther;
  int Spare : 4 = 0;  // free for passes; the scanner never sets it (marks in use: 1-7)
  int Line : 24 = 0;  // line number within the scanned text, from 1 (at most kMaxLine)
  int Ref = -1;       // the program model's symbol this token names, or -1
};

/// The largest line number a token holds; later lines report this one.
inline constexpr int kMaxLine = (1 << 23) - 1;

/// Token::Spare of a line break that stands for a ":" of the source, which
/// also ends a label ("Start:").
inline constexpr int kColonBreak = 2;

/// Blanking empties a token and makes it KindOther; it stays in the list.
inline void Blank(Token& t) {
  t.Text.clear();
  t.Kind = KindOther;
}

/// Clearing empties a token but keeps its kind.
inline void ClearText(Token& t) { t.Text.clear(); }

}  // namespace korvex
