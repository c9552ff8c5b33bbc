// Server procedures: the browser cannot run a ProcedureDLL, so its body goes
// into the CGI program and the browser keeps the header with a synchronous
// AJAX call as its body. "ProcedureDLL.s Hello(name.s, age)" keeps its
// header, then gets
//   Protected ReturnValue.s
//   KVX_Converter_Begin_Raw
//   ; $.ajax({ ... url: '<CgiAddress>?request=Hello', ... data: { 'name': name, 'age': age }, ...
//   KVX_Converter_End_Raw
//   ProcedureReturn ReturnValue
// The stub is still PureBasic: statement translation turns its header and
// the two plain lines into JavaScript, and the raw block brings the call out
// verbatim. The CGI program answers with a Select over the lower-cased
// request name that calls the procedure with its query values.
// Runs after profile selection, before statement translation.
#include "server/server_procedures.h"

#include "scanner/source_scanner.h"
#include "common/text.h"
#include "server/cgi_build.h"

namespace korvex::server {
namespace {

// Moves the cursor n tokens on; false when the list ends first, the cursor
// then stays on the last token. Every walk below ends there instead of
// reading the last token again.
bool MoveOn(TokenList& tokens, int n) {
  for (int i = 0; i < n; ++i)
    if (!tokens.Next()) return false;
  return true;
}

bool IsProcedureKeyword(const Token& t) {
  if (t.Kind != KindWord) return false;
  LowerWord lower(t.Text);
  return lower == "procedure" || lower == "proceduredll" || lower == "procedurecdll";
}

// The body of the browser's copy of a server procedure. The JavaScript lines
// hide behind ";" until the raw-block pass uncomments them.
std::string StubLines(const ProcedureHeader& header, const std::string& cgiAddress) {
  std::string stub =
      "Protected ReturnValue.s\n"
      "KVX_Converter_Begin_Raw\n"
      "; $('#wait').show();\n"
      "; $.ajax({ \n"
      "; \turl: '" + cgiAddress + "?request=" + header.RequestName + "', \n"
      "; \ttype: 'GET', \n";
  if (!header.DataList.empty()) stub += "; \tdata: { " + header.DataList + " }, \n";
  stub +=
      "; \tdataType: 'text', \n"
      "; \tasync: false, \n"
      "; \tsuccess: function (result)  { ReturnValue = result }, \n"
      "; \terror:   function (a, b, c) { ReturnValue = b + '/' + c } \n"
      "; }); \n"
      "; $('#wait').hide();\n"
      "KVX_Converter_End_Raw\n"
      "ProcedureReturn ReturnValue\n";
  return stub;
}

// A line end or a comment inside a parameter list (a header continued on
// the next line) is not a parameter: quoted as a name it would put a line
// break into the stub's JavaScript or the dispatcher's PureBasic string.
bool IsLineFiller(const Token& t) { return t.Kind == KindLineBreak || t.Kind == KindComment; }

// "(name.s, age)" from the first parameter token: "'name': name, 'age': age, ".
// Stops at ")" or at the last token.
void CollectDataList(TokenList& tokens, std::string& dataList) {
  while (true) {
    if (tokens.Current().Text == "." && !MoveOn(tokens, 2)) return;  // over "." and the type
    if (tokens.Current().Text == "," && !MoveOn(tokens, 1)) return;
    if (IsLineFiller(tokens.Current())) {
      if (!MoveOn(tokens, 1)) return;
      continue;
    }
    const std::string& text = tokens.Current().Text;
    if (text == ")") return;
    dataList += "'" + text + "': " + text + ", ";
    if (!MoveOn(tokens, 1)) return;
  }
}

// "... GetValue(\"age\"), " loses its last comma and the spaces after it.
// Only the end is looked at: the text starts with "\tCase", so trimming its
// front would change nothing, and the earlier cases are not copied again.
void DropTrailingComma(std::string& result) {
  size_t end = result.find_last_not_of(' ');
  if (end != std::string::npos && result[end] == ',') result.resize(end);
}

// One Case of the dispatcher, from the token after the ProcedureDLL keyword:
//   Case "hello"  ->  HTTP_Content(@HTTP, Hello( GetValue("name"),  GetValue("age")))
void AppendCase(TokenList& tokens, std::string& result) {
  if (tokens.Current().Text == "." && !MoveOn(tokens, 2)) return;  // over "." and the type
  if (IsLineFiller(tokens.Current())) return;  // a keyword without a name
  const std::string name = tokens.Current().Text;
  result += "\tCase \"" + LowerAscii(name) + "\"\r\n";
  result += "\t\tHTTP_Content(@HTTP, " + name + "(";
  if (MoveOn(tokens, 2)) {
    while (tokens.Current().Text != ")") {
      if (IsLineFiller(tokens.Current())) {
        if (!MoveOn(tokens, 1)) break;
        continue;
      }
      result += " GetValue(\"" + tokens.Current().Text + "\"), ";
      if (PeekNextTokenIs(tokens, ".")) MoveOn(tokens, 2);
      if (PeekNextTokenIs(tokens, ",")) MoveOn(tokens, 1);
      if (!MoveOn(tokens, 1)) break;
    }
  }
  DropTrailingComma(result);
  result += "))\r\n";
}

}  // namespace

ProcedureHeader ParseProcedureHeader(RunState& run, const std::string& header) {
  TokenList& tokens = run.Tokens;
  TokenizeRawText(tokens, header);
  ProcedureHeader result;
  tokens.Reset();
  while (tokens.Next()) {
    if (!IsProcedureKeyword(tokens.Current())) continue;
    // ProcedureDLL.s Hello( ...: over "." and the result type to the name
    if (PeekNextTokenIs(tokens, ".") && !MoveOn(tokens, 2)) break;
    if (!MoveOn(tokens, 1) || IsLineFiller(tokens.Current())) break;  // no name
    result.RequestName = tokens.Current().Text;
    if (!MoveOn(tokens, 2)) break;  // over the name and "("
    CollectDataList(tokens, result.DataList);
  }
  if (!result.DataList.empty()) result.DataList.resize(result.DataList.size() - 2);
  return result;
}

std::string BuildRequestSelect(RunState& run, const std::string& serverCode) {
  TokenList& tokens = run.Tokens;
  TokenizeText(tokens, serverCode);
  std::string result;
  tokens.Reset();
  while (tokens.Next()) {
    const Token& t = tokens.Current();
    if (t.Kind != KindWord || !EqualsNoCase(t.Text, "proceduredll")) continue;
    if (!MoveOn(tokens, 1)) break;
    AppendCase(tokens, result);
  }
  if (result.empty()) return "";
  return " Select Request \r\n" + result +
         "\r\n Default \r\n   HTTP_Content(@HTTP, \"unknown request: '\" + Request + \"'\" ) \r\n"
         " EndSelect";
}

std::string BuildServerProcedures(RunState& run, const std::string& text) {
  std::string output, serverCode, stub;
  bool inside = false;
  for (std::string_view piece : SplitLines(text)) {
    // Every line is trimmed, also those copied unchanged; tabs stay.
    std::string_view line = TrimSpacesView(piece);
    if (StartsWithNoCaseNoBlanks(line, "proceduredll")) {
      stub = std::string(line) + "\n";
      stub += StubLines(ParseProcedureHeader(run, stub), run.ActiveSettings.CgiAddress);
      inside = true;
    } else if (inside && StartsWithNoCaseNoBlanks(line, "endprocedure")) {
      serverCode += line;
      serverCode += '\n';
      inside = false;
    }
    // The header goes to both texts, the body to the server code only, and
    // EndProcedure (added to the server code above) to the output.
    if (inside) {
      serverCode += line;
      serverCode += '\n';
      output += stub;
      stub.clear();
    } else {
      output += line;
      output += '\n';
    }
  }
  if (serverCode.empty()) return output;
  if (BuildCgiProgram(run, serverCode) == CgiBuild::Stop) return "";
  return output;
}

}  // namespace korvex::server
