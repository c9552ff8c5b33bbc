// Copying a text of a few bytes without a call: most tokens are shorter
// than 16 bytes, and a call to memcpy costs more than the copy itself.
#pragma once

#include <cstddef>
#include <cstring>

namespace korvex {

/// Copies n bytes (at most 16) from from to to, which do not overlap: two
/// fixed-size copies that may overlap each other, or a loop for 0 to 3.
inline void CopyShort(char* to, const char* from, size_t n) noexcept {
  if (n >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + n - 8, from + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + n - 4, from + n - 4, 4);
  } else {
    for (size_t i = 0; i < n; ++i) to[i] = from[i];
  }
}

}  // namespace korvex
