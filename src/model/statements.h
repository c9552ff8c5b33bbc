// Reading the token list one statement at a time: the tokens from after a
// line break up to the next line break, without comments and empty texts.
// "x = 1 : y = 2 ; note" holds two statements once ":" is a line break.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "scanner/token_list.h"

namespace korvex::model {

class StatementReader {
 public:
  using Position = TokenList::Position;

  explicit StatementReader(TokenList& tokens) : tokens_(tokens), next_(tokens.begin()) {}

  /// Moves to the next statement (possibly an empty one); false once the
  /// list is read to its end.
  bool Next();
  /// The statement's tokens, in order.
  const std::vector<Position>& Tokens() const { return statement_; }
  /// The line break that ends the statement, or the list's end.
  Position End() const { return end_; }
  size_t Size() const { return statement_.size(); }
  Token& At(size_t i) const { return *statement_[i]; }
  /// The text of token i, or "" past the statement's end.
  std::string_view Text(size_t i) const {
    return i < statement_.size() ? std::string_view(statement_[i]->Text) : std::string_view();
  }
  bool Is(size_t i, std::string_view text) const { return i < Size() && Text(i) == text; }
  /// The first token lower-cased when it is a word, else "": what the
  /// walks compare with their keywords, without a std::string each.
  LowerWord FirstWord() const {
    bool word = !statement_.empty() && statement_[0]->Kind == KindWord;
    return LowerWord(word ? std::string_view(statement_[0]->Text) : std::string_view());
  }
  /// Whether token i is a word whose lower-cased text is lowerWord.
  bool IsWord(size_t i, std::string_view lowerWord) const {
    return i < statement_.size() && statement_[i]->Kind == KindWord && EqualsNoCase(statement_[i]->Text, lowerWord);
  }
  /// Index of the ")" that closes the "(" at open, counting nested ones;
  /// Size() when the statement ends first.
  size_t Close(size_t open) const;
  /// Index of the next "," at the depth of from (no deeper parentheses),
  /// or Size().
  size_t NextComma(size_t from) const;

 private:
  TokenList& tokens_;
  Position next_;
  Position end_;
  std::vector<Position> statement_;
};

}  // namespace korvex::model
