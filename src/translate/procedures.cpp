// Procedures as JavaScript functions.
// "Procedure.l Area(w, h = 10)" gives "function", "Area", "(", "w", ",", "h"
// and, in the ")" token, ") {" CR LF followed by the line
// "if (typeof h === "undefined" || h === null) h = 10;" CR LF: JavaScript has
// no default arguments of its own here, so each one is assigned in the body.
// "ProcedureReturn" gives "return", "EndProcedure" gives "}".
// Runs in the second group of the dispatcher, before the Debug statements.
#include <string>
#include <vector>

#include "common/text.h"
#include "common/word_shapes.h"
#include "translate/construct_passes.h"
#include "model/keywords.h"

namespace korvex::translate {
namespace {

struct Parameter {
  std::string name;
  std::string marker;        // the "=" after the name, if any
  std::string defaultValue;  // the literal after it, if any
};

std::string DefaultArgumentLine(const Parameter& p) {
  return "if (typeof " + p.name + " === \"undefined\" || " + p.name + " === null) " + p.name +
         " = " + p.defaultValue + ";\r\n";
}

class ProcedureWalk {
 public:
  void Visit(TokenList& tokens) {
    Token& t = tokens.Current();
    switch (t.Kind) {
      case KindWord: VisitWord(t); break;
      case KindOther: VisitOperator(tokens, t); break;
      case KindNumber:
      case KindString: VisitLiteral(t); break;
      case KindLineBreak: AbandonOpenHeader(); break;
      default: break;
    }
  }

 private:
  void VisitWord(Token& t) {
    // a word of no keyword's shape is not lower-cased
    static constexpr WordShapes kKeywords =
        WordShapes(model::kProcedureKeywords).With({"procedurereturn", "endprocedure"});
    LowerWord word(kKeywords.MayBe(t.Text) ? std::string_view(t.Text) : std::string_view());
    if (model::IsProcedureKeyword(word)) {
      t.Text = "function";
      inHeader_ = true;
    } else if (word == "procedurereturn") {
      t.Text = "return";
    } else if (word == "endprocedure") {
      t.Text = "}";
    } else if (inParams_) {
      // Every word in the parameter list is taken as a name; only those
      // that get an "=" and a literal produce code.
      parameters_.push_back(Parameter{t.Text, "", ""});
    }
  }

  void VisitOperator(TokenList& tokens, Token& t) {
    if (t.Text == "=") {
      if (!inParams_) return;
      if (!parameters_.empty()) parameters_.back().marker = t.Text;
      t.Text.clear();
    } else if (t.Text == "(") {
      if (inHeader_) inParams_ = true;
    } else if (t.Text == ")") {
      if (inHeader_) CloseHeader(t);
    } else if ((t.Text == "-" || t.Text == "+") && AwaitsDefault()) {
      // h = -1: the sign belongs to the literal that follows it.
      Token* next = tokens.PeekNext();
      if (next == nullptr || next->Kind != KindNumber) return;
      next->Text = t.Text + next->Text;
      t.Text.clear();
    }
  }

  void VisitLiteral(Token& t) {
    if (!inParams_) return;
    if (!parameters_.empty()) parameters_.back().defaultValue = t.Text;
    t.Text.clear();
  }

  // The first ")" after the keyword ends the header, even one that belongs
  // to a parenthesised default value.
  void CloseHeader(Token& t) {
    t.Text += " {\r\n";
    for (const Parameter& p : parameters_)
      if (!p.name.empty() && !p.marker.empty() && !p.defaultValue.empty())
        t.Text += DefaultArgumentLine(p);
    AbandonOpenHeader();
  }

  // A header never spans lines (continued lines are joined before this
  // pass), so a header still open at a line break has lost its ")": it
  // must not take the next ")" of the program for its own.
  void AbandonOpenHeader() {
    inHeader_ = inParams_ = false;
    parameters_.clear();
  }

  bool AwaitsDefault() const {
    return inParams_ && !parameters_.empty() && !parameters_.back().marker.empty() &&
           parameters_.back().defaultValue.empty();
  }

  bool inHeader_ = false;
  bool inParams_ = false;
  std::vector<Parameter> parameters_;
};

}  // namespace

void TranslateProcedures(RunState& run) {
  TokenList& tokens = run.Tokens;
  ProcedureWalk walk;
  tokens.Reset();
  while (tokens.Next()) walk.Visit(tokens);
}

}  // namespace korvex::translate
