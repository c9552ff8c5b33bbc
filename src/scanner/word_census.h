// WordCensus: what a scanned text holds, in a form a pass can ask in O(1)
// before it walks a token list of a million tokens for a keyword that is
// not there: the words without regard to case (a bit per hash of the
// lower-cased word), the first characters of the other tokens, and
// whether a string literal holds a backslash.
// It answers "maybe" for a word it never saw at the rate of its hash
// collisions, and never "no" for a word it saw. It knows the text as the
// scanner read it: words that passes write later are not in it, so a pass
// may only skip on words that no earlier pass writes.
#pragma once

#include <bitset>
#include <cstdint>
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

  /// Maybe holds the word (given in lower case).
  bool MayHave(std::string_view lowerWord) const { return words_.test(Hash(lowerWord)); }
  /// Maybe holds one of the words.
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
  static constexpr size_t kBits = 1 << 16;

  // FNV-1a over the lower-cased bytes, folded to the table's size.
  static size_t Hash(std::string_view word) {
    uint32_t h = 2166136261u;
    for (char c : word) {
      unsigned char b = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      h = (h ^ b) * 16777619u;
    }
    return (h ^ (h >> 16)) & (kBits - 1);
  }

  std::bitset<kBits> words_;
  std::bitset<256> starts_;
  bool backslashString_ = false;
};

}  // namespace korvex
