// Loops: For/Next, While/Wend, Repeat/Until/ForEver as construct passes.
// "While a < 3" puts "while (a<3) {" in its While token; "Wend" gives "}".
// "For i = 1 To 10" leaves " for ( " in the For token and
// "var i=1;i<=10; i++) {" in the last token of the line.
// The loop passes run in the last group of the dispatcher, just before
// TranslateIf: the operands are translated by then, so only the headers are
// rebuilt. A header is read token by token, its texts are joined without
// separators, and every one of its tokens is blanked; the finished header
// goes into one token.
// "Break 2" runs early, while the loop keywords are still words: the loop
// it leaves gets a labelled block around it, "KVX_Loop1: {" ... "}", and
// the Break becomes "break KVX_Loop1".
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/problems.h"
#include "common/text.h"
#include "translate/comparisons.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"
#include "translate/lookahead.h"
#include "translate/token_edits.h"

namespace korvex::translate {
namespace {

// Stands for the end comparison until the step tells its direction.
constexpr std::string_view kComparisonPlaceholder = "#groesserkleinergleich#";

inline bool IsWord(const Token& t, std::string_view lowerText) {
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

// The header without its first value, which goes in front of the loop
// around a resumable For: "var v=a;" LF "for (;;) {..." LF " for ( " and
// ";v<=b; v=v+s) {".
void SplitResumableHeader(Token& forToken, const ForHeader& h, std::string& header) {
  std::string init = "var " + h.variable + "=" + h.start + ";";
  header.erase(0, init.size() - 1);  // the ";" after it stays
  forToken.Text = init + "\n" + kResumableLoopOpen + "\n for ( ";
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
  std::string header = ForHeaderText(h);
  if (forToken.Spare == kResumableLoop) SplitResumableHeader(forToken, h, header);
  if (&last == &forToken) last.Text += header;
  else last.Text = header;
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

// The loops of Break n: a stack of the open loops of the current procedure
// (or of the main code), each with the label of its block once a Break
// leaves it.
class BreakWalk {
 public:
  explicit BreakWalk(RunState& run) : run_(run), tokens_(run.Tokens) {}

  void Visit(Position it) {
    if (it->Kind != KindWord) return;
    if (it != tokens_.begin() && std::prev(it)->Kind != KindLineBreak) return;
    LowerWord word(it->Text);
    if (word == "for" || word == "foreach" || word == "while" || word == "repeat") {
      loops_.push_back(OpenLoop{it, 0});
    } else if (word == "next" || word == "wend" || word == "until" || word == "forever") {
      CloseLoop(it);
    } else if (word == "break") {
      RewriteBreak(it);
    } else if (StartsWith(word, "procedure") && word != "procedurereturn") {
      loops_.clear();  // a procedure's Break never leaves a loop outside it
    }
  }

 private:
  struct OpenLoop {
    Position opener;  // the loop's keyword, the first token of its line
    int label;        // its block's number, 0 while no Break leaves it
  };

  // The loop's end: when a Break leaves it, "KVX_Loop1: {" goes on a line
  // in front of the loop and "}" on a line after its end.
  void CloseLoop(Position closer) {
    if (loops_.empty()) return;
    OpenLoop loop = loops_.back();
    loops_.pop_back();
    if (loop.label == 0) return;
    std::string name = "KVX_Loop" + std::to_string(loop.label);
    int line = loop.opener->Line;
    Position at = InsertBefore(tokens_, loop.opener, OtherToken(name + ": {", line));
    InsertAfter(tokens_, at, LineBreakToken(line));
    Position end = closer;
    while (std::next(end) != tokens_.end() && std::next(end)->Kind != KindLineBreak) ++end;
    Position lineBreak = std::next(end);
    if (lineBreak == tokens_.end()) {
      InsertAfter(tokens_, InsertAfter(tokens_, end, LineBreakToken(line)), OtherToken("}", line));
      return;
    }
    InsertAfter(tokens_, InsertAfter(tokens_, lineBreak, OtherToken("}", line)), LineBreakToken(line));
  }

  // Break [n]: n loops up. "Break" and "Break 1" leave the innermost loop,
  // which JavaScript's own break does; a deeper one names its block.
  void RewriteBreak(Position it) {
    Position count = std::next(it);
    if (count == tokens_.end() || count->Kind != KindNumber) return;
    long n = std::strtol(count->Text.str().c_str(), nullptr, 10);
    Blank(*count);
    if (n <= 1) return;
    if (static_cast<size_t>(n) > loops_.size()) {
      ReportProblem(run_, it->Line, "Break " + std::to_string(n) + " leaves more loops than there are around it; it leaves the innermost one");
      return;
    }
    OpenLoop& target = loops_[loops_.size() - static_cast<size_t>(n)];
    if (target.label == 0) target.label = ++labelCount_;
    it->Text = "break KVX_Loop" + std::to_string(target.label);
    it->Kind = KindOther;
  }

  RunState& run_;
  TokenList& tokens_;
  std::vector<OpenLoop> loops_;
  int labelCount_ = 0;
};

}  // namespace

// Break n: runs before the list and map passes rewrite ForEach.
void TranslateBreaks(RunState& run) {
  BreakWalk walk(run);
  for (Position it = run.Tokens.begin(); it != run.Tokens.end(); ++it) walk.Visit(it);
}

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
