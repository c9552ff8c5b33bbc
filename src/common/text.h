// Small text helpers shared by every pass. All work on the bytes of UTF-8
// text (a character beyond ASCII is never split by them) and compare
// case-sensitively; callers lower-case both sides where case is to be
// ignored.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

/// ASCII lower-casing; other bytes are kept.
std::string LowerAscii(std::string_view s);
/// a and b are equal when ASCII letters are lower-cased (no copy is made).
/// Inline: the token passes ask it of nearly every word they walk over.
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}
/// A word ASCII lower-cased in a buffer of its own, for comparing with
/// lower-case keywords: no allocation for words of up to 32 bytes, the
/// longest keyword being shorter. A longer word is kept lower-cased on the
/// heap, so that it compares as LowerAscii's result would.
class LowerWord {
 public:
  explicit LowerWord(std::string_view s) : size_(s.size()) {
    char* out = buffer_;
    if (s.size() > sizeof buffer_) {
      long_.resize(s.size());
      out = long_.data();
    }
    for (size_t i = 0; i < s.size(); ++i) {
      char c = s[i];
      out[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
  std::string_view View() const {
    return size_ > sizeof buffer_ ? std::string_view(long_) : std::string_view(buffer_, size_);
  }
  bool operator==(std::string_view keyword) const { return View() == keyword; }
  bool operator!=(std::string_view keyword) const { return View() != keyword; }
  operator std::string_view() const { return View(); }

 private:
  char buffer_[32];
  size_t size_;
  std::string long_;
};

/// s with every space and every tab removed.
std::string RemoveBlanks(std::string_view s);
inline bool StartsWith(std::string_view a, std::string_view b) { return a.starts_with(b); }
inline bool EndsWith(std::string_view a, std::string_view b) { return a.ends_with(b); }
bool Contains(std::string_view a, std::string_view b);
/// Whether a holds lowerB with ASCII letters compared case-blind; lowerB is
/// lower-case. A pass asks it to learn that its keyword is nowhere in the
/// text, so that it need not scan it.
bool ContainsNoCase(std::string_view a, std::string_view lowerB);
/// Whether a holds one of the lower-case words, case-blind.
bool ContainsAnyNoCase(std::string_view a, std::initializer_list<std::string_view> lowerWords);
/// Whether s, its spaces and tabs left out, starts with lowerPrefix, ASCII
/// letters compared case-blind: "KVX_Converter_ Begin" starts with
/// "kvx_converter_begin".
/// Inline: the line passes ask it of every line, and the first byte tells
/// nearly all of them apart.
namespace detail {
bool StartsWithNoCaseNoBlanks(std::string_view s, std::string_view lowerPrefix);  // byte by byte
}  // namespace detail
inline bool StartsWithNoCaseNoBlanks(std::string_view s, std::string_view lowerPrefix) {
  bool letterFirst = !lowerPrefix.empty() && lowerPrefix[0] >= 'a' && lowerPrefix[0] <= 'z';
  if (letterFirst && !s.empty() && s[0] != ' ' && s[0] != '\t' && (s[0] | 0x20) != lowerPrefix[0]) return false;
  return detail::StartsWithNoCaseNoBlanks(s, lowerPrefix);
}
/// Removes leading and trailing spaces only: tabs and "\r" stay.
std::string TrimSpaces(std::string_view s);
std::string_view TrimSpacesView(std::string_view s);
/// Removes leading and trailing spaces and tabs.
std::string TrimBlanks(std::string_view s);
std::string_view TrimBlanksView(std::string_view s);
/// Every occurrence of find replaced by repl, left to right, in one pass.
std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view repl);
/// "\r\n" replaced by "\n".
std::string CrLfToLf(std::string_view s);
/// Number of occurrences of c in s.
size_t CountChar(std::string_view s, char c);
/// The lines of a text as the line-based passes see them: the pieces before
/// each "\n". Text after the last "\n" is not a line. They are found as
/// the walk reaches them, so a text of a million lines needs no list of
/// them.
class Lines {
 public:
  class iterator {
   public:
    iterator(std::string_view text, size_t start) : text_(text), start_(start), end_(text.find('\n', start)) {}
    std::string_view operator*() const { return text_.substr(start_, end_ - start_); }
    iterator& operator++() {
      start_ = end_ + 1;
      end_ = text_.find('\n', start_);
      return *this;
    }
    // every walk ends where no "\n" is left
    bool operator!=(const iterator&) const { return end_ != std::string_view::npos; }

   private:
    std::string_view text_;
    size_t start_, end_;
  };

  explicit Lines(std::string_view text) : text_(text) {}
  iterator begin() const { return iterator(text_, 0); }
  iterator end() const { return iterator(text_, text_.size()); }

 private:
  std::string_view text_;
};
inline Lines SplitLines(std::string_view text) { return Lines(text); }
/// Removes every occurrence of c.
std::string RemoveChar(std::string_view s, char c);
/// The folder part of a path: up to and including the last "\" or "/";
/// "" when there is none.
std::string FolderPart(std::string_view path);

}  // namespace korvex
