// ConstructFixture: one construct pass over a token list filled from text,
// with helpers that put the list into the state the dispatcher leaves it in
// before the pass runs, and renderings of the result.
#pragma once

#include <string>

#include "common/text.h"
#include "support/pass_fixture.h"

namespace korvex::testing {

class ConstructFixture : public PassFixture {
 protected:
  /// Every token text, empty ones included, joined by "|"; line breaks are
  /// written "NL".
  std::string Cells() {
    std::string out;
    bool first = true;
    for (const Token& t : run.Tokens) {
      if (!first) out += "|";
      first = false;
      out += t.Kind == KindLineBreak && t.Text == "\n" ? "NL" : t.Text;
    }
    return out;
  }

  /// The non-empty token texts joined by "|" (line breaks as "NL").
  std::string Filled() {
    std::string out;
    for (const Token& t : run.Tokens) {
      if (t.Text.empty()) continue;
      if (!out.empty()) out += "|";
      out += t.Kind == KindLineBreak && t.Text == "\n" ? "NL" : t.Text;
    }
    return out;
  }

  /// Every token whose text is from gets the text to, as the dispatcher's
  /// operator rewrite does ("And" -> "&&").
  void Rewrite(const std::string& from, const std::string& to) {
    for (Token& t : run.Tokens)
      if (t.Text == from) t.Text = to;
  }

  /// Blanks each basic type suffix "." + letter, as the dispatcher does
  /// before the construct passes ("Define.i n", "x.s").
  void BlankTypeSuffixes() {
    static const std::string kLetters = "bacwulifqds";
    Token* dot = nullptr;
    for (Token& t : run.Tokens) {
      if (dot != nullptr && t.Kind == KindWord && t.Text.size() == 1 &&
          kLetters.find(LowerAscii(t.Text)[0]) != std::string::npos) {
        Blank(*dot);
        Blank(t);
      }
      dot = t.Kind == KindOther && t.Text == "." ? &t : nullptr;
    }
  }
};

}  // namespace korvex::testing
