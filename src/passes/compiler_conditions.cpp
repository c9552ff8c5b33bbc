// Macros and compiler conditions; see compiler_conditions.h.
// The walk takes each line apart into its statements (at the ":" outside
// strings and comments). A line whose statements all stay as they are is
// kept as written; otherwise the kept statements are joined again with
// " : ". Statements of a branch that does not hold, macro definitions and
// the compiler directives themselves leave nothing.
#include "passes/compiler_conditions.h"

#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/problems.h"
#include "common/text.h"
#include "passes/compiler_constants.h"
#include "passes/macros.h"
#include "scanner/source_scanner.h"
#include "model/keywords.h"

namespace korvex::passes {
namespace {

bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

// The statements of a line: the pieces between the ":" that separate
// statements, outside strings, character constants and the comment (which
// stays with the last piece). "Module::Name" is no separator.
std::vector<std::string_view> SplitStatements(std::string_view line) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == ';') break;
    if (c == '"' || c == '\'') {
      size_t end = line.find(c, i + 1);
      if (end == std::string_view::npos) break;
      i = end;
    } else if (c == ':' && i + 1 < line.size() && line[i + 1] == ':') {
      ++i;
    } else if (c == ':') {
      pieces.push_back(line.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.push_back(line.substr(start));
  return pieces;
}

// A macro's body line without its comment, which would swallow the rest of
// the line that uses the macro.
std::string_view WithoutComment(std::string_view s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == ';') return s.substr(0, i);
    if (s[i] == '"' || s[i] == '\'') {
      size_t end = s.find(s[i], i + 1);
      if (end == std::string_view::npos) break;
      i = end;
    }
  }
  return s;
}

// The first name of a statement, lower-cased ("" when it starts otherwise).
std::string FirstWord(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  size_t start = i;
  while (i < s.size() && IsIdentChar(s[i])) ++i;
  if (i == start || !IsIdentStart(s[start])) return "";
  return LowerAscii(s.substr(start, i - start));
}

// The rest of a statement after its first word.
std::string_view AfterFirstWord(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  while (i < s.size() && IsIdentChar(s[i])) ++i;
  return s.substr(i);
}

std::vector<Token> TokensOf(std::string_view text) {
  TokenList list;
  TokenizeText(list, std::string(text) + "\n");
  std::vector<Token> tokens;
  for (const Token& t : list)
    if (t.Kind != KindLineBreak && t.Kind != KindComment) tokens.push_back(t);
  return tokens;
}

std::string QuotedText(const std::string& s) { return "\"" + s + "\""; }

std::string ValueText(const ConstantValue& v) {
  switch (v.kind) {
    case ConstantValue::String: return QuotedText(v.text);
    case ConstantValue::Float: return std::to_string(v.real);
    default: return std::to_string(v.integer);
  }
}

bool IsDirectiveWord(const std::string& w) {
  return w == "compilerif" || w == "compilerelseif" || w == "compilerelse" || w == "compilerendif" ||
         w == "compilerselect" || w == "compilercase" || w == "compilerdefault" ||
         w == "compilerendselect" || w == "compilererror" || w == "compilerwarning";
}

// One open CompilerIf or CompilerSelect.
struct Condition {
  bool select = false;
  int line = 0;
  bool outerActive = true;  // the code around it is converted
  bool taken = false;       // a branch of it held already
  bool active = false;      // the current branch is converted
  std::optional<ConstantValue> selector;
};

class DirectiveWalk {
 public:
  explicit DirectiveWalk(RunState& run) : run_(run) {}

  std::string Run(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    int number = 0;
    for (std::string_view line : SplitLines(text)) {
      line_ = ++number;
      std::string kept;
      if (ProcessLine(line, kept, true)) {
        result += line;
        result += '\n';
      } else if (!kept.empty()) {
        result += kept;
        result += '\n';
      }
      if (failed_) return "";
    }
    Finish();
    // a program that its conditions leave empty still converts
    return result.empty() ? "\n" : result;
  }

 private:
  bool Active() const { return conditions_.empty() || conditions_.back().active; }

  // Puts into kept what the line becomes; true when that is the line as
  // written.
  bool ProcessLine(std::string_view line, std::string& kept, bool expand) {
    bool unchanged = true;
    for (std::string_view piece : SplitStatements(line)) {
      std::string out;
      bool same = ProcessStatement(piece, out, expand);
      unchanged = unchanged && same;
      if (!same && out.empty()) continue;
      if (!kept.empty()) kept += " : ";
      kept += same ? std::string(TrimBlanks(piece)) : out;
    }
    return unchanged;
  }

  // One statement: true when it stays as written, else its replacement is
  // in out ("" when it goes).
  bool ProcessStatement(std::string_view piece, std::string& out, bool expand) {
    std::string word = FirstWord(piece);
    if (inMacro_) {
      if (word == "endmacro") {
        macros_.End();
        inMacro_ = false;
      } else {
        macros_.AddLine(TrimBlanks(WithoutComment(piece)));
      }
      return false;
    }
    if (IsDirectiveWord(word)) {
      Directive(word, AfterFirstWord(piece));
      return false;
    }
    if (!Active()) return false;
    if (word == "macro") {
      inMacro_ = macros_.Begin(piece);
      return false;
    }
    if (word == "undefinemacro") {
      macros_.Undefine(AfterFirstWord(piece));
      return false;
    }
    if (word == "endmacro") return false;
    if (model::IsProcedureKeyword(word))
      procedure_ = ProcedureName(AfterFirstWord(piece));
    else if (word == "endprocedure") procedure_.clear();
    if (!expand) return Keep(piece);
    std::string expanded = ExpandText(piece);
    if (expanded == piece) return Keep(piece);
    // An expansion is read like lines of the program: it may hold
    // directives and constants of its own. It is not expanded again.
    expanded += '\n';
    for (std::string_view line : SplitLines(expanded)) {
      std::string kept;
      ProcessLine(line, kept, false);
      if (kept.empty()) continue;
      if (!out.empty()) out += "\n";
      out += kept;
    }
    return false;
  }

  // A statement that stays: what it defines is noted for later conditions.
  bool Keep(std::string_view piece) {
    Note(TrimBlanks(piece));
    return true;
  }

  std::string ExpandText(std::string_view text) {
    std::vector<std::string> problems;
    std::string expanded = macros_.Expand(
        text, [this](const std::string& name) { return ConstantReplacement(name); }, problems);
    for (const std::string& p : problems)
      if (reported_.insert(p).second) ReportProblem(run_, line_, p);
    return expanded;
  }

  // The compiler constants go into the text as their values; the
  // Enumeration pass still needs #PB_Compiler_EnumerationValue.
  std::optional<std::string> ConstantReplacement(const std::string& name) {
    if (name == "pb_compiler_enumerationvalue") return std::nullopt;
    std::optional<ConstantValue> v = ContextConstant(name);
    if (!v) v = CompilerConstant(run_, name);
    if (!v) return std::nullopt;
    return ValueText(*v);
  }

  // The constants that depend on where they stand.
  std::optional<ConstantValue> ContextConstant(const std::string& name) const {
    if (name == "pb_compiler_procedure") return ConstantValue::OfString(procedure_);
    if (name == "pb_compiler_line") return ConstantValue::Of(line_ - 1);  // the debugger line comes first
    return std::nullopt;
  }

  static std::string ProcedureName(std::string_view rest) {
    size_t i = 0;
    if (!rest.empty() && rest[0] == '.') {  // Procedure.s Name
      ++i;
      while (i < rest.size() && IsIdentChar(rest[i])) ++i;
    }
    while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t')) ++i;
    size_t start = i;
    while (i < rest.size() && IsIdentChar(rest[i])) ++i;
    return std::string(rest.substr(start, i - start));
  }

  // --- what the program defines, for Defined() and the conditions -----

  void Note(std::string_view s) {
    if (s.empty()) return;
    if (s[0] == '#') {
      NoteConstant(s);
      return;
    }
    std::string word = FirstWord(s);
    std::string_view rest = AfterFirstWord(s);
    if (model::IsProcedureKeyword(word))
      defined_["procedure"].insert(LowerAscii(ProcedureName(rest)));
    else if (word == "structure") defined_["structure"].insert(FirstWord(rest));
    else if (word == "dim") defined_["array"].insert(FirstWord(rest));
    else if (word == "newlist") defined_["list"].insert(FirstWord(rest));
    else if (word == "newmap") defined_["map"].insert(FirstWord(rest));
    else if (word == "define" || word == "global" || word == "protected" || word == "static")
      NoteVariables(rest);
    else if (!word.empty() && TrimBlanks(rest).size() > 0 && TrimBlanks(rest)[0] == '=')
      defined_["variable"].insert(word);
    else if (!word.empty() && TrimBlanks(rest).empty())
      defined_["label"].insert(word);  // "Name:" reaches here without its ":"
  }

  void NoteVariables(std::string_view rest) {
    std::string word = FirstWord(rest);
    if (word == "dim") defined_["array"].insert(FirstWord(AfterFirstWord(rest)));
    else if (word == "newlist") defined_["list"].insert(FirstWord(AfterFirstWord(rest)));
    else if (word == "newmap") defined_["map"].insert(FirstWord(AfterFirstWord(rest)));
    else if (!word.empty()) defined_["variable"].insert(word);
    for (size_t comma = rest.find(','); comma != std::string_view::npos; comma = rest.find(',', comma + 1)) {
      std::string next = FirstWord(rest.substr(comma + 1));
      if (!next.empty()) defined_["variable"].insert(next);
    }
  }

  // #Name = expression: its value, when the constants above give one.
  void NoteConstant(std::string_view s) {
    size_t end = 1;
    while (end < s.size() && IsIdentChar(s[end])) ++end;
    if (end < s.size() && s[end] == '$') ++end;
    std::string name = LowerAscii(s.substr(1, end - 1));
    std::string rest = TrimBlanks(s.substr(end));
    if (name.empty() || rest.empty() || rest[0] != '=') return;
    defined_["constant"].insert(name);
    std::optional<ConstantValue> v = Evaluate(TokensOf(std::string_view(rest).substr(1)));
    if (v) constants_[name] = *v;
  }

  std::optional<ConstantValue> Evaluate(const std::vector<Token>& tokens) {
    ConstantLookup lookup;
    lookup.constant = [this](const std::string& name) -> std::optional<ConstantValue> {
      auto found = constants_.find(name);
      if (found != constants_.end()) return found->second;
      if (std::optional<ConstantValue> v = ContextConstant(name)) return v;
      return CompilerConstant(run_, name);
    };
    lookup.defined = [this](const std::string& name, const std::string& kind) {
      if (kind == "constant" && CompilerConstant(run_, name)) return true;
      if (kind == "macro") return macros_.Has(name);
      auto found = defined_.find(kind == "function" ? "procedure" : kind);
      return found != defined_.end() && found->second.count(name) != 0;
    };
    return EvaluateConstant(tokens, lookup);
  }

  // --- the directives -------------------------------------------------

  // The condition of a directive, with the macros expanded; a condition
  // that is no constant expression does not hold, and says so.
  bool Holds(std::string_view condition, const char* directive) {
    std::string expanded = ExpandText(condition);
    std::optional<ConstantValue> v = Evaluate(TokensOf(expanded));
    if (v) return v->Holds();
    ReportProblem(run_, line_, std::string(directive) + " " + std::string(TrimBlanks(condition)) +
                                   ": no constant condition; the branch is left out");
    return false;
  }

  std::optional<ConstantValue> Value(std::string_view expression, const char* directive) {
    std::optional<ConstantValue> v = Evaluate(TokensOf(ExpandText(expression)));
    if (!v)
      ReportProblem(run_, line_, std::string(directive) + " " + std::string(TrimBlanks(expression)) +
                                     ": no constant value; its branches are left out");
    return v;
  }

  void Directive(const std::string& word, std::string_view rest) {
    if (word == "compilerif" || word == "compilerselect") {
      Condition c;
      c.select = word == "compilerselect";
      c.line = line_;
      c.outerActive = Active();
      if (c.outerActive && !c.select) c.taken = c.active = Holds(rest, "CompilerIf");
      if (c.outerActive && c.select) c.selector = Value(rest, "CompilerSelect");
      conditions_.push_back(c);
      return;
    }
    if (word == "compilererror" || word == "compilerwarning") {
      if (Active()) Message(word == "compilererror", rest);
      return;
    }
    if (conditions_.empty() || conditions_.back().select != IsSelectWord(word)) {
      ReportProblem(run_, line_, "a compiler directive without its CompilerIf or CompilerSelect is left out");
      return;
    }
    Condition& c = conditions_.back();
    if (word == "compilerendif" || word == "compilerendselect") {
      conditions_.pop_back();
    } else if (word == "compilerelseif") {
      c.active = c.outerActive && !c.taken && Holds(rest, "CompilerElseIf");
      c.taken = c.taken || c.active;
    } else if (word == "compilercase") {
      c.active = c.outerActive && !c.taken && c.selector && MatchesCase(*c.selector, rest);
      c.taken = c.taken || c.active;
    } else {  // CompilerElse, CompilerDefault
      c.active = c.outerActive && !c.taken;
      c.taken = true;
    }
  }

  static bool IsSelectWord(const std::string& w) {
    return w == "compilercase" || w == "compilerdefault" || w == "compilerendselect";
  }

  static bool SameValue(const ConstantValue& a, const ConstantValue& b) {
    if ((a.kind == ConstantValue::String) != (b.kind == ConstantValue::String)) return false;
    if (a.kind == ConstantValue::String) return a.text == b.text;
    if (a.kind == ConstantValue::Integer && b.kind == ConstantValue::Integer) return a.integer == b.integer;
    auto real = [](const ConstantValue& v) { return v.kind == ConstantValue::Float ? v.real : static_cast<double>(v.integer); };
    return real(a) == real(b);
  }

  // CompilerCase a[, b]: one value matches.
  bool MatchesCase(const ConstantValue& selector, std::string_view values) {
    std::vector<Token> tokens = TokensOf(ExpandText(values));
    std::vector<Token> one;
    for (size_t i = 0; i <= tokens.size(); ++i) {
      if (i < tokens.size() && !(tokens[i].Kind == KindOther && tokens[i].Text == ",")) {
        one.push_back(tokens[i]);
        continue;
      }
      std::optional<ConstantValue> v = Evaluate(one);
      one.clear();
      bool same = v && SameValue(*v, selector);
      if (same) return true;
    }
    return false;
  }

  // CompilerError "text" stops the conversion, as it stops PureBasic's
  // compiler; CompilerWarning only shows its text.
  void Message(bool error, std::string_view rest) {
    std::optional<ConstantValue> v = Evaluate(TokensOf(ExpandText(rest)));
    std::string text = v && v->kind == ConstantValue::String ? v->text : std::string(TrimBlanks(rest));
    if (!error) {
      run_.PrintLine("Line " + std::to_string(line_) + ": CompilerWarning: " + text);
      return;
    }
    ReportProblem(run_, line_, "CompilerError: " + text);
    failed_ = true;
  }

  // What is still open at the end is reported; its branches were decided.
  void Finish() {
    for (const Condition& c : conditions_)
      ReportProblem(run_, c.line, c.select ? "CompilerSelect without CompilerEndSelect"
                                           : "CompilerIf without CompilerEndIf");
    if (inMacro_) ReportProblem(run_, line_, "Macro without EndMacro");
  }

  RunState& run_;
  MacroTable macros_;
  bool inMacro_ = false;
  std::vector<Condition> conditions_;
  std::unordered_map<std::string, ConstantValue> constants_;           // the program's own
  std::unordered_map<std::string, std::unordered_set<std::string>> defined_;  // kind -> names
  std::string procedure_;  // the procedure the walk is in
  std::set<std::string> reported_;
  int line_ = 0;
  bool failed_ = false;
};

}  // namespace

std::string ExpandMacrosAndConditions(RunState& run, const std::string& text) {
  // Without macros, directives and compiler constants every line stays as
  // written, and the walk would only copy the text's lines.
  if (!ContainsAnyNoCase(text, {"macro", "compiler", "pb_os_", "pb_processor_", "pb_backend_"})) {
    size_t end = text.rfind('\n');
    return end == std::string::npos ? "\n" : text.substr(0, end + 1);
  }
  return DirectiveWalk(run).Run(text);
}

}  // namespace korvex::passes
