// Structures: each Structure ... EndStructure block becomes a JavaScript
// class made by an immediately invoked function, emitted as one token in
// place of EndStructure:
//   Structure Point / x.l / y.l / EndStructure  ->
//   var Point = (function () { LF function Point() { LF this.x = 0; LF
//   this.y = 0; LF } return Point;})();
// Every field starts as PureBasic's do: 0, "", 0n for a quad; a field typed
// by a structure declared earlier gets "= new Type"; a List, Map or Array
// field its own container. Runs in the dispatcher's first group, after
// Select and before Dim.
#include <string>
#include <unordered_set>

#include "common/text.h"
#include "common/word_shapes.h"
#include "translate/construct_passes.h"
#include "translate/header_walk.h"
#include "translate/lookahead.h"

namespace korvex::translate {
namespace {

class StructureWalk {
 public:
  explicit StructureWalk(RunState& run) : run_(run), tokens_(run.Tokens) {}

  // Always 1: every structure has a form in the page.
  int Run() {
    tokens_.Reset();
    while (tokens_.Next()) {
      Token& t = tokens_.Current();
      if (t.Kind != KindWord) continue;
      static constexpr WordShapes kBlockWords{"structure", "endstructure"};
      bool mayBeBlockWord = kBlockWords.MayBe(t.Text);
      if (mayBeBlockWord && EqualsNoCase(t.Text, "structure")) OpenStructure();
      else if (mayBeBlockWord && EqualsNoCase(t.Text, "endstructure")) CloseStructure();
      else if (inStructure_ && registry_.count(t.Text) == 0) AddField();
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

  // name.type  ->  "this.name = 0;", "= \"\"", "= 0n", "= new Type" (a
  // structure declared before this one; a later one is null), and a fixed
  // array "a.l[10]" its typed store. The name and the "." are blanked, then
  // the type token and a "[n]". A field written without a type keeps the
  // line break after it (and the next field).
  bool AddField() {
    Token& name = tokens_.Current();
    std::string fieldName = name.Text;
    std::string kind = LowerAscii(fieldName);
    if (kind == "list" || kind == "map" || kind == "array") return AddContainerField(kind);
    Blank(name);
    std::string typeName;
    Token* next = tokens_.PeekNext();
    if (next != nullptr && next->Kind != KindLineBreak && next->Kind != KindComment) {
      Blank(*next);
      tokens_.Next();
      if (tokens_.Next()) {
        Token& type = tokens_.Current();
        typeName = type.Text;
        Blank(type);
      }
      BlankFixedSize();
    }
    classText_ += "this." + fieldName + " = " + FieldValue(fieldName, typeName) + ";\n";
    return true;
  }

  // List items.s()  ->  this.items = new cLinkedList();
  // Map m.Point()   ->  this.m = new cMap(Point);
  // Array a.l(2, 3) ->  this.a = cArray.dim(null, 'l', null, 2, 3);
  // Every object of the structure gets containers of its own; the sizes of
  // an Array field are taken as written.
  bool AddContainerField(const std::string& kind) {
    Blank(tokens_.Current());
    if (!StepInHeader(tokens_)) return true;
    std::string fieldName = tokens_.Current().Text;
    Blank(tokens_.Current());
    std::string typeName, sizes;
    int depth = 0;
    while (StepInHeader(tokens_)) {
      Token& t = tokens_.Current();
      if (t.Text == "(" && depth++ == 0) {
        Blank(t);
        continue;
      }
      if (t.Text == ")" && --depth == 0) {
        Blank(t);
        continue;
      }
      if (depth > 0) sizes += t.Text;
      else if (!t.Text.empty() && t.Text != ".") typeName = t.Text;
      Blank(t);
    }
    const model::Field* f = run_.Model.FindField(LowerAscii(structName_), LowerAscii(fieldName));
    std::string structure = registry_.count(typeName) != 0 ? typeName : "";
    std::string init;
    if (kind == "list") {
      init = "new cLinkedList()";
    } else if (kind == "map") {
      init = "new cMap(" + structure + ")";
    } else {
      std::string letter = "i";
      if (f != nullptr && !f->type.pointer && f->type.basic != model::Basic::Structure)
        letter = std::string(1, static_cast<char>(f->type.basic));
      init = "cArray.dim(null, '" + (structure.empty() ? letter : std::string("S")) + "', " +
             (structure.empty() ? std::string("null") : structure) +
             (sizes.empty() ? std::string() : ", " + sizes) + ")";
    }
    classText_ += "this." + fieldName + " = " + init + ";\n";
    return true;
  }

  // "[10]" after a field's type
  void BlankFixedSize() {
    if (!PeekNextTokenIs(tokens_, "[")) return;
    while (tokens_.Next()) {
      Token& t = tokens_.Current();
      bool closes = t.Text == "]";
      Blank(t);
      if (closes || EndsHeader(tokens_.PeekNext())) return;
    }
  }

  // The field's first value, from the program model's type of it.
  // A fixed array of structures, "corner.Point[4]", holds a new object in
  // each place.
  std::string FieldValue(const std::string& fieldName, const std::string& typeName) const {
    // "tag$" has lost its "$" by now, which the model's name keeps
    std::string structure = LowerAscii(structName_), field = LowerAscii(fieldName);
    const model::Field* f = run_.Model.FindField(structure, field);
    if (f == nullptr) f = run_.Model.FindField(structure, field + "$");
    if (registry_.count(typeName) != 0) {
      if (f == nullptr || f->fixedSize <= 0) return "new " + typeName;
      return "Array.from({ length: " + std::to_string(f->fixedSize) + " }, function () { return new " +
             typeName + "; })";
    }
    if (f == nullptr) return "null";
    if (f->fixedSize > 0) return FixedStore(f->type, f->fixedSize);
    if (f->type.pointer) return "0";
    switch (f->type.basic) {
      case model::Basic::String: return "\"\"";
      case model::Basic::Quad: return "0n";
      case model::Basic::Structure: return "null";  // declared after this one
      default: return "0";
    }
  }

  static std::string FixedStore(const model::Type& t, int size) {
    std::string n = std::to_string(size);
    if (t.pointer) return "new Float64Array(" + n + ")";
    switch (t.basic) {
      case model::Basic::Byte: return "new Int8Array(" + n + ")";
      case model::Basic::Ascii: return "new Uint8Array(" + n + ")";
      case model::Basic::Word: return "new Int16Array(" + n + ")";
      case model::Basic::Unicode: case model::Basic::Character: return "new Uint16Array(" + n + ")";
      case model::Basic::Long: return "new Int32Array(" + n + ")";
      case model::Basic::Quad: return "new BigInt64Array(" + n + ")";
      case model::Basic::Float: return "new Float32Array(" + n + ")";
      case model::Basic::String: return "new Array(" + n + ").fill(\"\")";
      case model::Basic::Structure: return "new Array(" + n + ")";
      default: return "new Float64Array(" + n + ")";
    }
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
