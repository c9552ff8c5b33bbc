// The types of the program model: PureBasic's basic types, structures and
// pointers, as the expression and declaration rewrites see them.
// "n.b" is Byte, "name$" and "t.s" String, "p.Point" the structure Point,
// "*p.Point" a pointer viewed as Point; a name without a type is Integer.
#pragma once

#include <string>

#include "scanner/token_text.h"
#include <string_view>

namespace korvex::model {

/// A basic type by its suffix letter; Structure for "p.Point".
enum class Basic : char {
  Byte = 'b',
  Ascii = 'a',
  Character = 'c',
  Word = 'w',
  Unicode = 'u',
  Long = 'l',
  Integer = 'i',
  Quad = 'q',
  Float = 'f',
  Double = 'd',
  String = 's',
  Structure = 'S',
};

struct Type {
  Basic basic = Basic::Integer;
  TokenText structure;  // the structure's key (lower-cased name) for Structure
  bool pointer = false;   // "*p": an address; structure says how to view it

  bool IsString() const { return basic == Basic::String && !pointer; }
  bool IsFloat() const { return (basic == Basic::Float || basic == Basic::Double) && !pointer; }
  bool IsQuad() const { return basic == Basic::Quad && !pointer; }
  bool IsStructure() const { return basic == Basic::Structure && !pointer; }
  /// Every integer type, pointers included.
  bool IsInteger() const { return pointer || (!IsString() && !IsFloat() && !IsStructure()); }
  /// Integer types whose values JavaScript's 32-bit operators keep whole.
  bool FitsInt32() const;
};

/// The basic type of a suffix letter ("l", "D", ...); false for anything else.
bool BasicFromLetter(std::string_view letter, Basic& basic);
/// The width in bits of a small integer type (8, 16 or 32), 0 for the others.
int WidthBits(Basic basic);
bool IsUnsigned(Basic basic);

}  // namespace korvex::model
