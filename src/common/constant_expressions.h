// Constant expressions, worked out at conversion time: the conditions of
// CompilerIf and CompilerSelect, the values of Enumeration constants.
//   "#PB_Compiler_OS = #PB_OS_Windows Or #Version >= 2"  ->  0 or 1
//   "#First * 2 + 1"                                      ->  11 (#First = 5)
// PureBasic's precedence, from low to high: And Or XOr; Not; the
// comparisons; + -; * /; | &; << >> % !; unary - and ~. Integers are 64-bit
// and divide towards zero; a float operand makes the operation a float's;
// + joins strings, and strings compare. Defined(Name, #PB_Constant) asks the
// caller.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scanner/token.h"

namespace korvex {

struct ConstantValue {
  enum Kind { Integer, Float, String } kind = Integer;
  int64_t integer = 0;
  double real = 0;
  std::string text;

  static ConstantValue Of(int64_t v) { return ConstantValue{Integer, v, 0, ""}; }
  static ConstantValue OfFloat(double v) { return ConstantValue{Float, 0, v, ""}; }
  static ConstantValue OfString(std::string s) { return ConstantValue{String, 0, 0, std::move(s)}; }
  /// Non-zero numbers and non-empty strings hold.
  bool Holds() const;
};

struct ConstantLookup {
  /// The value of "#name" (name lower-cased, without "#"), or nothing.
  std::function<std::optional<ConstantValue>(const std::string& name)> constant;
  /// Defined(name, #PB_kind): name and kind lower-cased, kind without
  /// "#PB_"; may be empty, and then nothing is defined.
  std::function<bool(const std::string& name, const std::string& kind)> defined;
};

/// The value of the whole token sequence, or nothing when it is no
/// constant expression (an unknown name, a call, a division by zero, a
/// token left over).
std::optional<ConstantValue> EvaluateConstant(const std::vector<Token>& tokens,
                                              const ConstantLookup& lookup);

/// A number as PureBasic writes it: "42", "-3", "2.5", "$FF", "%101", "'A'";
/// the runtime calls "cString.Val(\"$FF\")" that translation makes of "$FF"
/// and "%101" count too. Nothing for anything else.
std::optional<ConstantValue> ParseNumber(const std::string& text);

}  // namespace korvex
