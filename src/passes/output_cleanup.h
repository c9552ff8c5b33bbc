// Output clean-up: joins the translated token list into the final
// JavaScript lines, ends statements with ";", repairs operators that the
// scanner split, and decodes HTML character references.
#pragma once

#include <string>
#include <string_view>

#include "common/run_state.h"

namespace korvex::passes {

/// Builds the final text from run.Tokens; the text argument is not read.
std::string CleanUpOutput(RunState& run, const std::string& ignored);
/// Whether the join puts no space after t (next is the token after it, or
/// nullptr): none after line breaks, comments, ".", "(", "[", "]", and
/// none before ".", "(", "[", "]", ")".
bool JoinsWithoutSpace(const Token& t, const Token* next);
/// The same for a token given by its kind and text (next is "" at the end).
/// Inline: the joins ask it of every token of the output.
inline bool JoinsWithoutSpace(int kind, std::string_view text, std::string_view next) {
  if (kind == KindLineBreak || kind == KindComment) return true;
  char c = text.size() == 1 ? text[0] : 0;
  if (c == '.' || c == '(' || c == '[' || c == ']') return true;
  c = next.size() == 1 ? next[0] : 0;
  return c == '.' || c == '(' || c == '[' || c == ']' || c == ')';
}
/// Named references ("&amp;", "&eacute;", ...) and the first numeric one.
std::string DecodeEntities(const std::string& text);

}  // namespace korvex::passes
