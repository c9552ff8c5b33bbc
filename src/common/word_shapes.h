// The shapes of a set of words: for each length, which first bytes the
// words of that length have. A walk meets every word of a program and few
// of the keywords it looks for; two bit tests pass over most words before
// anything is lower-cased or compared.
//   WordShapes{"if", "endif"}.MayBe("IF") is true, .MayBe("total") false.
// The first byte counts by its low five bits, so that a letter matches in
// either case; other bytes may share a letter's bits, which costs a
// comparison, never a miss.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "common/text.h"

namespace korvex {

class WordShapes {
 public:
  /// Lengths below this are told apart; a longer word is compared when the
  /// set has a word that long.
  static constexpr size_t kLengths = 64;

  constexpr WordShapes() = default;
  constexpr WordShapes(std::initializer_list<std::string_view> words) {
    for (std::string_view w : words) Add(w);
  }
  template <class Words>
  constexpr explicit WordShapes(const Words& words) {
    for (std::string_view w : words) Add(w);
  }

  constexpr void Add(std::string_view word) {
    if (word.empty()) return;
    if (word.size() >= kLengths) {
      hasLong_ = true;
      return;
    }
    masks_[word.size()] |= Bit(word[0]);
  }

  /// These shapes and those of more words.
  constexpr WordShapes With(std::initializer_list<std::string_view> words) const {
    WordShapes more = *this;
    for (std::string_view w : words) more.Add(w);
    return more;
  }

  /// word may be one of the set, in any case.
  constexpr bool MayBe(std::string_view word) const {
    if (word.empty()) return false;
    if (word.size() >= kLengths) return hasLong_;
    return (masks_[word.size()] & Bit(word[0])) != 0;
  }

 private:
  static constexpr uint32_t Bit(char first) {
    return 1u << (static_cast<unsigned char>(first) & 31u);
  }

  std::array<uint32_t, kLengths> masks_{};
  bool hasLong_ = false;
};

/// A list of lower-case keywords with its shapes, for a walk that only asks
/// whether a word is one of them: the list is written once. A text of one
/// byte ("(", "=") is answered by a table, without a comparison.
template <size_t N>
class KeywordSet {
 public:
  constexpr explicit KeywordSet(const std::string_view (&words)[N]) : shapes_(words) {
    for (size_t i = 0; i < N; ++i) {
      words_[i] = words[i];
      if (words[i].size() != 1) continue;
      unsigned char c = static_cast<unsigned char>(words[i][0]);
      single_[c] = true;
      if (c >= 'a' && c <= 'z') single_[c - 'a' + 'A'] = true;
    }
  }

  /// word, in any case, is one of the list.
  bool Has(std::string_view word) const {
    if (word.size() == 1) return single_[static_cast<unsigned char>(word[0])];
    if (!shapes_.MayBe(word)) return false;
    for (std::string_view w : words_)
      if (EqualsNoCase(word, w)) return true;
    return false;
  }

 private:
  WordShapes shapes_;
  std::array<std::string_view, N> words_{};
  std::array<bool, 256> single_{};
};

}  // namespace korvex
