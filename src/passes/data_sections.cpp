// Data sections: every Data value goes into one runtime array, every label
// becomes a variable holding the index of the first value after it, and the
// DataSection ... EndDataSection blocks are removed. IncludeBinary file names
// are collected for deployment.
//   Colors:  Data.s "red", "green"   ->  var KVX_Label_Colors = 0
//                                        cCommonKVX_DataArray=["red","green"]
// (the clean-up pass later turns "cCommonKVX_" into "cCommon.KVX_").
// Both passes run after include expansion, before the directive scan.
#include "passes/data_sections.h"

#include <iterator>
#include <string_view>
#include <vector>

#include "common/byte_writer.h"
#include "scanner/source_scanner.h"
#include "common/text.h"

namespace korvex::passes {
namespace {

struct DataTexts {
  std::string labels;      // one "var KVX_Label_..." line per label
  std::string firstLabel;  // the initial read position
  std::string array;       // "cCommonKVX_DataArray=[" and the values
  ByteWriter program;      // the program re-joined with single spaces
  long long index = 0;     // number of values so far
};

// One token as the scanner gives it; the views stay valid while the pass
// runs.
struct Piece {
  std::string_view text;
  int kind;
};

bool IsOther(const Piece& t, std::string_view text) { return t.kind == KindOther && t.text == text; }

// The tokens of one line and its line break (the last line may have
// none), and whether the text ends with it.
struct Line {
  std::vector<Piece> pieces;
  bool last = false;
};

// A PureBasic label is "Name:" on a line of its own (a trailing comment
// may follow). Every other ":" separates statements and names nothing:
// "If x : y = 1 : EndIf", "f(a) : g()", "Repeat : x + 1 : Until x > 5".
bool IsLabelColon(const Line& line, size_t colon) {
  if (colon != 1 || line.pieces[0].kind != KindWord) return false;
  if (colon + 1 == line.pieces.size()) return line.last;
  int after = line.pieces[colon + 1].kind;
  return after == KindLineBreak || after == KindComment;
}

// Name:  ->  var KVX_Label_Name = <index>
void AddLabel(DataTexts& out, std::string_view name) {
  std::string number = std::to_string(out.index);
  out.labels += "var KVX_Label_" + std::string(name) + " = " + number + "\r\n";
  if (out.firstLabel.empty()) out.firstLabel = "cCommonKVX_Global_Label = KVX_Label_" + std::string(name) + "\r\n";
}

// Ends a Data statement: its last value is counted and separated.
void EndValue(DataTexts& out) {
  ++out.index;
  out.array += ',';
}

// A line break ends a Data statement, and so does a trailing comment (the
// last token of its line), which then goes on to the program text.
bool EndsStatement(const Piece& t) { return t.kind == KindLineBreak || t.kind == KindComment; }

// Data.<type> v1, v2, ...  The values' tokens are joined without spaces;
// each "," and the statement's end count one value. Returns the index of
// the line break or comment that ends the statement, or the line's size
// when the text ends first.
size_t CollectStatement(DataTexts& out, const Line& line, size_t i) {
  if (out.array.empty()) out.array = "cCommonKVX_DataArray=[";
  const std::vector<Piece>& p = line.pieces;
  for (++i; i < p.size(); ++i) {
    if (EndsStatement(p[i])) {
      EndValue(out);
      return i;
    }
    if (IsOther(p[i], ",")) {
      EndValue(out);
      continue;
    }
    if (IsOther(p[i], ".")) {
      // the type suffix: "." and the type name are skipped, but never the
      // statement's end
      if (i + 1 < p.size() && !EndsStatement(p[i + 1])) ++i;
      continue;
    }
    out.array += p[i].text;
  }
  EndValue(out);
  return p.size();
}

void AppendToProgram(DataTexts& out, std::string_view text) {
  if (text.empty()) return;
  out.program.Put(text);
  out.program.Put(' ');
}

// One line into the texts; false once the text has ended inside a Data
// statement.
bool CollectLine(DataTexts& out, const Line& line) {
  const std::vector<Piece>& p = line.pieces;
  for (size_t i = 0; i < p.size(); ++i) {
    if (IsOther(p[i], ":") && IsLabelColon(line, i)) AddLabel(out, p[i - 1].text);
    if (p[i].kind == KindWord && EqualsNoCase(p[i].text, "data")) {
      i = CollectStatement(out, line, i);
      if (i == p.size()) return false;
    }
    AppendToProgram(out, p[i].text);
  }
  return true;
}

std::string Assemble(DataTexts& out) {
  if (out.array.empty()) return std::string(out.program.View());
  if (out.array.back() == ',') out.array.pop_back();
  out.array += ']';
  std::string result;
  result.reserve(out.labels.size() + out.firstLabel.size() + out.array.size() + out.program.Size() + 6);
  result += out.labels + "\r\n" + out.firstLabel + "\r\n" + out.array + "\r\n";
  result += out.program.View();
  return result;
}

// Lines whose blank-free, lower-cased text starts with these open and close
// a section; a prefix test, so "DataSectionX = 1" opens one too.
enum class SectionLine { Plain, Opens, Closes };

SectionLine ClassifySectionLine(std::string_view trimmed) {
  if (StartsWithNoCaseNoBlanks(trimmed, "datasection")) return SectionLine::Opens;
  if (StartsWithNoCaseNoBlanks(trimmed, "enddatasection")) return SectionLine::Closes;
  return SectionLine::Plain;
}

// IncludeBinary "file"  ->  the file name, without its quotes. Only a
// string right after the keyword counts: IncludeBinary("file") adds nothing.
void CollectBinaries(RunState& run) {
  TokenList& tokens = run.Tokens;
  for (auto it = tokens.begin(); it != tokens.end(); ++it) {
    if (it->Kind != KindWord || !EqualsNoCase(it->Text, "includebinary")) continue;
    auto name = std::next(it);
    if (name != tokens.end() && name->Kind == KindString) run.IncludedBinaries.push_back(RemoveChar(name->Text, '"'));
  }
}

}  // namespace

// The tokens are read once, a line at a time, straight from the scanner,
// whose text the pieces point into.
std::string CollectData(RunState& run, const std::string& text) {
  run.Tokens.Clear();
  DataTexts out;
  // every token and the space after it: at most twice the text
  out.program.Reserve(2 * text.size() + 2);
  SourceScanner scanner;
  scanner.SetText(CrLfToLf(text));
  Line line;
  while (scanner.HasMore()) {
    std::string_view token = scanner.NextTokenView();
    line.pieces.push_back({token, scanner.TokenKind()});
    if (scanner.TokenKind() != KindLineBreak) continue;
    if (!CollectLine(out, line)) return Assemble(out);
    line.pieces.clear();
  }
  line.last = true;
  CollectLine(out, line);
  return Assemble(out);
}

std::string StripDataSections(RunState& run, const std::string& text) {
  if (ContainsNoCase(text, "includebinary")) {
    TokenizeText(run.Tokens, text);
    CollectBinaries(run);
  }
  run.Tokens.Clear();

  std::string result;
  result.reserve(text.size());
  bool inSection = false;
  for (std::string_view line : SplitLines(text)) {
    std::string_view trimmed = TrimSpacesView(line);
    switch (ClassifySectionLine(trimmed)) {
      case SectionLine::Opens: inSection = true; continue;
      case SectionLine::Closes: inSection = false; continue;
      case SectionLine::Plain: break;
    }
    if (trimmed.empty() || inSection) continue;
    result += trimmed;
    result += '\n';
  }
  return result;
}

}  // namespace korvex::passes
