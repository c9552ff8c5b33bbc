// Conditionals: Select blocks as switch, If blocks as if/else.
// "Select key" / "Case 1" / "Default" / "EndSelect" give "switch (", "key",
// ") {", "case", "1", ":", "break;", "default", ":", "}"; "If a = 1" gives
// "if (", "a", "==", "1) {". Select runs in the first group of the
// dispatcher, If last of all. Neither keeps a stack: every keyword is
// rewritten on its own, and a block's "}" is simply the text of its end
// keyword.
#include <string>

#include "common/text.h"
#include "translate/comparisons.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"

namespace korvex::translate {
namespace {

bool IsWord(const Token& t, const char* lowerText) {
  return t.Kind == KindWord && EqualsNoCase(t.Text, lowerText);
}

// Appends text to the token before the current one, which is the last token
// of the condition that the current line break or comment ends.
void AppendToPrevious(TokenList& tokens, const char* text) {
  if (Token* before = tokens.PeekPrevious()) before->Text += text;
}

// Puts the statement "break;" on a line of its own in front of the current
// Case or Default token, and leaves the cursor on that keyword again.
void InsertBreakBefore(TokenList& tokens) {
  int line = tokens.Current().Line;
  tokens.Insert(Token{"\n", KindLineBreak, 0, line});
  tokens.Insert(Token{"break;", KindWord, 0, line});
  tokens.Next();
  tokens.Next();
}

// Every Case and Default but the first one after the start or after an
// EndSelect ends the branch before it. One flag for the whole program, so
// nested Select blocks come out wrong (they are not supported).
void InsertBreaks(TokenList& tokens) {
  bool firstCase = true;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (IsWord(t, "case") || IsWord(t, "default")) {
      if (!firstCase) InsertBreakBefore(tokens);
      firstCase = false;
    } else if (IsWord(t, "endselect")) {
      firstCase = true;
    }
  }
}

// Puts text as a token of its own in front of the current token (the line
// break or comment that ends a header); the cursor stays on that token.
// A token of its own rather than text added to the header's last token: a
// selector or case value that ends in ")" (Select grid(x, y), Case a(1),
// Select items()) keeps that ")" whole for the array, list and map passes
// that run after this one. The join puts the same text out either way.
void InsertBeforeCurrent(TokenList& tokens, const char* text) {
  tokens.Insert(Token{text, KindOther, 0, tokens.Current().Line});
  tokens.Next();
}

struct SelectHeaders {
  bool inSwitchHeader = false;
  bool inCaseHeader = false;

  // The selector and the case values end where their line does.
  void Close(TokenList& tokens) {
    if (inSwitchHeader) InsertBeforeCurrent(tokens, ") {");
    if (inCaseHeader) InsertBeforeCurrent(tokens, ":");
    inSwitchHeader = inCaseHeader = false;
  }

  // A program that ends inside a header: the end of the list ends it.
  void CloseAtEnd(TokenList& tokens) {
    if (!tokens.HasCurrent()) return;
    int line = tokens.Current().Line;
    if (inSwitchHeader) tokens.Add(Token{") {", KindOther, 0, line});
    if (inCaseHeader) tokens.Add(Token{":", KindOther, 0, line});
    inSwitchHeader = inCaseHeader = false;
  }
};

// Select x  ->  switch ( x ) {     Case v  ->  case v :     EndSelect  ->  }
void RewriteSelectBlocks(TokenList& tokens) {
  SelectHeaders open;
  tokens.Reset();
  while (tokens.Next()) {
    Token& t = tokens.Current();
    if (t.Kind == KindLineBreak || t.Kind == KindComment) {
      open.Close(tokens);
      continue;
    }
    if (t.Kind != KindWord) continue;
    std::string word = LowerAscii(t.Text);
    if (word == "select") {
      t.Text = "switch (";
      open.inSwitchHeader = true;
    } else if (word == "case" || word == "default") {
      t.Text = word;
      open.inCaseHeader = true;
    } else if (word == "endselect") {
      t.Text = "}";
    }
  }
  open.CloseAtEnd(tokens);
}

// One If pass step for a word: the block keywords.
void RewriteIfKeyword(Token& t, bool& inCondition) {
  std::string word = LowerAscii(t.Text);
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
  InsertBreaks(run.Tokens);
  RewriteSelectBlocks(run.Tokens);
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
