// SourceScanner: PureBasic text to tokens.
// "x = %101 ; bits" gives x (word), = (other), %101 (number), "; bits"
// (comment). The rules for "#", "*" and "%" look at the token delivered
// before, so the scanner records the kind and text of each token it hands out.
// An escape string ~"say \"hi\"\n" is one string token, its "~" included.
// The text is UTF-8: a character outside the rules is one token whatever
// its length in bytes.
#include "scanner/source_scanner.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "common/text.h"
#include "common/word_shapes.h"
#include "platform/codepage.h"

namespace korvex {
namespace {

// What each byte can be, looked up once instead of tested by ranges: the
// scanner asks it of every character of every word.
enum : uint8_t { kLetter = 1, kDigit = 2, kHex = 4, kWord = 8, kBlank = 16, kSingle = 32 };

// The printable characters that are a token of one byte wherever they
// stand: no rule starts with them.
constexpr std::string_view kNotSingle = "_$%#*;\"'~<>";

constexpr std::array<uint8_t, 256> kByteClass = [] {
  std::array<uint8_t, 256> table{};
  for (int c = 0; c < 256; ++c) {
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    bool digit = c >= '0' && c <= '9';
    uint8_t bits = 0;
    if (letter) bits |= kLetter;
    if (digit) bits |= kDigit;
    if (digit || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')) bits |= kHex;
    if (letter || digit || c == '_' || c == '$') bits |= kWord;
    if (c == ' ' || c == '\t') bits |= kBlank;
    if (c > ' ' && c < 0x7F && !letter && !digit && kNotSingle.find(static_cast<char>(c)) == std::string_view::npos)
      bits |= kSingle;
    table[static_cast<size_t>(c)] = bits;
  }
  return table;
}();

bool Is(char c, uint8_t bits) { return (kByteClass[static_cast<unsigned char>(c)] & bits) != 0; }
bool IsLetter(char c) { return Is(c, kLetter); }
bool IsDigit(char c) { return Is(c, kDigit); }
bool IsHexDigit(char c) { return Is(c, kHex); }
bool IsWordChar(char c) { return Is(c, kWord); }
bool IsBlank(char c) { return Is(c, kBlank); }

// The length of the escape string ~"..." at the start of s: up to the first
// quote that no backslash escapes, or the rest of the line.
size_t EscapeStringLength(std::string_view s) {
  for (size_t i = 2; i < s.size(); ++i) {
    if (s[i] == '\\') ++i;
    else if (s[i] == '"') return i + 1;
  }
  return s.size();
}

// The bytes of the UTF-8 character at the start of s: a lead byte and the
// continuation bytes after it (at most three), so no character is cut.
size_t CharacterLength(std::string_view s) {
  size_t n = 1;
  if (static_cast<unsigned char>(s[0]) < 0xC0) return n;
  while (n < s.size() && n < 4 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) ++n;
  return n;
}

// Tokens after which "#" starts a constant name.
constexpr std::string_view kBeforeConstantWords[] = {
    "!", "#", "%", "&", "(", "+", ",", "-", "/", ":", "<", "<<", "<=", "<>", "=", ">",
    ">=", ">>", "[", "and", "break", "case", "compilercase", "compilerelseif",
    "compilerif", "compilerselect", "debug", "elseif", "end", "if", "includebinary",
    "includefile", "includepath", "not", "or", "procedurereturn", "select", "to",
    "until", "while", "with", "xincludefile", "xor", "{", "|", "~"};

// Tokens after which "*" starts a pointer name.
constexpr std::string_view kBeforePointerWords[] = {
    "!", "#", "%", "&", "(", "+", ",", "-", "/", ":", "<", "<<", "<=", "<>", "=", ">",
    ">=", ">>", "@", "[", "and", "case", "debug", "define", "elseif", "end", "global",
    "if", "not", "or", "procedurereturn", "protected", "select", "shared", "static",
    "to", "until", "while", "with", "xor", "{", "|", "~", "compilerselect", "*"};

// Asked of the token before every "#" and "*". "a * b" asks about the
// word a, which the shapes pass over unread.
constexpr KeywordSet kBeforeConstant(kBeforeConstantWords);
constexpr KeywordSet kBeforePointer(kBeforePointerWords);

}  // namespace

void SourceScanner::RecordKind(int v) {
  if (v == -1) {
    kind_ = prevKindForRules_ = 0;
    return;
  }
  prevKindForRules_ = v;
  kind_ = v;
}

// t lies in text_ or is a literal: it stays valid until the next text.
void SourceScanner::RecordText(std::string_view t) { lastText_ = t; }

void SourceScanner::IndexLines() {
  lineStarts_.clear();
  lineStarts_.push_back(0);
  for (size_t nl = text_.find('\n'); nl != std::string::npos; nl = text_.find('\n', nl + 1))
    lineStarts_.push_back(nl + 1);
}

int SourceScanner::LoadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  line_ = 1;
  RecordText("\n");
  RecordKind(-1);
  rest_ = {};
  firstLine_ = 1;
  auto starts = [&](std::string_view mark) { return StartsWith(bytes, mark); };
  if (starts("\xFF\xFE\x00\x00") || starts("\x00\x00\xFE\xFF") || starts("\xFE\xFF")) return 0;
  std::string decoded = platform::Utf8FromFileBytes(bytes);
  // Lines end at CR, LF or CR LF; each is stored with "\n".
  lineCount_ = 0;
  size_t i = 0;
  while (i < decoded.size()) {
    size_t end = decoded.find_first_of("\r\n", i);
    if (end == std::string::npos) end = decoded.size();
    text_.append(decoded, i, end - i);
    text_ += '\n';
    ++lineCount_;
    i = end;
    if (i < decoded.size()) i += (decoded[i] == '\r' && i + 1 < decoded.size() && decoded[i + 1] == '\n') ? 2 : 1;
  }
  IndexLines();
  return 1;
}

void SourceScanner::SetText(std::string text) {
  text_ = std::move(text);
  line_ = 1;
  RecordText("\n");
  RecordKind(-1);
  rest_ = {};
  firstLine_ = 1;
  IndexLines();
  lineCount_ = static_cast<int32_t>(lineStarts_.size());  // "\n" count + 1
}

void SourceScanner::SetLine(int32_t n) {
  line_ = n;
  rest_ = {};
  firstLine_ = 1;
  RecordText("\n");
  RecordKind(-1);
}

int32_t SourceScanner::LineNumber() const {
  if (firstLine_ == 0 && lastText_ == "\n") return line_ - 2;
  return line_ - 1;
}

void SourceScanner::ReadLine() {
  RecordKind(KindLineBreak);
  RecordText("\n");
  ++line_;
  size_t field = static_cast<size_t>(line_ - 2);  // field number line-1, from 0
  if (line_ < 2 || field >= lineStarts_.size()) {
    rest_ = {};
    return;
  }
  size_t start = lineStarts_[field];
  size_t end = field + 1 < lineStarts_.size() ? lineStarts_[field + 1] - 1 : text_.size();
  rest_ = TrimBlanksView(std::string_view(text_).substr(start, end - start));
}

std::string_view SourceScanner::NextTokenView() {
  if (!HasMore()) return "";
  if (rest_.empty()) {
    ReadLine();
    if (firstLine_ == 0 || rest_.empty()) return "\n";
    firstLine_ = 0;
  }
  // rest_ starts with no blank (the line is trimmed, and so is the rest
  // after each token), so only the token's end and the rest's start can
  // hold blanks, and a word or a character of its own has none at its end
  size_t n = ClassifyCommon(rest_);
  bool common = n > 0;
  if (!common) n = Classify(rest_);
  std::string_view token = rest_.substr(0, n);
  size_t next = n;
  while (next < rest_.size() && IsBlank(rest_[next])) ++next;
  rest_.remove_prefix(next);
  if (!common)
    while (!token.empty() && IsBlank(token.back())) token.remove_suffix(1);
  return token;
}

// The two commonest tokens, taken before the rules: a word that starts
// with a letter (a "p-" may be a pseudotype) and a character of its own.
// 0 when the token is neither.
size_t SourceScanner::ClassifyCommon(std::string_view s) {
  char first = s[0];
  if (IsLetter(first) && !(s.size() >= 2 && s[1] == '-' && (first == 'p' || first == 'P'))) {
    size_t n = 1;
    while (n < s.size() && IsWordChar(s[n])) ++n;
    RecordKind(KindWord);
    RecordText(s.substr(0, n));
    return n;
  }
  if (!Is(first, kSingle)) return 0;
  RecordKind(KindOther);
  RecordText(s.substr(0, 1));
  return 1;
}

// Tries the rules in order; the first that claims a length wins. Each rule
// records the kind and text of what it claims.
size_t SourceScanner::Classify(std::string_view s) {
  size_t n = 0;
  int kind = KindOther;
  char first = s[0];
  if (first == ';') {
    n = s.size();
    kind = KindComment;
  } else if ((IsLetter(first) || first == '_' || first == '#' || first == '*') && (n = ClassifyWord(s)) > 0) {
    // only these can start a word
    kind = KindWord;
  } else if (s[0] == '"' || s[0] == '\'') {
    // Quoted literal: up to the next quote of the same sort, no escapes.
    // Unterminated, it runs to the end of the line and counts as a string.
    size_t close = s.find(s[0], 1);
    n = close == std::string_view::npos ? s.size() : close + 1;
    kind = (s[0] == '"' || close == std::string_view::npos) ? KindString : KindNumber;
  } else if (s[0] == '~' && s.size() >= 2 && s[1] == '"') {
    n = EscapeStringLength(s);
    kind = KindString;
  } else if ((IsDigit(first) || first == '$' || first == '%') && (n = ClassifyNumber(s)) > 0) {
    kind = KindNumber;
  } else if (s.size() >= 2 && (s[0] == '<' || s[0] == '>') &&
             (s[1] == '>' || s[1] == '<' || s[1] == '=')) {
    n = 2;
  } else {
    n = CharacterLength(s);
  }
  RecordKind(kind);
  RecordText(s.substr(0, n));
  return n;
}

// Rule W: identifiers, keywords, #constants, *pointers and p-pseudotypes.
size_t SourceScanner::ClassifyWord(std::string_view s) {
  size_t i = 0;
  if (s.size() >= 2 && (s[0] == 'p' || s[0] == 'P') && s[1] == '-' && lastText_ == ".") {
    i = 2;
  } else {
    if (s[0] == '#' || s[0] == '*') {
      bool afterOperator = prevKindForRules_ == KindOther || prevKindForRules_ == KindWord;
      bool listed = s[0] == '#' ? kBeforeConstant.Has(lastText_) : kBeforePointer.Has(lastText_);
      bool afterStar = prevKindForRules_ == KindOther && lastText_ == "*";
      if (!(prevKindForRules_ == KindLineBreak || (afterOperator && (listed || afterStar))))
        return 0;
      i = 1;
      while (i < s.size() && IsBlank(s[i])) ++i;
    }
    if (i >= s.size() || !(IsLetter(s[i]) || s[i] == '_')) return 0;
  }
  while (i < s.size() && IsWordChar(s[i])) ++i;
  return i;
}

// Rule N: decimal, $hexadecimal and %binary numbers.
size_t SourceScanner::ClassifyNumber(std::string_view s) {
  size_t count = 0;
  bool hex = false;
  if (s[0] == '$') {
    hex = true;
    count = 1;
  } else if (s[0] == '%') {
    if (prevKindForRules_ == KindWord || prevKindForRules_ == KindNumber || lastText_ == ")" ||
        lastText_ == "]")
      return 0;
    count = 1;
  }
  bool digitSeen = false;
  char lastAccepted = 0;
  auto onlyPrefixBefore = [&](char prefix) {
    if (s[0] != prefix) return false;  // s starts with no blank
    std::string_view before = TrimBlanksView(s.substr(0, count));
    return before.size() == 1 && before[0] == prefix;
  };
  for (; count < s.size(); ++count) {
    char c = s[count];
    if (hex) {
      if (IsHexDigit(c)) {
        digitSeen = true;
      } else if (IsBlank(c)) {
        if (!onlyPrefixBefore('$')) break;
      } else {
        if (digitSeen) break;
        return 0;
      }
      continue;
    }
    if (IsDigit(c) || c == '.' || c == 'e' || c == 'E') {
      bool exponent = c == 'e' || c == 'E';
      if (!digitSeen && (c == '.' || exponent)) return 0;
      if (exponent && !(IsDigit(s[count - 1]) || s[count - 1] == '.')) break;
      lastAccepted = c;
      digitSeen = true;
    } else if (c == '+' || c == '-') {
      // An exponent sign; it does not count as the last accepted character.
      if (digitSeen && (lastAccepted == 'e' || lastAccepted == 'E')) continue;
      if (digitSeen) break;
      return 0;
    } else if (IsBlank(c)) {
      if (!onlyPrefixBefore('%')) break;
    } else {
      if (digitSeen) break;
      return 0;
    }
  }
  // "123n": a BigInt literal that statement translation writes for a quad
  // (never PureBasic text) stays one number when the output is scanned.
  auto allDigits = [&] {
    for (size_t k = 0; k < count; ++k)
      if (!IsDigit(s[k])) return false;
    return true;
  };
  if (!hex && count < s.size() && s[count] == 'n' && allDigits() &&
      (count + 1 == s.size() || !IsWordChar(s[count + 1])))
    ++count;
  return count;
}

namespace {

// The scanner owns the text while the tokens are copied out of it.
void Tokenize(TokenList& tokens, std::string text) {
  SourceScanner scanner;
  scanner.SetText(std::move(text));
  tokens.Clear();
  while (scanner.HasMore()) {
    std::string_view token = scanner.NextTokenView();
    tokens.EmplaceBack(token, scanner.TokenKind(), scanner.LineNumber());
  }
  scanner.Clear();
}

}  // namespace

void TokenizeRawText(TokenList& tokens, std::string_view text) { Tokenize(tokens, std::string(text)); }

void TokenizeText(TokenList& tokens, std::string_view text) { Tokenize(tokens, CrLfToLf(text)); }

}  // namespace korvex
