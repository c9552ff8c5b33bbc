// Escape strings: PureBasic's ~"..." literals as JavaScript strings.
#pragma once

#include <string>
#include <string_view>

#include "scanner/token_list.h"

namespace korvex::translate {

/// The JavaScript literal of an escape string token:
/// ~"Line\tone\n"  ->  "Line\tone\n", ~"say \"hi\""  ->  "say \x22hi\x22".
std::string JavaScriptFromEscapeString(std::string_view token);
/// Every escape string token of the list becomes its JavaScript literal.
void RewriteEscapeStrings(TokenList& tokens);

}  // namespace korvex::translate
