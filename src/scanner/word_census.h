// WordCensus: what a scanned text holds, in a form a pass can ask in O(1)
// before it walks a token list of a million tokens for a keyword that is
// not there: which of the keywords that such passes act on occur (without
// regard to case), the first characters of the tokens, and whether a
// string literal holds a backslash.
// A word outside its list of keywords may always be there. It knows the
// text as the scanner read it: words that passes write later are not in
// it, so a pass may only skip on words that no earlier pass writes.
#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace korvex {

class WordCensus {
 public:
  void Clear() {
    words_.reset();
    starts_.reset();
    backslashString_ = false;
  }

  void Note(std::string_view text, int kind);

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

 private:
  std::bitset<64> words_;  // by index in the list of keywords
  std::bitset<256> starts_;
  bool backslashString_ = false;
};

}  // namespace korvex
