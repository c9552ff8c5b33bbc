// Maps as cMap objects of the web runtime:
//   NewMap pts.Point()              ->  pts = new cMap(Point);
//   scores(who) = 12                ->  scores .setData2(who, 12)
//   n = scores(who)                 ->  n = scores.getData2(who)
//   FindMapElement(scores(), "Ann") ->  scores.FindMapElement( "Ann" )
//   MapSize(scores())               ->  scores.MapSize()
//   ForEach scores()                ->  ForEachMap_Init(scores); LF while (ForEachMap(scores)) { LF
// Three walks: register every NewMap, rewrite the element accesses, then the
// declarations and commands (the library pass has made the map commands
// "cMap.<command>"). Runs right after the list pass, which leaves alone every
// ForEach that is not over a registered list.
#include <string>

#include "scanner/text.h"
#include "translate/collection_registry.h"
#include "translate/construct_passes.h"
#include "translate/lookahead.h"

namespace korvex::translate {
namespace {

// The key of name(key): the texts from the token after "(" up to the first
// ")", joined without separators; keyTokens counts them. A key never spans
// a line break (continued lines are joined before this pass), so an
// unclosed key ends there instead of swallowing the rest of the program.
std::string ReadKey(TokenList& tokens, int& keyTokens) {
  std::string key;
  keyTokens = 0;
  TokenList::Position it = tokens.Mark();
  ++it;  // the "("
  for (++it; it != tokens.end() && it->Text != ")" && it->Kind != KindLineBreak; ++it) {
    key += it->Text;
    ++keyTokens;
  }
  return key;
}

// The clearing counts fit a key of one token (a string literal or a name):
// name ( key ) = value.
void RewriteKeyedAccess(TokenList& tokens, const std::string& type, const std::string& key,
                        bool isAssignment) {
  Token& name = tokens.Current();
  if (!isAssignment) {
    name.Text += ".getData2(" + key + ")";
    ClearAhead(tokens, 3);
    return;
  }
  ClearAhead(tokens, 4);
  Token* value = TokenAhead(tokens, 5);
  if (value == nullptr) return;
  std::string stored = value->Text;
  if (!type.empty() && type != kNoStruct) stored += "." + type;
  value->Text = ".setData2(" + key + ", " + stored + ")";
}

// name() = value  ->  name.setData(value);  name()  ->  name.getData()
void RewriteCurrentAccess(TokenList& tokens, bool isAssignment) {
  Token& name = tokens.Current();
  if (!isAssignment) {
    name.Text += ".getData()";
    ClearAhead(tokens, 2);
    return;
  }
  std::string mapName = name.Text;
  ClearText(name);
  ClearAhead(tokens, 3);
  Token* value = TokenAhead(tokens, 4);
  if (value != nullptr) value->Text = mapName + ".setData(" + value->Text + ")";
}

void RewriteElementAccess(TokenList& tokens, const CollectionRegistry& maps) {
  std::string type = maps.TypeOf(tokens.Current().Text);
  if (TokenAheadIs(tokens, 2, ")")) {
    RewriteCurrentAccess(tokens, TokenAheadIs(tokens, 3, "="));
    return;
  }
  int keyTokens = 0;
  std::string key = ReadKey(tokens, keyTokens);
  bool isAssignment = TokenAheadIs(tokens, 3 + keyTokens, "=");
  RewriteKeyedAccess(tokens, type, key, isAssignment);
}

void TranslateElementAccesses(TokenList& tokens, const CollectionRegistry& maps) {
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind == KindWord && maps.Has(t.Text) && TokenAheadIs(tokens, 1, "("))
      RewriteElementAccess(tokens, maps);
  }
}

// NewMap name...  ->  name = new cMap();  or  name = new cMap(Type);
void RewriteNewMap(TokenList& tokens, const CollectionRegistry& maps) {
  Blank(tokens.Current());
  if (!tokens.Next()) return;
  Token& name = tokens.Current();
  std::string type = maps.TypeOf(name.Text);
  if (type.empty() || type == kNoStruct) name.Text += " = new cMap(); ";
  else name.Text += " = new cMap(" + type + "); ";
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
void RewriteKeyOrSize(TokenList& tokens) {
  std::string command = ReplaceAll(tokens.Current().Text, "cMap.", "");
  ClearText(tokens.Current());
  ClearAhead(tokens, 1);
  if (!StepForward(tokens, 2)) return;
  Token& argument = tokens.Current();
  argument.Text = ReplaceAll(argument.Text, ".getData()", "." + command + "()");
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
    if (t.Kind != KindWord) continue;
    std::string lower = LowerAscii(t.Text);
    if (lower == "newmap") RewriteNewMap(tokens, maps);
    else if (lower == "cmap.addmapelement" || lower == "cmap.findmapelement") RewriteAddOrFind(tokens);
    else if (lower == "cmap.mapkey" || lower == "cmap.mapsize") RewriteKeyOrSize(tokens);
    else if (lower == "foreach") RewriteForEach(tokens);
  }
}

}  // namespace

void TranslateMaps(RunState& run) {
  CollectionRegistry maps = RegisterDeclarations(run.Tokens, "newmap");
  TranslateElementAccesses(run.Tokens, maps);
  TranslateCommands(run.Tokens, maps);
}

}  // namespace korvex::translate
