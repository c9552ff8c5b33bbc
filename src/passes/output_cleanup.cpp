// Output clean-up: the last pass. It joins the token list that the
// directive-comment pass left into JavaScript lines, drops the PureBasic
// IDE's option lines, ends statement lines with ";", repairs operators that
// tokenizing JavaScript split ("= =", "! =", "/ /") and decodes HTML
// character references.
// Tokens `x`, `=`, `5`, line break  ->  "x = 5;\n".
#include "passes/output_cleanup.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "passes/raw_markers.h"
#include "common/text.h"

namespace korvex::passes {
namespace {

// The option lines the IDE keeps at the end of a source file, as they look
// once translation has made them comments and the join has spaced the "//".
constexpr std::array<std::string_view, 7> kIdeOptionLines = {
    "/ / ; IDE Options =",
    "/ / ; CursorPosition =",
    "/ / ; Folding =",
    "/ / ; FirstLine =",
    "/ / ; EnableXP",
    "/ / ; Form Designer for Purebasic",
    "/ / ; Warning: this file uses a strict syntax",
};

struct Repair {
  std::string_view find;
  std::string_view replace;
};

// Applied in this order: "= = =" must go before "= =", "<< =" before the
// "=" pairs. The compound assignments of shortcut statements ("x *= 3")
// are split by the scan as the comparisons are.
constexpr std::array<Repair, 19> kRepairs = {{
    {"/ /", "//"},
    {"= = =", "==="},
    {"<< =", "<<="},
    {">> =", ">>="},
    {"! =", "!="},
    {"+ =", "+="},
    {"- =", "-="},
    {"* =", "*="},
    {"/ =", "/="},
    {"% =", "%="},
    {"& =", "&="},
    {"^ =", "^="},
    {"| =", "|="},
    {"= =", "=="},
    {"| |", "||"},
    {"& &", "&&"},
    {"$ ", "$"},
    {"cCommonKVX_", "cCommon.KVX_"},
    {"var var", "var"},
}};

// The texts are copied into room made once for all of them. The raw flag
// that the join leaves is the one its last marker token sets: a token with
// a marker puts one into the joined text, so only a text with one needs the
// tokens tested.
std::string JoinTokens(TokenList& tokens, int& inRaw) {
  size_t size = 0;
  for (const Token& t : tokens) size += t.Text.size() + 1;
  std::string out(size, ' ');
  char* at = out.data();
  for (auto it = tokens.begin(); it != tokens.end(); ++it) {
    const Token& t = *it;
    auto next = std::next(it);
    at = std::copy(t.Text.begin(), t.Text.end(), at);
    if (!JoinsWithoutSpace(t, next == tokens.end() ? nullptr : &*next)) ++at;  // the room holds a space
  }
  out.resize(static_cast<size_t>(at - out.data()));
  if (ContainsNoCase(out, kMarkerStart))
    for (const Token& t : tokens) UpdateRawFlag(t.Text, inRaw);
  return out;
}

// Every option line starts with the spaced "//" and ";": most lines are
// told apart by their first byte.
constexpr std::string_view kIdeOptionStart = "/ / ; ";

bool IsIdeOptionLine(std::string_view line) {
  if (!line.starts_with(kIdeOptionStart)) return false;
  for (std::string_view prefix : kIdeOptionLines)
    if (line.starts_with(prefix)) return true;
  return false;
}

// A statement line outside a raw block gets ";" unless it already ends a
// statement or opens a block, a label or a call that goes on.
bool NeedsTerminator(std::string_view line, int inRaw) {
  if (line.empty() || inRaw != 0) return false;
  char last = line.back();
  return last != ';' && last != '{' && last != ':' && last != '(';
}

// The joined text's lines, trimmed and ended. A run of line feeds counts as
// one, as if "\n\n" were replaced by "\n" until none is left: an empty line
// goes, but for one at the very start. Text after the last line feed is no
// line.
std::string TerminateLines(const std::string& text, int& inRaw) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  bool markers = ContainsNoCase(text, kMarkerStart);  // else no line changes the flag
  bool first = true;
  for (std::string_view piece : SplitLines(text)) {
    if (piece.empty() && !first) continue;
    first = false;
    std::string_view line = TrimSpacesView(piece);
    if (IsIdeOptionLine(line)) continue;
    if (markers) UpdateRawFlag(line, inRaw);
    out += line;
    out += NeedsTerminator(line, inRaw) ? ";\n" : "\n";
  }
  return out;
}

// The text outside string literals ("..." and '...', with backslash
// escapes) gets the repairs; a literal keeps every character, so
// PrintN("5! = 120") still prints "5! = 120". A literal never goes on past
// its line. The code between the literals is repaired in one piece, each
// literal standing there as one kLiteralMark, which no repair contains, so
// that no repair reaches across a literal.
constexpr char kLiteralMark = '\x01';

// Which repairs the code may need. A repair only takes the spaces out of
// its text, whose first and last characters stay, so it never makes the
// text of a later repair where there was none: one walk over the code as
// it came decides them all.
std::array<bool, kRepairs.size()> NeededRepairs(std::string_view code) {
  // the repairs by the first character of their text, ended by -1
  static const auto byFirst = [] {
    std::array<std::array<int8_t, kRepairs.size() + 1>, 256> table;
    for (auto& row : table) row.fill(-1);
    for (size_t k = 0; k < kRepairs.size(); ++k) {
      auto& row = table[static_cast<unsigned char>(kRepairs[k].find[0])];
      size_t n = 0;
      while (row[n] >= 0) ++n;
      row[n] = static_cast<int8_t>(k);
    }
    return table;
  }();
  std::array<bool, kRepairs.size()> needed{};
  for (size_t i = 0; i < code.size(); ++i) {
    const auto& row = byFirst[static_cast<unsigned char>(code[i])];
    for (size_t n = 0; row[n] >= 0; ++n) {
      const Repair& r = kRepairs[static_cast<size_t>(row[n])];
      if (code.compare(i, r.find.size(), r.find) == 0) needed[static_cast<size_t>(row[n])] = true;
    }
  }
  return needed;
}

struct Literal {
  size_t start, size;  // in the text
};

std::string RepairOperators(const std::string& text) {
  std::string code;
  std::vector<Literal> literals;
  code.reserve(text.size());
  char quote = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quote == 0) {
      // the code up to the next quote or mark byte in one piece
      size_t run = i;
      while (run < text.size() && text[run] != '"' && text[run] != '\'' && text[run] != kLiteralMark) ++run;
      if (run > i) {
        code.append(text, i, run - i);
        i = run - 1;
        continue;
      }
      if (c == '"' || c == '\'' || c == kLiteralMark) {
        // a mark byte of the text itself stands for itself
        if (c != kLiteralMark) quote = c;
        literals.push_back({i, 1});
        code += kLiteralMark;
      } else {
        code += c;
      }
      continue;
    }
    if (c == '\n') {  // an unclosed literal ends with its line
      quote = 0;
      code += c;
      continue;
    }
    ++literals.back().size;
    if (c == '\\' && i + 1 < text.size() && text[i + 1] != '\n') {
      ++literals.back().size;
      ++i;
    } else if (c == quote) {
      quote = 0;
    }
  }
  std::array<bool, kRepairs.size()> needed = NeededRepairs(code);
  for (size_t k = 0; k < kRepairs.size(); ++k)
    if (needed[k]) code = ReplaceAll(code, kRepairs[k].find, kRepairs[k].replace);
  if (literals.empty()) return code;
  std::string out;
  out.reserve(text.size());
  size_t next = 0;
  size_t from = 0;
  for (size_t mark = code.find(kLiteralMark); mark != std::string::npos && next < literals.size();
       mark = code.find(kLiteralMark, from)) {
    out.append(code, from, mark - from);
    out.append(text, literals[next].start, literals[next].size);
    ++next;
    from = mark + 1;
  }
  out.append(code, from, std::string::npos);
  return out;
}

}  // namespace

bool JoinsWithoutSpace(const Token& t, const Token* next) {
  return JoinsWithoutSpace(t.Kind, t.Text, next == nullptr ? std::string_view() : std::string_view(next->Text));
}

std::string CleanUpOutput(RunState& run, const std::string& ignored) {
  (void)ignored;
  int inRaw = 0;  // carried from the join into the line walk
  std::string text = JoinTokens(run.Tokens, inRaw);
  text = TerminateLines(text, inRaw);
  text = RepairOperators(text);
  return DecodeEntities(text);
}

}  // namespace korvex::passes
