// Loops: For/Next, While/Wend, Repeat/Until/ForEver as construct passes.
// "While a < 3" puts "while (a<3) {" in its While token; "Wend" gives "}".
// "For i = 1 To 10" leaves " for ( " in the For token and
// "var i=1;i<=10; i++) {" in the last token of the line.
// Runs in the last group of the dispatcher, just before TranslateIf: the
// operands are translated by then, so only the headers are rebuilt. A header
// is read token by token, its texts are joined without separators, and every
// one of its tokens is blanked; the finished header goes into one token.
#include <string>
#include <string_view>

#include "common/text.h"
#include "translate/comparisons.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"
#include "translate/lookahead.h"

namespace korvex::translate {
namespace {

// Stands for the end comparison until the step tells its direction.
constexpr std::string_view kComparisonPlaceholder = "#groesserkleinergleich#";

bool IsWord(const Token& t, const char* lowerText) {
  return t.Kind == KindWord && EqualsNoCase(t.Text, lowerText);
}

// Steps onto the next header token, appends its text to into and blanks it.
bool TakeHeaderToken(TokenList& tokens, std::string& into) {
  if (!StepInHeader(tokens)) return false;
  into += tokens.Current().Text;
  Blank(tokens.Current());
  return true;
}

struct ForHeader {
  std::string variable;
  std::string start;
  std::string endCondition;
  std::string step;
};

// "= start To": everything up to the word To is the start expression.
void CollectStart(TokenList& tokens, ForHeader& h) {
  if (!TakeHeaderToken(tokens, h.start)) return;
  while (StepInHeader(tokens)) {
    Token& t = tokens.Current();
    if (EqualsNoCase(t.Text, "to")) {
      Blank(t);
      return;
    }
    h.start += t.Text;
    Blank(t);
  }
}

// "To end [Step s]": the end expression runs up to Step or the line's end.
void CollectEndAndStep(TokenList& tokens, ForHeader& h) {
  h.endCondition = h.variable + std::string(kComparisonPlaceholder);
  while (StepInHeader(tokens)) {
    Token& t = tokens.Current();
    if (EqualsNoCase(t.Text, "step")) break;
    h.endCondition += t.Text;
    Blank(t);
  }
  if (!EqualsNoCase(tokens.Current().Text, "step")) return;
  Blank(tokens.Current());
  while (TakeHeaderToken(tokens, h.step)) {
  }
}

// A step written with a leading "-" counts down; any other step (a name, a
// constant) counts up, whatever its value.
std::string ForHeaderText(const ForHeader& h) {
  const std::string& v = h.variable;
  std::string update;
  const char* comparison = "<=";
  if (h.step.empty()) {
    update = v + "++) {";
  } else if (h.step[0] == '-') {
    update = v + "=" + v + h.step + ") {";
    comparison = ">=";
  } else {
    update = v + "=" + v + "+" + h.step + ") {";
  }
  std::string end = h.endCondition;
  size_t at = end.find(kComparisonPlaceholder);
  if (at != std::string::npos) end.replace(at, kComparisonPlaceholder.size(), comparison);
  return "var " + v + "=" + h.start + ";" + end + "; " + update;
}

// For v = a To b Step s  ->  " for ( " ... "var v=a;v<=b; v=v+s) {"
void RewriteForHeader(TokenList& tokens) {
  Token& forToken = tokens.Current();
  forToken.Text = " for ( ";
  ForHeader h;
  TakeHeaderToken(tokens, h.variable);
  // "For i.i = 1": the blanked type suffix stands before the "="
  while (TokenAheadIs(tokens, 1, "") && StepInHeader(tokens)) {
  }
  std::string equalsSign;
  TakeHeaderToken(tokens, equalsSign);
  CollectStart(tokens, h);
  CollectEndAndStep(tokens, h);
  // The header goes into its last token; a For alone on its line keeps
  // " for ( " in front of it.
  Token& last = tokens.Current();
  if (&last == &forToken) last.Text += ForHeaderText(h);
  else last.Text = ForHeaderText(h);
}

// Next [v] [; comment]  ->  "}" in the line's last token, the rest blank.
// Closes the blocks of ForEach as well as those of For.
void RewriteNext(TokenList& tokens) {
  Blank(tokens.Current());
  while (tokens.PeekNext() != nullptr && tokens.PeekNext()->Kind != KindLineBreak) {
    tokens.Next();
    Blank(tokens.Current());
  }
  tokens.Current().Text = "}";
}

// Joins the header tokens after the current one into a condition, with the
// comparisons rewritten first; the tokens are blanked.
std::string CollectCondition(TokenList& tokens) {
  std::string condition;
  while (StepInHeader(tokens)) {
    Token& t = tokens.Current();
    RewriteComparison(t, tokens.PeekNext());
    condition += t.Text;
    Blank(t);
  }
  return condition;
}

// While c  ->  "while (c) {" in the While token, the rest of the line blank.
void RewriteWhileHeader(TokenList& tokens) {
  TokenList::Position whileToken = tokens.Mark();
  Blank(tokens.Current());
  std::string header = "while (" + CollectCondition(tokens) + ") {";
  tokens.ReturnTo(whileToken);
  tokens.Current().Text = header;
}

// Until c  ->  " } while ( !(c) );" in the line's last token. PureBasic
// stops the loop as soon as c holds, so the loop goes on while it does not.
void RewriteUntil(TokenList& tokens) {
  Blank(tokens.Current());
  std::string condition = CollectCondition(tokens);
  tokens.Current().Text = " } while ( !(" + condition + ") );";
}

}  // namespace

void TranslateFor(RunState& run) {
  TokenList& tokens = run.Tokens;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (IsWord(t, "for")) RewriteForHeader(tokens);
    else if (IsWord(t, "next")) RewriteNext(tokens);
  }
}

void TranslateWhile(RunState& run) {
  TokenList& tokens = run.Tokens;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (IsWord(t, "while")) RewriteWhileHeader(tokens);
    else if (IsWord(t, "wend")) t.Text = "}";
  }
}

// Repeat ... Until c  ->  do { ... } while ( !(c) );   ForEver  ->  } while ( true );
void TranslateRepeat(RunState& run) {
  TokenList& tokens = run.Tokens;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (IsWord(t, "repeat")) t.Text = "do {";
    else if (IsWord(t, "until")) RewriteUntil(tokens);
    else if (IsWord(t, "forever")) t.Text = " } while ( true );";
  }
}

}  // namespace korvex::translate
