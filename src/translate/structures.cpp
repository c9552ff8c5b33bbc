// Structures: each Structure ... EndStructure block becomes a JavaScript
// class made by an immediately invoked function, emitted as one token in
// place of EndStructure:
//   Structure Point / x.l / y.l / EndStructure  ->
//   var Point = (function () { LF function Point() { LF this.x = null; LF
//   this.y = null; LF } return Point;})();
// A field typed by a structure declared earlier gets "= new Type". Runs in
// the dispatcher's first group, after Select and before Dim; a List field
// refuses the program.
#include <string>
#include <unordered_set>

#include "common/text.h"
#include "translate/construct_passes.h"
#include "translate/lookahead.h"

namespace korvex::translate {
namespace {

class StructureWalk {
 public:
  explicit StructureWalk(RunState& run) : run_(run), tokens_(run.Tokens) {}

  // Returns 1, or 0 after reporting a List field.
  int Run() {
    tokens_.Reset();
    while (tokens_.Next()) {
      Token& t = tokens_.Current();
      if (t.Kind != KindWord) continue;
      std::string lower = LowerAscii(t.Text);
      if (lower == "structure") OpenStructure();
      else if (lower == "endstructure") CloseStructure();
      else if (inStructure_ && registry_.count(t.Text) == 0 && !AddField()) return 0;
    }
    return 1;
  }

 private:
  // Structure Name: the name is registered from here on, so only fields of
  // later structures can be typed by it.
  void OpenStructure() {
    inStructure_ = true;
    Blank(tokens_.Current());
    if (!tokens_.Next()) return;
    Token& name = tokens_.Current();
    structName_ = name.Text;
    registry_.insert(structName_);
    classText_ = "var " + structName_ + " = (function () { \nfunction " + structName_ + "() { \n";
    Blank(name);
  }

  void CloseStructure() {
    inStructure_ = false;
    Token& t = tokens_.Current();
    t.Text = classText_ + "} return " + structName_ + ";})();";
    t.Kind = KindOther;
    classText_.clear();
  }

  // name.type  ->  "this.name = null;" or "this.name = new Type;"
  // The name and the "." are blanked, then the type token. A field written
  // without a type keeps the line break after it (and the next field).
  bool AddField() {
    Token& name = tokens_.Current();
    std::string fieldName = name.Text;
    if (EqualsNoCase(fieldName, "list")) {
      ReportListField(name.Line);
      return false;
    }
    Blank(name);
    std::string fieldInit = " = null";
    Token* next = tokens_.PeekNext();
    if (next != nullptr && next->Kind != KindLineBreak && next->Kind != KindComment) {
      Blank(*next);
      tokens_.Next();
      if (tokens_.Next()) {
        Token& type = tokens_.Current();
        if (registry_.count(type.Text) != 0) fieldInit = " = new " + type.Text;
        Blank(type);
      }
    }
    classText_ += "this." + fieldName + fieldInit + ";\n";
    return true;
  }

  void ReportListField(int line) {
    run_.PrintLine("", false);
    run_.PrintLine("Line " + std::to_string(line) +
                       ": LinkedLists in Structures are not supported (yet)",
                   false);
    run_.PrintLine("", true);
  }

  RunState& run_;
  TokenList& tokens_;
  std::unordered_set<std::string> registry_;  // structures declared so far
  bool inStructure_ = false;
  std::string structName_;
  std::string classText_;
};

}  // namespace

int TranslateStructures(RunState& run) {
  return StructureWalk(run).Run();
}

}  // namespace korvex::translate
