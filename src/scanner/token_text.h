// TokenText: a token's text in 16 bytes, half of what a std::string takes,
// so that a token list node fits in less memory and a walk over a million
// tokens reads less of it. Three forms:
//  - inline: up to 15 bytes in place, most tokens;
//  - owned: a heap block of a power-of-two size, for longer texts;
//  - view: a long text in its token list's arena (text_arena.h). Only the
//    token list makes views, inside its own nodes; copying or moving a view
//    gives an owned text, so a view never outlives the arena's blocks.
// The byte at offset 15 tells the form: for an inline text it is 15 minus
// the size (so a text of 15 bytes ends in a 0), else a tag with its top bit
// set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/short_copy.h"

namespace korvex {

class TokenText {
 public:
  using size_type = size_t;
  static constexpr size_t npos = std::string::npos;
  static constexpr size_t kInline = 15;

  TokenText() noexcept { SetInlineSize(0); }
  TokenText(std::string_view s) { Init(s); }
  TokenText(const char* s) { Init(std::string_view(s)); }
  TokenText(const std::string& s) { Init(std::string_view(s)); }
  // A text in place is copied as its sixteen bytes, which the compiler
  // does in two moves.
  TokenText(const TokenText& o) {
    if (o.Tag() < 0x80) std::memcpy(raw_, o.raw_, sizeof raw_);
    else Init(o.view());
  }
  TokenText(TokenText&& o) noexcept(false) {
    if (o.Tag() < 0x80) {
      std::memcpy(raw_, o.raw_, sizeof raw_);
    } else if (o.Tag() == kOwnedTag) {
      std::memcpy(raw_, o.raw_, sizeof raw_);
      o.SetInlineSize(0);
    } else {
      Init(o.view());
    }
  }
  ~TokenText() { Release(); }

  TokenText& operator=(const TokenText& o) {
    if (this == &o) return *this;
    if (o.Tag() < 0x80 && Tag() < 0x80) std::memcpy(raw_, o.raw_, sizeof raw_);
    else assign(o.view());
    return *this;
  }
  TokenText& operator=(TokenText&& o) {
    if (this == &o) return *this;
    if (o.Tag() != kOwnedTag) return *this = static_cast<const TokenText&>(o);
    Release();
    std::memcpy(raw_, o.raw_, sizeof raw_);
    o.SetInlineSize(0);
    return *this;
  }
  TokenText& operator=(std::string_view s) { return assign(s); }
  TokenText& operator=(const char* s) { return assign(std::string_view(s)); }
  TokenText& operator=(const std::string& s) { return assign(std::string_view(s)); }
  TokenText& operator=(char c) { return assign(std::string_view(&c, 1)); }

  /// A fresh text (empty, in place) takes a short s, which lies elsewhere,
  /// without a call: filling a list does this for nearly every token.
  void SetShortFresh(std::string_view s) noexcept {
    CopyShort(raw_, s.data(), s.size());
    SetInlineSize(s.size());
  }
  /// Makes the text refer to s, which must outlive it (a long s; a short
  /// one is copied in place); see the list.
  void AssignView(std::string_view s) {
    if (s.size() <= kInline) {
      assign(s);
      return;
    }
    Release();
    SetLong(const_cast<char*>(s.data()), s.size(), kViewTag);
  }

  size_t size() const noexcept {
    unsigned char tag = Tag();
    if (tag < 0x80) return kInline - tag;
    uint32_t n;
    std::memcpy(&n, raw_ + 8, 4);
    return n;
  }
  bool empty() const noexcept { return size() == 0; }
  const char* data() const noexcept { return Tag() < 0x80 ? raw_ : LongPtr(); }
  std::string_view view() const noexcept { return {data(), size()}; }
  operator std::string_view() const noexcept { return view(); }
  std::string str() const { return std::string(view()); }
  // Where a std::string is wanted, a copy; the passes' helpers take views.
  operator std::string() const { return str(); }

  const char* begin() const noexcept { return data(); }
  const char* end() const noexcept { return data() + size(); }
  char operator[](size_t i) const noexcept { return data()[i]; }
  char front() const noexcept { return data()[0]; }
  char back() const noexcept { return data()[size() - 1]; }

  std::string substr(size_t pos, size_t n = npos) const { return std::string(view().substr(pos, n)); }
  size_t find(std::string_view s, size_t pos = 0) const noexcept { return view().find(s, pos); }
  size_t find(char c, size_t pos = 0) const noexcept { return view().find(c, pos); }
  size_t rfind(std::string_view s, size_t pos = npos) const noexcept { return view().rfind(s, pos); }
  size_t find_first_of(std::string_view s, size_t pos = 0) const noexcept {
    return view().find_first_of(s, pos);
  }
  int compare(size_t pos, size_t n, std::string_view s) const { return view().compare(pos, n, s); }

  TokenText& assign(std::string_view s) {
    if (s.size() > kInline || Tag() >= 0x80) return AssignLong(s);
    std::memmove(raw_, s.data(), s.size());  // s may lie in this text
    SetInlineSize(s.size());
    return *this;
  }
  TokenText& append(std::string_view s);
  TokenText& operator+=(std::string_view s) { return append(s); }
  TokenText& operator+=(const char* s) { return append(std::string_view(s)); }
  TokenText& operator+=(const std::string& s) { return append(std::string_view(s)); }
  TokenText& operator+=(char c) { return append(std::string_view(&c, 1)); }
  TokenText& operator+=(const TokenText& o) { return append(o.view()); }
  void clear() noexcept {
    Release();
    SetInlineSize(0);
  }
  void pop_back() { Shorten(size() - 1); }
  TokenText& insert(size_t pos, std::string_view s);
  TokenText& erase(size_t pos = 0, size_t n = npos);

  friend bool operator==(const TokenText& a, std::string_view b) noexcept { return a.view() == b; }
  friend auto operator<=>(const TokenText& a, std::string_view b) noexcept { return a.view() <=> b; }
  friend std::string operator+(const TokenText& a, std::string_view b) { return Joined(a.view(), b); }
  friend std::string operator+(std::string_view a, const TokenText& b) { return Joined(a, b.view()); }
  friend std::string operator+(const TokenText& a, const TokenText& b) { return Joined(a.view(), b.view()); }
  friend std::string operator+(const TokenText& a, const std::string& b) { return Joined(a.view(), b); }
  friend std::string operator+(const std::string& a, const TokenText& b) { return Joined(a, b.view()); }
  friend std::string operator+(const TokenText& a, const char* b) { return Joined(a.view(), b); }
  friend std::string operator+(const char* a, const TokenText& b) { return Joined(a, b.view()); }
  friend std::string operator+(const TokenText& a, char b) { return Joined(a.view(), std::string_view(&b, 1)); }
  friend std::string operator+(char a, const TokenText& b) { return Joined(std::string_view(&a, 1), b.view()); }

 private:
  static constexpr unsigned char kOwnedTag = 0x80;
  static constexpr unsigned char kViewTag = 0x81;

  unsigned char Tag() const noexcept { return static_cast<unsigned char>(raw_[15]); }
  char* LongPtr() const noexcept {
    char* p;
    std::memcpy(&p, raw_, sizeof p);
    return p;
  }
  void SetInlineSize(size_t n) noexcept {
    raw_[n] = 0;
    raw_[15] = static_cast<char>(kInline - n);
  }
  void SetLong(char* p, size_t n, unsigned char tag) noexcept {
    std::memcpy(raw_, &p, sizeof p);
    uint32_t n32 = static_cast<uint32_t>(n);
    std::memcpy(raw_ + 8, &n32, 4);
    raw_[15] = static_cast<char>(tag);
  }
  void Init(std::string_view s);
  TokenText& AssignLong(std::string_view s);
  void Release() noexcept;
  void Shorten(size_t n) noexcept;
  static std::string Joined(std::string_view a, std::string_view b);

  alignas(8) char raw_[16];
};

}  // namespace korvex
