// Basic types by their suffix letters and widths; see types.h.
#include "model/types.h"

namespace korvex::model {

bool Type::FitsInt32() const {
  if (pointer) return false;
  switch (basic) {
    case Basic::Byte: case Basic::Ascii: case Basic::Character: case Basic::Word:
    case Basic::Unicode: case Basic::Long: return true;
    default: return false;
  }
}

bool BasicFromLetter(std::string_view letter, Basic& basic) {
  if (letter.size() != 1) return false;
  char c = letter[0];
  if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  switch (c) {
    case 'b': case 'a': case 'c': case 'w': case 'u': case 'l': case 'i': case 'q': case 'f':
    case 'd': case 's':
      basic = static_cast<Basic>(c);
      return true;
    default:
      return false;
  }
}

int WidthBits(Basic basic) {
  switch (basic) {
    case Basic::Byte: case Basic::Ascii: return 8;
    case Basic::Character: case Basic::Word: case Basic::Unicode: return 16;
    case Basic::Long: return 32;
    default: return 0;
  }
}

bool IsUnsigned(Basic basic) {
  return basic == Basic::Ascii || basic == Basic::Character || basic == Basic::Unicode;
}

}  // namespace korvex::model
