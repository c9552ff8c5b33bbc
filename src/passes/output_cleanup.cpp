// Output clean-up: the last pass. It joins the token list that the
// directive-comment pass left into JavaScript lines, drops the PureBasic
// IDE's option lines, ends statement lines with ";", repairs operators that
// tokenizing JavaScript split ("= =", "! =", "/ /") and decodes HTML
// character references.
// Tokens `x`, `=`, `5`, line break  ->  "x = 5;\n".
#include "passes/output_cleanup.h"

#include <array>
#include <string_view>

#include "scanner/text.h"

namespace korvex::passes {
namespace {

// Raw-block markers, tested by containment in lower-cased text.
constexpr std::string_view kBeginRaw = "kvx_converter_begin_raw";
constexpr std::string_view kEndRaw = "kvx_converter_end_raw";

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

// Applied in this order: "= = =" must go before "= =".
constexpr std::array<Repair, 11> kRepairs = {{
    {"/ /", "//"},
    {"= = =", "==="},
    {"! =", "!="},
    {"+ =", "+="},
    {"- =", "-="},
    {"= =", "=="},
    {"| |", "||"},
    {"& &", "&&"},
    {"$ ", "$"},
    {"cCommonKVX_", "cCommon.KVX_"},
    {"var var", "var"},
}};

// A raw marker switches the flag on or off; other text leaves it.
void UpdateRawFlag(std::string_view text, int& inRaw) {
  std::string lower = LowerAscii(text);
  if (Contains(lower, kBeginRaw)) inRaw = 1;
  else if (Contains(lower, kEndRaw)) inRaw = 0;
}

// No space after line breaks, comments, "." , "(" , "[" , "]", and none
// before ".", "(", "[", "]", ")".
bool JoinsWithoutSpace(TokenList& tokens) {
  const Token& t = tokens.Current();
  if (t.Kind == KindLineBreak || t.Kind == KindComment) return true;
  for (const char* s : {".", "(", "["}) {
    if (PeekNextTokenIs(tokens, s) || t.Text == s) return true;
  }
  if (PeekNextTokenIs(tokens, "]") || t.Text == "]") return true;
  return PeekNextTokenIs(tokens, ")");
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

std::string RepairOperators(std::string text) {
  for (const Repair& r : kRepairs)
    if (Contains(text, r.find)) text = ReplaceAll(text, r.find, r.replace);
  return text;
}

}  // namespace

std::string CleanUpOutput(RunState& run, const std::string& ignored) {
  (void)ignored;
  int inRaw = 0;  // carried from the join into the line walk
  std::string text = JoinTokens(run.Tokens, inRaw);
  text = CollapseEmptyLines(text);
  text = TerminateLines(text, inRaw);
  text = RepairOperators(std::move(text));
  return DecodeEntities(text);
}

}  // namespace korvex::passes
