// pipeline_bench: converts a generated PureBasic program through the whole
// pass pipeline and prints the time and the throughput, for two sizes so
// that a pass that is not linear shows up as a ratio well above 2.
//   pipeline_bench [lines]     (default 200000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/pipeline.h"
#include "platform/platform.h"

namespace {

using namespace korvex;

// A platform that answers from memory and prints nothing.
class QuietPlatform : public Platform {
 public:
  void ConsoleOpen(const std::string&) override {}
  void ConsoleWrite(const std::string&) override {}
  std::string ConsoleReadLine() override { return ""; }
  void ConsoleClose() override {}
  std::string GetEnv(const std::string&) override { return ""; }
  std::string FirstParameter() override { return ""; }
  std::string ProgramPath() override { return std::string(KORVEX_DIST_DIR) + "/Korvex"; }
  std::string CurrentFolder() override { return "/"; }
  std::string TempFolder() override { return "/tmp/"; }
  std::string AppDataFolder() override { return "/tmp"; }
  int64_t LocalTimeSeconds() override { return 0; }
  void SleepMilliseconds(int) override {}
  int64_t FileSize(const std::string&) override { return -1; }
  bool ReadFile(const std::string&, std::string&) override { return false; }
  bool WriteFile(const std::string&, std::string_view) override { return false; }
  bool MoveFile(const std::string&, const std::string&) override { return false; }
  bool DeleteFile(const std::string&) override { return false; }
  bool CopyFile(const std::string&, const std::string&) override { return false; }
  bool CreateFolder(const std::string&) override { return false; }
  bool CreatePath(const std::string&) override { return false; }
  bool ListFolder(const std::string&, std::vector<DirEntry>&) override { return false; }
  std::unique_ptr<ChildProcess> Start(const StartRequest&) override { return nullptr; }
  bool ShellOpen(const std::string&) override { return false; }
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  int64_t EditorMessage(int64_t, int, int64_t, int64_t) override { return 0; }
};

// About 200 bytes of typical PureBasic per 8 lines: declarations,
// procedures, loops, conditions, strings, constants and comments.
std::string GenerateProgram(int lines) {
  std::string text;
  text.reserve(static_cast<size_t>(lines) * 28);
  text += "Structure Point\r\n  x.l\r\n  y.l\r\nEndStructure\r\nNewList items.s()\r\n";
  for (int i = 0; i * 10 < lines; ++i) {
    std::string n = std::to_string(i);
    text += "Procedure.l Calc" + n + "(a, b = 10)\r\n";
    text += "  Protected total.l = a * b + $1F ; note " + n + "\r\n";
    text += "  If total > " + n + " And a <> b\r\n    total - 1\r\n  ElseIf total = 0\r\n";
    text += "    Debug \"zero\" + #CRLF$\r\n  EndIf\r\n";
    text += "  For k = 0 To 9 Step 2 : total + k : Next\r\n";
    text += "  ProcedureReturn total\r\nEndProcedure\r\n";
  }
  return text;
}

// Each step is timed on its own, so that a slow pass shows by name.
double Convert(const std::string& source, size_t* outBytes, bool perStep) {
  QuietPlatform platform;
  RunState run(platform);
  run.ProgramDir = std::string(KORVEX_DIST_DIR) + "/";
  std::vector<driver::PassStep> steps = driver::StandardPasses();
  for (driver::PassStep& step : steps) {
    if (std::string(step.Name) == "profile selection")
      step.Run = [](RunState&, const std::string& text) { return text; };
    if (!perStep) continue;
    auto inner = step.Run;
    const char* name = step.Name;
    step.Run = [inner, name](RunState& r, const std::string& text) {
      auto t0 = std::chrono::steady_clock::now();
      std::string out = inner(r, text);
      std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
      std::printf("  %-40s %8.3f s\n", name, d.count());
      return out;
    };
  }
  auto start = std::chrono::steady_clock::now();
  std::string out = driver::RunPasses(run, source, steps);
  auto end = std::chrono::steady_clock::now();
  *outBytes = out.size();
  return std::chrono::duration<double>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  int lines = argc > 1 ? std::atoi(argv[1]) : 200000;
  double previous = 0;
  for (int factor : {1, 2}) {
    std::string source = GenerateProgram(lines * factor);
    size_t outBytes = 0;
    double seconds = Convert(source, &outBytes, std::getenv("KORVEX_BENCH_STEPS") != nullptr);
    std::printf("%d lines, %zu bytes in, %zu bytes out: %.3f s, %.1f MB/s\n", lines * factor,
                source.size(), outBytes, seconds, source.size() / seconds / 1e6);
    if (previous > 0) std::printf("time ratio for twice the size: %.2f\n", seconds / previous);
    previous = seconds;
  }
  return 0;
}
