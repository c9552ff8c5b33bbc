// Parsing one PureBasic expression with PureBasic's operator table, by
// precedence climbing over the tokens of a statement:
//   level 8  ~, - (negation)       level 4  +, -
//   level 7  <<, >>, %, !          level 3  =, <>, <, >, <=, >=, =>, =<
//   level 6  |, &                  level 2  Not
//   level 5  *, /                  level 1  And, Or, XOr
// Every binary operator groups left to right. Calls, array, list and map
// elements, structure fields, @, ?, # constants and literals are operands.
#pragma once

#include <vector>

#include "expressions/tree.h"
#include "model/program_model.h"

namespace korvex::expressions {

class Parser {
 public:
  Parser(const model::ProgramModel& model, const std::vector<Position>& tokens, Tree& tree)
      : model_(model), tokens_(tokens), tree_(tree) {}

  /// Parses tokens[from] to tokens[to - 1] as one expression. The root, or
  /// -1 when the tokens are no expression this parser knows (then nothing
  /// of them is to be rewritten); at is where parsing stopped.
  int Parse(size_t from, size_t to, size_t& at);
  /// One operand (an assignment's target): a variable, an element, a field.
  int ParseOperand(size_t from, size_t to, size_t& at);

 private:
  int Expression(int minLevel);
  int Unary();
  int Primary();
  int Postfix(int base);
  int NamePrimary();
  bool Arguments(Node& node);
  // The binary operator at the cursor: its text, level and token count.
  bool PeekBinary(std::string_view& text, int& level, size_t& width) const;

  bool AtEnd() const { return at_ >= end_; }
  const Token& Tok(size_t i) const { return *tokens_[i]; }
  bool Is(size_t i, std::string_view text) const {
    return i < end_ && Tok(i).Kind == KindOther && Tok(i).Text == text;
  }

  const model::ProgramModel& model_;
  const std::vector<Position>& tokens_;
  Tree& tree_;
  size_t at_ = 0, end_ = 0;
  bool failed_ = false;
  int depth_ = 0;  // nesting, bounded so that no input can exhaust the stack
};

}  // namespace korvex::expressions
