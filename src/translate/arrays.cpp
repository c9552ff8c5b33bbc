// Dim and ReDim, and the array subscripts that the expression pass left.
//   Dim grid.l(rows - 1, cols - 1)  ->  var grid = cArray.dim(grid, 'l', null, rows - 1, cols - 1)
//   Dim pts.Point(9)                ->  var pts = cArray.dim(pts, 'S', Point, 9)
//   ReDim names(n + 5)              ->  cArray.redim(names, n + 5)
//   grid(i, j + 1)                  ->  grid.d[i * grid.s0 + (j + 1)]
// Every array is one cArray object of the runtime (a flat store of its
// elements, each started at 0, "" or a new structure), so "Dim" of an array
// that exists renews it in place: a caller that passed it sees the new one.
// An array of the scope that declares it gets "var"; a Global or Shared
// one, or a parameter, is the one it names. Runs in the first group of the
// dispatcher, after the structure pass and before the list and map passes.
#include <string>

#include "common/text.h"
#include "common/word_shapes.h"
#include "translate/array_access.h"
#include "translate/construct_passes.h"
#include "translate/container_parameters.h"
#include "translate/header_walk.h"
#include "model/keywords.h"

namespace korvex::translate {
namespace {

using model::Symbol;
using model::SymbolKind;

class DimWalk {
 public:
  explicit DimWalk(RunState& run) : m_(run.Model), tokens_(run.Tokens) {}

  void Run() {
    tokens_.Reset();
    while (tokens_.Next()) {
      Token& t = tokens_.Current();
      static constexpr WordShapes kKeywords =
          WordShapes(model::kProcedureKeywords).With({"function", "endprocedure", "dim", "redim"});
      if (t.Kind != KindWord || !kKeywords.MayBe(t.Text)) continue;
      LowerWord lower(t.Text);
      if (IsProcedureKeyword(lower)) EnterProcedure();
      else if (lower == "endprocedure") current_ = model::kMainScope;
      else if (lower == "dim") RewriteDim();
      else if (lower == "redim") RewriteReDim();
    }
  }

 private:
  static bool IsProcedureKeyword(std::string_view lower) {
    return model::IsProcedureKeyword(lower) || lower == "function";
  }

  void EnterProcedure() {
    current_ = model::kMainScope;
    for (TokenList::Position it = std::next(tokens_.Mark());
         it != tokens_.end() && it->Kind != KindLineBreak; ++it) {
      if (it->Ref >= 0 && m_.At(it->Ref).kind == SymbolKind::Procedure) {
        current_ = it->Ref;
        return;
      }
    }
  }

  // Steps to the array's name: the first token after Dim with a text.
  bool StepToName() {
    while (StepInHeader(tokens_))
      if (!tokens_.Current().Text.empty()) return true;
    return false;
  }

  // Dim name[.type](sizes). A statement cut short still gives a whole
  // call: the line's last token closes it.
  void RewriteDim() {
    Token& keyword = tokens_.Current();
    Blank(keyword);
    if (!StepToName()) return;
    Token& name = tokens_.Current();
    int ref = name.Ref;
    if (ref < 0 || m_.At(ref).kind != SymbolKind::Array) return;
    const Symbol& a = m_.At(ref);
    bool own = a.scope == current_ && a.declared != model::Declared::Parameter;
    std::string call = (own ? "var " : "") + name.Text + " = cArray.dim(" + name.Text + ", " +
                       TypeArguments(a) + ",";
    Blank(name);
    if (!SkipToOpen()) {
      call.back() = ')';
      tokens_.Current().Text = call;
      return;
    }
    Token& open = tokens_.Current();
    open.Text = call;
    open.Kind = KindOther;
    // "Dim a()" has no size: the call ends at once
    if (PeekNextTokenIs(tokens_, ")")) open.Text.pop_back();
    CloseIfCut();
  }

  // "Dim a(5" at the end of a line: the ")" the line lacks.
  void CloseIfCut() {
    TokenList::Position open = tokens_.Mark();
    int depth = 1;
    TokenList::Position last = open;
    for (TokenList::Position it = std::next(open); it != tokens_.end() && it->Kind != KindLineBreak &&
                                                   it->Kind != KindComment;
         ++it) {
      if (it->Text == "(") ++depth;
      else if (it->Text == ")" && --depth == 0) return;
      if (!it->Text.empty()) last = it;
    }
    if (last == open && !open->Text.empty() && open->Text.back() == ',') open->Text.pop_back();
    tokens_.ReturnTo(last);
    tokens_.Add(Token{")", KindOther, 0, last->Line});
    tokens_.ReturnTo(open);
  }

  // The blanked type suffix and anything else up to the "(".
  bool SkipToOpen() {
    while (StepInHeader(tokens_)) {
      Token& t = tokens_.Current();
      if (t.Text == "(") return true;
      Blank(t);
    }
    return false;
  }

  // "'l', null" or "'S', Point": the element type and its structure.
  std::string TypeArguments(const Symbol& a) const {
    if (a.type.pointer) return "'i', null";
    if (a.type.basic == model::Basic::Structure) {
      int structure = m_.FindStructure(a.type.structure);
      return "'S', " + (structure >= 0 ? m_.At(structure).jsName.str() : std::string("null"));
    }
    return "'" + std::string(1, static_cast<char>(a.type.basic)) + "', null";
  }

  // The next token with a text on the line after it, or end().
  TokenList::Position NextFilled(TokenList::Position it) {
    for (++it; it != tokens_.end() && it->Kind != KindLineBreak; ++it)
      if (!it->Text.empty()) return it;
    return tokens_.end();
  }

  // The ")" that closes the "(" at open, on its line; end() without one.
  TokenList::Position MatchingClose(TokenList::Position open) {
    int depth = 0;
    for (TokenList::Position it = open; it != tokens_.end() && it->Kind != KindLineBreak; ++it) {
      if (it->Text == "(") ++depth;
      else if (it->Text == ")" && --depth == 0) return it;
    }
    return tokens_.end();
  }

  // The "(" of the sizes when the array is a field reached from the name:
  // "ReDim roll(s)\marks(n)", "ReDim o\inner\items(n)"; end() for an
  // array of the program.
  TokenList::Position FieldSizes(TokenList::Position name) {
    TokenList::Position end = tokens_.end(), sizes = end;
    TokenList::Position it = NextFilled(name);
    while (it != end) {
      if (it->Text == "(") {
        TokenList::Position close = MatchingClose(it);
        if (close == end) return end;
        it = NextFilled(close);
        if (it == end || it->Text != "\\") break;
      }
      if (it->Text != "\\") break;
      TokenList::Position field = NextFilled(it);
      if (field == end || field->Kind != KindWord) return end;
      it = NextFilled(field);
      if (it != end && it->Text == "(") sizes = it;
      else if (it == end || it->Text != "\\") return end;
    }
    return sizes;
  }

  // ReDim name(a, b, last)  ->  cArray.redim(name, last)
  // ReDim roll(s)\marks(n)  ->  cArray.redim(roll(s)\marks, n): the path
  // stays for the subscript and operator passes ("roll.d[s].marks").
  void RewriteReDim() {
    Token& keyword = tokens_.Current();
    if (!StepToName()) return;
    Token& name = tokens_.Current();
    std::string arrayName = name.Text;
    TokenList::Position sizes = FieldSizes(tokens_.Mark());
    if (sizes != tokens_.end()) {
      keyword.Text = "cArray.redim(";
      keyword.Kind = KindOther;
      sizes->Text = ",";
      sizes->Kind = KindOther;
      tokens_.ReturnTo(sizes);
    } else {
      if (!SkipToOpen()) return;
      Blank(keyword);
      Blank(name);
      tokens_.Current().Text = "cArray.redim(" + arrayName + ",";
      tokens_.Current().Kind = KindOther;
    }
    // every size but the last goes
    TokenList::Position lastComma = tokens_.end();
    int depth = 0;
    for (TokenList::Position it = std::next(tokens_.Mark());
         it != tokens_.end() && it->Kind != KindLineBreak; ++it) {
      if (it->Text == "(") ++depth;
      else if (it->Text == ")" && depth-- == 0) break;
      else if (it->Text == "," && depth == 0) lastComma = it;
    }
    if (lastComma == tokens_.end()) return;
    for (TokenList::Position it = std::next(tokens_.Mark()); it != std::next(lastComma); ++it)
      Blank(*it);
  }

  const model::ProgramModel& m_;
  TokenList& tokens_;
  int current_ = model::kMainScope;
};

}  // namespace

void TranslateDim(RunState& run) {
  DimWalk(run).Run();
  // Procedure Sum(Array values(1))  ->  Procedure Sum( values ): the header
  // keeps the bare name.
  for (TokenList::Position keyword : FindContainerKeywords(run.Tokens, "array")) {
    std::string type;
    TakeContainerParameter(run.Tokens, keyword, type);
  }
  RewriteArraySubscripts(run.Tokens, run.Model);
}

}  // namespace korvex::translate
