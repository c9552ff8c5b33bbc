// Compile-time functions; see compile_time.h.
#include "expressions/compile_time.h"

#include "common/text.h"

namespace korvex::expressions {
namespace {

using model::Basic;
using model::NameKey;

// PureBasic's one-field structures named after the basic types.
bool BuiltinTypeStructure(const std::string& key, Basic& basic) {
  static const struct {
    const char* name;
    Basic basic;
  } kTypes[] = {
      {"byte", Basic::Byte},       {"ascii", Basic::Ascii},     {"character", Basic::Character},
      {"word", Basic::Word},       {"unicode", Basic::Unicode}, {"long", Basic::Long},
      {"integer", Basic::Integer}, {"quad", Basic::Quad},       {"float", Basic::Float},
      {"double", Basic::Double},   {"string", Basic::String},
  };
  for (const auto& t : kTypes)
    if (key == t.name) {
      basic = t.basic;
      return true;
    }
  return false;
}

long long SizeOfBasic(Basic b) {
  switch (b) {
    case Basic::Byte: case Basic::Ascii: return 1;
    case Basic::Character: case Basic::Word: case Basic::Unicode: return 2;
    case Basic::Long: case Basic::Float: return 4;
    default: return 8;  // integers, quads, doubles, and a string's address
  }
}

long long SizeOfStructure(const model::ProgramModel& m, const std::string& key, int depth);

long long SizeOfType(const model::ProgramModel& m, const model::Type& t, int depth) {
  if (t.pointer) return 8;
  if (t.basic == Basic::Structure) return SizeOfStructure(m, t.structure, depth + 1);
  return SizeOfBasic(t.basic);
}

long long SizeOfField(const model::ProgramModel& m, const model::Field& f, int depth) {
  if (f.container != model::SymbolKind::Variable) return 8;  // the address of its container
  long long one = SizeOfType(m, f.type, depth);
  return f.fixedSize > 0 ? one * f.fixedSize : one;
}

// The bound on depth keeps a structure that contains itself from looping.
long long SizeOfStructure(const model::ProgramModel& m, const std::string& key, int depth) {
  const model::StructureInfo* s = m.StructureOf(key);
  if (s == nullptr || depth > 32) return 0;
  long long size = s->base.empty() ? 0 : SizeOfStructure(m, s->base, depth + 1);
  for (const model::Field& f : s->fields) size += SizeOfField(m, f, depth);
  return size;
}

// The offset of a field, the fields of a base structure coming first; -1
// when the structure has no such field.
long long OffsetOf(const model::ProgramModel& m, const std::string& key, const std::string& field,
                   int depth) {
  const model::StructureInfo* s = m.StructureOf(key);
  if (s == nullptr || depth > 32) return -1;
  long long offset = 0;
  if (!s->base.empty()) {
    long long inBase = OffsetOf(m, s->base, field, depth + 1);
    if (inBase >= 0) return inBase;
    offset = SizeOfStructure(m, s->base, depth + 1);
  }
  for (const model::Field& f : s->fields) {
    if (NameKey(f.name) == field) return offset;
    offset += SizeOfField(m, f, depth);
  }
  return -1;
}

const char* TypeConstant(const model::Type& t, model::SymbolKind container) {
  if (container == model::SymbolKind::Array) return "cConstants.PB_Array";
  if (container == model::SymbolKind::List) return "cConstants.PB_List";
  if (container == model::SymbolKind::Map) return "cConstants.PB_Map";
  if (t.pointer) return "cConstants.PB_Integer";
  switch (t.basic) {
    case Basic::Byte: return "cConstants.PB_Byte";
    case Basic::Ascii: return "cConstants.PB_Ascii";
    case Basic::Character: return "cConstants.PB_Character";
    case Basic::Word: return "cConstants.PB_Word";
    case Basic::Unicode: return "cConstants.PB_Unicode";
    case Basic::Long: return "cConstants.PB_Long";
    case Basic::Quad: return "cConstants.PB_Quad";
    case Basic::Float: return "cConstants.PB_Float";
    case Basic::Double: return "cConstants.PB_Double";
    case Basic::String: return "cConstants.PB_String";
    case Basic::Structure: return "cConstants.PB_Structure";
    default: return "cConstants.PB_Integer";
  }
}

// The one argument of SizeOf, TypeOf or OffsetOf: its lower-cased name,
// and for "S\field" the field's.
bool ArgumentNames(const Tree& tree, int node, std::string& name, std::string& field, int& symbol) {
  const Node& call = tree[node];
  if (call.args.size() != 1) return false;
  const Node* arg = &tree[call.args[0]];
  if (arg->kind == NodeKind::Field) {
    field = NameKey(arg->op->Text);
    arg = &tree[arg->left];
  }
  if (arg->kind != NodeKind::Variable) return false;
  name = NameKey(arg->first->Text);
  symbol = arg->symbol;
  return true;
}

std::string SizeOfValue(const model::ProgramModel& m, const Tree& tree, int node) {
  std::string name, field;
  int symbol = -1;
  if (!ArgumentNames(tree, node, name, field, symbol)) return "";
  Basic basic;
  if (!field.empty()) {
    const model::Field* f = m.FindField(name, field);
    return f == nullptr ? "" : std::to_string(SizeOfField(m, *f, 0));
  }
  if (m.FindStructure(name) >= 0) return std::to_string(SizeOfStructure(m, name, 0));
  if (BuiltinTypeStructure(name, basic)) return std::to_string(SizeOfBasic(basic));
  if (symbol >= 0) return std::to_string(SizeOfType(m, m.At(symbol).type, 0));
  return "";
}

std::string TypeOfValue(const model::ProgramModel& m, const Tree& tree, int node) {
  std::string name, field;
  int symbol = -1;
  if (!ArgumentNames(tree, node, name, field, symbol)) return "";
  if (!field.empty()) {
    const model::Field* f = m.FindField(name, field);
    return f == nullptr ? "" : TypeConstant(f->type, f->container);
  }
  if (symbol >= 0) return TypeConstant(m.At(symbol).type, m.At(symbol).kind);
  if (m.FindStructure(name) >= 0) return "cConstants.PB_Structure";
  return "";
}

// Defined(Name, #PB_Constant | Variable | Array | List | Map | Structure |
// Procedure | Function): whether the program (or the runtime) has it.
std::string DefinedValue(const model::ProgramModel& m, const Tree& tree, int node) {
  const Node& call = tree[node];
  if (call.args.size() != 2) return "";
  const Node& what = tree[call.args[0]];
  const Node& kind = tree[call.args[1]];
  if (kind.kind != NodeKind::Constant) return "";
  std::string name = NameKey(what.first->Text);
  if (!name.empty() && name[0] == '#') name.erase(0, 1);
  LowerWord k(kind.first->Text);
  bool found = false;
  if (k == "#pb_constant") found = m.FindConstant(name) >= 0;
  else if (k == "#pb_structure") found = m.FindStructure(name) >= 0;
  else if (k == "#pb_procedure") found = m.FindProcedure(name) >= 0;
  else if (k == "#pb_function") found = m.FindLibrary(name) != nullptr;
  else if (k == "#pb_variable") found = m.mainVariables.count(name) != 0;
  else if (k == "#pb_array" || k == "#pb_list" || k == "#pb_map") found = m.mainContainers.count(name) != 0;
  else return "";
  return found ? "1" : "0";
}

}  // namespace

bool IsCompileTimeFunction(std::string_view lower) {
  return lower == "sizeof" || lower == "offsetof" || lower == "typeof" || lower == "defined";
}

std::string CompileTimeValue(const model::ProgramModel& m, const Tree& tree, int node) {
  LowerWord lower(tree[node].first->Text);
  if (lower == "sizeof") return SizeOfValue(m, tree, node);
  if (lower == "typeof") return TypeOfValue(m, tree, node);
  if (lower == "defined") return DefinedValue(m, tree, node);
  if (lower != "offsetof") return "";
  std::string name, field;
  int symbol = -1;
  if (!ArgumentNames(tree, node, name, field, symbol) || field.empty()) return "";
  long long offset = OffsetOf(m, name, field, 0);
  return offset < 0 ? "" : std::to_string(offset);
}

std::string FieldNameOfOffset(const model::ProgramModel& m, const Tree& tree, int node) {
  const Node& n = tree[node];
  if (n.kind != NodeKind::Call || !EqualsNoCase(n.first->Text, "offsetof")) return "";
  std::string name, field;
  int symbol = -1;
  if (!ArgumentNames(tree, node, name, field, symbol) || field.empty()) return "";
  const model::Field* f = m.FindField(name, field);
  return f == nullptr ? "" : "\"" + f->name + "\"";
}

}  // namespace korvex::expressions
