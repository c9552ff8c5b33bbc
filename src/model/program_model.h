// The program model: every procedure, variable, array, list, map, structure,
// constant and label of the program, with its scope, its type and the one
// spelling it is written with in the emitted code. Built by one walk over
// the token list at the start of statement translation (model_builder.cpp);
// every token that names one of these carries its symbol in Token::Ref.
//   "Procedure Count(n) : c = 2 : EndProcedure" gives the procedure Count
//   with the parameter n and the local c, whatever main-code c exists.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/text_map.h"
#include "common/word_shapes.h"

#include "model/types.h"
#include "scanner/token_list.h"

namespace korvex::model {

enum class SymbolKind { Variable, Array, List, Map, Procedure, Structure, Constant, Label };

/// How a variable came to be: a declaration keyword, a parameter, or its
/// first use.
enum class Declared { Implicit, Define, Global, Protected, Static, Threaded, Parameter, Container };

/// The scope of a symbol: the main code, or the procedure with that symbol.
inline constexpr int kMainScope = -1;

struct Field {
  std::string name;  // as the structure declares it
  Type type;
  SymbolKind container = SymbolKind::Variable;  // Array, List or Map for such fields
  int fixedSize = 0;                            // "a.l[10]": 10 elements
};

struct Symbol {
  SymbolKind kind = SymbolKind::Variable;
  // in TokenText's 16 bytes: a program of many procedures has symbols by
  // the hundred thousand
  TokenText name;    // as first written, with its "$" or "*"
  TokenText key;     // lower-cased name: its identity in its namespace
  TokenText jsName;  // the name in the emitted code
  Type type;           // value, element or result type
  int scope = kMainScope;
  Declared declared = Declared::Implicit;
  bool typed = false;    // a type was written where it was declared
  int dimensions = 0;    // arrays: how many sizes
  int detail = -1;       // procedures and structures: index into their tables
  bool firstUseInFor = false;  // first met as a For variable, which declares it
};

struct ProcedureInfo {
  int symbol = -1;
  std::vector<int> parameters;  // symbols, in the header's order
  TextMap<int> variables;   // key -> local or shared variable
  TextMap<int> containers;  // key -> local or shared container
  TokenList::Position header;   // the procedure keyword
  TokenList::Position bodyStart;  // the line break that ends the header line
  bool hasBody = false;         // a definition, not only a Declare
  bool returnsValue = false;    // typed, or a ProcedureReturn with a value
};

struct StructureInfo {
  int symbol = -1;
  std::string base;  // key of the structure it extends, or ""
  TokenList::Position end;  // the line break after its EndStructure
  bool ended = false;
  std::vector<Field> fields;
  TextMap<size_t> fieldIndex;  // lower-cased name -> field
};

/// A library function of the web runtime, as framework.db lists it.
struct LibraryFunction {
  std::string library;   // "String" for cString
  std::string name;      // the runtime's spelling
  Type result;
  bool returnsValue = false;
  std::vector<int> containers;  // the arguments that take a whole array, list or map

  bool TakesContainer(size_t argument) const {
    for (int c : containers)
      if (c == static_cast<int>(argument)) return true;
    return false;
  }
};

/// A first value that the declarations moved away from its statement (a
/// Static's, to the top of the program): still to be converted to its
/// variable's type.
struct MovedValue {
  TokenList::Position first, last;
  int symbol = -1;
};

/// A list or map field reached through its structure ("o\items()"), as the
/// list and map passes see it: one name ("o.items") and its element type.
struct FieldContainer {
  SymbolKind kind = SymbolKind::List;
  std::string elementStructure;  // the structure's name in the page, or ""
};

class ProgramModel {
 public:
  std::vector<Symbol> symbols;
  /// "o.items" -> the list field it names, for the list and map passes.
  TextMap<FieldContainer> fieldContainers;
  std::vector<MovedValue> movedValues;
  std::vector<ProcedureInfo> procedures;
  std::vector<StructureInfo> structures;
  /// The main code's names, and which of them are Global.
  TextMap<int> mainVariables, mainContainers;
  TextMap<int> globalVariables, globalContainers;
  TextMap<int> procedureNames, structureNames, constantNames;
  TextMap<int> labelNames;  // main-code labels
  bool libraryLoaded = false;

  void Clear();
  /// Everything but the library table, which one run reads once.
  void ClearProgram();
  int Add(Symbol symbol);
  Symbol& At(int index) { return symbols[static_cast<size_t>(index)]; }
  const Symbol& At(int index) const { return symbols[static_cast<size_t>(index)]; }

  int FindProcedure(std::string_view key) const { return Find(procedureNames, key); }
  int FindStructure(std::string_view key) const { return Find(structureNames, key); }
  int FindConstant(std::string_view key) const { return Find(constantNames, key); }
  const ProcedureInfo* ProcedureOf(int symbol) const;
  const StructureInfo* StructureOf(std::string_view key) const;
  /// The field of a structure (or of one it extends), or nullptr.
  const Field* FindField(std::string_view structureKey, std::string_view fieldKey) const;
  const LibraryFunction* FindLibrary(std::string_view key) const;
  /// Takes the library table (by lower-cased name) and notes the shapes of
  /// its names.
  void SetLibrary(TextMap<LibraryFunction> functions);
  const TextMap<LibraryFunction>& Library() const { return library_; }
  /// A word in any case that may name a library function: a test of its
  /// shape, before it is lower-cased for FindLibrary.
  bool MayNameLibrary(std::string_view word) const { return libraryShapes_.MayBe(word); }
  /// The symbol that names maps key to, or -1.
  static int Find(const TextMap<int>& names, std::string_view key);

 private:
  TextMap<LibraryFunction> library_;
  // The passes look up nearly every word of the program, and most words
  // have a shape no library name has, which a table this small, always in
  // the cache, tells without searching the table itself.
  WordShapes libraryShapes_;
};

/// A name's identity: ASCII lower-cased, "$" and "*" kept ("Total$" ->
/// "total$").
std::string NameKey(std::string_view name);

}  // namespace korvex::model
