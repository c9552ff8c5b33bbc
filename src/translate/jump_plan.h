// The plan for a program's jumps: which Goto becomes a break out of a
// labelled block, which a continue of a labelled loop, which labels become
// the cases of a state loop, which definitions move in front of the blocks,
// and which jumps are reported and left out. Worked out from the program's
// blocks (program_blocks.h); goto_gosub.cpp carries it out.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/run_state.h"
#include "translate/program_blocks.h"

namespace korvex::translate {

/// A labelled block (a jump forward) or loop (a jump back) around the
/// units start to end of a block.
struct Region {
  int block;
  size_t start, end;  // positions in the block's units
  bool loop;          // a loop for a backward jump, else a block
  std::string label;  // the JavaScript label
};

/// The loop over a state variable around units start to end of a scope's
/// root block.
struct StateMachine {
  int block;  // a scope's root
  size_t start, end;
};

/// Everything the jumps of one program become.
struct Plan {
  std::vector<Region> regions;
  std::vector<StateMachine> machines;
  std::unordered_map<int, int> stateCase;          // label statement -> case
  std::map<int, std::string> jumpText;             // statement -> its JavaScript ("" drops it)
  std::vector<std::pair<int, int>> moves;          // statement ranges to move
  int moveTarget = -1;                             // in front of this statement
};

/// The plan for program's jumps. Problems go to the console only when
/// report is set (the pass plans twice when definitions move).
Plan PlanJumps(RunState& run, const ProgramBlocks& program, bool report);

}  // namespace korvex::translate
