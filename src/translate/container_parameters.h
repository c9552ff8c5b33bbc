// Arrays, lists and maps as procedure parameters:
//   Procedure Sum(Array values(1), n)      ->  function Sum( values , n) {
//   Procedure Show(List names.s())         ->  function Show( names ) {
//   Sum(values(), 3)  /  Show(names())     ->  Sum(values, 3)  /  Show(names)
// The Dim, list and map passes each register the parameters of their own
// kind (as if declared by Dim, NewList or NewMap) and blank the keyword and
// the "(...)" after the name, so the procedure pass finds the header's own
// ")". A blanked keyword keeps kContainerKeywordMark in Token::Spare: the
// calls are rewritten after the keywords are gone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scanner/token_list.h"
#include "translate/collection_registry.h"

namespace korvex::translate {

/// Token::Spare of a container keyword that a pass has blanked.
inline constexpr int kContainerKeywordMark = 1;

/// Every "Array", "List" or "Map" keyword (lower-cased text equal to kind)
/// that directly follows the "(" or a "," of a procedure header, in order.
/// None without a walk when the scanned program lacks the word (see
/// TokenList::Census).
std::vector<TokenList::Position> FindContainerKeywords(TokenList& tokens, std::string_view kind);

/// Blanks the keyword at keyword (marking it) and what follows the name: a
/// "." and the type after it, and the "(" with everything up to its
/// matching ")" on the same line. The name goes back to the bare name (a
/// name the list pass has made "name.getData()"). Returns the name and
/// stores the type word, or "" when there is none, in type.
std::string TakeContainerParameter(TokenList& tokens, TokenList::Position keyword, std::string& type);

/// Registers every parameter of kind ("list" or "map") in registry, with
/// its structure type or kNoStruct, and blanks it as above.
void RegisterContainerParameters(TokenList& tokens, std::string_view kind, CollectionRegistry& registry);

/// In every call of a procedure that takes a container at some position,
/// an argument there that is exactly "name.getData()" for a name in
/// containers becomes the bare name: the callee gets the list or map itself.
void PassContainersBare(TokenList& tokens, const CollectionRegistry& containers);

}  // namespace korvex::translate
