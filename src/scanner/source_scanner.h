// SourceScanner: splits PureBasic text into tokens, one line at a time, and
// tells each token's kind and line. It keeps a short history of delivered
// tokens because "#", "*" and "%" start a name or a literal depending on the
// token before them: "#PB_Any" after "=" is one word, "a*b" is three tokens.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scanner/token_list.h"

namespace korvex {

class SourceScanner {
 public:
  /// Reads a file (no mark, UTF-8 or UTF-16 LE) and appends its lines in
  /// UTF-8, each ended by "\n", to the text. Returns 0 when it cannot be
  /// opened or has another encoding mark.
  int LoadFile(const std::string& path);
  void SetText(std::string text);
  /// The next token comes from line n.
  void SetLine(int32_t n);
  int HasMore() const { return !text_.empty() && (line_ <= lineCount_ || !rest_.empty()) ? 1 : 0; }
  /// The next token, "\n" at a line boundary, or "" when nothing is left.
  std::string NextToken() { return std::string(NextTokenView()); }
  /// The same as a view into the scanner's text (or a literal), valid until
  /// the next SetText: filling a token list copies each token once.
  std::string_view NextTokenView();
  int32_t LineNumber() const;
  int TokenKind() const { return kind_; }
  void Clear() { text_.clear(); lineStarts_.clear(); }

 private:
  void RecordKind(int v);
  void RecordText(std::string_view t);
  void ReadLine();
  void IndexLines();
  size_t ClassifyCommon(std::string_view s);
  size_t Classify(std::string_view s);
  size_t ClassifyWord(std::string_view s);
  size_t ClassifyNumber(std::string_view s);

  std::string text_;
  int32_t line_ = 0;
  int32_t lineCount_ = 0;
  std::string_view rest_;  // undelivered part of the current line, trimmed
  int firstLine_ = 0;
  int kind_ = 0;
  std::string_view lastText_;  // in text_, or a literal
  int prevKindForRules_ = 0;
  std::vector<size_t> lineStarts_;  // offset of each line of text_
};

/// Fills tokens from text with a fresh scanner, every "\r\n" first replaced
/// by "\n".
void TokenizeText(TokenList& tokens, std::string_view text);
/// The same without the line-end replacement (the server-procedure pass
/// hands its text over as it is).
void TokenizeRawText(TokenList& tokens, std::string_view text);

}  // namespace korvex
