// Conversion time grows with the program, not with its square: ten times
// the lines must cost far less than a hundred times the time. The bound is
// loose (30) because the machine may be busy; a pass that walks the whole
// token list once per statement goes past it at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "support/golden_files.h"

namespace korvex {
namespace {

// Lines of everyday PureBasic, 20 per round: procedures, lists, maps,
// arrays, structures, loops, Select, strings, constants and comments.
std::string GenerateProgram(int lines) {
  std::string text =
      "Structure Point\r\n  x.l\r\n  y.l\r\nEndStructure\r\n"
      "NewList items.s()\r\nNewMap ages.i()\r\nDim values.d(10)\r\n";
  for (int i = 0; i * 20 < lines; ++i) {
    std::string n = std::to_string(i);
    text += "Procedure.l Calc" + n + "(a, b = 10)\r\n";
    text += "  Protected total.l = a * b + $1F ; note " + n + "\r\n";
    text += "  If total > " + n + " And a <> b\r\n    total - 1\r\n  ElseIf total = 0\r\n";
    text += "    Debug \"zero\" + #CRLF$\r\n  EndIf\r\n";
    text += "  For k = 0 To 9 Step 2 : total + k : Next\r\n";
    text += "  Select a\r\n    Case 1 : total = 2\r\n    Default : total = 3\r\n  EndSelect\r\n";
    text += "  ProcedureReturn total\r\nEndProcedure\r\n";
    text += "AddElement(items()) : items() = \"v" + n + "\"\r\n";
    text += "ages(\"k" + n + "\") = Calc" + n + "(1)\r\n";
    text += "values(" + std::to_string(i % 10) + ") = Len(items()) / 2.5\r\n";
    text += "Define p" + n + ".Point : p" + n + "\\x = 1\r\n";
    text += "While total < 3 : total + 1 : Wend\r\n";
  }
  return text;
}

// The shortest of a few runs: the one least disturbed by other work.
double Seconds(const std::string& source, int runs) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    testing::GoldenRun result = testing::ConvertText(source);
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(result.script.empty());
    best = std::min(best, took.count());
  }
  return best;
}

TEST(Linearity, TenTimesTheLinesTakeLessThanThirtyTimesTheTime) {
  double small = Seconds(GenerateProgram(2000), 3);
  double large = Seconds(GenerateProgram(20000), 2);
  EXPECT_LT(large, 30 * small) << "2,000 lines: " << small << " s, 20,000 lines: " << large << " s";
}

}  // namespace
}  // namespace korvex
