// A text written a few bytes at a time into room that was made beforehand.
// std::string's append checks its room and calls a copy routine for every
// token, which costs more than the token's own few bytes; here a text of up
// to 16 bytes is copied inline (CopyShort).
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

#include "common/short_copy.h"

namespace korvex {

class ByteWriter {
 public:
  /// Makes room for at least n more bytes, keeping what is written.
  void Reserve(size_t n) {
    if (n > Room()) Grow(n);
  }
  /// Room made with Reserve beforehand spares a growth on the way.
  void Put(std::string_view s) {
    if (s.size() > Room()) Grow(s.size());
    size_t n = s.size();
    if (n <= 16) CopyShort(at_, s.data(), n);
    else std::memcpy(at_, s.data(), n);
    at_ += n;
  }
  void Put(char c) {
    if (at_ == end_) Grow(1);
    *at_++ = c;
  }
  size_t Size() const { return static_cast<size_t>(at_ - buffer_.get()); }  // 0 before any room
  std::string_view View() const { return {buffer_.get(), Size()}; }
  void Clear() { at_ = buffer_.get(); }

 private:
  size_t Room() const { return static_cast<size_t>(end_ - at_); }
  [[gnu::noinline]] void Grow(size_t n) {
    size_t used = Size();
    size_t capacity = std::max(used + n, 2 * static_cast<size_t>(end_ - buffer_.get()));
    std::unique_ptr<char[]> bigger(new char[capacity]);
    if (used > 0) std::memcpy(bigger.get(), buffer_.get(), used);
    buffer_ = std::move(bigger);
    at_ = buffer_.get() + used;
    end_ = buffer_.get() + capacity;
  }

  std::unique_ptr<char[]> buffer_;
  char* at_ = nullptr;
  char* end_ = nullptr;
};

}  // namespace korvex
