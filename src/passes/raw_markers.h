// The raw-block markers as the line-based passes see them: anywhere in a
// line or token text, in any letter case ("; kvx_converter_BEGIN_raw" and
// a string literal holding the word count too).
#pragma once

#include <algorithm>
#include <string_view>

namespace korvex::passes {

constexpr std::string_view kBeginRawMarker = "kvx_converter_begin_raw";
constexpr std::string_view kEndRawMarker = "kvx_converter_end_raw";

/// Whether text contains lowerNeedle, ASCII letters compared without case.
inline bool ContainsIgnoringCase(std::string_view text, std::string_view lowerNeedle) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  auto hit = std::search(text.begin(), text.end(), lowerNeedle.begin(), lowerNeedle.end(),
                         [&](char a, char b) { return lower(a) == b; });
  return hit != text.end();
}

/// A begin marker sets the flag, otherwise an end marker clears it.
inline void UpdateRawFlag(std::string_view text, int& inRaw) {
  if (text.size() < kEndRawMarker.size()) return;  // most tokens: too short for either marker
  if (ContainsIgnoringCase(text, kBeginRawMarker)) inRaw = 1;
  else if (ContainsIgnoringCase(text, kEndRawMarker)) inRaw = 0;
}

}  // namespace korvex::passes
