// TokenList: the shared token list with one cursor.
// A doubly linked list, so that insert and delete at the cursor are O(1) and a
// remembered position stays valid while tokens elsewhere come and go. Its
// nodes come from the list's own pool (token_pool.h), in the order they are
// made.
//
// Cursor rules the passes rely on:
//  - Reset() puts the cursor before the first token; Next() then lands on it.
//  - Next() on the last token fails and the cursor stays there.
//  - Previous() on the first token does nothing.
//  - DeleteCurrent() makes the token before current (or goes before the first
//    token), so the next Next() lands on the token that followed.
//  - Add() inserts after the current token, Insert() before it; both make the
//    new token current.
#pragma once

#include <cstddef>
#include <iterator>
#include <list>
#include <string>
#include <string_view>
#include <utility>

#include "scanner/token.h"
#include "scanner/text_arena.h"
#include "scanner/token_pool.h"
#include "scanner/word_census.h"

namespace korvex {

class TokenList {
 public:
  using Storage = std::list<Token, TokenPoolAllocator<Token>>;
  using Position = Storage::iterator;

  TokenList() = default;
  // the nodes point into pool_: the list stays where it was made
  TokenList(const TokenList&) = delete;
  TokenList& operator=(const TokenList&) = delete;

  void Clear();
  /// Clear(), and the memory of the nodes goes back to the heap instead of
  /// waiting for the next fill.
  void ClearAndFree();
  size_t Size() const { return tokens_.size(); }
  bool Empty() const { return tokens_.empty(); }

  /// Appends a token with this text, kind and line, and makes it current.
  /// A long text is copied into the list's arena, which the token refers
  /// to until the next Clear().
  Token& EmplaceBack(std::string_view text, int kind, int line) {
    cur_ = tokens_.emplace(tokens_.end());
    Token& t = *cur_;
    if (text.size() > TokenText::kInline) t.Text.AssignView(arena_.Copy(text));
    else t.Text.SetShortFresh(text);
    t.Kind = kind;
    t.Line = line < kMaxLine ? line : kMaxLine;
    census_.Note(text, kind);
    return t;
  }
  /// What the tokens appended by EmplaceBack since the last Clear() hold
  /// (the scanner fills a list that way); tokens that passes add or
  /// rewrite later do not change it.
  const WordCensus& Census() const { return census_; }
  /// Appends at the end and makes the new token current.
  Token& PushBack(Token token) {
    cur_ = tokens_.insert(tokens_.end(), std::move(token));
    return *cur_;
  }

  void Reset() { cur_ = tokens_.end(); }
  /// Moves to the following token (from before-first: the first token).
  /// Fails, leaving the cursor where it is, on the last token or when empty.
  bool Next() {
    if (cur_ == tokens_.end()) {
      if (tokens_.empty()) return false;
      cur_ = tokens_.begin();
      return true;
    }
    auto next = std::next(cur_);
    if (next == tokens_.end()) return false;
    cur_ = next;
    return true;
  }
  /// Moves to the preceding token; on the first token (or before it) it
  /// does nothing and fails.
  bool Previous() {
    if (cur_ == tokens_.end() || cur_ == tokens_.begin()) return false;
    --cur_;
    return true;
  }

  bool HasCurrent() const { return cur_ != tokens_.end(); }
  /// The current token. Only valid while HasCurrent().
  Token& Current() { return *cur_; }
  bool IsLast() const;

  /// The token after / before the current one, or nullptr. From
  /// before-first, PeekNext() is the first token.
  Token* PeekNext() {
    if (cur_ == tokens_.end()) return tokens_.empty() ? nullptr : &tokens_.front();
    auto next = std::next(cur_);
    return next == tokens_.end() ? nullptr : &*next;
  }
  Token* PeekPrevious() {
    if (cur_ == tokens_.end() || cur_ == tokens_.begin()) return nullptr;
    return &*std::prev(cur_);
  }

  /// Removes the current token; the one before it becomes current.
  void DeleteCurrent();
  /// Removes the token after the current one, if any; the cursor stays.
  void DeleteNext();
  /// Inserts after the current token (at the front from before-first).
  Token& Add(Token token);
  /// Inserts before the current token (at the front from before-first).
  Token& Insert(Token token);

  /// Inserts before the token at before (end() appends); the cursor stays.
  Position InsertAt(Position before, Token token) {
    return tokens_.insert(before, std::move(token));
  }
  /// Moves the tokens first..last (inclusive) in front of before; every
  /// position stays valid. before must not lie inside the range.
  void Splice(Position before, Position first, Position last) {
    tokens_.splice(before, tokens_, first, std::next(last));
  }

  /// A remembered position; valid until that token is deleted.
  Position Mark() const { return cur_; }
  void ReturnTo(Position p) { cur_ = p; }
  /// Index of the current token from 0, or -1 before the first. O(n).
  long Index() const;
  /// Selects the token at index i (O(n)); fails and keeps the cursor when
  /// i is out of range.
  bool Select(long i);

  Position begin() { return tokens_.begin(); }
  Position end() { return tokens_.end(); }

 private:
  TextArena arena_;  // before the tokens, which may refer to it
  TokenPool pool_;    // before tokens_, which gives its nodes back on destruction
  Storage tokens_{TokenPoolAllocator<Token>(&pool_)};
  Position cur_ = tokens_.end();
  WordCensus census_;
};

/// 1 when the token after the current one exists and its text is exactly s.
bool PeekNextTokenIs(TokenList& tokens, const std::string& s);
/// Deletes the token after the current one when its text is ""; the cursor
/// stays.
void DropNextEmptyToken(TokenList& tokens);

}  // namespace korvex
