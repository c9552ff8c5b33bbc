// Dim declarations and array subscripts.
// "Dim grid(10, 20)" puts "var grid = new Array(10)", a line break,
// "for (var c = 0; c <= 10; c ++) grid[c] = new Array(20)" and a line break
// into its ")" token; every array is an array of arrays. "grid(i, j + 1)"
// becomes "grid[i][j + 1]". Runs in the first group of the dispatcher, after
// the structure pass and before the list and map passes.
#include <string>
#include <unordered_set>

#include "common/text.h"
#include "translate/construct_passes.h"
#include "translate/container_parameters.h"
#include "translate/header_walk.h"

namespace korvex::translate {
namespace {

using NameSet = std::unordered_set<std::string>;

// Drops an element type: a blanked basic suffix ("", "") or a structure
// type (".", "Point") between the array name and its "(".
void SkipElementType(TokenList& tokens) {
  for (int i = 0; i < 2; i++) {
    Token* next = tokens.PeekNext();
    if (next != nullptr && next->Text.empty() && StepInHeader(tokens)) next = tokens.PeekNext();
    if (next == nullptr || next->Text != "." || !StepInHeader(tokens)) continue;
    Blank(tokens.Current());
    if (StepInHeader(tokens)) Blank(tokens.Current());
  }
}

struct DimSizes {
  std::string firstSize;         // the first size, its tokens joined
  std::string firstSizeFirst;    // its first token: the bound of the loop
  std::string secondSizeFirst;   // the first token of the second size
};

// Reads "(first[, second[, ...]])" from the "(" on, blanking every token up
// to the closing ")", which stays current. Parentheses inside the first
// size are kept with it. False when the line ends before the ")".
bool CollectSizes(TokenList& tokens, DimSizes& sizes) {
  if (!StepInHeader(tokens)) return false;
  Blank(tokens.Current());  // "("
  if (!StepInHeader(tokens)) return false;
  if (tokens.Current().Text == ")") return true;  // no size at all
  sizes.firstSizeFirst = tokens.Current().Text;
  sizes.firstSize = tokens.Current().Text;
  int depth = tokens.Current().Text == "(" ? 1 : 0;
  Blank(tokens.Current());
  bool secondSeen = false;
  while (StepInHeader(tokens)) {
    Token& t = tokens.Current();
    if (depth == 0 && t.Text == ",") {
      Blank(t);
      // Only the second size counts; a third one is ignored.
      if (!secondSeen && StepInHeader(tokens)) sizes.secondSizeFirst = tokens.Current().Text;
      secondSeen = true;
    }
    Token& c = tokens.Current();
    if (depth == 0 && c.Text == ")") return true;
    if (c.Text == "(") depth++;
    if (c.Text == ")") depth--;
    if (!secondSeen) sizes.firstSize += c.Text;
    Blank(c);
  }
  return false;
}

// Dim name[.type](first[, second])  ->  in the ")" token:
// var name = new Array(first)\nfor (var c = 0; c <= f; c ++) name[c] = new Array(s)\n
void RewriteDim(TokenList& tokens, NameSet& arrayNames) {
  Blank(tokens.Current());
  if (!StepInHeader(tokens)) return;
  const std::string name = tokens.Current().Text;
  arrayNames.insert(name);
  Blank(tokens.Current());
  SkipElementType(tokens);
  DimSizes sizes;
  // A line cut off before its ")" gets the declaration in its last token.
  CollectSizes(tokens, sizes);
  Token& close = tokens.Current();
  close.Text = "var " + name + " = new Array(" + sizes.firstSize + ")" +
               "\nfor (var c = 0; c <= " + sizes.firstSizeFirst + "; c ++) " + name +
               "[c] = new Array(" + sizes.secondSizeFirst + ")\n";
  close.Kind = KindOther;
}

// name(i, j)  ->  name[i][j]; name()  ->  name. Inner parentheses stay. The
// scan also stops at an "=" or at the end of the line, so an unbalanced
// subscript never runs into the next statement.
void RewriteSubscript(TokenList& tokens) {
  TokenList::Position nameToken = tokens.Mark();
  if (!PeekNextTokenIs(tokens, "(")) return;
  tokens.Next();
  Token& open = tokens.Current();
  if (PeekNextTokenIs(tokens, ")")) {
    Blank(open);
    tokens.Next();
    Blank(tokens.Current());
    tokens.ReturnTo(nameToken);
    return;
  }
  open.Text = "[";
  int depth = 1;
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind == KindLineBreak || t.Text == "=") break;
    if (t.Text == "(") depth++;
    if (t.Text == ")" && --depth == 0) {
      t.Text = "]";
      break;
    }
    if (t.Text == "," && depth == 1) t.Text = "][";
  }
  tokens.ReturnTo(nameToken);
}

}  // namespace

void TranslateDim(RunState& run) {
  TokenList& tokens = run.Tokens;
  NameSet arrayNames;
  tokens.Reset();
  while (tokens.Next()) {
    const Token& t = tokens.Current();
    if (t.Kind == KindWord && EqualsNoCase(t.Text, "dim")) RewriteDim(tokens, arrayNames);
  }
  // Procedure Sum(Array values(1))  ->  Procedure Sum( values ): an array
  // parameter is declared like a Dim for the whole program.
  for (TokenList::Position keyword : FindContainerKeywords(tokens, "array")) {
    std::string type;
    std::string name = TakeContainerParameter(tokens, keyword, type);
    if (!name.empty()) arrayNames.insert(name);
  }
  // Every declared name is known before the subscripts are rewritten, so a
  // use that stands before its Dim is found too.
  tokens.Reset();
  while (tokens.Next()) {
    const Token& t = tokens.Current();
    if (t.Kind == KindWord && arrayNames.count(t.Text) != 0) RewriteSubscript(tokens);
  }
}

}  // namespace korvex::translate
