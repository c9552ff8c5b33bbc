// The comparison operators of a condition, shared by the If, While and
// Until headers: PureBasic writes "=", "<>", "=>" and "=<" where JavaScript
// wants "==", "!=", ">=" and "<=".
#pragma once

#include "scanner/token.h"

namespace korvex::translate {

/// Rewrites one condition token in place: a KindOther "=" becomes "==", or,
/// when next is ">" or "<" (the scanner splits "=>" and "=<"), ">=" or "<="
/// with next emptied; a KindOther "<>" becomes "!=". next may be nullptr.
void RewriteComparison(Token& token, Token* next);

}  // namespace korvex::translate
