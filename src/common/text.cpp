// Text helpers; see text.h.
#include "common/text.h"

namespace korvex {

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// Boyer-Moore-Horspool with the letters folded: most of a text that lacks
// the word is stepped over a word's length at a time.
bool ContainsNoCase(std::string_view a, std::string_view lowerB) {
  size_t m = lowerB.size();
  if (m == 0) return true;
  if (a.size() < m) return false;
  size_t skip[256];
  for (size_t& s : skip) s = m;
  for (size_t k = 0; k + 1 < m; ++k) {
    unsigned char c = static_cast<unsigned char>(lowerB[k]);
    skip[c] = m - 1 - k;
    if (c >= 'a' && c <= 'z') skip[c - 'a' + 'A'] = m - 1 - k;
  }
  for (size_t i = 0; i + m <= a.size(); i += skip[static_cast<unsigned char>(a[i + m - 1])])
    if (EqualsNoCase(a.substr(i, m), lowerB)) return true;
  return false;
}

bool ContainsAnyNoCase(std::string_view a, std::initializer_list<std::string_view> lowerWords) {
  for (std::string_view w : lowerWords)
    if (ContainsNoCase(a, w)) return true;
  return false;
}

bool StartsWithNoCaseNoBlanks(std::string_view s, std::string_view lowerPrefix) {
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

bool StartsWith(std::string_view a, std::string_view b) { return a.substr(0, b.size()) == b; }

bool EndsWith(std::string_view a, std::string_view b) {
  return a.size() >= b.size() && a.substr(a.size() - b.size()) == b;
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

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (true) {
    size_t nl = text.find('\n', start);
    if (nl == std::string_view::npos) break;
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  return lines;
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
