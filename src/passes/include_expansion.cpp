// Include expansion: each line holding an IncludeFile or XIncludeFile
// statement is replaced as a whole by the text of the named file, one level
// deep: IncludeFile "inc.pbi", with inc.pbi holding "x = 5\r\n", becomes
// "x = 5\n" followed by the line's own "\n". Names are relative to the folder
// of the main source file. Runs between the two comment-and-macro passes.
#include "passes/include_expansion.h"

#include <string_view>
#include <vector>

#include "driver/text_files.h"
#include "scanner/source_scanner.h"
#include "common/text.h"
#include "common/word_shapes.h"

namespace korvex::passes {
namespace {

struct IncludeRecord {
  std::string content;  // the file's text with "\n" line ends
  int line = 0;         // the line that held the statement, from 1
};

constexpr std::string_view kIncludeKeywords[] = {"includefile", "xincludefile"};
constexpr KeywordSet kIncludes{kIncludeKeywords};

bool IsIncludeKeyword(const Token& t) { return t.Kind == KindWord && kIncludes.Has(t.Text); }

// A backslash in a name written in the source is a folder separator on
// every system; on POSIX it becomes "/".
std::string IncludePath(const std::string& folder, const std::string& nameText) {
  std::string name = RemoveChar(nameText, '"');
  if (platform::kPathSeparator != '\\') name = ReplaceAll(name, "\\", std::string(1, platform::kPathSeparator));
  return folder + name;
}

// A missing, empty or unreadable file gives "", so its line disappears.
// A statement cut off by the line end has no name and reads nothing.
std::string ReadInclude(RunState& run, const std::string& folder, const Token& nameToken) {
  if (nameToken.Kind == KindLineBreak) return "";
  return CrLfToLf(ReadTextFile(run, IncludePath(folder, nameToken.Text)));
}

// IncludeFile "name"  or  IncludeFile("name"): the token after the keyword
// (and after an optional "(") is the name. The walk goes on after it.
std::vector<IncludeRecord> CollectIncludes(RunState& run) {
  std::vector<IncludeRecord> records;
  std::string folder = FolderPart(run.SourceFile);
  TokenList& tokens = run.Tokens;
  tokens.Reset();
  while (tokens.Next()) {
    if (!IsIncludeKeyword(tokens.Current())) continue;
    if (PeekNextTokenIs(tokens, "(")) tokens.Next();
    if (!tokens.Next()) break;  // the keyword ends the text: no name
    const Token& name = tokens.Current();
    records.push_back({ReadInclude(run, folder, name), name.Line});
  }
  return records;
}

// Line k (from 1) -> index of the record that replaces it, or -1. Records
// come in text order, so the later of two on one line wins; lines past the
// end (the unterminated last piece) are ignored.
std::vector<long> IndexByLine(const std::vector<IncludeRecord>& records, size_t lineCount) {
  std::vector<long> byLine(lineCount + 1, -1);
  for (size_t i = 0; i < records.size(); ++i) {
    int line = records[i].line;
    if (line >= 1 && static_cast<size_t>(line) <= lineCount) byLine[line] = static_cast<long>(i);
  }
  return byLine;
}

// The lines of a text that includes nothing, as the walk below writes them,
// read straight from the text as it came: a line's "\r" before its "\n"
// goes, as CrLfToLf takes it.
std::string NonEmptyLines(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::string_view line : SplitLines(text)) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    result += line;
    result += '\n';
  }
  return result;
}

}  // namespace

std::string ExpandIncludes(RunState& run, const std::string& text) {
  // "xincludefile" holds "includefile": a text without it includes nothing
  if (!ContainsNoCase(text, "includefile")) {
    run.Tokens.Clear();
    return NonEmptyLines(text);
  }
  std::string lf = CrLfToLf(text);
  TokenizeText(run.Tokens, lf);
  std::vector<IncludeRecord> records = CollectIncludes(run);
  std::vector<long> byLine = IndexByLine(records, CountChar(lf, '\n'));

  std::string result;
  result.reserve(lf.size());
  size_t k = 0;
  for (std::string_view written : SplitLines(lf)) {
    ++k;
    // an inserted text is one piece: its own empty lines stay
    std::string_view line = byLine[k] >= 0 ? std::string_view(records[byLine[k]].content) : written;
    if (line.empty()) continue;
    result += line;
    result += '\n';
  }
  return result;
}

}  // namespace korvex::passes
