// pipeline_bench: converts a generated PureBasic program through the whole
// pass pipeline and prints the time and the throughput, for two sizes so
// that a pass that is not linear shows up as a ratio well above 2.
//   pipeline_bench [lines]     (default 200000)
// KORVEX_BENCH_STEPS=1 prints the time of every pass; KORVEX_BENCH_OUT=path
// writes the output of the first conversion there, to compare two builds.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "driver/pipeline.h"
#include "memory_platform.h"

namespace {

using namespace korvex;

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
  MemoryPlatform platform(std::string(KORVEX_DIST_DIR) + "/");
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
  static bool written = false;
  const char* path = std::getenv("KORVEX_BENCH_OUT");
  if (path != nullptr && !written) std::ofstream(path, std::ios::binary) << out;
  written = true;
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
