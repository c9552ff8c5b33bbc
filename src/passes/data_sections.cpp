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

#include "scanner/source_scanner.h"
#include "common/text.h"

namespace korvex::passes {
namespace {

using Position = TokenList::Position;

struct DataTexts {
  std::string labels;      // one "var KVX_Label_..." line per label
  std::string firstLabel;  // the initial read position
  std::string array;       // "cCommonKVX_DataArray=[" and the values
  std::string program;     // the program re-joined with single spaces
  long long index = 0;     // number of values so far
};

bool IsOther(const Token& t, std::string_view text) { return t.Kind == KindOther && t.Text == text; }

// A PureBasic label is "Name:" on a line of its own (a trailing comment
// may follow). Every other ":" separates statements and names nothing:
// "If x : y = 1 : EndIf", "f(a) : g()", "Repeat : x + 1 : Until x > 5".
bool IsLabelColon(Position colon, Position begin, Position end) {
  if (colon == begin) return false;
  Position name = std::prev(colon);
  if (name->Kind != KindWord) return false;
  if (name != begin && std::prev(name)->Kind != KindLineBreak) return false;
  Position after = std::next(colon);
  return after == end || after->Kind == KindLineBreak || after->Kind == KindComment;
}

// Name:  ->  var KVX_Label_Name = <index>
void AddLabel(DataTexts& out, const std::string& name) {
  std::string number = std::to_string(out.index);
  out.labels += "var KVX_Label_" + name + " = " + number + "\r\n";
  if (out.firstLabel.empty()) out.firstLabel = "cCommonKVX_Global_Label = KVX_Label_" + name + "\r\n";
}

// Ends a Data statement: its last value is counted and separated.
void EndValue(DataTexts& out) {
  ++out.index;
  out.array += ',';
}

// A line break ends a Data statement, and so does a trailing comment (the
// last token of its line), which then goes on to the program text.
bool EndsStatement(const Token& t) { return t.Kind == KindLineBreak || t.Kind == KindComment; }

// Data.<type> v1, v2, ...  The values' tokens are joined without spaces;
// each "," and the statement's end count one value. Returns the line break
// or comment that ends the statement, or end when the list ends first.
Position CollectStatement(DataTexts& out, Position it, Position end) {
  if (out.array.empty()) out.array = "cCommonKVX_DataArray=[";
  for (++it; it != end; ++it) {
    const Token& t = *it;
    if (EndsStatement(t)) {
      EndValue(out);
      return it;
    }
    if (IsOther(t, ",")) {
      EndValue(out);
      continue;
    }
    if (IsOther(t, ".")) {
      // the type suffix: "." and the type name are skipped, but never the
      // statement's end
      auto typeName = std::next(it);
      if (typeName != end && !EndsStatement(*typeName)) it = typeName;
      continue;
    }
    out.array += t.Text;
  }
  EndValue(out);
  return end;
}

void AppendToProgram(DataTexts& out, const Token& t) {
  if (t.Text.empty()) return;
  out.program += t.Text;
  out.program += ' ';
}

std::string Assemble(DataTexts& out) {
  if (out.array.empty()) return std::move(out.program);
  if (out.array.back() == ',') out.array.pop_back();
  out.array += ']';
  std::string result;
  result.reserve(out.labels.size() + out.firstLabel.size() + out.array.size() + out.program.size() + 6);
  result += out.labels + "\r\n" + out.firstLabel + "\r\n" + out.array + "\r\n";
  result += out.program;
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

std::string CollectData(RunState& run, const std::string& text) {
  TokenizeText(run.Tokens, text);
  DataTexts out;
  out.program.reserve(text.size() + text.size() / 4);
  Position begin = run.Tokens.begin();
  Position end = run.Tokens.end();
  for (Position it = begin; it != end; ++it) {
    if (IsOther(*it, ":") && IsLabelColon(it, begin, end)) AddLabel(out, std::prev(it)->Text);
    if (it->Kind == KindWord && EqualsNoCase(it->Text, "data")) {
      it = CollectStatement(out, it, end);
      if (it == end) break;
    }
    AppendToProgram(out, *it);
  }
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
