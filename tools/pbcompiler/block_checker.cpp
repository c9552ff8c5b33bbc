// BlockChecker: a stack of open blocks, fed with the first word of every
// statement. "If a : x = 1 : EndIf" is three statements; "While" closed by
// "EndIf" gives "Line 3: 'EndIf' found where 'Wend' is expected (to close
// 'While' at line 1)".
#include "block_checker.h"

#include "platform/codepage.h"

namespace korvex::pbcompiler {
namespace {

// One kind of block: the words that open it and those that close it, in
// lower case, and the names its messages use.
struct BlockKind {
  std::vector<std::string_view> Openers;
  std::vector<std::string_view> Closers;
  const char* OpenerName;
  const char* CloserName;
};

const std::vector<BlockKind>& Kinds() {
  static const std::vector<BlockKind> kinds = {
      {{"if"}, {"endif"}, "If", "EndIf"},
      {{"for", "foreach"}, {"next"}, "For", "Next"},
      {{"while"}, {"wend"}, "While", "Wend"},
      {{"repeat"}, {"until", "forever"}, "Repeat", "Until"},
      {{"select"}, {"endselect"}, "Select", "EndSelect"},
      {{"procedure", "procedurec", "proceduredll", "procedurecdll"}, {"endprocedure"},
       "Procedure", "EndProcedure"},
      {{"structure"}, {"endstructure"}, "Structure", "EndStructure"},
      {{"enumeration", "enumerationbinary"}, {"endenumeration"}, "Enumeration",
       "EndEnumeration"},
      {{"datasection"}, {"enddatasection"}, "DataSection", "EndDataSection"},
      {{"macro"}, {"endmacro"}, "Macro", "EndMacro"},
      {{"compilerif"}, {"compilerendif"}, "CompilerIf", "CompilerEndIf"},
  };
  return kinds;
}

constexpr size_t kMacroKind = 9;  // index of Macro in Kinds()
constexpr size_t kNone = static_cast<size_t>(-1);

size_t FindKind(std::string_view lower, bool closer) {
  const std::vector<BlockKind>& kinds = Kinds();
  for (size_t k = 0; k < kinds.size(); ++k)
    for (std::string_view word : closer ? kinds[k].Closers : kinds[k].Openers)
      if (word == lower) return k;
  return kNone;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool IsWordStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsWordChar(char c) { return IsWordStart(c) || (c >= '0' && c <= '9'); }

// The position of the quote that ends the string starting at `start`, or
// npos. In ~"..." a backslash escapes the next character.
size_t StringEnd(std::string_view line, size_t start) {
  if (line[start] == '~') {
    for (size_t i = start + 2; i < line.size(); ++i) {
      if (line[i] == '\\') ++i;
      else if (line[i] == '"') return i;
    }
    return std::string_view::npos;
  }
  return line.find('"', start + 1);
}

std::string Quoted(std::string_view word) { return "'" + std::string(word) + "'"; }

}  // namespace

std::optional<Fault> BlockChecker::CheckLine(std::string_view line, int lineNumber) {
  bool statementStart = true;
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ';') break;  // a comment runs to the end of the line
    if (c == '"' || (c == '~' && i + 1 < line.size() && line[i + 1] == '"')) {
      size_t end = StringEnd(line, i);
      if (end == std::string_view::npos) return Fault{lineNumber, "String not terminated"};
      i = end + 1;
    } else if (c == '\'') {
      size_t end = line.find('\'', i + 1);
      if (end == std::string_view::npos)
        return Fault{lineNumber, "Character constant not terminated"};
      i = end + 1;
    } else if (c == ':' && i + 1 < line.size() && line[i + 1] == ':') {
      i += 2;  // Module::Name
    } else if (c == ':') {
      statementStart = true;
      ++i;
      continue;
    } else if (IsWordStart(c)) {
      size_t end = i;
      while (end < line.size() && IsWordChar(line[end])) ++end;
      if (statementStart)
        if (auto fault = Statement(line.substr(i, end - i), lineNumber)) return fault;
      i = end;
    } else {
      ++i;
      if (c == ' ' || c == '\t' || c == '\r') continue;
    }
    statementStart = false;
  }
  return std::nullopt;
}

std::optional<Fault> BlockChecker::Statement(std::string_view word, int lineNumber) {
  std::string lower = Lower(word);
  if (inMacro_) {
    if (lower == "endmacro") return Close(word, lower, lineNumber);
    return std::nullopt;
  }
  if (size_t kind = FindKind(lower, false); kind != kNone) {
    open_.push_back({kind, std::string(word), lineNumber});
    inMacro_ = kind == kMacroKind;
    return std::nullopt;
  }
  if (FindKind(lower, true) != kNone) return Close(word, lower, lineNumber);
  return std::nullopt;
}

std::optional<Fault> BlockChecker::Close(std::string_view closer, std::string_view lower,
                                         int lineNumber) {
  size_t kind = FindKind(lower, true);
  if (open_.empty())
    return Fault{lineNumber, Quoted(closer) + " without " + Quoted(Kinds()[kind].OpenerName)};
  const OpenBlock& top = open_.back();
  if (top.Kind != kind)
    return Fault{lineNumber, Quoted(closer) + " found where " +
                                 Quoted(Kinds()[top.Kind].CloserName) + " is expected (to close " +
                                 Quoted(top.Opener) + " at line " + std::to_string(top.Line) + ")"};
  open_.pop_back();
  inMacro_ = false;
  return std::nullopt;
}

std::optional<Fault> BlockChecker::Finish() const {
  if (open_.empty()) return std::nullopt;
  const OpenBlock& top = open_.back();
  return Fault{top.Line, Quoted(top.Opener) + " without " + Quoted(Kinds()[top.Kind].CloserName)};
}

std::optional<Fault> CheckSource(std::string_view bytes) {
  // a UTF-8 or UTF-16 LE mark decides how the file is read, as the
  // converter reads it
  std::string decoded = platform::Utf8FromFileBytes(bytes);
  std::string_view text = decoded;
  BlockChecker checker;
  int lineNumber = 1;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    if (auto fault = checker.CheckLine(text.substr(start, end - start), lineNumber)) return fault;
    if (end == text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    ++lineNumber;
  }
  return checker.Finish();
}

}  // namespace korvex::pbcompiler
