// Converter directives and raw blocks.
// Before translation the directive scan reads `KVX_Converter_SetProfile
// "Intranet"` (the profile) and `KVX_Converter_DoNotCopy`. After it, the
// raw-block pass drops the ";" that hides each JavaScript line between
// KVX_Converter_Begin_Raw and KVX_Converter_End_Raw, and the comment pass
// turns the directive words into "// KVX_Converter_..." comments in the
// token list that the clean-up pass joins.
#include "passes/directives.h"

#include <string_view>

#include "passes/raw_markers.h"
#include "scanner/source_scanner.h"
#include "common/text.h"

namespace korvex::passes {
namespace {

constexpr std::string_view kSetProfile = "kvx_converter_setprofile";
constexpr std::string_view kDoNotCopy = "kvx_converter_donotcopy";

bool IsDirective(const Token& t, std::string_view lowerName) {
  return t.Kind == KindWord && EqualsNoCase(t.Text, lowerName);
}

// The text a directive word becomes: a comment, or "" for the one that
// vanishes; nullptr when the token is no directive.
const char* DirectiveComment(const Token& t) {
  // "kvx_converter_end_raw" is the shortest directive word
  if (t.Kind != KindWord || t.Text.size() < kEndRawMarker.size()) return nullptr;
  LowerWord lower(t.Text);
  if (lower == kSetProfile) return "// KVX_Converter_SetProfile";
  if (lower == kBeginRawMarker) return "// KVX_Converter_Begin_Raw";
  if (lower == kEndRawMarker) return "// KVX_Converter_End_Raw";
  if (lower == kDoNotCopy) return "";
  return nullptr;
}

}  // namespace

// The first string literal after KVX_Converter_SetProfile names the
// profile, wherever it stands: the wish is not cleared at line ends.
void ScanDirectives(RunState& run, const std::string& text) {
  if (!ContainsNoCase(text, "kvx_converter_")) {  // no directive word: nothing to set
    run.Tokens.Clear();
    return;
  }
  TokenizeText(run.Tokens, text);
  bool wantName = false;
  for (const Token& t : run.Tokens) {
    if (IsDirective(t, kSetProfile)) {
      wantName = true;
    } else if (IsDirective(t, kDoNotCopy)) {
      run.ActiveSettings.DoNotCopy = 1;
    } else if (t.Kind == KindString && wantName) {
      wantName = false;
      run.ActiveSettings.ProfileName = RemoveChar(t.Text, '"');
    }
  }
}

// The begin marker's line counts as inside the block, the end marker's
// line does not.
std::string UncommentRawBlocks(RunState& run, const std::string& text) {
  (void)run;
  std::string out;
  out.reserve(text.size());
  int inRaw = 0;
  bool markers = ContainsNoCase(text, kMarkerStart);  // else no line is in a block
  for (std::string_view piece : SplitLines(text)) {
    std::string_view line = TrimSpacesView(piece);
    if (markers) UpdateRawFlag(line, inRaw);
    if (inRaw == 1 && !line.empty() && line[0] == ';') line.remove_prefix(1);
    out += line;
    out += '\n';
  }
  return out;
}

// Everything after a directive up to the end of its line is blanked, except
// comments; the directive word survives as a comment itself.
std::string CommentDirectives(RunState& run, const std::string& text) {
  TokenizeText(run.Tokens, text);
  bool blankRest = false;
  std::string joined;
  joined.reserve(text.size());
  for (Token& t : run.Tokens) {
    if (const char* comment = DirectiveComment(t)) {
      t.Text = comment;
      t.Kind = t.Text.empty() ? KindOther : KindComment;
      blankRest = true;
    } else if (t.Kind == KindLineBreak) {
      blankRest = false;
    }
    if (blankRest && t.Kind != KindComment) Blank(t);
    joined += t.Text;
  }
  return joined;
}

}  // namespace korvex::passes
