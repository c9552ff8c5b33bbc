// Lookups of the program model; see program_model.h.
#include "model/program_model.h"

#include "common/text.h"

namespace korvex::model {

std::string NameKey(std::string_view name) { return LowerAscii(name); }

void ProgramModel::Clear() { *this = ProgramModel(); }

void ProgramModel::ClearProgram() {
  auto kept = std::move(library_);
  bool loaded = libraryLoaded;
  WordShapes shapes = libraryShapes_;
  Clear();
  library_ = std::move(kept);
  libraryLoaded = loaded;
  libraryShapes_ = shapes;
}

void ProgramModel::SetLibrary(TextMap<LibraryFunction> functions) {
  library_ = std::move(functions);
  libraryShapes_ = WordShapes();
  for (const auto& entry : library_) libraryShapes_.Add(entry.first);
}

int ProgramModel::Add(Symbol symbol) {
  symbols.push_back(std::move(symbol));
  return static_cast<int>(symbols.size() - 1);
}

int ProgramModel::Find(const TextMap<int>& names, std::string_view key) {
  auto found = names.find(key);
  return found == names.end() ? -1 : found->second;
}

const ProcedureInfo* ProgramModel::ProcedureOf(int symbol) const {
  if (symbol < 0 || At(symbol).kind != SymbolKind::Procedure || At(symbol).detail < 0) return nullptr;
  return &procedures[static_cast<size_t>(At(symbol).detail)];
}

const StructureInfo* ProgramModel::StructureOf(std::string_view key) const {
  int symbol = FindStructure(key);
  if (symbol < 0 || At(symbol).detail < 0) return nullptr;
  return &structures[static_cast<size_t>(At(symbol).detail)];
}

const Field* ProgramModel::FindField(std::string_view structureKey, std::string_view fieldKey) const {
  // A structure that extends another one has the base's fields first; the
  // depth bound keeps a structure that extends itself from looping.
  std::string key(structureKey);
  for (int depth = 0; depth < 64; ++depth) {
    const StructureInfo* info = StructureOf(key);
    if (info == nullptr) return nullptr;
    auto found = info->fieldIndex.find(fieldKey);
    if (found != info->fieldIndex.end()) return &info->fields[found->second];
    if (info->base.empty()) return nullptr;
    key = info->base;
  }
  return nullptr;
}

const LibraryFunction* ProgramModel::FindLibrary(std::string_view key) const {
  if (!libraryShapes_.MayBe(key)) return nullptr;
  auto found = library_.find(key);
  return found == library_.end() ? nullptr : &found->second;
}

}  // namespace korvex::model
