// The syntax check of the stand-in compiler: every block that a statement
// opens ("If", "While", "Procedure", ...) is closed by its own keyword, in
// nesting order, and every string literal ends on its line. Comments and
// the text inside strings are never taken for keywords; ":" separates
// statements; keywords are matched without regard to case.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvex::pbcompiler {

/// The first fault of a source: its line (from 1) and what is wrong.
struct Fault {
  int Line = 0;
  std::string Message;
};

/// Checks source lines one at a time; Finish reports blocks left open.
class BlockChecker {
 public:
  /// The fault on this line, if any. Lines are numbered by the caller.
  std::optional<Fault> CheckLine(std::string_view line, int lineNumber);
  /// A block still open at the end of the source, if any.
  std::optional<Fault> Finish() const;

 private:
  struct OpenBlock {
    size_t Kind;         // which kind of block
    std::string Opener;  // as the source spells it
    int Line;
  };
  std::optional<Fault> Statement(std::string_view word, int lineNumber);
  std::optional<Fault> Close(std::string_view closer, std::string_view lower, int lineNumber);

  std::vector<OpenBlock> open_;
  bool inMacro_ = false;  // a macro's body is only looked at for "EndMacro"
};

/// The first fault of a whole source file, read by its mark (UTF-8, UTF-16
/// LE) or without one as the converter reads it; lines end at LF, CR LF or CR.
std::optional<Fault> CheckSource(std::string_view text);

}  // namespace korvex::pbcompiler
