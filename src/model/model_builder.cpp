// The model builder; see model_builder.h. Two walks over the statements:
// the first registers procedures (with their parameters) and structures
// (with their fields), the second every other name where it appears, with
// PureBasic's scope rules:
//   - in a procedure a name is a parameter, a local of its own (Protected,
//     Define, Static, Dim, or simply used), a main-code name given to it by
//     Shared, or a Global declared before it;
//   - in the main code a name is the main code's own.
#include "model/model_builder.h"

#include "common/text.h"
#include "model/keywords.h"
#include "model/statements.h"

namespace korvex::model {
namespace {

using Position = TokenList::Position;

bool IsWordToken(const Token& t) { return t.Kind == KindWord; }

// Words that earlier passes wrote into the text ("var KVX_Label_Data = 0",
// "cCommonKVX_DataArray=[...]") and converter directives: never names of
// the program.
bool IsForeignWord(std::string_view lower) {
  return StartsWith(lower, "kvx_") || StartsWith(lower, "ccommonkvx_");
}

bool IsDeclareKeyword(std::string_view lower) {
  return lower == "declare" || lower == "declarec" || lower == "declaredll" ||
         lower == "declarecdll";
}

bool IsDeclarationKeyword(std::string_view lower) {
  return lower == "global" || lower == "protected" || lower == "define" || lower == "static" ||
         lower == "threaded";
}

SymbolKind ContainerKind(std::string_view lower) {
  if (lower == "array" || lower == "dim" || lower == "redim") return SymbolKind::Array;
  if (lower == "list" || lower == "newlist") return SymbolKind::List;
  if (lower == "map" || lower == "newmap") return SymbolKind::Map;
  return SymbolKind::Variable;
}

class Builder {
 public:
  Builder(ProgramModel& model, TokenList& tokens) : model_(model), tokens_(tokens) {}

  void Run() {
    Prescan();
    Walk();
  }

 private:
  // ---- types -------------------------------------------------------------

  // A type written as "." + word at s[i]: a basic letter, or a structure
  // the program declares (any other word, a prototype or an interface, is
  // taken as an integer). Returns the tokens it takes (0 or 2).
  size_t ReadSuffix(const StatementReader& s, size_t i, Type& type) const {
    if (!s.Is(i, ".") || i + 1 >= s.Size() || !IsWordToken(s.At(i + 1))) return 0;
    Basic basic;
    std::string_view word = s.Text(i + 1);
    if (BasicFromLetter(word, basic)) {
      type.basic = basic;
    } else if (model_.FindStructure(NameKey(word)) >= 0) {
      type.basic = Basic::Structure;
      type.structure = NameKey(word);
    } else {
      type.basic = Basic::Integer;
    }
    return 2;
  }

  // The type a name's own spelling gives: "a$" a string, "*p" a pointer.
  static void ApplyDecoration(std::string_view name, Type& type, bool& typed) {
    if (!name.empty() && name.back() == '$') {
      type.basic = Basic::String;
      typed = true;
    }
    if (!name.empty() && name.front() == '*') type.pointer = true;
  }

  // ---- the first walk: procedures and structures --------------------------

  void Prescan() {
    StatementReader s(tokens_);
    int structure = -1;
    while (s.Next()) {
      if (s.Size() == 0 || !IsWordToken(s.At(0))) continue;
      LowerWord lower(s.Text(0));
      if (structure >= 0) {
        if (lower == "endstructure") {
          StructureInfo& info = model_.structures[static_cast<size_t>(model_.At(structure).detail)];
          info.end = s.End();
          info.ended = s.End() != tokens_.end();
          structure = -1;
        } else {
          AddField(s, structure);
        }
      } else if (IsProcedureKeyword(lower)) {
        RegisterProcedure(s, true);
      } else if (IsDeclareKeyword(lower)) {
        RegisterProcedure(s, false);
      } else if (lower == "structure") {
        structure = RegisterStructure(s);
      }
    }
  }

  // Procedure[.type] Name(params): the first spelling (Declare's or the
  // definition's) names it; a definition adds the parameters.
  void RegisterProcedure(StatementReader& s, bool definition) {
    Type result;
    size_t i = 1 + ReadSuffix(s, 1, result);
    if (i >= s.Size() || !IsWordToken(s.At(i))) return;
    std::string key = NameKey(s.Text(i));
    int symbol = model_.FindProcedure(key);
    if (symbol < 0) {
      Symbol p;
      p.kind = SymbolKind::Procedure;
      p.name = std::string(s.Text(i));
      p.key = key;
      p.type = result;
      p.typed = i > 1;
      p.detail = static_cast<int>(model_.procedures.size());
      symbol = model_.Add(std::move(p));
      model_.procedureNames[key] = symbol;
      ProcedureInfo info;
      info.symbol = symbol;
      info.header = s.Tokens()[0];
      info.bodyStart = s.End();
      model_.procedures.push_back(std::move(info));
    }
    s.At(i).Ref = symbol;
    if (i > 1 && !model_.At(symbol).typed) {
      model_.At(symbol).type = result;
      model_.At(symbol).typed = true;
    }
    ProcedureInfo& info = model_.procedures[static_cast<size_t>(model_.At(symbol).detail)];
    if (model_.At(symbol).typed) info.returnsValue = true;
    if (!definition || info.hasBody) return;
    info.hasBody = true;
    info.header = s.Tokens()[0];
    info.bodyStart = s.End();
    if (s.Is(i + 1, "(")) AddParameters(s, i + 2, symbol);
  }

  // [Array|List|Map] name[.type][(...)][= default], ... up to the ")".
  void AddParameters(StatementReader& s, size_t i, int procedure) {
    size_t close = s.Close(i - 1);
    while (i < close) {
      size_t end = std::min(s.NextComma(i), close);
      AddParameter(s, i, end, procedure);
      i = end + 1;
    }
  }

  void AddParameter(StatementReader& s, size_t i, size_t end, int procedure) {
    SymbolKind kind = SymbolKind::Variable;
    if (i < end && IsWordToken(s.At(i)) && i + 1 < end && IsWordToken(s.At(i + 1))) {
      kind = ContainerKind(LowerAscii(s.Text(i)));
      if (kind != SymbolKind::Variable) ++i;
    }
    if (i >= end || !IsWordToken(s.At(i))) return;
    Symbol v;
    v.kind = kind;
    v.name = std::string(s.Text(i));
    v.key = NameKey(v.name);
    v.scope = procedure;
    v.declared = Declared::Parameter;
    size_t taken = ReadSuffix(s, i + 1, v.type);
    v.typed = taken > 0;
    ApplyDecoration(v.name, v.type, v.typed);
    if (kind == SymbolKind::Array && s.Is(i + 1 + taken, "(") && i + 2 + taken < end)
      v.dimensions = std::max(1, std::atoi(std::string(s.Text(i + 2 + taken)).c_str()));
    ProcedureInfo& info = Info(procedure);
    int symbol = model_.Add(std::move(v));
    s.At(i).Ref = symbol;
    info.parameters.push_back(symbol);
    if (kind == SymbolKind::Variable) info.variables[model_.At(symbol).key] = symbol;
    else info.containers[model_.At(symbol).key] = symbol;
  }

  // Structure Name [Extends Base]
  int RegisterStructure(StatementReader& s) {
    if (s.Size() < 2 || !IsWordToken(s.At(1))) return -1;
    std::string key = NameKey(s.Text(1));
    if (model_.FindStructure(key) >= 0) return -1;  // a second one adds nothing
    Symbol st;
    st.kind = SymbolKind::Structure;
    st.name = std::string(s.Text(1));
    st.key = key;
    st.type.basic = Basic::Structure;
    st.type.structure = key;
    st.detail = static_cast<int>(model_.structures.size());
    int symbol = model_.Add(std::move(st));
    s.At(1).Ref = symbol;
    model_.structureNames[key] = symbol;
    StructureInfo info;
    info.symbol = symbol;
    if (s.IsWord(2, "extends") && s.Size() > 3) info.base = NameKey(s.Text(3));
    model_.structures.push_back(std::move(info));
    return symbol;
  }

  // A field: [Array|List|Map] [*]name[.type][[n]][(...)]
  void AddField(StatementReader& s, int structure) {
    size_t i = 0;
    if (s.Size() == 0 || !IsWordToken(s.At(0))) return;
    LowerWord lower(s.Text(0));
    if (lower == "structureunion" || lower == "endstructureunion") return;
    Field f;
    f.container = ContainerKind(lower);
    if (f.container != SymbolKind::Variable) ++i;
    if (i >= s.Size() || !IsWordToken(s.At(i))) return;
    f.name = std::string(s.Text(i));
    bool typed = ReadSuffix(s, i + 1, f.type) > 0;
    ApplyDecoration(f.name, f.type, typed);
    size_t after = i + 1 + (typed && s.Is(i + 1, ".") ? 2 : 0);
    if (s.Is(after, "[") && after + 1 < s.Size())
      f.fixedSize = std::atoi(std::string(s.Text(after + 1)).c_str());
    StructureInfo& info =
        model_.structures[static_cast<size_t>(model_.At(structure).detail)];
    std::string key = NameKey(f.name);
    if (info.fieldIndex.count(key) != 0) return;
    info.fieldIndex[key] = info.fields.size();
    info.fields.push_back(std::move(f));
  }

  // ---- the second walk: every statement in order --------------------------

  void Walk() {
    StatementReader s(tokens_);
    while (s.Next()) {
      if (s.Size() == 0) continue;
      Statement(s);
    }
  }

  void Statement(StatementReader& s) {
    LowerWord firstWord = s.FirstWord();
    std::string_view lower = firstWord;
    if (IsForeignWord(lower)) return;
    if (inBlock_ == Block::Enumeration && !lower.empty() && lower[0] == '#') {
      DefineConstant(s);
      return Uses(s, 1, s.Size());
    }
    if (inBlock_ != Block::None) {
      SkipBlock(lower);
      return;
    }
    if (IsProcedureKeyword(lower)) return EnterProcedure(s);
    if (lower == "endprocedure") {
      current_ = kMainScope;
      return;
    }
    if (IsDeclareKeyword(lower) || lower == "prototype" || lower == "prototypec") return;
    if (lower == "structure") return Open(Block::Structure);
    if (lower == "interface") return Open(Block::Interface);
    if (lower == "import" || lower == "importc") return Open(Block::Import);
    if (lower == "macro") return Open(Block::Macro);
    if (lower == "enumeration" || lower == "enumerationbinary") return Open(Block::Enumeration);
    if (IsDeclarationKeyword(lower)) return Declaration(s, std::string(lower));
    if (lower == "shared") return Shared(s);
    if (lower == "dim" || lower == "redim" || lower == "newlist" || lower == "newmap")
      return ContainerDeclaration(s, 0, std::string(lower), Declared::Container);
    if (lower == "goto" || lower == "gosub" || lower == "restore" ||
        lower == "includebinary" || lower == "includefile" || lower == "xincludefile" ||
        lower == "includepath" || lower == "debuglevel" || lower == "compilererror" ||
        lower == "compilerwarning")
      return;
    if (lower == "read") return Read(s);
    if (lower == "procedurereturn" && s.Size() > 1 && current_ != kMainScope)
      Info(current_).returnsValue = true;
    if (IsLabel(s)) return;
    if (lower == "for") ForVariable(s);
    if (!lower.empty() && lower[0] == '#' && s.Is(1, "=")) DefineConstant(s);
    Uses(s, 0, s.Size());
  }

  // Blocks whose lines declare no variables of the program.
  enum class Block { None, Structure, Interface, Import, Macro, Enumeration };

  void Open(Block block) { inBlock_ = block; }

  void SkipBlock(std::string_view lower) {
    bool ends = (inBlock_ == Block::Structure && lower == "endstructure") ||
                (inBlock_ == Block::Interface && lower == "endinterface") ||
                (inBlock_ == Block::Import && lower == "endimport") ||
                (inBlock_ == Block::Macro && lower == "endmacro") ||
                (inBlock_ == Block::Enumeration && lower == "endenumeration");
    if (ends) inBlock_ = Block::None;
  }

  void EnterProcedure(StatementReader& s) {
    Type ignored;
    size_t i = 1 + ReadSuffix(s, 1, ignored);
    current_ = kMainScope;
    if (i < s.Size() && s.At(i).Ref >= 0 &&
        model_.At(s.At(i).Ref).kind == SymbolKind::Procedure) {
      current_ = s.At(i).Ref;
      // default values may name constants
      if (s.Is(i + 1, "(")) UsesInDefaults(s, i + 2, s.Close(i + 1));
    }
  }

  // Only what follows an "=" in a header is an expression.
  void UsesInDefaults(StatementReader& s, size_t i, size_t close) {
    while (i < close) {
      size_t end = std::min(s.NextComma(i), close);
      for (size_t k = i; k < end; ++k)
        if (s.Is(k, "=")) {
          Uses(s, k + 1, end);
          break;
        }
      i = end + 1;
    }
  }

  // A statement that is one word before a ":" of the source: a label.
  bool IsLabel(StatementReader& s) const {
    return s.Size() == 1 && IsWordToken(s.At(0)) && s.End() != tokens_.end() &&
           s.End()->Spare == kColonBreak;
  }

  // #Name = value: the value's type is the constant's.
  void DefineConstant(StatementReader& s) {
    std::string key = NameKey(std::string_view(s.At(0).Text).substr(1));
    if (model_.FindConstant(key) >= 0) {
      s.At(0).Ref = model_.FindConstant(key);
      return;
    }
    Symbol c;
    c.kind = SymbolKind::Constant;
    c.name = s.At(0).Text;
    c.key = key;
    if (EndsWith(c.name, "$") || (s.Size() > 2 && s.At(2).Kind == KindString)) {
      c.type.basic = Basic::String;
    } else if (s.Size() > 2 && s.At(2).Kind == KindNumber &&
               s.At(2).Text.find_first_of(".eE") != std::string::npos &&
               s.At(2).Text[0] != '$' && s.At(2).Text[0] != '%') {
      c.type.basic = Basic::Double;
    }
    int symbol = model_.Add(std::move(c));
    model_.constantNames[key] = symbol;
    s.At(0).Ref = symbol;
  }

  // Global / Protected / Define / Static / Threaded [.type] items
  void Declaration(StatementReader& s, const std::string& keyword) {
    Declared how = keyword == "global"      ? Declared::Global
                   : keyword == "protected" ? Declared::Protected
                   : keyword == "static"    ? Declared::Static
                   : keyword == "threaded"  ? Declared::Threaded
                                            : Declared::Define;
    if (current_ == kMainScope && (how == Declared::Protected || how == Declared::Static))
      how = Declared::Define;
    if (how == Declared::Threaded) how = Declared::Global;
    Type common;
    size_t i = 1 + ReadSuffix(s, 1, common);
    bool commonTyped = i > 1;
    while (i < s.Size()) {
      size_t end = s.NextComma(i);
      DeclarationItem(s, i, end, how, common, commonTyped);
      i = end + 1;
    }
  }

  void DeclarationItem(StatementReader& s, size_t i, size_t end, Declared how,
                       const Type& common, bool commonTyped) {
    if (i >= end) return;
    std::string lower = IsWordToken(s.At(i)) ? LowerAscii(s.Text(i)) : "";
    if (lower == "dim" || lower == "redim" || lower == "newlist" || lower == "newmap") {
      ContainerDeclaration(s, i, lower, how);
      return;
    }
    if (!IsWordToken(s.At(i))) return Uses(s, i, end);
    Type type = common;
    bool typed = commonTyped;
    size_t taken = ReadSuffix(s, i + 1, type);
    if (taken > 0) typed = true;
    ApplyDecoration(s.Text(i), type, typed);
    s.At(i).Ref = Declare(s.At(i).Text, type, typed, how);
    Uses(s, i + 1 + taken, end);
  }

  // A declared variable in the scope its keyword gives.
  int Declare(const std::string& name, const Type& type, bool typed, Declared how) {
    std::string key = NameKey(name);
    if (how == Declared::Global) {
      int symbol = ProgramModel::Find(model_.mainVariables, key);
      if (symbol < 0) symbol = NewVariable(name, key, type, typed, kMainScope, how);
      Refine(symbol, type, typed);
      model_.At(symbol).declared = how;
      model_.globalVariables[key] = symbol;
      if (current_ != kMainScope) Info(current_).variables[key] = symbol;
      return symbol;
    }
    auto& names = current_ == kMainScope ? model_.mainVariables : Info(current_).variables;
    int symbol = ProgramModel::Find(names, key);
    if (symbol >= 0 && model_.At(symbol).scope == current_ &&
        model_.At(symbol).declared != Declared::Parameter) {
      Refine(symbol, type, typed);
      if (model_.At(symbol).declared == Declared::Implicit) model_.At(symbol).declared = how;
      return symbol;
    }
    if (symbol >= 0 && model_.At(symbol).declared == Declared::Parameter) return symbol;
    // Protected and Static shadow a global of the same name
    return NewVariable(name, key, type, typed, current_, how);
  }

  int NewVariable(std::string_view name, std::string_view key, const Type& type, bool typed,
                  int scope, Declared how) {
    Symbol v;
    v.name = name;
    v.key = key;
    v.type = type;
    v.typed = typed;
    v.scope = scope;
    v.declared = how;
    int symbol = model_.Add(std::move(v));
    if (scope == kMainScope) model_.mainVariables[std::string(key)] = symbol;
    else Info(scope).variables[std::string(key)] = symbol;
    return symbol;
  }

  // A variable first used without a type takes the one written later.
  void Refine(int symbol, const Type& type, bool typed) {
    Symbol& v = model_.At(symbol);
    if (typed && !v.typed) {
      v.type = type;
      v.typed = true;
    }
  }

  // [Global] Dim / ReDim / NewList / NewMap name[.type](...): i is the
  // keyword's index.
  void ContainerDeclaration(StatementReader& s, size_t i, const std::string& keyword,
                            Declared how) {
    SymbolKind kind = ContainerKind(keyword);
    size_t name = i + 1;
    if (name >= s.Size() || !IsWordToken(s.At(name))) return;
    Type type;
    size_t taken = ReadSuffix(s, name + 1, type);
    bool typed = taken > 0;
    ApplyDecoration(s.Text(name), type, typed);
    int symbol = keyword == "redim" ? FindContainer(NameKey(s.Text(name)))
                                    : DeclareContainer(s.At(name).Text, kind, type, typed, how);
    s.At(name).Ref = symbol;
    size_t open = name + 1 + taken;
    if (!s.Is(open, "(")) return;
    size_t close = s.Close(open);
    if (symbol >= 0 && kind == SymbolKind::Array && keyword != "redim")
      model_.At(symbol).dimensions = CountSizes(s, open, close);
    Uses(s, open + 1, close);
  }

  // "(a, b - 1)": 2
  static int CountSizes(const StatementReader& s, size_t open, size_t close) {
    int sizes = 1;
    for (size_t k = s.NextComma(open + 1); k < close; k = s.NextComma(k + 1)) ++sizes;
    return sizes;
  }

  int DeclareContainer(const std::string& name, SymbolKind kind, const Type& type, bool typed,
                       Declared how) {
    std::string key = NameKey(name);
    int existing = FindContainer(key);
    // "Dim" of an array this scope can see as its own (a parameter, a
    // Global or Shared one, one of this scope) makes it new: the same symbol.
    // A Protected one, or one only the page's shared scope reaches, is new.
    if (existing >= 0 && model_.At(existing).kind == kind && how != Declared::Protected) {
      const Symbol& e = model_.At(existing);
      bool own = e.scope == current_ ||
                 (current_ != kMainScope && ProgramModel::Find(Info(current_).containers, key) == existing) ||
                 ProgramModel::Find(model_.globalContainers, key) == existing;
      if (own) {
        Refine(existing, type, typed);
        return existing;
      }
    }
    Symbol c;
    c.kind = kind;
    c.name = name;
    c.key = key;
    c.type = type;
    c.typed = typed;
    c.declared = how == Declared::Global ? Declared::Global : Declared::Container;
    c.scope = how == Declared::Global ? kMainScope : current_;
    int symbol = model_.Add(std::move(c));
    if (how == Declared::Global) {
      model_.mainContainers[key] = symbol;
      model_.globalContainers[key] = symbol;
      if (current_ != kMainScope) Info(current_).containers[key] = symbol;
    } else if (current_ == kMainScope) {
      model_.mainContainers[key] = symbol;
    } else {
      Info(current_).containers[key] = symbol;
    }
    return symbol;
  }

  // Shared a, b$, c(): the procedure uses the main code's own.
  void Shared(StatementReader& s) {
    if (current_ == kMainScope) return;
    for (size_t i = 1; i < s.Size(); i = s.NextComma(i) + 1) {
      if (!IsWordToken(s.At(i))) continue;
      std::string key = NameKey(s.Text(i));
      if (s.Is(i + 1, "(")) {
        int symbol = ProgramModel::Find(model_.mainContainers, key);
        if (symbol >= 0) {
          Info(current_).containers[key] = symbol;
          s.At(i).Ref = symbol;
        }
        continue;
      }
      int symbol = ProgramModel::Find(model_.mainVariables, key);
      Type type;
      bool typed = false;
      ApplyDecoration(s.Text(i), type, typed);
      if (symbol < 0)
        symbol = NewVariable(s.At(i).Text, key, type, typed, kMainScope, Declared::Implicit);
      Info(current_).variables[key] = symbol;
      s.At(i).Ref = symbol;
    }
  }

  // Read[.type] target: a variable met here for the first time has the
  // type of the Read.
  void Read(StatementReader& s) {
    Type type;
    size_t i = 1 + ReadSuffix(s, 1, type);
    bool typed = i > 1;
    if (i < s.Size() && IsWordToken(s.At(i)) && !s.Is(i + 1, "(") && !s.Is(i + 1, "\\") &&
        !s.Is(i + 1, ".")) {
      std::string lower = LowerAscii(s.Text(i));
      if (!IsKeyword(lower) && lower[0] != '#') {
        ApplyDecoration(s.Text(i), type, typed);
        s.At(i).Ref = UseVariable(s.At(i).Text, type, typed);
        return;
      }
    }
    Uses(s, i, s.Size());
  }

  // For i = ...: a variable met here first is declared by the loop itself.
  void ForVariable(StatementReader& s) {
    if (s.Size() < 2 || !IsWordToken(s.At(1)) || s.Is(2, "(") || s.Is(2, "\\")) return;
    size_t before = model_.symbols.size();
    Uses(s, 1, 2);
    if (s.At(1).Ref >= 0 && static_cast<size_t>(s.At(1).Ref) >= before)
      model_.At(s.At(1).Ref).firstUseInFor = true;
  }

  // Every name from s[from] to s[to]: variables, calls, elements.
  void Uses(StatementReader& s, size_t from, size_t to) {
    for (size_t i = from; i < to && i < s.Size(); ++i) {
      Token& t = s.At(i);
      if (!IsWordToken(t) || t.Ref >= 0) continue;
      if (i > 0 && (s.Is(i - 1, ".") || s.Is(i - 1, "\\") || s.Is(i - 1, "?"))) continue;
      LowerWord word(t.Text);
      std::string_view lower = word;
      if (!lower.empty() && lower[0] == '#') {
        t.Ref = model_.FindConstant(lower.substr(1));
        continue;
      }
      if (IsKeyword(lower) || IsForeignWord(lower)) continue;
      if (IsCompileTimeFunction(lower) && s.Is(i + 1, "(")) {
        // SizeOf(Point), OffsetOf(Point\x): a structure or type is named
        // there, and only a variable that exists is one
        size_t close = s.Close(i + 1);
        for (size_t k = i + 2; k < close; ++k)
          if (IsWordToken(s.At(k)) && s.At(k).Ref < 0 && !(k > 0 && s.Is(k - 1, "\\")))
            s.At(k).Ref = ExistingVariable(NameKey(s.Text(k)));
        i = close;
        continue;
      }
      if (s.Is(i + 1, "(")) {
        int container = FindContainer(lower);
        t.Ref = container >= 0 ? container : model_.FindProcedure(lower);
        continue;
      }
      Type type;
      size_t taken = ReadSuffix(s, i + 1, type);
      bool typed = taken > 0;
      ApplyDecoration(t.Text, type, typed);
      t.Ref = UseVariable(t.Text, type, typed);
      i += taken;
    }
  }

  // A variable where it is used: found by the scope rules, or made where
  // it is first used.
  int UseVariable(std::string_view name, const Type& type, bool typed) {
    LowerWord lowered(name);  // the name's key
    std::string_view key = lowered;
    if (current_ == kMainScope) {
      int symbol = ProgramModel::Find(model_.mainVariables, key);
      if (symbol < 0) return NewVariable(name, key, type, typed, kMainScope, Declared::Implicit);
      Refine(symbol, type, typed);
      return symbol;
    }
    int symbol = ProgramModel::Find(Info(current_).variables, key);
    if (symbol < 0) symbol = ProgramModel::Find(model_.globalVariables, key);
    if (symbol < 0) return NewVariable(name, key, type, typed, current_, Declared::Implicit);
    Refine(symbol, type, typed);
    return symbol;
  }

  // A variable that the scope rules find, or -1: nothing is made.
  int ExistingVariable(std::string_view key) {
    if (current_ != kMainScope) {
      int symbol = ProgramModel::Find(Info(current_).variables, key);
      if (symbol >= 0) return symbol;
      symbol = ProgramModel::Find(model_.globalVariables, key);
      if (symbol >= 0) return symbol;
      return -1;
    }
    return ProgramModel::Find(model_.mainVariables, key);
  }

  static bool IsCompileTimeFunction(std::string_view lower) {
    return lower == "sizeof" || lower == "offsetof" || lower == "typeof" || lower == "defined";
  }

  // An array, list or map by the scope rules; a procedure may also reach
  // one of the main code's (the page runs them in one scope).
  int FindContainer(std::string_view key) {
    if (current_ != kMainScope) {
      int symbol = ProgramModel::Find(Info(current_).containers, key);
      if (symbol >= 0) return symbol;
      symbol = ProgramModel::Find(model_.globalContainers, key);
      if (symbol >= 0) return symbol;
    }
    return ProgramModel::Find(model_.mainContainers, key);
  }

  ProcedureInfo& Info(int procedure) {
    return model_.procedures[static_cast<size_t>(model_.At(procedure).detail)];
  }

  ProgramModel& model_;
  TokenList& tokens_;
  int current_ = kMainScope;
  Block inBlock_ = Block::None;
};

}  // namespace

void BuildModel(ProgramModel& model, TokenList& tokens) {
  model.ClearProgram();
  // Room for the symbols of a program of many short procedures, so that
  // they are not moved again and again as the table grows; room that is
  // not used is never touched, so it costs no memory.
  model.symbols.reserve(tokens.Size() / 8);
  model.procedures.reserve(tokens.Size() / 64);
  for (Token& t : tokens) t.Ref = -1;
  Builder(model, tokens).Run();
}

}  // namespace korvex::model
