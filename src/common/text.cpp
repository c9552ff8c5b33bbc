// Text helpers; see text.h.
#include "common/text.h"

namespace korvex {

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool ContainsNoCase(std::string_view a, std::string_view lowerB) {
  if (lowerB.empty()) return true;
  char first = lowerB[0];
  char upperFirst = first >= 'a' && first <= 'z' ? static_cast<char>(first - 'a' + 'A') : first;
  for (size_t i = 0; i + lowerB.size() <= a.size(); ++i)
    if ((a[i] == first || a[i] == upperFirst) && EqualsNoCase(a.substr(i, lowerB.size()), lowerB))
      return true;
  return false;
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

static std::string TrimSet(std::string_view s, std::string_view set) {
  size_t first = s.find_first_not_of(set);
  if (first == std::string_view::npos) return "";
  size_t last = s.find_last_not_of(set);
  return std::string(s.substr(first, last - first + 1));
}

std::string TrimSpaces(std::string_view s) { return TrimSet(s, " "); }
std::string TrimBlanks(std::string_view s) { return TrimSet(s, " \t"); }

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
