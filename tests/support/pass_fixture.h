// PassFixture: a run over an in-memory platform with its token list filled
// from a text, for testing one pass at a time.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/run_state.h"
#include "scanner/source_scanner.h"
#include "support/fake_platform.h"

namespace korvex::testing {

class PassFixture : public ::testing::Test {
 protected:
  /// Fills the token list from text ("\r\n" becomes "\n").
  void Load(const std::string& text) { TokenizeText(run.Tokens, text); }

  /// Every token text followed by one space, as the dispatcher joins them.
  std::string Joined() {
    std::string out;
    for (const Token& t : run.Tokens) out += t.Text + " ";
    return out;
  }

  /// The non-empty token texts separated by single spaces, line breaks
  /// written as "\n" without spaces around them.
  std::string Texts() {
    std::string out;
    for (const Token& t : run.Tokens) {
      if (t.Text.empty()) continue;
      if (t.Kind == KindLineBreak && t.Text == "\n") {
        out += "\n";
        continue;
      }
      if (!out.empty() && out.back() != '\n') out += " ";
      out += t.Text;
    }
    return out;
  }

  FakePlatform platform;
  RunState run{platform};
};

}  // namespace korvex::testing
