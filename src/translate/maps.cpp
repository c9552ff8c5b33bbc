// Maps as cMap objects of the web runtime:
//   NewMap pts.Point()              ->  var pts = new cMap(Point);
//   scores(who) = 12                ->  scores .setData2(who, 12)
//   n = scores(who)                 ->  n = scores.getData2(who)
//   n = scores(a + b)               ->  n = scores.getData2 ( a + b )
//   FindMapElement(scores(), "Ann") ->  scores.FindMapElement( "Ann" )
//   MapSize(scores())               ->  scores.MapSize()
//   ForEach scores()                ->  ForEachMap_Init(scores); LF while (ForEachMap(scores)) { LF
// Three walks: register every NewMap, rewrite the element accesses, then the
// declarations and commands (the library pass has made the map commands
// "cMap.<command>"). Runs right after the list pass, which leaves alone every
// ForEach that is not over a registered list.
#include <iterator>
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

// The ")" that closes the "(" after the name (the cursor is on the name),
// counting nested parentheses; end() when the line ends first. A key never
// spans a line break (continued lines are joined before this pass), so an
// unclosed key never swallows the rest of the program.
TokenList::Position MatchingClose(TokenList& tokens) {
  int depth = 0;
  TokenList::Position it = tokens.Mark();
  for (++it; it != tokens.end() && it->Kind != KindLineBreak; ++it) {
    if (it->Text == "(") ++depth;
    else if (it->Text == ")" && --depth == 0) return it;
  }
  return tokens.end();
}

// name ( key ) = value with a key of one token and a value of at most one
// token: the texts are frozen into the name or the value token.
void RewriteKeyedAccess(TokenList& tokens, const std::string& type, bool isAssignment) {
  Token& name = tokens.Current();
  std::string key = TokenAhead(tokens, 2)->Text;
  if (!isAssignment) {
    name.Text += ".getData2(" + key + ")";
    ClearAhead(tokens, 3);
    return;
  }
  ClearAhead(tokens, 4);
  Token* value = TokenAhead(tokens, 5);
  if (EndsHeader(value)) return;  // no value: the line break stays
  std::string stored = value->Text;
  if (!type.empty() && type != kNoStruct) stored += "." + type;
  value->Text = ".setData2(" + key + ", " + stored + ")";
}

// A longer key or value stays in place, so that the walk goes on through it
// (an element read inside a key or value is rewritten too) and the later
// passes still translate it:
//   m(a + b)                   ->  m.getData2 ( a + b )
//   count(word) = count(word) + 1
//                              ->  count.setData2 ( word , count.getData2(word) + 1 )
void RewriteLongKeyedAccess(TokenList& tokens, TokenList::Position close, bool isAssignment) {
  Token& name = tokens.Current();
  if (!isAssignment) {
    name.Text += ".getData2";
    return;
  }
  name.Text += ".setData2";
  close->Text = ',';
  ClearText(*std::next(close));  // the "="
  CloseBeforeStatementEnd(tokens);
}

// Whether the token after the one at it starts a value of at most one token
// that ends the statement.
bool IsShortValue(TokenList& tokens, TokenList::Position it) {
  ++it;
  if (it == tokens.end() || EndsHeader(&*it)) return true;
  ++it;
  return it == tokens.end() || EndsHeader(&*it);
}

// name() = value  ->  name.setData(value);  name()  ->  name.getData()
// name() = a + 1  ->  name.setData( a + 1 ): a longer value stays in place.
void RewriteCurrentAccess(TokenList& tokens, bool isAssignment) {
  Token& name = tokens.Current();
  if (!isAssignment) {
    name.Text += ".getData()";
    ClearAhead(tokens, 2);
    return;
  }
  if (!IsShortValue(tokens, std::next(tokens.Mark(), 3))) {
    name.Text += ".setData(";
    ClearAhead(tokens, 3);
    CloseBeforeStatementEnd(tokens);
    return;
  }
  std::string mapName = name.Text;
  ClearText(name);
  ClearAhead(tokens, 3);
  Token* value = TokenAhead(tokens, 4);
  if (!EndsHeader(value)) value->Text = mapName + ".setData(" + value->Text + ")";
}

// Only a statement that starts with the element assigns to it: in
// "If scores(k) = 1" the "=" compares, and the element is read.
void RewriteElementAccess(TokenList& tokens, const CollectionRegistry& maps) {
  std::string type = maps.TypeOf(tokens.Current().Text);
  bool startsStatement = StartsStatement(tokens);
  if (TokenAheadIs(tokens, 2, ")")) {
    RewriteCurrentAccess(tokens, startsStatement && TokenAheadIs(tokens, 3, "="));
    return;
  }
  TokenList::Position close = MatchingClose(tokens);
  if (close == tokens.end()) {
    RewriteLongKeyedAccess(tokens, close, false);  // unclosed: a read as written
    return;
  }
  TokenList::Position equals = std::next(close);
  bool isAssignment = startsStatement && equals != tokens.end() && equals->Text == "=";
  bool oneTokenKey = std::next(tokens.Mark(), 3) == close;
  if (oneTokenKey && (!isAssignment || IsShortValue(tokens, equals)))
    RewriteKeyedAccess(tokens, type, isAssignment);
  else
    RewriteLongKeyedAccess(tokens, close, isAssignment);
}

void TranslateElementAccesses(TokenList& tokens, const CollectionRegistry& maps) {
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind == KindWord && TokenAheadIs(tokens, 1, "(") && maps.Has(t.Text))
      RewriteElementAccess(tokens, maps);
  }
}

// NewMap name...  ->  name = new cMap();  or  name = new cMap(Type);
void RewriteNewMap(TokenList& tokens, const CollectionRegistry& maps) {
  Blank(tokens.Current());
  if (!tokens.Next()) return;
  Token& name = tokens.Current();
  std::string type = maps.TypeOf(name.Text);
  // the map belongs to the scope that makes it, as lists and arrays do
  if (type.empty() || type == kNoStruct) name.Text = "var " + name.Text + " = new cMap(); ";
  else name.Text = "var " + name.Text + " = new cMap(" + type + "); ";
  TidyDeclarationTail(tokens);
}

// cMap.AddMapElement(name(), key)  ->  name.AddMapElement( key )
// The "(" moves into the method name; the "," three tokens on is dropped.
void RewriteAddOrFind(TokenList& tokens) {
  std::string command = ReplaceAll(tokens.Current().Text, "cMap.", "");
  ClearText(tokens.Current());
  if (!tokens.Next()) return;
  command += tokens.Current().Text;
  ClearText(tokens.Current());
  if (!tokens.Next()) return;
  if (PeekNextTokenIs(tokens, ")")) {
    tokens.Next();
    command += tokens.Current().Text;
    ClearText(tokens.Current());
  }
  Token& argument = tokens.Current();
  argument.Text = WithoutGetData(argument.Text) + "." + command;
  Token* comma = TokenAhead(tokens, 3);
  if (comma != nullptr && comma->Text != ")") ClearText(*comma);
  StepForward(tokens, 3);
}

// cMap.MapSize(name())  ->  name.MapSize()
// Only the map's own element access becomes the command: the map of a list
// element's field, "orders.getData().tags.getData()", is
// "orders.getData().tags".
void RewriteKeyOrSize(TokenList& tokens) {
  std::string command = ReplaceAll(tokens.Current().Text, "cMap.", "");
  ClearText(tokens.Current());
  ClearAhead(tokens, 1);
  if (!StepForward(tokens, 2)) return;
  Token& argument = tokens.Current();
  argument.Text = WithoutGetData(argument.Text) + "." + command + "()";
  ClearAhead(tokens, 3);
}

// ForEach name()  ->  ForEachMap_Init(name); LF while (ForEachMap(name)) { LF
void RewriteForEach(TokenList& tokens) {
  Blank(tokens.Current());
  if (!tokens.Next()) return;
  Token& argument = tokens.Current();
  std::string name = WithoutGetData(argument.Text);
  argument.Text = "ForEachMap_Init(" + name + ");\nwhile (ForEachMap(" + name + ")) {\n";
  argument.Kind = KindOther;
  BlankAhead(tokens, 2);
}

void TranslateCommands(TokenList& tokens, const CollectionRegistry& maps) {
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    static constexpr WordShapes kCommands{"newmap", "cmap.addmapelement", "cmap.findmapelement",
                                          "cmap.mapkey", "cmap.mapsize", "foreach"};
    if (t.Kind != KindWord || !kCommands.MayBe(t.Text)) continue;
    LowerWord lower(t.Text);
    if (lower == "newmap") RewriteNewMap(tokens, maps);
    else if (lower == "cmap.addmapelement" || lower == "cmap.findmapelement") RewriteAddOrFind(tokens);
    else if (lower == "cmap.mapkey" || lower == "cmap.mapsize") RewriteKeyOrSize(tokens);
    else if (lower == "foreach") RewriteForEach(tokens);
  }
}

}  // namespace

void TranslateMaps(RunState& run) {
  CollectionRegistry maps = RegisterDeclarations(run.Tokens, "newmap");
  AddFieldContainers(run, model::SymbolKind::Map, maps);
  RegisterContainerParameters(run.Tokens, "map", maps);
  TranslateElementAccesses(run.Tokens, maps);
  TranslateCommands(run.Tokens, maps);
  // Count(seen())  ->  Count(seen) where Count takes a Map; once the element
  // accesses are final, as for lists (arrays: the Dim pass makes "values()"
  // "values" itself).
  PassContainersBare(run.Tokens, maps);
}

}  // namespace korvex::translate
