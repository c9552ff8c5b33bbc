// Compiler constants; see compiler_constants.h.
#include "passes/compiler_constants.h"

#include <cstdint>

#include "common/text.h"

namespace korvex::passes {
namespace {

// The README's table of compiler constants lists these values.
struct NamedValue {
  const char* name;
  int64_t value;
};

constexpr NamedValue kCompilerNumbers[] = {
    {"pb_os_windows", 1},        {"pb_os_linux", 2},          {"pb_os_amigaos", 3},
    {"pb_os_macos", 4},          {"pb_os_web", 5},            {"pb_compiler_os", 5},
    {"pb_processor_x86", 1},     {"pb_processor_x64", 2},     {"pb_processor_powerpc", 3},
    {"pb_processor_mc68000", 4}, {"pb_processor_arm32", 5},   {"pb_processor_arm64", 6},
    {"pb_compiler_processor", 2}, {"pb_backend_asm", 0},      {"pb_backend_c", 1},
    {"pb_compiler_backend", 1},  {"pb_compiler_version", 610}, {"pb_compiler_unicode", 1},
    {"pb_compiler_thread", 0},   {"pb_compiler_32bit", 0},    {"pb_compiler_64bit", 1},
    {"pb_compiler_optimizer", 0}, {"pb_compiler_dpiaware", 0}, {"pb_compiler_executable", 0},
    {"pb_compiler_console", 1},  {"pb_compiler_dll", 2},      {"pb_compiler_executableformat", 0},
    {"pb_compiler_ismainfile", 1}, {"pb_compiler_isincludefile", 0},
};

std::string FileName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<ConstantValue> CompilerConstant(RunState& run, const std::string& name) {
  for (const NamedValue& c : kCompilerNumbers)
    if (name == c.name) return ConstantValue::Of(c.value);
  if (name == "pb_compiler_debugger") return ConstantValue::Of(run.platform.GetEnv("PB_TOOL_Debugger") == "0" ? 0 : 1);
  if (name == "pb_compiler_file") return ConstantValue::OfString(run.SourceFile);
  if (name == "pb_compiler_filepath") return ConstantValue::OfString(FolderPart(run.SourceFile));
  if (name == "pb_compiler_filename") return ConstantValue::OfString(FileName(run.SourceFile));
  if (name == "pb_compiler_home" || name == "pb_compiler_module") return ConstantValue::OfString("");
  if (name == "pb_compiler_date") return ConstantValue::Of(run.platform.LocalTimeSeconds());
  return std::nullopt;
}

}  // namespace korvex::passes
