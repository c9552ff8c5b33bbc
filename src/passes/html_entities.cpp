// HTML character references in the final JavaScript: the named ones of the
// table below, then the first numeric one. The text is UTF-8, so
// "&eacute;" becomes the character U+00E9, the two bytes C3 A9.
// "a &lt; b &amp;&amp; c"  ->  "a < b && c".
#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "passes/output_cleanup.h"
#include "platform/codepage.h"
#include "common/text.h"

namespace korvex::passes {
namespace {

struct Entity {
  std::string_view name;
  int code;
};

constexpr int kFirstLatin1 = 160;

// The Latin-1 names for the codes 160 to 255, one per code in order.
constexpr std::array<std::string_view, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

// "&amp;" comes before the others, so "&amp;lt;" ends up as "<".
constexpr std::array<Entity, 4> kMarkupEntities = {{
    {"quot", 34},
    {"amp", 38},
    {"lt", 60},
    {"gt", 62},
}};

// The character of a code from 0 to 255 in UTF-8.
std::string Character(unsigned code) {
  std::string out;
  platform::AppendUtf8(code, out);
  return out;
}

// Replaces "&" + name + ";" by its character; a pass only when it occurs.
void ReplaceEntity(std::string& text, std::string_view name, int code) {
  std::string reference = "&" + std::string(name) + ";";
  if (!Contains(text, reference)) return;
  text = ReplaceAll(text, reference, Character(static_cast<unsigned>(code)));
}

// The byte for "&" + name + ";" among the entries after "&amp;", or -1.
int LaterEntityCode(std::string_view name) {
  static const std::unordered_map<std::string_view, int> codes = [] {
    std::unordered_map<std::string_view, int> m;
    for (size_t i = 2; i < kMarkupEntities.size(); ++i)
      m.emplace(kMarkupEntities[i].name, kMarkupEntities[i].code);
    for (size_t i = 0; i < kLatin1Names.size(); ++i)
      m.emplace(kLatin1Names[i], kFirstLatin1 + static_cast<int>(i));
    return m;
  }();
  auto it = codes.find(name);
  return it == codes.end() ? -1 : it->second;
}

constexpr size_t kLongestName = 6;  // "frac14", "middot", ...

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The entries after "&amp;" in one walk. Replacing them one entry after the
// other gives the same text: references cannot overlap (a name holds no "&"
// or ";"), and each becomes bytes that are neither "&", ";" nor a letter
// or digit, so no replacement can make another reference.
std::string ReplaceLaterEntities(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    size_t amp = text.find('&', i);
    if (amp == std::string::npos) break;
    out.append(text, i, amp - i);
    size_t end = amp + 1;
    while (end < text.size() && end - amp <= kLongestName && IsNameChar(text[end])) ++end;
    int code = (end < text.size() && text[end] == ';')
                   ? LaterEntityCode(std::string_view(text).substr(amp + 1, end - amp - 1))
                   : -1;
    if (code < 0) {
      out += '&';
      i = amp + 1;
    } else {
      out += Character(static_cast<unsigned>(code));
      i = end + 1;
    }
  }
  out.append(text, std::min(i, text.size()), std::string::npos);
  return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "&#" + digits + ";" at the first "&#" of the text, and every identical
// repeat of it, becomes the character of the number's low 8 bits. Other
// numeric references stay.
void ReplaceFirstNumericReference(std::string& text) {
  size_t start = text.find("&#");
  if (start == std::string::npos) return;
  size_t end = text.find(';', start);
  if (end == std::string::npos || end == start + 2) return;
  unsigned value = 0;  // only the low 8 bits count, so any length of digits is safe
  for (size_t i = start + 2; i < end; ++i) {
    if (!IsDigit(text[i])) return;
    value = (value * 10 + static_cast<unsigned>(text[i] - '0')) & 0xFFu;
  }
  std::string reference = text.substr(start, end - start + 1);
  text = ReplaceAll(text, reference, Character(value));
}

}  // namespace

std::string DecodeEntities(const std::string& text) {
  if (text.find('&') == std::string::npos) return text;
  std::string out = text;
  // "&quot;" and "&amp;" first, in that order: "&amp;lt;" becomes "&lt;"
  // here and "<" below, while "&amp;quot;" stays "&quot;".
  ReplaceEntity(out, kMarkupEntities[0].name, kMarkupEntities[0].code);
  ReplaceEntity(out, kMarkupEntities[1].name, kMarkupEntities[1].code);
  out = ReplaceLaterEntities(out);
  ReplaceFirstNumericReference(out);
  return out;
}

}  // namespace korvex::passes
