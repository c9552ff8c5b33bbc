// The registry of declared lists or maps, shared by the list and map passes:
// every "NewList name..." (or "NewMap name...") of the program with its
// element type, collected in one walk before any use is translated. Names
// are compared exactly, case-sensitively, and are not scoped.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "common/run_state.h"
#include "scanner/token_list.h"

namespace korvex::translate {

/// Element type of a declaration without a structure: NewList items.s().
inline constexpr const char* kNoStruct = "nostruct";

struct CollectionRegistry {
  std::unordered_set<std::string> names;
  std::unordered_map<std::string, std::string> types;  // name -> type or kNoStruct

  bool Has(const std::string& name) const { return names.count(name) != 0; }
  /// The stored element type, "" when none was stored.
  std::string TypeOf(const std::string& name) const;
};

/// Walks the whole list; for every KindWord token whose lower-cased text is
/// keyword ("newlist" or "newmap") registers the name after it and its
/// element type. "name.Type()" stores Type and blanks "Type", "(" and ")"
/// (the "." stays); "name()" stores kNoStruct and blanks "(" and ")".
CollectionRegistry RegisterDeclarations(TokenList& tokens, std::string_view keyword);

/// With the cursor on the rewritten name of a declaration: deletes a
/// following ".", up to six empty tokens, then a following "(" and a
/// following ")".
void TidyDeclarationTail(TokenList& tokens);

/// Adds the List or Map fields ("o.items") that the expression pass met.
void AddFieldContainers(const RunState& run, model::SymbolKind kind, CollectionRegistry& registry);

/// text without its final ".getData()": the name of a list or map argument
/// after its element access was rewritten.
std::string WithoutGetData(const std::string& text);

}  // namespace korvex::translate
