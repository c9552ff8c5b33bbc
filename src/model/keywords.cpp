// The keyword table; see keywords.h.
#include "model/keywords.h"

#include <string>
#include <unordered_set>

namespace korvex::model {
namespace {

const std::unordered_set<std::string_view>& Keywords() {
  static const std::unordered_set<std::string_view> kKeywords = {
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
  return kKeywords;
}

}  // namespace

bool IsKeyword(std::string_view lowerWord) { return Keywords().count(lowerWord) != 0; }

}  // namespace korvex::model
