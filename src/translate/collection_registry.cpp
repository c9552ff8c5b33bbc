// Registry of declared lists and maps; see collection_registry.h.
#include "translate/collection_registry.h"

#include "common/text.h"
#include "translate/lookahead.h"

namespace korvex::translate {
namespace {

// From the token after the name, up to the line break: the first "." or "("
// tells the element type.
void ReadElementType(TokenList& tokens, CollectionRegistry& registry, const std::string& name) {
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind == KindLineBreak) return;
    if (t.Text == ".") {
      Token* type = TokenAhead(tokens, 1);
      if (type == nullptr) return;
      registry.types[name] = type->Text;
      BlankAhead(tokens, 3);
      return;
    }
    if (t.Text == "(") {
      registry.types[name] = kNoStruct;
      Blank(t);
      BlankAhead(tokens, 1);
      return;
    }
  }
}

}  // namespace

std::string CollectionRegistry::TypeOf(const std::string& name) const {
  auto found = types.find(name);
  return found == types.end() ? std::string() : found->second;
}

CollectionRegistry RegisterDeclarations(TokenList& tokens, std::string_view keyword) {
  CollectionRegistry registry;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind != KindWord || !EqualsNoCase(t.Text, keyword)) continue;
    if (!tokens.Next()) break;
    std::string name = tokens.Current().Text;
    registry.names.insert(name);
    ReadElementType(tokens, registry, name);
  }
  return registry;
}

void TidyDeclarationTail(TokenList& tokens) {
  if (PeekNextTokenIs(tokens, ".")) tokens.DeleteNext();
  for (int i = 0; i < 6; ++i) DropNextEmptyToken(tokens);
  if (PeekNextTokenIs(tokens, "(")) tokens.DeleteNext();
  if (PeekNextTokenIs(tokens, ")")) tokens.DeleteNext();
}

std::string WithoutGetData(const std::string& text) {
  // only the element access of the name itself: "o.getData().items.getData()"
  // is the list "o.getData().items"
  constexpr std::string_view kAccess = ".getData()";
  if (text.size() >= kAccess.size() && text.compare(text.size() - kAccess.size(), kAccess.size(), kAccess) == 0)
    return text.substr(0, text.size() - kAccess.size());
  return text;
}

void AddFieldContainers(const RunState& run, model::SymbolKind kind, CollectionRegistry& registry) {
  for (const auto& [name, field] : run.Model.fieldContainers) {
    if (field.kind != kind) continue;
    registry.names.insert(name);
    registry.types[name] = field.elementStructure.empty() ? kNoStruct : field.elementStructure;
  }
}

}  // namespace korvex::translate
