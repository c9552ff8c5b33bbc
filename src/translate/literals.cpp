// Names and literals: pointer stars and string dollars dropped from names,
// Bool() reduced to its parentheses, backslashes in strings doubled,
// hexadecimal numbers handed to the runtime.  "*p"  ->  "p";  "$FF"  ->  "cString.Val(\"$FF\")".
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "common/text.h"
#include "common/word_shapes.h"
#include "platform/codepage.h"
#include "translate/comparisons.h"
#include "translate/expressions.h"

namespace korvex::translate {

namespace {

// Words JavaScript reserves (or gives a meaning of its own) that PureBasic
// lets a program use as names. "var" and "null" are not here: the data
// pass and the null constants have written them into the text already.
constexpr std::string_view kReservedNames[] = {
    "arguments", "await", "catch", "class", "const", "delete", "do", "enum", "eval", "export",
    "finally", "function", "implements", "import", "in", "instanceof", "let", "new", "package",
    "private", "public", "super", "switch", "this", "throw", "try", "typeof", "undefined",
    "void", "yield",
};

// most words are told apart by their length and first byte
constexpr WordShapes kReservedShapes{kReservedNames};

bool IsReservedName(std::string_view text) {
  if (!kReservedShapes.MayBe(text)) return false;
  for (std::string_view name : kReservedNames)
    if (name == text) return true;
  return false;
}

}  // namespace

// "*p"  ->  "p", then "a$"  ->  "a" (a pointer to a string loses both);
// a name that JavaScript reserves gets a prefix: "in"  ->  "KVX_in".
void StripNameDecoration(Token& t) {
  // a name of the program model is written with its final name already
  if (t.Kind != KindWord || t.Ref >= 0) return;
  if (!t.Text.empty() && t.Text.front() == '*') t.Text.erase(0, 1);
  if (!t.Text.empty() && t.Text.back() == '$') t.Text.pop_back();
  if (IsReservedName(t.Text)) t.Text.insert(0, "KVX_");  // exact case: "New" is free
}

std::string_view WithoutReservedPrefix(std::string_view name) {
  std::string_view rest = name.substr(std::min<size_t>(name.size(), 4));
  return StartsWith(name, "KVX_") && IsReservedName(rest) ? rest : name;
}

namespace {

// Inside Bool( ... ) PureBasic compares, as in an If: "=" is "==", "<>" is
// "!=". it is the token after Bool; the walk ends at the matching ")" (or
// at the line's end when there is none).
void RewriteBoolComparisons(TokenList& tokens, TokenList::Position it) {
  if (it == tokens.end() || it->Text != "(") return;
  int depth = 0;
  for (; it != tokens.end() && it->Kind != KindLineBreak; ++it) {
    if (it->Text == "(") ++depth;
    else if (it->Text == ")" && --depth == 0) return;
    auto next = std::next(it);
    RewriteComparison(*it, next == tokens.end() ? nullptr : &*next);
  }
}

}  // namespace

// Bool(a > b)  ->  (a > b): JavaScript comparisons are truth values already.
// Bool(a = b)  ->  (a == b): the "=" compares instead of assigning.
void BlankBool(TokenList& tokens) {
  for (auto it = tokens.begin(); it != tokens.end(); ++it) {
    if (it->Kind != KindWord || !EqualsNoCase(it->Text, "bool")) continue;
    RewriteBoolComparisons(tokens, std::next(it));
    Blank(*it);
  }
}

// "C:\temp"  ->  "C:\\temp": the literal keeps its meaning in JavaScript.
// An escape string (~"a\tb") means its backslashes: it has a pass of its own.
void EscapeStringBackslashes(TokenList& tokens) {
  for (Token& t : tokens)
    if (t.Kind == KindString && t.Text.find('\\') != std::string::npos && t.Text.front() != '~')
      t.Text = ReplaceAll(t.Text, "\\", "\\\\");
}

namespace {

// "$1F" and "%101" are hexadecimal and binary numbers in PureBasic; a
// JavaScript "%101" would not even parse, so both go to the runtime, which
// reads either prefix. A lone "%" is no number and stays.
bool IsPrefixedNumber(std::string_view text) {
  if (text.empty()) return false;
  return text.front() == '$' || (text.front() == '%' && text.size() > 1);
}

// 'A' is the number 65 in PureBasic, not a one-letter string: exactly one
// character between single quotes ('€' is three bytes of UTF-8 there).
// Its code point, or -1 when the quotes hold anything else.
long CharacterConstantCode(std::string_view text) {
  if (text.size() < 3 || text.front() != '\'' || text.back() != '\'') return -1;
  std::string_view inner = std::string_view(text).substr(1, text.size() - 2);
  size_t i = 0;
  char32_t c = platform::DecodeUtf8(inner, i);
  return i == inner.size() ? static_cast<long>(c) : -1;
}

}  // namespace

// $1F  ->  cString.Val("$1F"), %101  ->  cString.Val("%101"), 'A'  ->  65;
// decimal numbers stay as written.
void RewriteHexNumber(Token& t) {
  if (t.Kind != KindNumber) return;
  if (IsPrefixedNumber(t.Text)) {
    t.Text = "cString.Val(\"" + t.Text + "\")";
  } else if (long code = CharacterConstantCode(t.Text); code >= 0) {
    t.Text = std::to_string(code);  // 'é'  ->  233, '€'  ->  8364
  }
}

}  // namespace korvex::translate
