// HTML character references in the final JavaScript: the named ones of the
// table below, then the first numeric one. The result is single-byte text,
// so "&eacute;" becomes the one byte 0xE9.
// "a &lt; b &amp;&amp; c"  ->  "a < b && c".
#include <array>
#include <string_view>

#include "passes/output_cleanup.h"
#include "scanner/text.h"

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

// Replaces "&" + name + ";" by the byte code; a pass only when it occurs.
void ReplaceEntity(std::string& text, std::string_view name, int code) {
  std::string reference = "&" + std::string(name) + ";";
  if (!Contains(text, reference)) return;
  text = ReplaceAll(text, reference, std::string(1, static_cast<char>(code)));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "&#" + digits + ";" at the first "&#" of the text, and every identical
// repeat of it, becomes the byte of the number's low 8 bits. Other numeric
// references stay.
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
  text = ReplaceAll(text, reference, std::string(1, static_cast<char>(value)));
}

}  // namespace

std::string DecodeEntities(const std::string& text) {
  if (text.find('&') == std::string::npos) return text;
  std::string out = text;
  for (const Entity& e : kMarkupEntities) ReplaceEntity(out, e.name, e.code);
  for (size_t i = 0; i < kLatin1Names.size(); ++i)
    ReplaceEntity(out, kLatin1Names[i], kFirstLatin1 + static_cast<int>(i));
  ReplaceFirstNumericReference(out);
  return out;
}

}  // namespace korvex::passes
