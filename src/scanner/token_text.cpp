// TokenText's storage changes. An owned block is the power of two above its
// size (at least 32 bytes), so its room follows from the size and need not
// be stored; a block that was shortened only looks smaller than it is, and
// growing it again asks realloc, which knows its real size.
#include "scanner/token_text.h"

#include <bit>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace korvex {
namespace {

size_t RoomFor(size_t n) {
  if (n >= UINT32_MAX) throw std::length_error("token text too long");
  return std::bit_ceil(n + 1 < 32 ? size_t{32} : n + 1);
}

char* Resized(char* p, size_t room) {
  void* q = std::realloc(p, room);
  if (q == nullptr) throw std::bad_alloc();
  return static_cast<char*>(q);
}

}  // namespace

void TokenText::Init(std::string_view s) {
  if (s.size() <= kInline) {
    std::memcpy(raw_, s.data(), s.size());
    SetInlineSize(s.size());
    return;
  }
  char* p = Resized(nullptr, RoomFor(s.size()));
  std::memcpy(p, s.data(), s.size());
  p[s.size()] = 0;
  SetLong(p, s.size(), kOwnedTag);
}

void TokenText::Release() noexcept {
  if (Tag() == kOwnedTag) std::free(LongPtr());
}

// The text or s (or both) is not inline.
TokenText& TokenText::AssignLong(std::string_view s) {
  // s may lie inside this text
  if (Tag() == kOwnedTag && s.size() > kInline && RoomFor(s.size()) <= RoomFor(size())) {
    char* p = LongPtr();
    std::memmove(p, s.data(), s.size());
    p[s.size()] = 0;
    SetLong(p, s.size(), kOwnedTag);
    return *this;
  }
  TokenText fresh(s);
  Release();
  std::memcpy(raw_, fresh.raw_, sizeof raw_);
  fresh.SetInlineSize(0);
  return *this;
}

TokenText& TokenText::append(std::string_view s) {
  size_t n = size();
  size_t total = n + s.size();
  if (Tag() < 0x80 && total <= kInline) {  // inline before and after
    std::memmove(raw_ + n, s.data(), s.size());
    SetInlineSize(total);
    return *this;
  }
  if (Tag() == kOwnedTag) {
    char* p = LongPtr();
    if (RoomFor(total) > RoomFor(n)) {
      // s may lie inside this text: keep where it starts across the move
      const char* old = p;
      bool inside = s.data() >= old && s.data() < old + n;
      size_t offset = inside ? static_cast<size_t>(s.data() - old) : 0;
      p = Resized(p, RoomFor(total));
      if (inside) s = std::string_view(p + offset, s.size());
    }
    std::memmove(p + n, s.data(), s.size());
    p[total] = 0;
    SetLong(p, total, kOwnedTag);
    return *this;
  }
  char* p = Resized(nullptr, RoomFor(total));
  std::memcpy(p, data(), n);
  std::memcpy(p + n, s.data(), s.size());
  p[total] = 0;
  SetLong(p, total, kOwnedTag);
  return *this;
}

void TokenText::Shorten(size_t n) noexcept {
  if (Tag() < 0x80) {
    SetInlineSize(n);
  } else if (Tag() == kOwnedTag) {
    LongPtr()[n] = 0;
    SetLong(LongPtr(), n, kOwnedTag);
  } else {
    SetLong(LongPtr(), n, kViewTag);  // a shorter view of the same text
  }
}

TokenText& TokenText::insert(size_t pos, std::string_view s) {
  std::string whole(view());
  whole.insert(pos, s);
  return assign(whole);
}

TokenText& TokenText::erase(size_t pos, size_t n) {
  std::string whole(view());
  whole.erase(pos, n);
  return assign(whole);
}

std::string TokenText::Joined(std::string_view a, std::string_view b) {
  std::string out;
  out.reserve(a.size() + b.size());
  out += a;
  out += b;
  return out;
}

}  // namespace korvex
