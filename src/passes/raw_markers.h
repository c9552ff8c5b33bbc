// The raw-block markers as the line-based passes see them: anywhere in a
// line or token text, in any letter case ("; kvx_converter_BEGIN_raw" and
// a string literal holding the word count too).
#pragma once

#include <string_view>

#include "common/text.h"

namespace korvex::passes {

/// What both markers start with: a text without it holds neither.
constexpr std::string_view kMarkerStart = "kvx_converter_";
constexpr std::string_view kBeginRawMarker = "kvx_converter_begin_raw";
constexpr std::string_view kEndRawMarker = "kvx_converter_end_raw";

/// A begin marker sets the flag, otherwise an end marker clears it.
inline void UpdateRawFlag(std::string_view text, int& inRaw) {
  if (text.size() < kEndRawMarker.size()) return;  // most tokens: too short for either marker
  if (ContainsNoCase(text, kBeginRawMarker)) inRaw = 1;
  else if (ContainsNoCase(text, kEndRawMarker)) inRaw = 0;
}

}  // namespace korvex::passes
