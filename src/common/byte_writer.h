// A text written a few bytes at a time into room that was made beforehand.
// std::string's append checks its room and calls a copy routine for every
// token, which costs more than the token's own few bytes; here a text of up
// to 16 bytes is copied inline by two fixed-size copies that may overlap.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

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
    const char* from = s.data();
    size_t n = s.size();
    if (n >= 8 && n <= 16) {  // two copies of 8 bytes that may overlap
      std::memcpy(at_, from, 8);
      std::memcpy(at_ + n - 8, from + n - 8, 8);
    } else if (n >= 4 && n < 8) {
      std::memcpy(at_, from, 4);
      std::memcpy(at_ + n - 4, from + n - 4, 4);
    } else if (n < 4) {
      char* to = at_;  // a local pointer: a char written through a member may alias it
      for (size_t i = 0; i < n; ++i) to[i] = from[i];
    } else {
      std::memcpy(at_, from, n);
    }
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
