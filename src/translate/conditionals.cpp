// Conditionals: Select blocks as if/else chains, If blocks as if/else.
// "Select key" / "Case 1, 3" / "Case 5 To 9" / "Default" / "EndSelect" give
// "if (", "key", "==", "1", "||", "key", "==", "3", ") {" / "} else if (",
// "(", "key", ">=", "5", "&&", "key", "<=", "9", ")", ") {" / "} else {" /
// "}". A selector other than a single name is evaluated once, into
// "var KVX_Select1 = ..." on the Select line. "If a = 1" gives "if (", "a",
// "==", "1) {".
// Select runs in the first group of the dispatcher, If last of all. An
// if/else chain rather than a switch: a Case matches lists and ranges,
// Selects nest like any other block, and a Break inside a Case leaves the
// loop around the Select, as it does in PureBasic.
#include <string>
#include <vector>

#include "common/text.h"
#include "common/word_shapes.h"
#include "translate/comparisons.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"
#include "translate/token_edits.h"

namespace korvex::translate {
namespace {

inline bool IsWord(const Token& t, std::string_view lowerText) {
  return t.Kind == KindWord && EqualsNoCase(t.Text, lowerText);
}

// Appends text to the token before the current one, which is the last token
// of the condition that the current line break or comment ends.
void AppendToPrevious(TokenList& tokens, const char* text) {
  if (Token* before = tokens.PeekPrevious()) before->Text += text;
}

// One open Select: what each Case compares with, and how far its chain has
// come.
struct OpenSelect {
  Token selector;           // a copy goes in front of every comparison
  int branches = 0;         // Case and Default lines so far
  bool defaultSeen = false;
};

// The tokens of a header after its keyword, up to the line break, the
// trailing comment or the end of the list.
std::vector<Position> HeaderTokens(TokenList& tokens, Position keyword) {
  std::vector<Position> header;
  for (Position it = std::next(keyword); it != tokens.end() && !EndsHeader(&*it); ++it)
    header.push_back(it);
  return header;
}

// Where the header that starts at keyword ends: its line break or comment,
// or end().
Position HeaderEnd(TokenList& tokens, Position keyword) {
  Position it = std::next(keyword);
  while (it != tokens.end() && !EndsHeader(&*it)) ++it;
  return it;
}

class SelectWalk {
 public:
  explicit SelectWalk(TokenList& tokens) : tokens_(tokens) {}

  void Visit(Position it) {
    if (it->Kind != KindWord || !StartsAStatement(it)) return;
    if (IsWord(*it, "select")) OpenSelectBlock(it);
    else if (open_.empty()) return;
    else if (IsWord(*it, "case")) RewriteCase(it);
    else if (IsWord(*it, "default")) RewriteDefault(*it);
    else if (IsWord(*it, "endselect")) CloseSelectBlock(*it);
  }

 private:
  bool StartsAStatement(Position it) {
    return it == tokens_.begin() || std::prev(it)->Kind == KindLineBreak;
  }

  // Select name  ->  nothing: every Case compares the name itself.
  // Select expression  ->  var KVX_Select1 = expression
  void OpenSelectBlock(Position it) {
    std::vector<Position> header = HeaderTokens(tokens_, it);
    OpenSelect block;
    if (header.size() == 1 && header[0]->Kind == KindWord) {
      block.selector = *header[0];
      Blank(*header[0]);
      Blank(*it);
    } else {
      std::string name = "KVX_Select" + std::to_string(++selectCount_);
      block.selector = Token{name, KindWord, 0, it->Line};
      it->Text = "var " + name + " =";
      it->Kind = KindOther;
      if (header.empty()) InsertBefore(tokens_, HeaderEnd(tokens_, it), OtherToken("null", it->Line));
    }
    open_.push_back(block);
  }

  // Case v1, lo To hi  ->  if ( S == v1 || ( S >= lo && S <= hi ) ) {
  // The first Case opens the chain, every later one goes on with it. A
  // Case after Default (which PureBasic puts last) starts a chain of its
  // own, so that the JavaScript stays whole.
  void RewriteCase(Position it) {
    OpenSelect& block = open_.back();
    it->Text = block.defaultSeen ? "} if (" : block.branches == 0 ? "if (" : "} else if (";
    it->Kind = KindOther;
    block.branches++;
    std::vector<Position> header = HeaderTokens(tokens_, it);
    Position end = HeaderEnd(tokens_, it);
    if (header.empty()) InsertBefore(tokens_, end, OtherToken("false", it->Line));
    int depth = 0;
    size_t first = 0;
    for (size_t i = 0; i < header.size(); ++i) {
      Token& t = *header[i];
      if (IsOpening(t)) {
        ++depth;
      } else if (IsClosing(t)) {
        if (depth > 0) --depth;
      } else if (depth == 0 && IsOther(t, ",")) {
        t.Text = "||";
        CompareItem(block.selector, header, first, i);
        first = i + 1;
      }
    }
    CompareItem(block.selector, header, first, header.size());
    InsertBefore(tokens_, end, OtherToken(") {", it->Line));
  }

  // Default  ->  } else {   (a plain block when it is the only branch)
  void RewriteDefault(Token& t) {
    OpenSelect& block = open_.back();
    t.Text = block.branches == 0 ? "{" : block.defaultSeen ? "} {" : "} else {";
    t.Kind = KindOther;
    block.branches++;
    block.defaultSeen = true;
  }

  void CloseSelectBlock(Token& t) {
    t.Text = open_.back().branches > 0 ? "}" : "";
    t.Kind = KindOther;
    open_.pop_back();
  }

  static bool IsOther(const Token& t, const char* text) { return t.Kind == KindOther && t.Text == text; }

  // One value of a Case list, header[first, last): "S == v", "S == (a + b)"
  // or, around a To at depth 0, "(S >= lo && S <= hi)".
  void CompareItem(const Token& selector, const std::vector<Position>& header, size_t first,
                   size_t last) {
    if (first >= last) return;
    int line = header[first]->Line;
    size_t to = last;
    int depth = 0;
    for (size_t i = first; i < last; ++i) {
      const Token& t = *header[i];
      if (IsOpening(t)) ++depth;
      else if (IsClosing(t) && depth > 0) --depth;
      else if (depth == 0 && IsWord(t, "to")) {
        to = i;
        break;
      }
    }
    if (to == last) {
      Compare(selector, "==", header, first, last);
      return;
    }
    InsertBefore(tokens_, header[first], OtherToken("(", line));
    Compare(selector, ">=", header, first, to);
    header[to]->Text = "&&";
    header[to]->Kind = KindOther;
    Compare(selector, "<=", header, to + 1, last);
    InsertAfter(tokens_, header[last - 1], OtherToken(")", line));
  }

  // S op v, with v in parentheses when it is more than one token.
  void Compare(const Token& selector, const char* op, const std::vector<Position>& header,
               size_t first, size_t last) {
    if (first >= last) return;
    Position at = header[first];
    Token copy = selector;
    copy.Line = at->Line;
    InsertBefore(tokens_, at, copy);
    InsertBefore(tokens_, at, OtherToken(op, at->Line));
    if (last - first == 1) return;
    InsertBefore(tokens_, at, OtherToken("(", at->Line));
    InsertAfter(tokens_, header[last - 1], OtherToken(")", at->Line));
  }

  TokenList& tokens_;
  std::vector<OpenSelect> open_;
  int selectCount_ = 0;
};

// One If pass step for a word: the block keywords.
void RewriteIfKeyword(Token& t, bool& inCondition) {
  static constexpr WordShapes kBlockWords{"if", "elseif", "else", "endif"};
  if (!kBlockWords.MayBe(t.Text)) return;
  LowerWord word(t.Text);
  if (word == "if") {
    t.Text = "if (";
    inCondition = true;
  } else if (word == "elseif") {
    t.Text = "} else if (";
    inCondition = true;
  } else if (word == "else") {
    t.Text = "} else {";
  } else if (word == "endif") {
    t.Text = "}";
    inCondition = false;
  }
}

}  // namespace

void TranslateSelect(RunState& run) {
  TokenList& tokens = run.Tokens;
  SelectWalk walk(tokens);
  // Insertions go in front of and behind the visited token, never in place
  // of it, so the walk goes on from the token after it.
  for (Position it = tokens.begin(); it != tokens.end(); ++it) walk.Visit(it);
}

// If c / ElseIf c / Else / EndIf  ->  if ( c) { / } else if ( c) { / } else { / }
// The comparisons are rewritten only inside the condition, so an "=" in any
// other statement stays an assignment.
void TranslateIf(RunState& run) {
  TokenList& tokens = run.Tokens;
  bool inCondition = false;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind == KindWord) {
      RewriteIfKeyword(t, inCondition);
    } else if (t.Kind == KindLineBreak || t.Kind == KindComment) {
      if (inCondition) AppendToPrevious(tokens, ") {");
      inCondition = false;
    } else if (inCondition && t.Kind == KindOther) {
      RewriteComparison(t, tokens.PeekNext());
    }
  }
  // A condition on the program's last line, with no line break after it.
  if (inCondition && tokens.HasCurrent()) tokens.Current().Text += ") {";
}

}  // namespace korvex::translate
