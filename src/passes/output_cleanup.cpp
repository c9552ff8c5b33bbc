// Output clean-up: the last pass. It joins the token list that the
// directive-comment pass left into JavaScript lines, drops the PureBasic
// IDE's option lines, ends statement lines with ";", repairs operators that
// tokenizing JavaScript split ("= =", "! =", "/ /") and decodes HTML
// character references.
// Tokens `x`, `=`, `5`, line break  ->  "x = 5;\n".
#include "passes/output_cleanup.h"

#include <array>
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

// The texts the join tests, made once rather than per token.
const std::string kDot = ".";
const std::string kOpenParen = "(";
const std::string kOpenBracket = "[";
const std::string kCloseBracket = "]";
const std::string kCloseParen = ")";

// No space after line breaks, comments, ".", "(", "[", "]", and none
// before ".", "(", "[", "]", ")".
bool JoinsWithoutSpace(TokenList& tokens) {
  const Token& t = tokens.Current();
  if (t.Kind == KindLineBreak || t.Kind == KindComment) return true;
  for (const std::string* s : {&kDot, &kOpenParen, &kOpenBracket, &kCloseBracket}) {
    if (t.Text == *s || PeekNextTokenIs(tokens, *s)) return true;
  }
  return PeekNextTokenIs(tokens, kCloseParen);
}

std::string JoinTokens(TokenList& tokens, int& inRaw) {
  std::string out;
  tokens.Reset();
  while (tokens.Next()) {
    const Token& t = tokens.Current();
    UpdateRawFlag(t.Text, inRaw);
    out += t.Text;
    if (!JoinsWithoutSpace(tokens)) out += ' ';
  }
  return out;
}

// Every run of line feeds becomes one line feed: the same as replacing
// "\n\n" by "\n" until none is left, in one walk.
std::string CollapseEmptyLines(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n' && !out.empty() && out.back() == '\n') continue;
    out += c;
  }
  return out;
}

bool IsIdeOptionLine(std::string_view line) {
  for (std::string_view prefix : kIdeOptionLines)
    if (StartsWith(line, prefix)) return true;
  return false;
}

// A statement line outside a raw block gets ";" unless it already ends a
// statement or opens a block, a label or a call that goes on.
bool NeedsTerminator(std::string_view line, int inRaw) {
  if (line.empty() || inRaw != 0) return false;
  for (std::string_view end : {";", "{", ":", "("})
    if (EndsWith(line, end)) return false;
  return true;
}

std::string TerminateLines(const std::string& text, int& inRaw) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::string_view piece : SplitLines(text)) {
    std::string line = TrimSpaces(piece);
    if (IsIdeOptionLine(line)) continue;
    UpdateRawFlag(line, inRaw);
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

std::string RepairOperators(const std::string& text) {
  std::string code;
  std::vector<std::string> literals;
  code.reserve(text.size());
  char quote = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quote == 0) {
      if (c == '"' || c == '\'' || c == kLiteralMark) {
        // a mark byte of the text itself stands for itself
        if (c != kLiteralMark) quote = c;
        literals.emplace_back(1, c);
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
    literals.back() += c;
    if (c == '\\' && i + 1 < text.size() && text[i + 1] != '\n') literals.back() += text[++i];
    else if (c == quote) quote = 0;
  }
  for (const Repair& r : kRepairs)
    if (Contains(code, r.find)) code = ReplaceAll(code, r.find, r.replace);
  if (literals.empty()) return code;
  std::string out;
  out.reserve(text.size());
  size_t next = 0;
  for (char c : code) {
    if (c == kLiteralMark && next < literals.size()) out += literals[next++];
    else out += c;
  }
  return out;
}

}  // namespace

std::string CleanUpOutput(RunState& run, const std::string& ignored) {
  (void)ignored;
  int inRaw = 0;  // carried from the join into the line walk
  std::string text = JoinTokens(run.Tokens, inRaw);
  text = CollapseEmptyLines(text);
  text = TerminateLines(text, inRaw);
  text = RepairOperators(text);
  return DecodeEntities(text);
}

}  // namespace korvex::passes
