// Text helpers; see text.h.
#include "common/text.h"

#include <cstdint>
#include <cstring>

namespace korvex {

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

namespace {

// Sixteen bytes at a time; GCC's vector types compile to the machine's
// vector instructions (SSE2 on every x86-64) without platform headers.
using Bytes16 = unsigned char __attribute__((vector_size(16)));

Bytes16 Load16(const char* p) {
  Bytes16 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// A letter of the word matches either case: or-ing 0x20 in lower-cases
// exactly the two bytes that fold to it. Any other byte matches itself.
unsigned char FoldMask(char c) { return (c >= 'a' && c <= 'z') ? 0x20 : 0; }

}  // namespace

// The word's first and last bytes are tested at sixteen places at once,
// and only a place where both match is compared whole: a text without the
// word is passed over at a few instructions per sixteen bytes.
bool ContainsNoCase(std::string_view a, std::string_view lowerB) {
  size_t m = lowerB.size();
  if (m == 0) return true;
  if (a.size() < m) return false;
  const char* p = a.data();
  size_t last = a.size() - m;  // the last place the word can start
  unsigned char firstMask = FoldMask(lowerB[0]), lastMask = FoldMask(lowerB[m - 1]);
  Bytes16 firstWant = Bytes16{} + static_cast<unsigned char>(lowerB[0]);
  Bytes16 lastWant = Bytes16{} + static_cast<unsigned char>(lowerB[m - 1]);
  size_t i = 0;
  for (; i + 16 <= last + 1; i += 16) {
    auto hit = ((Load16(p + i) | firstMask) == firstWant) & ((Load16(p + i + m - 1) | lastMask) == lastWant);
    std::uint64_t halves[2];
    std::memcpy(halves, &hit, sizeof halves);
    if ((halves[0] | halves[1]) == 0) continue;
    for (size_t k = 0; k < 16; ++k)
      if (hit[k] != 0 && EqualsNoCase(a.substr(i + k, m), lowerB)) return true;
  }
  for (; i <= last; ++i)
    if (EqualsNoCase(a.substr(i, m), lowerB)) return true;
  return false;
}

bool ContainsAnyNoCase(std::string_view a, std::initializer_list<std::string_view> lowerWords) {
  for (std::string_view w : lowerWords)
    if (ContainsNoCase(a, w)) return true;
  return false;
}

bool detail::StartsWithNoCaseNoBlanks(std::string_view s, std::string_view lowerPrefix) {
  size_t k = 0;
  for (size_t i = 0; i < s.size() && k < lowerPrefix.size(); ++i) {
    char c = s[i];
    if (c == ' ' || c == '\t') continue;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerPrefix[k++]) return false;
  }
  return k == lowerPrefix.size();
}

std::string RemoveBlanks(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != ' ' && c != '\t') out += c;
  return out;
}

bool Contains(std::string_view a, std::string_view b) { return a.find(b) != std::string_view::npos; }

template <bool Tabs>
static std::string_view TrimView(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || (Tabs && c == '\t'); };
  size_t first = 0, end = s.size();
  while (first < end && blank(s[first])) ++first;
  while (end > first && blank(s[end - 1])) --end;
  return s.substr(first, end - first);
}

std::string_view TrimSpacesView(std::string_view s) { return TrimView<false>(s); }
std::string TrimSpaces(std::string_view s) { return std::string(TrimView<false>(s)); }
std::string TrimBlanks(std::string_view s) { return std::string(TrimView<true>(s)); }
std::string_view TrimBlanksView(std::string_view s) { return TrimView<true>(s); }

std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view repl) {
  if (find.empty()) return std::string(s);
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (true) {
    size_t hit = s.find(find, pos);
    if (hit == std::string_view::npos) break;
    out.append(s.substr(pos, hit - pos));
    out.append(repl);
    pos = hit + find.size();
  }
  out.append(s.substr(pos));
  return out;
}

std::string CrLfToLf(std::string_view s) { return ReplaceAll(s, "\r\n", "\n"); }

size_t CountChar(std::string_view s, char c) {
  size_t n = 0;
  for (char x : s) n += (x == c);
  return n;
}

std::string RemoveChar(std::string_view s, char c) {
  std::string out;
  out.reserve(s.size());
  for (char x : s)
    if (x != c) out += x;
  return out;
}

std::string FolderPart(std::string_view path) {
  size_t pos = path.find_last_of("\\/");
  if (pos == std::string_view::npos) return "";
  return std::string(path.substr(0, pos + 1));
}

}  // namespace korvex
