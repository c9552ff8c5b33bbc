// WordCensus; see word_census.h.
#include "scanner/word_census.h"

#include <algorithm>
#include <array>

#include "common/text.h"

namespace korvex {
namespace {

// The keywords whose passes skip their walk without them.
constexpr auto kKeywords = std::to_array<std::string_view>({
    "with", "endwith", "swap", "break", "goto", "gosub", "return", "fakereturn",
    "calldebugger", "enabledebugger", "disabledebugger", "declare", "shared", "bool",
    "select", "while", "wend", "repeat", "until", "forever", "newmap", "map", "newlist",
    "list", "dim", "redim", "array", "debug", "for", "next", "if", "elseif", "else",
    "endif", "procedure", "procedurec", "proceduredll", "procedurecdll", "endprocedure",
    "procedurereturn", "structure", "endstructure", "global", "protected", "define",
    "threaded"});
static_assert(kKeywords.size() <= 64, "the census keeps one bit a keyword");

constexpr size_t kLongest = [] {
  size_t longest = 0;
  for (std::string_view w : kKeywords) longest = std::max(longest, w.size());
  return longest;
}();

// The keywords by first letter and length, so that a word is compared with
// at most a few of them: the index of the first in each bucket, chained.
struct Buckets {
  std::array<std::array<int8_t, kLongest + 1>, 26> first{};
  std::array<int8_t, kKeywords.size()> next{};

  constexpr Buckets() {
    for (auto& row : first)
      for (int8_t& head : row) head = -1;
    for (size_t k = kKeywords.size(); k-- > 0;) {
      std::string_view w = kKeywords[k];
      int8_t& head = first[static_cast<size_t>(w[0] - 'a')][w.size()];
      next[k] = head;
      head = static_cast<int8_t>(k);
    }
  }

  int Find(std::string_view word) const {
    if (word.size() > kLongest) return -1;
    char c = word[0];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c < 'a' || c > 'z') return -1;
    for (int k = first[static_cast<size_t>(c - 'a')][word.size()]; k >= 0; k = next[static_cast<size_t>(k)])
      if (EqualsNoCase(word, kKeywords[static_cast<size_t>(k)])) return k;
    return -1;
  }
};

constexpr Buckets kBuckets;

}  // namespace

constinit const WordShapes WordCensus::kShapes{kKeywords};

void WordCensus::NoteWord(std::string_view word) {
  int k = kBuckets.Find(word);
  if (k >= 0) words_.set(static_cast<size_t>(k));
}

bool WordCensus::MayHave(std::string_view lowerWord) const {
  for (size_t k = 0; k < kKeywords.size(); ++k)
    if (kKeywords[k] == lowerWord) return words_.test(k);
  return true;
}

}  // namespace korvex
