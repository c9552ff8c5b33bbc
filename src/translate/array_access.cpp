// Array subscripts left by the expression rewrites; see array_access.h.
#include "translate/array_access.h"

#include <string>
#include <vector>

namespace korvex::translate {
namespace {

using Position = TokenList::Position;

// The subscripts of "name(" at open: where each starts and ends, and the
// ")". False when the line ends first (the tokens then stay as they are).
// An empty subscript ("a(, 2)") ends where it starts.
bool ReadSubscripts(TokenList& tokens, Position open, std::vector<Position>& starts,
                    std::vector<Position>& ends, Position& close) {
  int depth = 0;
  Position last = std::next(open);
  starts.push_back(std::next(open));
  for (Position it = std::next(open); it != tokens.end() && it->Kind != KindLineBreak; ++it) {
    if (it->Text == "(" || it->Text == "[") ++depth;
    if ((it->Text == ")" || it->Text == "]") && depth-- == 0) {
      ends.push_back(last == it ? starts.back() : last);
      close = it;
      return true;
    }
    if (it->Text == "," && depth == 0) {
      ends.push_back(last == it ? starts.back() : last);
      starts.push_back(std::next(it));
      last = std::next(it);
    } else if (!it->Text.empty()) {
      last = it;
    }
  }
  return false;
}

// More than one token with a text between start and end (inclusive).
bool IsCompound(Position start, Position end) {
  int filled = 0;
  for (Position it = start;; ++it) {
    if (!it->Text.empty()) ++filled;
    if (it == end || filled > 1) break;
  }
  return filled > 1;
}

void RewriteSubscript(TokenList& tokens, Position name) {
  Position open = std::next(name);
  std::vector<Position> starts, ends;
  Position close;
  if (!ReadSubscripts(tokens, open, starts, ends, close)) return;
  if (starts.size() == 1 && starts[0] == close) {  // a(): the array itself
    Blank(*open);
    Blank(*close);
    return;
  }
  int line = name->Line;
  open->Text = ".d[";
  size_t count = starts.size();
  for (size_t k = 0; k < count; ++k) {
    if (count > 1 && IsCompound(starts[k], ends[k])) {
      tokens.InsertAt(starts[k], Token{"(", KindOther, 0, line});
      tokens.InsertAt(std::next(ends[k]), Token{")", KindOther, 0, line});
    }
    if (k + 1 < count) {
      Position comma = std::prev(starts[k + 1]);
      comma->Text = "* " + name->Text + ".s" + std::to_string(k) + " +";
    }
  }
  close->Text = "]";
}

}  // namespace

void RewriteArraySubscripts(TokenList& tokens, const model::ProgramModel& model) {
  for (Position it = tokens.begin(); it != tokens.end(); ++it) {
    if (it->Kind != KindWord || it->Ref < 0) continue;
    if (model.At(it->Ref).kind != model::SymbolKind::Array) continue;
    Position next = std::next(it);
    if (next != tokens.end() && next->Text == "(") RewriteSubscript(tokens, it);
  }
}

}  // namespace korvex::translate
