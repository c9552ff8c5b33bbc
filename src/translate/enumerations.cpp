// Enumeration blocks and the "#" of user constants.
// "Enumeration" / "#First" / "#Second" / "EndEnumeration" give
// "var First = 0" and "var Second = 1"; outside a block "#Width = 640"
// gives "Width = 640". Runs in the first group of the dispatcher, after the
// library pass has replaced the constants that the web runtime knows.
#include <string>
#include <unordered_map>

#include "common/text.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

class EnumerationWalk {
 public:
  void Visit(TokenList& tokens) {
    Token& t = tokens.Current();
    if (t.Kind == KindOther && t.Text == "#") {
      Blank(t);
      return;
    }
    if (t.Kind != KindWord) return;
    std::string word = LowerAscii(t.Text);
    if (word == "enumeration") {
      Open(tokens);
    } else if (word == "endenumeration") {
      inEnumeration_ = false;
      Blank(t);
    } else if (word == "pb_compiler_enumerationvalue") {
      Blank(t);
    } else if (!t.Text.empty() && t.Text[0] == '#') {
      t.Text.erase(0, 1);
      if (inEnumeration_) Number(t);
    }
  }

 private:
  // Enumeration [name | #constant]: a block alone on its line counts from 0,
  // a named one goes on with the numbering of earlier blocks of that name,
  // "#PB_Compiler_EnumerationValue" (scanned as "#" and a word) keeps the
  // current count. A start value is not evaluated: it is taken as a name.
  void Open(TokenList& tokens) {
    inEnumeration_ = true;
    Blank(tokens.Current());
    Token* next = tokens.PeekNext();
    // A trailing comment is no name: the block stands alone on its line.
    if (next == nullptr || next->Text == "\n" || next->Kind == KindComment) {
      enumCounter_ = 0;
      enumName_.clear();
    } else if (next->Text != "#") {
      enumName_ = next->Text;
      Blank(*next);
    }
  }

  // #Name inside a block  ->  var Name = <next value>
  void Number(Token& t) {
    int value = enumName_.empty() ? enumCounter_ : enumCounters_[enumName_];
    t.Text = "var " + t.Text + " = " + std::to_string(value);
    enumCounter_++;
    enumCounters_[enumName_]++;
  }

  bool inEnumeration_ = false;
  int enumCounter_ = 0;
  std::string enumName_;
  std::unordered_map<std::string, int> enumCounters_;  // next value per name
};

}  // namespace

void TranslateEnumerations(RunState& run) {
  TokenList& tokens = run.Tokens;
  EnumerationWalk walk;
  tokens.Reset();
  while (tokens.Next()) walk.Visit(tokens);
}

}  // namespace korvex::translate
