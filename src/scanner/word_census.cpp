// WordCensus; see word_census.h.
#include "scanner/word_census.h"

#include "scanner/token.h"

namespace korvex {

void WordCensus::Note(std::string_view text, int kind) {
  if (text.empty()) return;
  starts_.set(static_cast<unsigned char>(text[0]));
  if (kind == KindWord) words_.set(Hash(text));
  else if (kind == KindString && text.find('\\') != std::string_view::npos) backslashString_ = true;
}

}  // namespace korvex
