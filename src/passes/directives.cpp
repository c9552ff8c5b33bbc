// Converter directives and raw blocks.
// Before translation the directive scan reads `KVX_Converter_SetProfile
// "Intranet"` (the profile) and `KVX_Converter_DoNotCopy`. After it, the
// raw-block pass drops the ";" that hides each JavaScript line between
// KVX_Converter_Begin_Raw and KVX_Converter_End_Raw, and the comment pass
// turns the directive words into "// KVX_Converter_..." comments in the
// token list that the clean-up pass joins.
#include "passes/directives.h"

#include <string_view>

#include "common/byte_writer.h"
#include "passes/output_cleanup.h"
#include "passes/raw_markers.h"
#include "scanner/source_scanner.h"
#include "common/text.h"
#include "common/word_shapes.h"

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
  static constexpr WordShapes kDirectives{kSetProfile, kBeginRawMarker, kEndRawMarker, kDoNotCopy};
  if (t.Kind != KindWord || !kDirectives.MayBe(t.Text)) return nullptr;
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

namespace {

// Everything after a directive up to the end of its line is blanked, except
// comments; the directive word survives as a comment itself.
void CommentTokens(TokenList& tokens) {
  bool blankRest = false;
  for (Token& t : tokens) {
    if (const char* comment = DirectiveComment(t)) {
      t.Text = comment;
      t.Kind = t.Text.empty() ? KindOther : KindComment;
      blankRest = true;
    } else if (t.Kind == KindLineBreak) {
      blankRest = false;
    }
    if (blankRest && t.Kind != KindComment) Blank(t);
  }
}

// The clean-up's tokens, already joined: a run of tokens becomes one token
// of its texts with the spaces the join puts between them, of a kind after
// which the join puts none. A token that holds a raw marker stays one of
// its own, as the clean-up reads the markers token by token.
class JoinedTokens {
 public:
  explicit JoinedTokens(TokenList& out) : out_(out) {}

  void Add(TokenList& piece, bool markers) {
    for (auto it = piece.begin(); it != piece.end(); ++it) {
      auto next = std::next(it);
      bool own = markers && ContainsNoCase(it->Text, kMarkerStart);
      if (own) Flush();
      run_ += it->Text;
      if (!JoinsWithoutSpace(*it, next == piece.end() ? nullptr : &*next)) run_ += ' ';
      if (own) Flush();
    }
  }
  // A piece without a marker has no directive to comment, so its tokens
  // go from the scanner to both texts without being stored. The scanned
  // text has size bytes: its tokens hold at most that many and a space
  // after each, which bounds the room both texts need.
  void AddScanned(SourceScanner& scanner, size_t size, std::string& joined) {
    plain_.Clear();
    spaced_.Clear();
    plain_.Reserve(size + 1);
    spaced_.Reserve(2 * size + 2);
    int kind = 0;
    std::string_view text;
    bool held = false;  // the token before the one just read
    while (scanner.HasMore()) {
      std::string_view next = scanner.NextTokenView();
      if (held) Append(kind, text, next);
      kind = scanner.TokenKind();
      text = next;
      held = true;
    }
    if (held) Append(kind, text, {});
    joined += plain_.View();
    run_ += spaced_.View();
  }
  void Flush() {
    if (run_.empty()) return;
    out_.EmplaceBack(run_, KindComment, 0);
    run_.clear();
  }

 private:
  void Append(int kind, std::string_view text, std::string_view next) {
    plain_.Put(text);
    spaced_.Put(text);
    if (!JoinsWithoutSpace(kind, text, next)) spaced_.Put(' ');
  }

  TokenList& out_;
  std::string run_;
  ByteWriter plain_, spaced_;  // a scanned piece's texts
};

// Where the piece that starts at from ends: after a line break that a
// line with text follows (a piece that began with an empty line would
// scan it as two), or at the end.
size_t PieceEnd(std::string_view text, size_t from) {
  constexpr size_t kPiece = 64 * 1024;
  for (size_t at = from + kPiece; at < text.size(); ++at) {
    at = text.find('\n', at);
    if (at == std::string_view::npos || at + 1 >= text.size()) break;
    char c = text[at + 1];
    if (c != '\n' && c != '\r' && c != ' ' && c != '\t') return at + 1;
  }
  return text.size();
}

}  // namespace

// A line's tokens depend on that line only, so the text is scanned a piece
// of lines at a time: the output of a large program never stands in one
// list of millions of tokens.
std::string CommentDirectives(RunState& run, const std::string& text) {
  std::string joined;
  joined.reserve(text.size());
  run.Tokens.ClearAndFree();  // the translation's tokens: the pieces need little
  JoinedTokens handOver(run.Tokens);
  TokenList piece;
  SourceScanner scanner;
  for (size_t from = 0; from < text.size();) {
    size_t end = PieceEnd(text, from);
    std::string_view lines = std::string_view(text).substr(from, end - from);
    if (!ContainsNoCase(lines, kMarkerStart)) {
      scanner.SetText(CrLfToLf(lines));
      handOver.AddScanned(scanner, lines.size(), joined);
    } else {
      TokenizeText(piece, lines);
      CommentTokens(piece);
      for (const Token& t : piece) joined += t.Text;
      handOver.Add(piece, true);
    }
    from = end;
  }
  handOver.Flush();
  return joined;
}

}  // namespace korvex::passes
