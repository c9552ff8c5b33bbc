// Other programs: every start goes through StartProgram, which builds the
// command line the same way for the compiler, the sibling tools and the
// page: "\"/opt/pb/pbcompiler\"" with "/CHECK \"shop.pb\"" runs
//   "/opt/pb/pbcompiler" /CHECK "shop.pb"
// The IDE's editor text is read character by character through the editor
// control's messages and saved as a temporary source.
#include "driver/external_programs.h"

#include <limits>

#include "driver/text_files.h"

namespace korvex::driver {
namespace {

constexpr int kMessageGetLength = 2006;  // SCI_GETLENGTH
constexpr int kMessageGetCharAt = 2007;  // SCI_GETCHARAT

// The editor's bytes; positions past the end answer 0 and add nothing.
std::string ReadEditorText(RunState& run, int64_t handle) {
  int64_t length = run.platform.EditorMessage(handle, kMessageGetLength, 0, 0);
  if (length > kMaxEditorTextLength) return "";
  std::string text;
  if (length > 0) text.reserve(static_cast<size_t>(length));
  // A negative length from a stale handle makes the loop end at once.
  for (int64_t i = 0; i <= length + 1; ++i) {
    char c = static_cast<char>(run.platform.EditorMessage(handle, kMessageGetCharAt, i, 0) & 0xFF);
    if (c != '\0') text += c;
  }
  return text;
}

}  // namespace

std::string CommandLine(const std::string& program, const std::string& parameters) {
  std::string line = (!program.empty() && program[0] == '"') ? program : "\"" + program + "\"";
  if (!parameters.empty()) line += " " + parameters;
  return line;
}

std::unique_ptr<ChildProcess> StartProgram(RunState& run, const std::string& program,
                                           const std::string& parameters,
                                           const std::string& workingFolder, StartFlags flags,
                                           bool* started) {
  StartRequest request;
  request.CommandLine = CommandLine(program, parameters);
  request.WorkingFolder = workingFolder;
  request.Wait = flags.Wait;
  request.Read = flags.Read;
  std::unique_ptr<ChildProcess> child = run.platform.Start(request);
  if (started) *started = child != nullptr;
  if (child == nullptr) {
    // Not a program: a document or an address, such as the page to show.
    if (!flags.Read) run.platform.ShellOpen(program);
    return nullptr;
  }
  if (!flags.Open && !flags.Read) return nullptr;
  return child;
}

int EchoOutputUntilEnd(RunState& run, ChildProcess& child) {
  // Lines still waiting after the end are printed before the exit code is
  // taken. The platform's OutputWaiting waits briefly, so this does not spin.
  while (child.Running() || child.OutputWaiting())
    if (child.OutputWaiting()) run.PrintLine(child.ReadLine(), false);
  return child.ExitCode();
}

int SyntaxCheck(RunState& run) {
  run.PrintLine("");
  run.PrintLine("Syntaxcheck...");
  std::unique_ptr<ChildProcess> compiler =
      StartProgram(run, "\"" + run.CompilerPath + "\"", "/CHECK \"" + run.SourceFile + "\"", "",
                   StartFlags{.Wait = false, .Open = true, .Read = true});
  if (compiler == nullptr) {
    run.PrintLine("");
    run.PrintLine("Something went wrong :-(", true);
    run.PrintLine("");
    return 0;
  }
  return EchoOutputUntilEnd(run, *compiler) == 0 ? 1 : 0;
}

int64_t ParseDecimal(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  uint64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    uint64_t digit = static_cast<uint64_t>(text[i] - '0');
    if (value > (limit - digit) / 10) return negative ? std::numeric_limits<int64_t>::min()
                                                      : std::numeric_limits<int64_t>::max();
    value = value * 10 + digit;
  }
  if (!negative) return static_cast<int64_t>(value);
  // -value without overflow, also for the most negative number.
  return value == 0 ? 0 : -static_cast<int64_t>(value - 1) - 1;
}

std::string EditorTextToTempFile(RunState& run) {
  int64_t handle = ParseDecimal(run.platform.GetEnv("PB_TOOL_Scintilla"));
  if (handle == 0) return run.TempSourceFile;
  std::string text = ReadEditorText(run, handle);
  if (text.empty()) return run.TempSourceFile;
  text += "\r\n";
  std::string folder = run.platform.TempFolder();
  if (folder.empty() || folder.back() != platform::kPathSeparator) folder += platform::kPathSeparator;
  run.TempSourceFile =
      folder + "korvex_temp_" + std::to_string(run.platform.LocalTimeSeconds()) + ".pb";
  WriteTextFile(run, text, run.TempSourceFile);
  return run.TempSourceFile;
}

}  // namespace korvex::driver
