// Built-in constants with a fixed JavaScript value: the ASCII control
// characters become runtime character calls, "#TAB" is the number 9, the null
// constants become JavaScript literals, the truth constants the numbers 1
// and 0 (as PureBasic has them), and "#PI" is Math.PI.
// "#CRLF$"  ->  "cString.Chr(13) + cString.Chr(10)" (one token).
// Every other "#" name is left for the library and Enumeration passes.
#include <string_view>

#include "common/text.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

struct BuiltinConstant {
  std::string_view lowerName;
  std::string_view replacement;
};

// Matched on the whole lower-cased word: "#crlf" (no "$") is not here.
constexpr BuiltinConstant kBuiltinConstants[] = {
    {"#ack$", "cString.Chr(6)"},
    {"#bel$", "cString.Chr(7)"},
    {"#bs$", "cString.Chr(8)"},
    {"#can$", "cString.Chr(24)"},
    {"#cr$", "cString.Chr(13)"},
    {"#crlf$", "cString.Chr(13) + cString.Chr(10)"},
    {"#dc1$", "cString.Chr(17)"},
    {"#dc2$", "cString.Chr(18)"},
    {"#dc3$", "cString.Chr(19)"},
    {"#dc4$", "cString.Chr(20)"},
    {"#del$", "cString.Chr(127)"},
    {"#dle$", "cString.Chr(16)"},
    {"#doublequote$", "cString.Chr(34)"},
    {"#dquote$", "cString.Chr(34)"},
    {"#em$", "cString.Chr(25)"},
    {"#enq$", "cString.Chr(5)"},
    {"#eot$", "cString.Chr(4)"},
    {"#esc$", "cString.Chr(27)"},
    {"#etb$", "cString.Chr(23)"},
    {"#etx$", "cString.Chr(3)"},
    {"#false", "0"},
    {"#ff$", "cString.Chr(12)"},
    {"#fs$", "cString.Chr(28)"},
    {"#gs$", "cString.Chr(29)"},
    {"#ht$", "cString.Chr(9)"},
    {"#lf$", "cString.Chr(10)"},
    {"#lfcr$", "cString.Chr(10) + cString.Chr(13)"},
    {"#nak$", "cString.Chr(21)"},
    {"#nul", "null"},
    {"#null", "null"},
    {"#nul$", "null"},
    {"#null$", "null"},
    {"#rs$", "cString.Chr(30)"},
    {"#si$", "cString.Chr(15)"},
    {"#so$", "cString.Chr(14)"},
    {"#soh$", "cString.Chr(1)"},
    {"#stx$", "cString.Chr(2)"},
    {"#sub$", "cString.Chr(26)"},
    {"#tab", "9"},
    {"#tab$", "cString.Chr(9)"},
    {"#true", "1"},
    {"#us$", "cString.Chr(31)"},
    {"#vt$", "cString.Chr(11)"},
    {"#pi", "Math.PI"},
};

const BuiltinConstant* FindBuiltinConstant(std::string_view lowerName) {
  for (const BuiltinConstant& c : kBuiltinConstants)
    if (c.lowerName == lowerName) return &c;
  return nullptr;
}

}  // namespace

void ReplaceBuiltinConstant(Token& t) {
  if (t.Kind != KindWord || t.Text.empty() || t.Text[0] != '#') return;
  const BuiltinConstant* c = FindBuiltinConstant(LowerWord(t.Text));
  if (c != nullptr) t.Text = c->replacement;  // the kind stays KindWord
}

}  // namespace korvex::translate
