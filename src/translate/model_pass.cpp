// The program model as two rows of the dispatcher: built from the token
// list right after the statements are split (before any name or type
// suffix is rewritten), then every name it knows written with its one
// spelling: "isprime(p)" calls "isPrime" when "Procedure isPrime" is the
// declaration, "TOTAL" is "Total" when "Define Total" came first.
#include <string>

#include "common/text.h"
#include "model/js_names.h"
#include "model/model_builder.h"
#include "translate/construct_passes.h"

namespace korvex::translate {

void BuildProgramModel(RunState& run) {
  LoadLibraryTable(run);
  model::BuildModel(run.Model, run.Tokens);
  model::AssignJsNames(run.Model);
}

namespace {

bool IsDot(const Token* t) { return t != nullptr && t->Kind == KindOther && t->Text == "."; }

// The spelling of a symbol in the emitted text; constants keep their "#"
// for the passes that still read it.
std::string WrittenName(const model::Symbol& s) {
  if (s.kind == model::SymbolKind::Constant) return "#" + s.jsName;
  return s.jsName;
}

}  // namespace

void WriteModelNames(RunState& run) {
  const model::ProgramModel& m = run.Model;
  const Token* before = nullptr;
  for (Token& t : run.Tokens) {
    if (t.Kind == KindWord) {
      if (t.Ref >= 0) {
        t.Text = WrittenName(m.At(t.Ref));
      } else if (IsDot(before)) {
        // "p.point" with "Structure Point": the type word as declared
        int structure = m.FindStructure(LowerAscii(t.Text));
        if (structure >= 0) t.Text = m.At(structure).jsName;
      }
    }
    before = &t;
  }
}

}  // namespace korvex::translate
