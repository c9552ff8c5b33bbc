// TextArena: the long texts of a token list's scanned tokens, one after
// another in blocks of 64 KB (a longer text gets a block of its own), so
// that such a token refers to its text instead of holding a heap block:
// no allocation per token, and no room lost to rounding. A block stays
// where it is until Clear(), so the texts do too.
#pragma once

#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace korvex {

class TextArena {
 public:
  /// A copy of s that stays until Clear().
  std::string_view Copy(std::string_view s) {
    if (s.size() > left_) Grow(s.size());
    char* at = next_;
    std::memcpy(at, s.data(), s.size());
    next_ += s.size();
    left_ -= s.size();
    return {at, s.size()};
  }
  void Clear() {
    blocks_.clear();
    next_ = nullptr;
    left_ = 0;
  }

 private:
  static constexpr size_t kBlock = 64 * 1024;

  // A text longer than a block gets a block of its own size.
  void Grow(size_t size) {
    size_t room = size > kBlock ? size : kBlock;
    blocks_.emplace_back(new char[room]);
    next_ = blocks_.back().get();
    left_ = room;
  }

  std::vector<std::unique_ptr<char[]>> blocks_;
  char* next_ = nullptr;  // the free part of the last block
  size_t left_ = 0;
};

}  // namespace korvex
