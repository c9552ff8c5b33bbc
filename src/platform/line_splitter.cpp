// LineSplitter; see line_splitter.h.
// "a\r" then "\nb\n" gives the lines "a" and "b": the CR LF split across two
// reads is one line end.
#include "platform/line_splitter.h"

namespace korvex::platform {

void LineSplitter::Feed(std::string_view piece) {
  size_t i = 0;
  if (afterCr_ && !piece.empty()) {
    afterCr_ = false;
    if (piece[0] == '\n') i = 1;
  }
  while (i < piece.size()) {
    size_t end = piece.find_first_of("\r\n", i);
    if (end == std::string_view::npos) {
      partial_.append(piece.substr(i));
      return;
    }
    partial_.append(piece.substr(i, end - i));
    lines_.push_back(std::move(partial_));
    partial_.clear();
    i = end + 1;
    if (piece[end] == '\r') {
      if (i == piece.size()) {
        afterCr_ = true;
      } else if (piece[i] == '\n') {
        ++i;
      }
    }
  }
}

void LineSplitter::Finish() {
  if (!partial_.empty()) lines_.push_back(std::move(partial_));
  partial_.clear();
  afterCr_ = false;
}

std::string LineSplitter::TakeLine() {
  if (lines_.empty()) return "";
  std::string line = std::move(lines_.front());
  lines_.pop_front();
  return line;
}

}  // namespace korvex::platform
