// Names of the emitted code; see js_names.h.
#include "model/js_names.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "common/text.h"
#include "common/text_map.h"

namespace korvex::model {
namespace {

constexpr const char* kPrefix = "KVX_";

// Words JavaScript reserves or gives a meaning of its own, and the globals
// the emitted code and the runtime rely on. Compared exactly: "New" and
// "math" are free.
const std::unordered_set<std::string_view, TextHash>& TakenNames() {
  static const std::unordered_set<std::string_view, TextHash> kTaken = {
      // reserved words and values
      "arguments", "async", "await", "break", "case", "catch", "class", "const", "continue",
      "debugger", "default", "delete", "do", "else", "enum", "eval", "export", "extends",
      "false", "finally", "for", "function", "if", "implements", "import", "in", "instanceof",
      "interface", "let", "new", "null", "package", "private", "protected", "public", "return",
      "static", "super", "switch", "this", "throw", "true", "try", "typeof", "undefined", "var",
      "void", "while", "with", "yield", "NaN", "Infinity",
      // globals of the page, the language and jQuery
      "$", "jQuery", "Math", "Array", "Object", "Number", "String", "Boolean", "JSON", "BigInt",
      "Promise", "Date", "RegExp", "Error", "TypeError", "RangeError", "Symbol", "Map", "Set",
      "WeakMap", "Function", "Reflect", "Proxy", "Intl", "globalThis", "window", "document",
      "self", "console", "location", "navigator", "history", "localStorage", "sessionStorage",
      "performance", "setTimeout", "clearTimeout", "setInterval", "clearInterval",
      "requestAnimationFrame", "queueMicrotask", "fetch", "XMLHttpRequest", "alert", "prompt",
      "confirm", "parseInt", "parseFloat", "isNaN", "isFinite", "encodeURIComponent",
      "decodeURIComponent", "escape", "unescape", "Uint8Array", "Int8Array", "Uint16Array",
      "Int16Array", "Uint32Array", "Int32Array", "Float32Array", "Float64Array",
      "BigInt64Array", "ArrayBuffer", "DataView", "TextEncoder", "TextDecoder", "Image",
      "Event", "KeyboardEvent", "atob", "btoa", "crypto", "structuredClone",
      // the runtime's own objects that are no library of framework.db
      "cCommon", "cConstants", "cCompilerDirectives", "cDebugger", "cNum",
  };
  return kTaken;
}

bool IsDecorated(const Symbol& s) {
  return !s.name.empty() && (s.name.back() == '$' || s.name.front() == '*');
}

// "a$" -> "a", "*p" -> "p"
std::string Undecorated(std::string_view name) {
  if (!name.empty() && name.front() == '*') name.remove_prefix(1);
  if (!name.empty() && name.back() == '$') name.remove_suffix(1);
  return std::string(name);
}

bool IsVariableLike(SymbolKind kind) {
  return kind == SymbolKind::Variable || kind == SymbolKind::Array || kind == SymbolKind::List ||
         kind == SymbolKind::Map;
}

class Namer {
 public:
  explicit Namer(ProgramModel& model) : model_(model) {
    owners_.reserve(model.symbols.size());  // every symbol claims a name once
    for (const auto& entry : model.Library()) runtimeClasses_.insert("c" + entry.second.library);
  }

  void Run() {
    // Procedures and structures keep their names; constants next; plain
    // variables before decorated ones, so that "a" stays "a" when "a$"
    // exists too.
    for (Symbol& s : model_.symbols)
      if (s.kind == SymbolKind::Procedure || s.kind == SymbolKind::Structure) Claim(s, s.name);
    for (Symbol& s : model_.symbols)
      if (s.kind == SymbolKind::Constant) Claim(s, Undecorated(std::string_view(s.name).substr(1)));
    for (Symbol& s : model_.symbols)
      if (IsVariableLike(s.kind) && !IsDecorated(s)) NameVariable(s);
    for (Symbol& s : model_.symbols)
      if (IsVariableLike(s.kind) && IsDecorated(s)) NameVariable(s);
    for (Symbol& s : model_.symbols)
      if (s.kind == SymbolKind::Label) s.jsName = s.name;
  }

 private:
  void NameVariable(Symbol& s) {
    if (s.declared == Declared::Static && s.scope != kMainScope) {
      Claim(s, kPrefix + model_.At(s.scope).jsName + "_" + Undecorated(s.name));
      return;
    }
    std::string wanted = Undecorated(s.name);
    auto taken = owners_.find(wanted);
    bool clash = taken != owners_.end() && !SameName(model_.At(taken->second), s);
    if (clash && !s.name.empty() && s.name.back() == '$' && s.name.front() != '*')
      wanted = s.name;  // "$" is a JavaScript name character
    else if (clash && !s.name.empty() && s.name.front() == '*')
      wanted = std::string(kPrefix) + "ptr_" + wanted;
    else if (clash)
      wanted = kPrefix + wanted;
    Claim(s, wanted);
  }

  // Two symbols that may share a name: one key, one kind of name, in
  // different scopes (a procedure's own "c" and the main code's "c").
  static bool SameName(const Symbol& a, const Symbol& b) {
    bool aVariable = a.kind == SymbolKind::Variable, bVariable = b.kind == SymbolKind::Variable;
    return a.key == b.key && IsVariableLike(a.kind) && aVariable == bVariable;
  }

  // Takes wanted for s, or the first free one of wanted with the prefix
  // and a counter.
  void Claim(Symbol& s, std::string wanted) {
    if (Hidden(wanted)) wanted = kPrefix + wanted;
    if (IsTakenByOther(wanted, s)) {
      std::string name;
      for (int n = 2; IsTakenByOther(name = wanted + "_" + std::to_string(n), s); ++n) {
      }
      wanted = std::move(name);
    }
    s.jsName = wanted;
    owners_.emplace(std::move(wanted), static_cast<int>(&s - model_.symbols.data()));
  }

  bool IsTakenByOther(const std::string& name, const Symbol& s) const {
    auto taken = owners_.find(name);
    return taken != owners_.end() && !SameName(model_.At(taken->second), s);
  }

  bool Hidden(const std::string& name) const {
    return HidesJavaScriptName(name) || runtimeClasses_.count(name) != 0;
  }

  ProgramModel& model_;
  TextMap<int> owners_;  // jsName -> first symbol with it
  TextSet runtimeClasses_;
};

}  // namespace

bool HidesJavaScriptName(std::string_view name) { return TakenNames().count(name) != 0; }

void AssignJsNames(ProgramModel& model) { Namer(model).Run(); }

}  // namespace korvex::model
