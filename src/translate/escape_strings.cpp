// Escape strings: ~"..." holds PureBasic's escape sequences \a \b \f \n \r
// \t \v \" and \\; the token becomes the JavaScript string of the same
// characters.  ~"Tab\there"  ->  "Tab\there",  ~"C:\\temp\\"  ->  "C:\\temp\\".
// A double quote is written \x22, never \": the later passes scan the
// JavaScript text with the PureBasic scanner, for which every quote ends a
// literal. Runs in the dispatcher right after the backslashes of the plain
// strings have been doubled, which leaves escape strings alone.
#include "translate/escape_strings.h"

namespace korvex::translate {
namespace {

// The character of "\" + c in an escape string, or 0 for a sequence that
// PureBasic does not know (it then stays as written).
char EscapedCharacter(char c) {
  switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"': return '"';
    case '\\': return '\\';
    default: return 0;
  }
}

// One character of the string as JavaScript writes it inside "...".
void AppendJavaScript(char c, std::string& out) {
  switch (c) {
    case '\a': out += "\\x07"; break;
    case '\b': out += "\\b"; break;
    case '\f': out += "\\f"; break;
    case '\n': out += "\\n"; break;
    case '\r': out += "\\r"; break;
    case '\t': out += "\\t"; break;
    case '\v': out += "\\v"; break;
    case '"': out += "\\x22"; break;
    case '\\': out += "\\\\"; break;
    default: out += c;  // UTF-8 bytes stay as they are
  }
}

}  // namespace

std::string JavaScriptFromEscapeString(std::string_view token) {
  // ~" ... " without the three quote characters; an unterminated string
  // (the rest of its line) has no closing quote to drop
  std::string_view body = token.substr(token.size() >= 2 ? 2 : token.size());
  bool closed = token.size() >= 3 && body.back() == '"';
  if (closed) {
    size_t backslashes = 0;  // "\"" at the end escapes the quote
    for (size_t i = body.size() - 1; i > 0 && body[i - 1] == '\\'; --i) ++backslashes;
    closed = backslashes % 2 == 0;
  }
  if (closed) body.remove_suffix(1);
  std::string out = "\"";
  for (size_t i = 0; i < body.size(); ++i) {
    char escaped = body[i] == '\\' && i + 1 < body.size() ? EscapedCharacter(body[i + 1]) : 0;
    if (escaped != 0) ++i;
    AppendJavaScript(escaped != 0 ? escaped : body[i], out);
  }
  return out + "\"";
}

void RewriteEscapeStrings(TokenList& tokens) {
  for (Token& t : tokens)
    if (t.Kind == KindString && t.Text.size() >= 2 && t.Text[0] == '~' && t.Text[1] == '"')
      t.Text = JavaScriptFromEscapeString(t.Text);
}

}  // namespace korvex::translate
