// Variables with PureBasic's initial values and scopes:
//   Define a, b.s, c.d = 1.5       ->  var a = 0, b = "", c = 1.5
//   sigma + x (never declared)     ->  "var sigma = 0" at the top of the program
//   c = 2 in Procedure numdiv(n)   ->  "var c = 0" at the top of numdiv's body
//   Static calls = 1 in Count      ->  "var KVX_Count_calls = 1" at the top of
//                                      the program, set once; the line goes
//   Global g in a procedure        ->  "var g = 0" at the top of the program
// A declaration inside a block (a loop, an If) declares without running:
// it goes to the top of its scope, and only its "= value" stays as an
// assignment where it was written. Runs right after the model is built,
// before any name or type suffix is rewritten.
#include <string>
#include <unordered_map>
#include <vector>

#include "common/text.h"
#include "model/keywords.h"
#include "model/statements.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

using model::Declared;
using model::kMainScope;
using model::StatementReader;
using model::Symbol;
using model::SymbolKind;
using Position = TokenList::Position;

// One variable declared at the top of a scope: "name = value", the value a
// text or tokens moved there from where the program wrote them.
struct TopDeclaration {
  std::string name;
  std::string value;
  bool moved = false;
  Position first, last;
  std::string structure;  // the structure's key for a structure-typed variable
};

int DepthChange(std::string_view lower) {
  if (lower == "if" || lower == "select" || lower == "for" || lower == "foreach" ||
      lower == "while" || lower == "repeat" || lower == "with")
    return 1;
  if (lower == "endif" || lower == "endselect" || lower == "next" || lower == "wend" ||
      lower == "until" || lower == "forever" || lower == "endwith")
    return -1;
  return 0;
}

// Where the items of a declaration go.
enum class Placement {
  InPlace,     // "var name = value" where it stands
  ScopeTop,    // the top of its own scope; "name = value" stays as an assignment
  ProgramTop,  // the top of the program (Global in a procedure); likewise
  StaticTop,   // the top of the program with its value; nothing stays
};

class DeclarationWalk {
 public:
  explicit DeclarationWalk(RunState& run) : run_(run), m_(run.Model), tokens_(run.Tokens) {}

  void Run() {
    StatementReader s(tokens_);
    while (s.Next())
      if (s.Size() > 0) Statement(s);
    EmitScopes();
  }

 private:
  void Statement(StatementReader& s) {
    LowerWord word = s.FirstWord();
    std::string_view lower = word;
    if (model::IsProcedureKeyword(lower)) {
      EnterProcedure(s);
      return;
    }
    if (lower == "endprocedure") {
      ReturnAtEnd(s);
      current_ = kMainScope;
      depth_ = 0;
      return;
    }
    if (lower == "procedurereturn") {
      ReturnValue(s);
      previousReturns_ = true;
      return;
    }
    previousReturns_ = false;
    depth_ += DepthChange(lower);
    if (depth_ < 0) depth_ = 0;
    if (lower == "global" || lower == "protected" || lower == "define" || lower == "static" ||
        lower == "threaded") {
      Declaration(s, lower);
      return;
    }
    if (lower == "newlist" || lower == "newmap" || lower == "dim" || lower == "redim" ||
        lower == "structure")
      return;
    DropStructureSuffixes(s, 0);
  }

  // A procedure that gives a value gives 0 (or "") when it ends without
  // ProcedureReturn, and for a ProcedureReturn without a value.
  bool ReturnsValue() const {
    const model::ProcedureInfo* p = m_.ProcedureOf(current_);
    return p != nullptr && p->returnsValue;
  }

  void ReturnAtEnd(StatementReader& s) {
    bool returned = previousReturns_;
    previousReturns_ = false;
    if (!ReturnsValue() || returned) return;
    Position end = s.Tokens()[0];
    int line = end->Line;
    tokens_.InsertAt(end, Token{"ProcedureReturn", KindWord, 0, line});
    tokens_.InsertAt(end, Token{InitialValue(m_.At(current_)), KindOther, 0, line});
    tokens_.InsertAt(end, Token{"\n", KindLineBreak, 0, line});
  }

  void ReturnValue(StatementReader& s) {
    if (s.Size() > 1 || !ReturnsValue()) return;
    Position after = std::next(s.Tokens()[0]);
    tokens_.InsertAt(after, Token{InitialValue(m_.At(current_)), KindOther, 0, s.At(0).Line});
  }

  void EnterProcedure(StatementReader& s) {
    current_ = kMainScope;
    depth_ = 0;
    for (size_t i = 1; i < s.Size(); ++i) {
      int ref = s.At(i).Ref;
      if (ref >= 0 && m_.At(ref).kind == SymbolKind::Procedure) {
        current_ = ref;
        return;
      }
    }
  }

  Placement PlacementOf(std::string_view keyword) const {
    bool inProcedure = current_ != kMainScope;
    if (inProcedure && keyword == "static") return Placement::StaticTop;
    if (inProcedure && (keyword == "global" || keyword == "threaded")) return Placement::ProgramTop;
    if (depth_ > 0) return Placement::ScopeTop;
    return Placement::InPlace;
  }

  void Declaration(StatementReader& s, std::string_view keyword) {
    // "Define.Point p" is refused by the typed-declaration check: untouched
    if (s.Is(1, ".") && s.Size() > 2 && !IsBasicLetter(s.Text(2))) return;
    Placement placement = PlacementOf(keyword);
    size_t i = s.Is(1, ".") ? 3 : 1;
    bool keepKeyword = placement == Placement::InPlace;
    while (i < s.Size()) {
      size_t end = s.NextComma(i);
      if (IsContainerItem(s, i)) keepKeyword = true;
      else Item(s, i, end, placement);
      i = end + 1;
    }
    if (keepKeyword && keyword == "static") s.At(0).Text = "var";  // Static in the main code
    if (!keepKeyword) {
      Blank(s.At(0));
      if (s.Is(1, ".")) BlankRange(s, 1, 3);
    }
  }

  static bool IsBasicLetter(std::string_view text) {
    model::Basic basic;
    return model::BasicFromLetter(text, basic);
  }

  static bool IsContainerItem(const StatementReader& s, size_t i) {
    if (i >= s.Size() || s.At(i).Kind != KindWord) return false;
    LowerWord lower(s.Text(i));
    return lower == "dim" || lower == "redim" || lower == "newlist" || lower == "newmap";
  }

  // One "name[.type] [= value]" of a declaration, s[i] to s[end].
  void Item(StatementReader& s, size_t i, size_t end, Placement placement) {
    int ref = s.At(i).Ref;
    if (ref < 0 || m_.At(ref).kind != SymbolKind::Variable) return;
    const Symbol& v = m_.At(ref);
    size_t equals = i;
    while (equals < end && !s.Is(equals, "=")) ++equals;
    bool hasValue = equals < end && equals + 1 < end;
    if (placement == Placement::InPlace) {
      // a structure-typed one gets its new object from its type suffix
      if (!hasValue && !IsStructureSuffixed(s, i)) InsertValue(s, i, end, v);
      return;
    }
    TopDeclaration d{v.jsName, InitialValue(v), false, {}, {}, StructureKey(v)};
    if (placement == Placement::StaticTop && hasValue) {
      d.moved = true;
      d.first = s.Tokens()[equals + 1];
      d.last = s.Tokens()[end - 1];
      m_.movedValues.push_back(model::MovedValue{d.first, d.last, ref});
    }
    if (placement == Placement::StaticTop || placement == Placement::ProgramTop) programTop_.push_back(d);
    else scopeTop_[current_].push_back(d);
    if (placement == Placement::StaticTop || !hasValue) {
      BlankItem(s, i, end, d.moved ? equals + 1 : end);
    } else {
      // "x.i = 5" stays "x = 5": only the suffix goes (later, with the others)
      DropStructureSuffixes(s, i);
    }
  }

  // "p.Point": a type suffix that is no basic type (a structure, known or
  // not, which the structure-typed variable rewrite makes an object).
  bool IsStructureSuffixed(const StatementReader& s, size_t i) const {
    return s.Is(i + 1, ".") && i + 2 < s.Size() && s.At(i + 2).Kind == KindWord &&
           !IsBasicLetter(s.Text(i + 2));
  }

  // name[.type]  ->  name[.type] = value, right after the item's last token
  // (before the "," or a trailing comment)
  void InsertValue(StatementReader& s, size_t i, size_t end, const Symbol& v) {
    (void)i;
    Position after = std::next(s.Tokens()[end - 1]);
    int line = s.At(end - 1).Line;
    tokens_.InsertAt(after, Token{"=", KindOther, 0, line});
    tokens_.InsertAt(after, Token{InitialValue(v), KindOther, 0, line});
  }

  // The item's tokens go (a value moved away is no longer here), and the
  // "," that joined it to the next item.
  void BlankItem(StatementReader& s, size_t i, size_t end, size_t upTo) {
    BlankRange(s, i, upTo);
    if (end < s.Size() && s.Is(end, ",")) Blank(s.At(end));
    else if (i > 0 && s.Is(i - 1, ",")) Blank(s.At(i - 1));
  }

  static void BlankRange(StatementReader& s, size_t from, size_t to) {
    for (size_t k = from; k < to && k < s.Size(); ++k) Blank(s.At(k));
  }

  // "p.Point\x = 5" where p is already a Point: the type names no new
  // object here, so its two tokens go.
  void DropStructureSuffixes(StatementReader& s, size_t from) {
    for (size_t i = from; i + 2 < s.Size(); ++i) {
      int ref = s.At(i).Ref;
      if (ref < 0 || m_.At(ref).kind != SymbolKind::Variable) continue;
      if (!IsStructureSuffixed(s, i) || m_.FindStructure(LowerAscii(s.Text(i + 2))) < 0) continue;
      Blank(s.At(i + 1));
      Blank(s.At(i + 2));
    }
  }

  static std::string StructureKey(const Symbol& v) {
    return v.type.IsStructure() ? v.type.structure.str() : std::string();
  }

  std::string InitialValue(const Symbol& v) const {
    if (v.type.pointer) return "0";
    switch (v.type.basic) {
      case model::Basic::String: return "\"\"";
      case model::Basic::Quad: return "0n";
      case model::Basic::Structure: {
        int structure = m_.FindStructure(v.type.structure);
        return structure >= 0 ? "new " + m_.At(structure).jsName + "()" : "0";
      }
      default: return "0";
    }
  }

  // ---- the declarations at the tops of the scopes ---------------------

  void EmitScopes() {
    CollectImplicit();
    std::vector<TopDeclaration> main = implicit_[kMainScope];
    main.insert(main.end(), scopeTop_[kMainScope].begin(), scopeTop_[kMainScope].end());
    main.insert(main.end(), programTop_.begin(), programTop_.end());
    EmitMain(main);
    for (const model::ProcedureInfo& p : m_.procedures) {
      if (!p.hasBody) continue;
      std::vector<TopDeclaration> locals = implicit_[p.symbol];
      auto hoisted = scopeTop_.find(p.symbol);
      if (hoisted != scopeTop_.end())
        locals.insert(locals.end(), hoisted->second.begin(), hoisted->second.end());
      if (p.bodyStart == tokens_.end()) continue;
      Emit(std::next(p.bodyStart), locals);
    }
  }

  // The main code's declarations at the top of the program, but a
  // structure-typed one right after its structure, whose class only exists
  // from there on.
  void EmitMain(const std::vector<TopDeclaration>& main) {
    std::vector<TopDeclaration> top;
    std::unordered_map<int, std::vector<TopDeclaration>> afterStructure;
    for (const TopDeclaration& d : main) {
      const model::StructureInfo* s = d.structure.empty() ? nullptr : m_.StructureOf(d.structure);
      if (s != nullptr && s->ended) afterStructure[s->symbol].push_back(d);
      else top.push_back(d);
    }
    Emit(tokens_.begin(), top);
    for (const model::StructureInfo& s : m_.structures) {
      auto found = afterStructure.find(s.symbol);
      if (found != afterStructure.end()) Emit(std::next(s.end), found->second);
    }
  }

  // Every variable that no declaration names, by its scope, in the order
  // of first use.
  void CollectImplicit() {
    for (const Symbol& v : m_.symbols)
      if (v.kind == SymbolKind::Variable && v.declared == Declared::Implicit && !v.firstUseInFor)
        implicit_[v.scope].push_back(
            TopDeclaration{v.jsName, InitialValue(v), false, {}, {}, StructureKey(v)});
  }

  // "var a = 0 , b = "" " as tokens in front of before, then a line break.
  void Emit(Position before, const std::vector<TopDeclaration>& list) {
    if (list.empty()) return;
    int line = before == tokens_.end() ? 0 : before->Line;
    std::string text = "var";
    for (size_t k = 0; k < list.size(); ++k) {
      const TopDeclaration& d = list[k];
      text += (k == 0 ? " " : " , ") + d.name + " =";
      if (!d.moved) {
        text += " " + d.value;
        continue;
      }
      tokens_.InsertAt(before, Token{text, KindOther, 0, line});
      text.clear();
      tokens_.Splice(before, d.first, d.last);
    }
    if (!text.empty()) tokens_.InsertAt(before, Token{text, KindOther, 0, line});
    tokens_.InsertAt(before, Token{"\n", KindLineBreak, 0, line});
  }

  RunState& run_;
  model::ProgramModel& m_;
  TokenList& tokens_;
  int current_ = kMainScope;
  int depth_ = 0;
  bool previousReturns_ = false;  // the statement before was a ProcedureReturn
  std::vector<TopDeclaration> programTop_;
  std::unordered_map<int, std::vector<TopDeclaration>> scopeTop_;
  std::unordered_map<int, std::vector<TopDeclaration>> implicit_;
};

}  // namespace

void DeclareVariables(RunState& run) { DeclarationWalk(run).Run(); }

}  // namespace korvex::translate
