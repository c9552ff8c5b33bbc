// Linked lists as cLinkedList objects of the web runtime:
//   NewList points.Point()   ->  var points = new cLinkedList()
//   AddElement(points())     ->  points.AddElement(new Point)
//   points()\x = 5           ->  points.getData() . x = 5   (the dispatcher
//                                makes the backslash a "." later)
//   items() = 7              ->  items .setData(7)
//   items() = Str(i) + "x"   ->  items .setData( cString.Str ( i ) + "x" )
//   ForEach items()          ->  items.ForEach_Init(); LF while (items.ForEach()) { LF
// Three walks: register every NewList, rewrite the element accesses name(),
// then the declarations and commands. Runs after the library pass (which
// made RandomizeList "cSort.RandomizeList") and just before the map pass.
//
// ForEach is rewritten here only when its argument is a registered list;
// any other ForEach (over a map, above all) is left to the map pass, which
// has a form of its own for it.
#include <string>

#include "common/text.h"
#include "common/word_shapes.h"
#include "translate/collection_registry.h"
#include "translate/construct_passes.h"
#include "translate/container_parameters.h"
#include "translate/header_walk.h"
#include "translate/lookahead.h"
#include "translate/statement_end.h"

namespace korvex::translate {
namespace {

// With the cursor on the name of "name() = ...": whether the value is at
// most one token, the last of its statement.
bool IsOneTokenValue(TokenList& tokens) {
  return EndsHeader(TokenAhead(tokens, 4)) || EndsHeader(TokenAhead(tokens, 5));
}

// name() = value  ->  name .setData(value)
// name()          ->  name.getData()
// Only a statement that starts with the element assigns to it: in
// "While items() = 0" the "=" compares. A structured element takes the
// copy the expression pass made of the value (pts() = p  ->
// pts .setData(cStructure.copy(p))).
void RewriteElementAccess(TokenList& tokens) {
  Token& name = tokens.Current();
  if (StartsStatement(tokens) && TokenAheadIs(tokens, 3, "=")) {
    if (!IsOneTokenValue(tokens)) {
      // name() = Str(i) + "x"  ->  name .setData( Str(i) + "x" ): the value
      // stays in place, so the walk and the later passes still translate it
      BlankAhead(tokens, 3);
      TokenAhead(tokens, 3)->Text = ".setData(";
      CloseBeforeStatementEnd(tokens);
      return;
    }
    // a missing value never takes the line break with it
    Token* value = TokenAhead(tokens, 4);
    bool hasValue = !EndsHeader(value);
    std::string valueText = hasValue ? value->Text : "";
    BlankAhead(tokens, hasValue ? 4 : 3);
    TokenAhead(tokens, 3)->Text = ".setData(" + valueText + ")";
    return;
  }
  name.Text += ".getData()";
  BlankAhead(tokens, 2);
}

void TranslateElementAccesses(TokenList& tokens, const CollectionRegistry& lists) {
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    // the cheap tests first: most words are no element access
    if (t.Kind != KindWord || !TokenAheadIs(tokens, 1, "(") || !TokenAheadIs(tokens, 2, ")")) continue;
    if (lists.Has(t.Text)) RewriteElementAccess(tokens);
  }
}

// NewList name...  ->  var name = new cLinkedList(): the list belongs to
// the scope that makes it, a procedure's own or the main code's.
void RewriteNewList(TokenList& tokens) {
  Blank(tokens.Current());
  if (!tokens.Next()) return;
  Token& name = tokens.Current();
  name.Text = "var " + name.Text + " = new cLinkedList() ";
  TidyDeclarationTail(tokens);
}

// AddElement(name())  ->  name.AddElement() or name.AddElement(new Type)
void RewriteAddElement(TokenList& tokens, const CollectionRegistry& lists) {
  Blank(tokens.Current());
  BlankAhead(tokens, 1);
  if (!StepForward(tokens, 2)) return;
  Token& argument = tokens.Current();
  std::string name = WithoutGetData(argument.Text);
  std::string type = lists.TypeOf(name);
  if (type.empty() || type == kNoStruct) argument.Text = name + ".AddElement()";
  else argument.Text = name + ".AddElement(new " + type + ")";
  BlankAhead(tokens, 3);
}

// The runtime's spelling of a list command: "listsize" is "ListSize".
std::string CommandName(const std::string& written) {
  static constexpr const char* kCommands[] = {
      "ListSize", "ClearList", "ListIndex", "FirstElement", "NextElement", "PreviousElement",
      "LastElement", "DeleteElement", "SelectElement"};
  for (const char* command : kCommands)
    if (EqualsNoCase(written, command)) return command;
  return written;
}

// ListSize(name())  ->  name.ListSize(), whatever the command's letter case;
// cSort.RandomizeList(name())  ->  cSort.RandomizeList(name)
void RewriteListCommand(TokenList& tokens, bool isRandomize) {
  std::string command = CommandName(tokens.Current().Text);
  Blank(tokens.Current());
  BlankAhead(tokens, 1);
  if (!StepForward(tokens, 2)) return;
  Token& argument = tokens.Current();
  std::string name = WithoutGetData(argument.Text);
  argument.Text = isRandomize ? command + "(" + name + ")" : name + "." + command + "()";
  BlankAhead(tokens, 3);
}

// SelectElement(name(), i)  ->  name.SelectElement( i )
// The position and the closing ")" stay as they are.
void RewriteSelectElement(TokenList& tokens) {
  std::string command = CommandName(tokens.Current().Text);
  Blank(tokens.Current());
  BlankAhead(tokens, 1);
  if (!StepForward(tokens, 2)) return;
  Token& argument = tokens.Current();
  argument.Text = WithoutGetData(argument.Text) + "." + command + "(";
  BlankAhead(tokens, 3);
}

// ForEach name()  ->  name.ForEach_Init(); LF while (name.ForEach()) { LF
// Only over a registered list; the loop pass closes it at Next.
void RewriteForEach(TokenList& tokens, const CollectionRegistry& lists) {
  Token* argument = TokenAhead(tokens, 1);
  if (argument == nullptr) return;
  std::string name = WithoutGetData(argument->Text);
  if (!lists.Has(name)) return;
  Blank(tokens.Current());
  tokens.Next();
  argument->Text = name + ".ForEach_Init();\nwhile (" + name + ".ForEach()) {\n";
  argument->Kind = KindOther;
  BlankAhead(tokens, 2);
}

constexpr std::string_view kPlainListCommands[] = {
    "listsize", "clearlist", "listindex", "firstelement", "nextelement", "previouselement",
    "lastelement", "deleteelement"};

bool IsPlainListCommand(std::string_view lower) {
  for (std::string_view command : kPlainListCommands)
    if (lower == command) return true;
  return false;
}

// every word the command walk acts on
constexpr WordShapes kCommands = WordShapes(kPlainListCommands).With(
    {"newlist", "addelement", "csort.randomizelist", "selectelement", "foreach"});

void TranslateCommands(TokenList& tokens, const CollectionRegistry& lists) {
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind != KindWord || !kCommands.MayBe(t.Text)) continue;
    LowerWord lower(t.Text);
    if (lower == "newlist") RewriteNewList(tokens);
    else if (lower == "addelement") RewriteAddElement(tokens, lists);
    // DeleteElement(name(), flags) keeps its flags as SelectElement keeps
    // its position: the "," is the fifth token on, after "( name ( )"
    else if (lower == "deleteelement" && TokenAheadIs(tokens, 5, ",")) RewriteSelectElement(tokens);
    else if (IsPlainListCommand(lower)) RewriteListCommand(tokens, false);
    else if (lower == "csort.randomizelist") RewriteListCommand(tokens, true);
    else if (lower == "selectelement") RewriteSelectElement(tokens);
    else if (lower == "foreach") RewriteForEach(tokens, lists);
  }
}

}  // namespace

void TranslateLinkedLists(RunState& run) {
  CollectionRegistry lists = RegisterDeclarations(run.Tokens, "newlist");
  AddFieldContainers(run, model::SymbolKind::List, lists);
  RegisterContainerParameters(run.Tokens, "list", lists);
  TranslateElementAccesses(run.Tokens, lists);
  TranslateCommands(run.Tokens, lists);
  // Show(names())  ->  Show(names) where Show takes a List: the element
  // accesses are final here, and the map pass after this one never turns a
  // bare name followed by "," or ")" into anything else.
  PassContainersBare(run.Tokens, lists);
}

}  // namespace korvex::translate
