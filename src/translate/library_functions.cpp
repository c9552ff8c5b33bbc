// Library functions, constants and Read/Restore/End, as framework.db lists
// them, and the explicit-declaration switches.
// "Chr(65)" with Chr listed under String becomes "cString.Chr(65)";
// "Read.s title" becomes "title = cData.Read()"; a listed "#Limit" becomes
// the literal "cConstants.Limit". Runs first in the dispatcher's first group
// of construct passes; the list and map passes rely on "cSort.RandomizeList"
// and "cMap.<command>".
#include <sqlite3.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "common/text.h"
#include "common/word_shapes.h"
#include "common/text_map.h"
#include "translate/construct_passes.h"
#include "translate/expressions.h"
#include "translate/header_walk.h"

namespace korvex::translate {
namespace {

constexpr const char* kFunctionQuery = "Select LibraryName, FunctionName From Libraries";
constexpr const char* kResultTypeQuery = "Select FunctionName, ReturnType From Libraries";
constexpr const char* kContainerQuery = "Select FunctionName, Containers From Libraries";
constexpr const char* kConstantQuery = "Select Constant From Constants";
constexpr const char* kLabelPrefix = "KVX_Label_";

std::string ColumnText(sqlite3_stmt* stmt, int column) {
  const unsigned char* text = sqlite3_column_text(stmt, column);
  if (text == nullptr) return "";
  return std::string(reinterpret_cast<const char*>(text),
                     static_cast<size_t>(sqlite3_column_bytes(stmt, column)));
}

// Runs one query on framework.db, opened read-only so that a missing file is
// never created. Returns false, having called onRow for nothing that counts,
// when the file cannot be opened or the query fails; the caller then throws
// away what it collected.
bool ReadRows(const std::string& path, const char* query,
              const std::function<void(sqlite3_stmt*)>& onRow) {
  sqlite3* db = nullptr;
  // SQLite takes UTF-8 names, which the converter's paths are
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return false;
  }
  sqlite3_stmt* stmt = nullptr;
  bool ok = sqlite3_prepare_v2(db, query, -1, &stmt, nullptr) == SQLITE_OK;
  int rc = SQLITE_DONE;
  while (ok && (rc = sqlite3_step(stmt)) == SQLITE_ROW) onRow(stmt);
  ok = ok && rc == SQLITE_DONE;
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return ok;
}

std::vector<std::string> SplitOn(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

// Each function by its lower-cased name, as the runtime spells it, with its
// library; a later row with the same function wins. The result types come
// from a query of their own, so that a file without them still lists the
// functions.
void LoadFunctions(const std::string& path, model::ProgramModel& m) {
  TextMap<model::LibraryFunction> functions;
  bool ok = ReadRows(path, kFunctionQuery, [&](sqlite3_stmt* stmt) {
    model::LibraryFunction f;
    f.library = ColumnText(stmt, 0);
    f.name = ColumnText(stmt, 1);
    functions[LowerAscii(f.name)] = std::move(f);
  });
  if (!ok) functions.clear();
  ReadRows(path, kResultTypeQuery, [&](sqlite3_stmt* stmt) {
    auto found = functions.find(LowerAscii(ColumnText(stmt, 0)));
    if (found == functions.end()) return;
    std::string letter = ColumnText(stmt, 1);
    model::Basic basic;
    found->second.returnsValue = model::BasicFromLetter(letter, basic);
    if (found->second.returnsValue) found->second.result.basic = basic;
  });
  // "0,1": the arguments that take whole containers
  ReadRows(path, kContainerQuery, [&](sqlite3_stmt* stmt) {
    auto found = functions.find(LowerAscii(ColumnText(stmt, 0)));
    if (found == functions.end()) return;
    for (const std::string& part : SplitOn(ColumnText(stmt, 1), ','))
      if (!part.empty() && part.size() < 4 && part.find_first_not_of("0123456789") == std::string::npos)
        found->second.containers.push_back(std::stoi(part));
  });
  m.SetLibrary(std::move(functions));
}

// "#" + Constant for every row, by its lower-cased name.
TextMap<std::string> LoadConstants(const std::string& path) {
  TextMap<std::string> constants;
  bool ok = ReadRows(path, kConstantQuery, [&](sqlite3_stmt* stmt) {
    std::string name = ColumnText(stmt, 0);
    constants["#" + LowerAscii(name)] = name;
  });
  if (!ok) constants.clear();
  return constants;
}

// Read.<type> variable  ->  variable = cData.Read()
// The dispatcher blanked the two tokens of a type suffix; "Read value",
// with PureBasic's default type, has none. So the variable is the first
// token after Read whose text is not "", past at most two blank ones.
// Read a(i, j), Read.s names(), Read p\x: the element is assigned like any
// other ("a(i, j) = cData.Read()"), so that the array, list, map and field
// rewrites find their assignment: the Read and its type go, and "=" and the
// call follow the element's last token.
void ReadIntoElement(TokenList& tokens, TokenList::Position read, const std::string& call) {
  TokenList::Position target = tokens.Mark();
  while (!EndsHeader(tokens.PeekNext())) tokens.Next();
  int line = tokens.Current().Line;
  tokens.Add(Token{"=", KindOther, 0, line});
  tokens.Add(Token{call, KindOther, 0, line});
  TokenList::Position end = tokens.Mark();
  for (TokenList::Position it = read; it != target;) {
    TokenList::Position gone = it++;
    tokens.ReturnTo(gone);
    tokens.DeleteCurrent();
  }
  tokens.ReturnTo(end);
}

void RewriteRead(TokenList& tokens, const std::string& call) {
  TokenList::Position read = tokens.Mark();
  ClearText(tokens.Current());
  if (!tokens.Next()) return;
  for (int blanks = 0; blanks < 2 && tokens.Current().Text.empty(); ++blanks)
    if (!tokens.Next()) return;
  Token& variable = tokens.Current();
  // "Read" without a variable: the line break is no place for the call
  if (variable.Kind == KindLineBreak || variable.Kind == KindComment) return;
  if (!EndsHeader(tokens.PeekNext())) return ReadIntoElement(tokens, read, call);
  variable.Text += " = " + call;
}

// Restore Label  ->  cData.Restore(KVX_Label_Label)
// The label is the first token after Restore that is not empty, and the
// call lands on it (on the Restore token itself when no label follows). A
// trailing comment ends the statement: it stays a comment instead of being
// glued into the label.
void RewriteRestore(TokenList& tokens, std::string call) {
  ClearText(tokens.Current());
  while (!EndsHeader(tokens.PeekNext())) {
    tokens.Next();
    Token& t = tokens.Current();
    if (t.Text.empty()) continue;
    // the data pass named the label as written, before "in" became "KVX_in"
    call += std::string(kLabelPrefix) + std::string(WithoutReservedPrefix(t.Text));
    ClearText(t);
    break;
  }
  tokens.Current().Text = call + ")";
}

// End [code]  ->  cMisc.End(): the runtime's End takes no exit code, so the
// rest of the statement goes (a trailing comment stays).
void RewriteEnd(TokenList& tokens, const std::string& call) {
  tokens.Current().Text = call;
  while (!EndsHeader(tokens.PeekNext())) {
    tokens.Next();
    Blank(tokens.Current());
  }
}

// A listed function: a call gets its runtime class and the runtime's
// spelling ("lset(" -> "cString.LSet("); Read, Restore and End also work
// without parentheses.
void RewriteFunction(TokenList& tokens, const model::LibraryFunction& f) {
  Token& t = tokens.Current();
  std::string member = "c" + f.library + "." + f.name;
  if (PeekNextTokenIs(tokens, "(")) {
    t.Text = member;
    return;
  }
  LowerWord lower(t.Text);
  if (lower == "read") RewriteRead(tokens, member + "()");
  else if (lower == "restore") RewriteRestore(tokens, member + "(");
  else if (lower == "end") RewriteEnd(tokens, member + "()");
}

// A procedure or a structure of the program named like a library function
// is the program's own: "Structure Point" keeps "NewList p.Point()" the
// program's structure.
bool NamesItsOwn(const RunState& run, const Token& t) {
  if (t.Ref >= 0 && run.Model.At(t.Ref).kind == model::SymbolKind::Procedure) return true;
  return run.Model.FindStructure(model::NameKey(t.Text)) >= 0;
}

void TranslateFunctions(RunState& run) {
  if (run.Model.Library().empty()) return;
  TokenList& tokens = run.Tokens;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind != KindWord || !run.Model.MayNameLibrary(t.Text)) continue;
    const model::LibraryFunction* f = run.Model.FindLibrary(LowerWord(t.Text));
    if (f != nullptr && !NamesItsOwn(run, t)) RewriteFunction(tokens, *f);
  }
}

// #Limit  ->  cConstants.Limit, now a literal (KindNumber), so that the
// procedure pass takes it as a parameter default. "#pb_any" is "#PB_Any".
void TranslateConstant(const TextMap<std::string>& constants, Token& t) {
  auto found = constants.find(std::string_view(LowerWord(t.Text)));
  if (found == constants.end()) return;
  t.Text = "cConstants." + found->second;
  t.Kind = KindNumber;
}

constexpr std::string_view kExplicitSwitches[] = {"enableexplicit", "disableexplicit"};
constexpr KeywordSet kSwitches{kExplicitSwitches};

// EnableExplicit  ->  cCompilerDirectives.EnableExplicit
void TranslateExplicitSwitch(Token& t) {
  if (kSwitches.Has(t.Text)) t.Text = "cCompilerDirectives." + t.Text;
}

// Both rewrite one word on its own, and never the same one: one walk.
void TranslateConstantsAndSwitches(RunState& run, const std::string& dbPath) {
  TextMap<std::string> constants = LoadConstants(dbPath);
  for (Token& t : run.Tokens) {
    if (t.Kind != KindWord || t.Text.empty()) continue;
    if (t.Text[0] != '#') TranslateExplicitSwitch(t);
    else if (!constants.empty()) TranslateConstant(constants, t);
  }
}

}  // namespace

void LoadLibraryTable(RunState& run) {
  if (run.Model.libraryLoaded) return;
  LoadFunctions(run.ProgramDir + "framework.db", run.Model);
  run.Model.libraryLoaded = true;
}

void TranslateLibraryFunctions(RunState& run) {
  std::string dbPath = run.ProgramDir + "framework.db";
  LoadLibraryTable(run);
  TranslateFunctions(run);
  TranslateConstantsAndSwitches(run, dbPath);
}

}  // namespace korvex::translate
