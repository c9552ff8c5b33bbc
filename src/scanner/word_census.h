// WordCensus: what a scanned text holds, in a form a pass can ask in O(1)
// before it walks a token list of a million tokens for a keyword that is
// not there: which of the keywords that such passes act on occur (without
// regard to case), the first characters of the tokens, whether a string
// literal holds a backslash, and whether a line starts with a word and ":"
// as a label does.
// A word outside its list of keywords may always be there. It knows the
// text as the scanner read it: words that passes write later are not in
// it, so a pass may only skip on words that no earlier pass writes.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "common/word_shapes.h"
#include "scanner/token.h"

namespace korvex {

class WordCensus {
 public:
  void Clear() {
    words_.reset();
    starts_.reset();
    backslashString_ = false;
    labelLike_ = false;
    lineStart_ = true;
    wordAtLineStart_ = false;
  }

  /// The scanner's tokens one by one; inline, as it runs for every token.
  void Note(std::string_view text, int kind) {
    if (text.empty()) return;
    starts_[static_cast<unsigned char>(text[0])] = true;
    if (wordAtLineStart_ && kind == KindOther && text == ":") labelLike_ = true;
    wordAtLineStart_ = lineStart_ && kind == KindWord;
    lineStart_ = kind == KindLineBreak;
    if (kind == KindWord) {
      if (MayBeKeyword(text)) NoteWord(text);
    } else if (kind == KindString && !backslashString_ && text.find('\\') != std::string_view::npos) {
      backslashString_ = true;
    }
  }

  /// Maybe holds the word (given in lower case): exact for the keywords
  /// of the list, true for any other word.
  bool MayHave(std::string_view lowerWord) const;
  bool MayHaveAny(std::initializer_list<std::string_view> lowerWords) const {
    for (std::string_view w : lowerWords)
      if (MayHave(w)) return true;
    return false;
  }
  /// A token (word or other) starts with c.
  bool HasStart(char c) const { return starts_.test(static_cast<unsigned char>(c)); }
  /// A string literal holds a "\".
  bool HasBackslashString() const { return backslashString_; }
  /// A line may start with "Name:" (what else the line holds is not known).
  bool MayHaveLabel() const { return labelLike_; }

 private:
  // the shapes of the keywords: most words are passed by this test alone
  static const WordShapes kShapes;

  static bool MayBeKeyword(std::string_view word) { return kShapes.MayBe(word); }
  void NoteWord(std::string_view word);

  std::bitset<64> words_;  // by index in the list of keywords
  std::bitset<256> starts_;
  bool backslashString_ = false;
  bool labelLike_ = false;
  bool lineStart_ = true;        // the last token was a line break, or none came yet
  bool wordAtLineStart_ = false;  // the last token was a word that started its line
};

}  // namespace korvex
