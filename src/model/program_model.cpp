// Lookups of the program model; see program_model.h.
#include "model/program_model.h"

#include "common/text.h"

namespace korvex::model {

std::string NameKey(std::string_view name) { return LowerAscii(name); }

void ProgramModel::Clear() { *this = ProgramModel(); }

void ProgramModel::ClearProgram() {
  auto kept = std::move(library);
  bool loaded = libraryLoaded;
  auto shapes = libraryShapes_;
  bool shapesKnown = shapesKnown_;
  Clear();
  library = std::move(kept);
  libraryLoaded = loaded;
  libraryShapes_ = shapes;
  shapesKnown_ = shapesKnown;
}

void ProgramModel::SetLibrary(TextMap<LibraryFunction> functions) {
  library = std::move(functions);
  libraryShapes_.fill(0);
  for (const auto& entry : library) {
    const std::string& key = entry.first;
    if (!key.empty() && key.size() < kShapeLengths)
      libraryShapes_[key.size()] |= 1u << (static_cast<unsigned char>(key[0]) & 31u);
  }
  shapesKnown_ = true;
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
  if (!HasLibraryShape(key)) return nullptr;
  auto found = library.find(key);
  return found == library.end() ? nullptr : &found->second;
}

}  // namespace korvex::model
