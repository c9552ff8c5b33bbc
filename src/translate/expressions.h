// The dispatcher's own token rewrites: statement separators, line
// continuation, constants, name decorations, Declare and Bool, string and
// number literals, type suffixes, structure-typed
// variables, address-of, comments, operators and keywords.
// Each one is a single walk over the whole token list, or a rewrite of one
// token that the dispatcher's walk applies with others (dispatcher.cpp),
// in its fixed order.
#pragma once

#include "scanner/token_list.h"

namespace korvex::translate {

// statement_lines.cpp

/// "a : b"  ->  two statements: every ":" becomes a line break.
void SplitStatement(Token& t);
void SplitStatements(TokenList& tokens);
/// The same, and in the same walk: a line that ends with ",", "+", "|",
/// And, Or or XOr goes on in the next line, so the line break after it is
/// deleted.
void SplitAndJoinLines(TokenList& tokens);
/// "Declare Foo(a, b)" and "Shared total, items()"  ->  nothing but blanks up
/// to the line break.
void BlankDeclares(TokenList& tokens);

// constants.cpp

/// "#CRLF$"  ->  "cString.Chr(13) + cString.Chr(10)", "#PI"  ->  "Math.PI",
/// and the other built-in character and truth constants.
void ReplaceBuiltinConstant(Token& t);

// literals.cpp

/// "*p"  ->  "p", "a$"  ->  "a", "Str$"  ->  "Str"; a name that JavaScript
/// reserves gets a prefix: "in"  ->  "KVX_in".
void StripNameDecoration(Token& t);
/// The name as the program wrote it: "KVX_in"  ->  "in" (labels keep their
/// written names).
std::string_view WithoutReservedPrefix(std::string_view name);
/// "Bool(a > b)"  ->  "(a > b)"; inside, "=" and "<>" compare: "Bool(a = b)"
/// ->  "(a == b)".
void BlankBool(TokenList& tokens);
/// A backslash inside a string literal is doubled for JavaScript.
void EscapeStringBackslashes(TokenList& tokens);
/// "$FF"  ->  "cString.Val(\"$FF\")", "%101"  ->  "cString.Val(\"%101\")",
/// the character constant 'A'  ->  "65".
void RewriteHexNumber(Token& t);

// type_suffixes.cpp

/// "count.i", "name.s", "Procedure.l"  ->  the basic type is dropped.
/// before is the token before t, or nullptr.
void DropBasicTypeSuffix(Token& t, Token* before);
void DropBasicTypeSuffixes(TokenList& tokens);
/// "p.Point"  ->  "p = new Point()"; inside parentheses only "p" is left.
void RewriteStructureVariables(TokenList& tokens);

// operators.cpp

/// "@Handler()"  ->  "Handler", "@value"  ->  "value".
void RewriteAddressOf(TokenList& tokens);
/// "; note"  ->  "// ; note", except inside a raw block; in the same walk
/// And, Or, Not  ->  "&&", "||", "!"; XOr and "!"  ->  "^"; "a\x"  ->  "a.x";
/// the bitwise "&" stays.
void RewriteCommentsAndOperators(TokenList& tokens);

}  // namespace korvex::translate
