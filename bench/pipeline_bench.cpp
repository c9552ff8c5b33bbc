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
#include <utility>

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

// The memory the process holds now and at most so far, in MB (Linux only;
// elsewhere 0).
std::pair<double, double> ResidentMegabytes() {
  double now = 0, peak = 0;
#ifdef __linux__
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) now = std::atof(line.c_str() + 6) / 1024;
    if (line.rfind("VmHWM:", 0) == 0) peak = std::atof(line.c_str() + 6) / 1024;
  }
#endif
  return {now, peak};
}

// Each step is timed on its own, so that a slow pass shows by name. The
// source is handed over as the converter's start hands over the file's
// text, so that the memory figure counts it once.
double Convert(std::string source, size_t* outBytes, bool perStep) {
  MemoryPlatform platform(std::string(KORVEX_DIST_DIR) + "/");
  RunState run(platform);
  run.ProgramDir = std::string(KORVEX_DIST_DIR) + "/";
  std::vector<driver::PassStep> steps = driver::StandardPasses();
  for (driver::PassStep& step : steps) {
    if (std::string(step.Name) == "profile selection")
      step.Run = [](RunState&, std::string text) { return text; };
    if (!perStep) continue;
    auto inner = step.Run;
    const char* name = step.Name;
    step.Run = [inner, name](RunState& r, std::string text) {
      auto t0 = std::chrono::steady_clock::now();
      std::string out = inner(r, std::move(text));
      std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
      auto [now, peak] = ResidentMegabytes();
      std::printf("  %-46s %8.3f s %7.0f MB held, %7.0f MB at most\n", name, d.count(), now, peak);
      return out;
    };
  }
  auto start = std::chrono::steady_clock::now();
  std::string out = driver::RunPasses(run, std::move(source), steps);
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
    const double inBytes = static_cast<double>(source.size());
    size_t outBytes = 0;
    double seconds = Convert(std::move(source), &outBytes, std::getenv("KORVEX_BENCH_STEPS") != nullptr);
    std::printf("%d lines, %.0f bytes in, %zu bytes out: %.3f s, %.1f MB/s\n", lines * factor,
                inBytes, outBytes, seconds, inBytes / seconds / 1e6);
    // the process's peak so far: after the first size, that conversion's own
    double peak = ResidentMegabytes().second;
    if (peak > 0)
      std::printf("peak memory %.0f MB, %.1f bytes per input byte\n", peak,
                  peak * 1024 * 1024 / inBytes);
    if (previous > 0) std::printf("time ratio for twice the size: %.2f\n", seconds / previous);
    previous = seconds;
  }
  return 0;
}
