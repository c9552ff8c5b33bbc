// The statement reader; see statements.h.
#include "model/statements.h"

#include "common/text.h"

namespace korvex::model {

bool StatementReader::Next() {
  statement_.clear();
  if (next_ == tokens_.end()) return false;
  Position it = next_;
  for (; it != tokens_.end() && it->Kind != KindLineBreak; ++it)
    if (it->Kind != KindComment && !it->Text.empty()) statement_.push_back(it);
  end_ = it;
  next_ = it == tokens_.end() ? it : std::next(it);
  return true;
}

size_t StatementReader::Close(size_t open) const {
  int depth = 0;
  for (size_t i = open; i < Size(); ++i) {
    if (At(i).Kind != KindOther) continue;
    if (At(i).Text == "(" || At(i).Text == "[") ++depth;
    else if ((At(i).Text == ")" || At(i).Text == "]") && --depth == 0) return i;
  }
  return Size();
}

size_t StatementReader::NextComma(size_t from) const {
  int depth = 0;
  for (size_t i = from; i < Size(); ++i) {
    if (At(i).Kind != KindOther) continue;
    std::string_view t = At(i).Text;
    if (t == "(" || t == "[" || t == "{") ++depth;
    else if (t == ")" || t == "]" || t == "}") --depth;
    else if (t == "," && depth <= 0) return i;
    if (depth < 0) return i;  // the ")" of an enclosing list
  }
  return Size();
}

}  // namespace korvex::model
