// TokenList cursor operations; see token_list.h for the rules.
#include "scanner/token_list.h"

#include <iterator>
#include <utility>

namespace korvex {

void TokenList::Clear() {
  tokens_.clear();
  pool_.Reset();
  arena_.Clear();
  cur_ = tokens_.end();
  census_.Clear();
}

void TokenList::ClearAndFree() {
  Clear();
  pool_.Free();
}

bool TokenList::IsLast() const {
  return cur_ != tokens_.end() && std::next(cur_) == tokens_.end();
}

void TokenList::DeleteCurrent() {
  if (cur_ == tokens_.end()) return;
  bool wasFirst = cur_ == tokens_.begin();
  auto before = wasFirst ? tokens_.end() : std::prev(cur_);
  tokens_.erase(cur_);
  cur_ = before;
}

void TokenList::DeleteNext() {
  if (cur_ == tokens_.end()) {
    if (!tokens_.empty()) tokens_.pop_front();
    return;
  }
  auto next = std::next(cur_);
  if (next != tokens_.end()) tokens_.erase(next);
}

Token& TokenList::Add(Token token) {
  auto where = cur_ == tokens_.end() ? tokens_.begin() : std::next(cur_);
  cur_ = tokens_.insert(where, std::move(token));
  return *cur_;
}

Token& TokenList::Insert(Token token) {
  auto where = cur_ == tokens_.end() ? tokens_.begin() : cur_;
  cur_ = tokens_.insert(where, std::move(token));
  return *cur_;
}

long TokenList::Index() const {
  if (cur_ == tokens_.end()) return -1;
  return static_cast<long>(std::distance(tokens_.begin(), Storage::const_iterator(cur_)));
}

bool TokenList::Select(long i) {
  if (i < 0 || static_cast<size_t>(i) >= tokens_.size()) return false;
  cur_ = std::next(tokens_.begin(), i);
  return true;
}

bool PeekNextTokenIs(TokenList& tokens, const std::string& s) {
  Token* next = tokens.HasCurrent() ? tokens.PeekNext() : nullptr;
  return next != nullptr && next->Text == s;
}

void DropNextEmptyToken(TokenList& tokens) {
  Token* next = tokens.HasCurrent() ? tokens.PeekNext() : nullptr;
  if (next != nullptr && next->Text.empty()) tokens.DeleteNext();
}

}  // namespace korvex
