// The keyword table; see keywords.h.
#include "model/keywords.h"

#include <array>
#include <cstdint>
#include <iterator>

#include "common/word_shapes.h"

namespace korvex::model {
namespace {

// Sorted, so that the words of one first letter stand together.
constexpr std::string_view kKeywords[] = {
      "align", "and", "array", "break", "calldebugger", "case", "compilercase",
      "compilerdefault", "compilerelse", "compilerelseif", "compilerendif",
      "compilerendselect", "compilererror", "compilerif", "compilerselect", "compilerwarning",
      "continue", "data", "datasection", "debug", "debuglevel", "declare", "declarec",
      "declarecdll", "declaredll", "declaremodule", "default", "define", "dim", "disableasm",
      "disabledebugger", "disableexplicit", "else", "elseif", "enableasm", "enabledebugger",
      "enableexplicit", "end", "enddatasection", "enddeclaremodule", "endenumeration", "endif",
      "endimport", "endinterface", "endmacro", "endmodule", "endprocedure", "endselect",
      "endstructure", "endstructureunion", "endwith", "enumeration", "enumerationbinary",
      "extends", "fakereturn", "false", "for", "foreach", "forever", "global", "gosub", "goto",
      "if", "import", "importc", "includebinary", "includefile", "includepath", "interface",
      "list", "macro", "map", "module", "newlist", "newmap", "next", "not", "or", "procedure",
      "procedurec", "procedurecdll", "proceduredll", "procedurereturn", "protected",
      "prototype", "prototypec", "read", "redim", "repeat", "restore", "return", "runtime",
      "select", "shared", "static", "step", "structure", "structureunion", "swap", "threaded",
      "to", "true", "undefinemacro", "until", "unusemodule", "usemodule", "var", "wend",
      "while", "with", "xincludefile", "xor",
};

// Where each first letter's words start in kKeywords, and where they end:
// a word is compared with the few that share its first letter.
struct LetterRanges {
  std::array<uint8_t, 27> start{};

  constexpr LetterRanges() {
    size_t k = 0;
    for (size_t letter = 0; letter <= 26; ++letter) {
      while (k < std::size(kKeywords) && static_cast<size_t>(kKeywords[k][0] - 'a') < letter) ++k;
      start[letter] = static_cast<uint8_t>(k);
    }
  }
};

constexpr bool SortedByFirstLetter() {
  for (size_t k = 1; k < std::size(kKeywords); ++k)
    if (kKeywords[k - 1][0] > kKeywords[k][0]) return false;
  return true;
}
static_assert(SortedByFirstLetter(), "a new keyword goes with the others of its first letter");

constexpr LetterRanges kRanges;
// most names have no keyword's length and first letter
constexpr WordShapes kShapes{kKeywords};

}  // namespace

bool IsKeyword(std::string_view lowerWord) {
  if (!kShapes.MayBe(lowerWord) || lowerWord[0] < 'a' || lowerWord[0] > 'z') return false;
  size_t letter = static_cast<size_t>(lowerWord[0] - 'a');
  for (size_t k = kRanges.start[letter]; k < kRanges.start[letter + 1]; ++k)
    if (kKeywords[k] == lowerWord) return true;
  return false;
}

}  // namespace korvex::model
