// The block structure of a program, read from its token list while the
// PureBasic keywords are still words: statements (one per line, the
// separators are line breaks by then), the blocks that If, Select and the
// loops open, and the scopes in which labels live (the main code, each
// procedure, each Gosub subroutine). The Goto and Gosub pass decides from
// it where a jump can become a labelled block or loop.
//   Start:            label, in the main code's root block
//   If x = 1          a unit of the root block, from If to EndIf
//     Goto Start      in the If's first branch block
//   EndIf
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "scanner/token_list.h"

namespace korvex::translate {

/// Token::Spare of a word that stood in front of a label's ":".
inline constexpr int kLabelMark = 3;
/// Token::Spare of the "}" that closes a Gosub subroutine's function.
inline constexpr int kSubroutineEnd = 6;

struct Statement {
  TokenList::Position first;  // its first token
  TokenList::Position end;    // the line break after it, or end()
  std::string word;           // its first token lower-cased, when a word
  int block = 0;              // the innermost block holding it
  int unitEnd = 0;            // the last statement of the unit it opens
  bool label = false;         // "Name:" (the name is the first token)
};

struct Block {
  int parent = -1;         // the block around it; -1 for a scope's root
  int scope = 0;
  int opener = -1;         // the statement that opened it (in the parent)
  bool loop = false;       // the body of a For, ForEach, While or Repeat
  std::vector<int> units;  // its statements in order; a unit that opens
                           // blocks stands for everything up to its end
};

enum class ScopeKind { Main, Procedure, Subroutine };

struct Scope {
  ScopeKind kind = ScopeKind::Main;
  int root = 0;        // its root block
  int entry = -1;      // a subroutine's label statement
  int last = -1;       // a subroutine's last statement
  bool returns = false;  // a subroutine ends with its own Return (last)
  int next = -1;       // the subroutine it runs into, or -1
};

struct ProgramBlocks {
  std::vector<Statement> statements;
  std::vector<Block> blocks;
  std::vector<Scope> scopes;  // scopes[0] is the main code
};

/// Reads the statements and blocks of tokens. A label in the main code's
/// root block whose lower-cased name is in subroutines starts a Gosub
/// subroutine (its first definition only): the subroutine runs to the first
/// Return of its root, the next such label, the next procedure or the end.
ProgramBlocks ReadProgramBlocks(TokenList& tokens, const std::unordered_set<std::string>& subroutines);

/// The statement of block's units that holds statement s (s itself, or
/// the opener of a block around it), or -1 when s lies outside block. s
/// must belong to block's scope.
int UnitIn(const ProgramBlocks& program, int block, int s);

/// The last statement of unit u of block: where the unit's blocks end (a
/// subroutine's entry is a one-statement unit of the subroutine itself).
int UnitLast(const ProgramBlocks& program, int block, int u);

/// How many loop bodies lie between statement s and block (s inside it).
int LoopsBetween(const ProgramBlocks& program, int block, int s);

/// The lower-cased name of a label statement.
std::string LabelName(const Statement& s);

}  // namespace korvex::translate
