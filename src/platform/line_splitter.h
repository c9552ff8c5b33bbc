// LineSplitter: turns the pieces of a child's output, as reads from a pipe
// deliver them, into lines. A line ends at CR, LF or CR LF, also when the CR
// ends one piece and the LF starts the next.
#pragma once

#include <deque>
#include <string>
#include <string_view>

namespace korvex::platform {

class LineSplitter {
 public:
  /// Adds the next piece of output.
  void Feed(std::string_view piece);
  /// The output has ended: a last line without a line end becomes a line.
  void Finish();
  /// True when a whole line is ready.
  bool HasLine() const { return !lines_.empty(); }
  /// The oldest ready line without its line end; "" when none is ready.
  std::string TakeLine();

 private:
  std::deque<std::string> lines_;
  std::string partial_;  // text after the last line end
  bool afterCr_ = false;  // the last byte seen was a CR: a LF next is its pair
};

}  // namespace korvex::platform
