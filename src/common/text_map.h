// Hash maps and sets keyed by std::string that are searched with any text
// (a std::string_view, a token's text) without first making a std::string
// of it: the passes look names up for nearly every word they read.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace korvex {

// The names hashed are words of a few bytes, looked up for nearly every
// word of the program: an inline hash that takes eight bytes at a step
// costs a fraction of std::hash's out-of-line one. The tables take the
// remainder by a prime, so a multiply-and-fold mix spreads them well.
struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const noexcept {
    const char* p = s.data();
    size_t n = s.size();
    uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    for (; n >= 8; p += 8, n -= 8) h = Mix(h, Load(p, 8));
    if (n > 0) h = Mix(h, Load(p, n));
    return static_cast<size_t>(h ^ (h >> 32));
  }

 private:
  static uint64_t Load(const char* p, size_t n) noexcept {
    uint64_t w = 0;
    if (n == 8) {
      std::memcpy(&w, p, 8);
    } else if (n >= 4) {  // two reads of four bytes that may overlap
      uint32_t a, b;
      std::memcpy(&a, p, 4);
      std::memcpy(&b, p + n - 4, 4);
      w = (static_cast<uint64_t>(b) << 32) | a;
    } else {
      for (size_t i = 0; i < n; ++i) w |= static_cast<uint64_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    }
    return w;
  }
  static uint64_t Mix(uint64_t h, uint64_t w) noexcept {
    h = (h ^ w) * 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 31);
  }
};

template <class Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;
using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

}  // namespace korvex
