// MacroTable: the macros a program defines, and their expansion as
// PureBasic does it, by text: each use is replaced by the body with the
// arguments written in for the parameters, and the result is expanded again.
//   Macro Square(x) / (x) * (x) / EndMacro      Square(a + 1)  ->  (a + 1) * (a + 1)
//   Macro Def(t) / Type#t / EndMacro            Def(Case)      ->  TypeCase
// Names are compared without regard to case. The arguments are expanded
// before they go in; a macro is not expanded inside its own body (PureBasic
// refuses such a macro), so an expansion always ends; its growth is bounded
// too.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvex::passes {

class MacroTable {
 public:
  /// Hook for "#name" words in expanded text: the text that replaces them
  /// (the compiler constants), or nothing to keep them. name is lower-cased
  /// without its "#".
  using ConstantText = std::function<std::optional<std::string>(const std::string& name)>;

  /// "Macro Name(a, b = 2)": opens a definition. False when the statement
  /// names no macro.
  bool Begin(std::string_view statement);
  /// A line of the open definition's body.
  void AddLine(std::string_view line);
  /// "EndMacro": the open definition is complete.
  void End();
  void Undefine(std::string_view name);
  bool Has(std::string_view name) const;

  /// text with every macro use expanded and every "#name" that constants
  /// knows replaced. problems receives one text per use that could not be
  /// expanded (a macro that uses itself, an expansion that grows too far).
  std::string Expand(std::string_view text, const ConstantText& constants,
                     std::vector<std::string>& problems);

 private:
  struct Macro {
    std::string name;                      // as the definition spells it
    std::vector<std::string> parameters;   // lower-cased
    std::vector<std::string> defaults;     // "" where there is none
    bool hasParameterList = false;
    std::vector<std::string> body;         // its lines
    int expansions = 0;                    // for MacroExpandedCount
  };

  struct Expansion;  // the state of one call of Expand
  void ExpandInto(Expansion& e, std::string_view text, int depth);
  bool ExpandUse(Expansion& e, std::string_view text, size_t& i, const std::string& lower, int depth);
  std::string Substitute(Macro& m, const std::vector<std::string>& arguments);

  std::unordered_map<std::string, Macro> macros_;  // by lower-cased name
  std::string open_;                               // the definition being read
  std::vector<std::string> active_;                // macros being expanded
};

}  // namespace korvex::passes
