// Benchmark of the text passes before translation: comment and macro
// blocks, include expansion, comment and macro blocks again, data values
// and data sections, over a generated program of 50,000 lines (5,000 Data
// lines, 500 labels) and over one four times as large. Prints the time and
// throughput of each size and their ratio: linear passes take about four
// times as long for four times the text.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/run_state.h"
#include "memory_platform.h"
#include "passes/comment_blocks.h"
#include "passes/data_sections.h"
#include "passes/include_expansion.h"

namespace korvex {
namespace {

// One block of 100 lines: a data section with one label and ten Data
// lines, an include, a macro, a comment block and ordinary statements.
void AppendBlock(std::string& out, int k) {
  std::string n = std::to_string(k);
  out += "DataSection\r\n  Table" + n + ":\r\n";
  for (int i = 0; i < 10; ++i) out += "  Data.i " + n + ", -2, 3, $FF ; row\r\n";
  out += "EndDataSection\r\n";
  out += "IncludeFile \"common.pbi\"\r\n";
  out += "Macro Twice" + n + "(x)\r\n  x * 2\r\nEndMacro\r\n";
  out += "KVX_Converter_Begin_Comment\r\n  old = 1\r\nKVX_Converter_End_Comment\r\n";
  out += "Restore Table" + n + "\r\n";
  for (int i = 0; i < 79; ++i) out += "  value = value + " + std::to_string(i) + " ; step\r\n";
}

std::string GenerateProgram(int blocks) {
  std::string out = "EnableDebugger\r\n";
  for (int k = 0; k < blocks; ++k) AppendBlock(out, k);
  return out;
}

using PassFunction = std::string (*)(RunState&, const std::string&);

struct TimedPass {
  const char* name;
  PassFunction run;
};

const TimedPass kPasses[] = {
    {"StripBlocks", passes::StripBlocks},       {"ExpandIncludes", passes::ExpandIncludes},
    {"StripBlocks again", passes::StripBlocks}, {"CollectData", passes::CollectData},
    {"StripDataSections", passes::StripDataSections},
};
constexpr size_t kPassCount = sizeof(kPasses) / sizeof(kPasses[0]);

// Seconds per pass for one run over the source.
std::vector<double> RunPassesOnce(MemoryPlatform& platform, const std::string& source, size_t& outSize) {
  RunState run(platform);
  run.SourceFile = "/bench/main.pb";
  std::vector<double> seconds;
  std::string text = source;
  for (const TimedPass& pass : kPasses) {
    auto start = std::chrono::steady_clock::now();
    text = pass.run(run, text);
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  outSize = text.size();
  return seconds;
}

// The best of a few runs for each pass, to keep other work on the machine
// out of it. Returns the sum of those bests.
double Measure(int blocks) {
  MemoryPlatform platform("/bench/");
  platform.files["/bench/common.pbi"] = "shared = 1\r\n";
  std::string source = GenerateProgram(blocks);
  std::vector<double> best(kPassCount, 1e9);
  size_t outSize = 0;
  for (int i = 0; i < 5; ++i) {
    std::vector<double> seconds = RunPassesOnce(platform, source, outSize);
    for (size_t p = 0; p < kPassCount; ++p) best[p] = std::min(best[p], seconds[p]);
  }
  double total = 0;
  for (double s : best) total += s;
  std::printf("%7d lines, %9zu bytes in, %9zu bytes out: %8.1f ms, %6.1f MB/s\n", blocks * 100, source.size(),
              outSize, total * 1000.0, source.size() / total / 1e6);
  for (size_t p = 0; p < kPassCount; ++p) std::printf("    %-18s %8.1f ms\n", kPasses[p].name, best[p] * 1000.0);
  return total;
}

}  // namespace
}  // namespace korvex

int main() {
  double one = korvex::Measure(500);
  double four = korvex::Measure(2000);
  std::printf("4x the text took %.2fx the time\n", four / one);
  return 0;
}
