// No input crashes or hangs the converter: every golden input cut short at
// many byte positions, and random bytes, go through the whole pipeline.
// The sanitizer build turns any read past the end into a failure here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "support/golden_files.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> GoldenInputs() {
  std::vector<std::string> inputs;
  for (const auto& entry : fs::directory_iterator(fs::path(KORVEX_SOURCE_DIR) / "tests/programs"))
    if (fs::exists(entry.path() / "input.pb"))
      inputs.push_back(testing::ReadBytes(entry.path() / "input.pb"));
  return inputs;
}

// At most this many cut positions per input, spread over its length.
constexpr size_t kCutsPerInput = 80;  // over a hundred inputs: a few minutes under the sanitizers

TEST(Robustness, GoldenInputsCutShort) {
  for (const std::string& input : GoldenInputs()) {
    size_t step = std::max<size_t>(1, input.size() / kCutsPerInput);
    for (size_t cut = 0; cut <= input.size(); cut += step)
      testing::ConvertText(input.substr(0, cut));
  }
}

// Bytes drawn mostly from the characters PureBasic's syntax gives meaning
// to, so that unbalanced blocks and half-written statements come up often.
std::string RandomProgram(std::mt19937& rng) {
  static const std::string kWords[] = {
      "If ", "EndIf", "For ", "Next", "To ", "Step ", "While ", "Wend", "Repeat", "Until ",
      "Select ", "Case ", "Default", "EndSelect", "Procedure ", "EndProcedure", "Dim ",
      "NewList ", "NewMap ", "Structure ", "EndStructure", "Static ", "Global ", "Define",
      "Debug ", "Data.i ", "DataSection", "EndDataSection", "Restore ", "Read.s ",
      "ForEach ", "AddElement(", "Enumeration", "EndEnumeration", "#", "*", "%", "$", "@",
      "(", ")", "=", "<", ">", ",", ":", ";", ".", "\\", "\"", "'", "\n", "\r\n", " ", "\t",
      "a", "x1", "KVX_Converter_Begin_Raw", "KVX_Converter_End_Raw", "Macro ", "EndMacro",
      "IncludeFile \"", "ProcedureDLL ", "ProcedureReturn ", "&#", "&amp;", "1", "2.5e",
      "Goto ", "Gosub ", "Return", "FakeReturn", "L:", "a(", "Break 2", "Continue", "Swap ",
      "With ", "EndWith", "\\f", "CompilerIf ", "CompilerElseIf ", "CompilerElse", "CompilerEndIf",
      "CompilerSelect ", "CompilerCase ", "CompilerDefault", "CompilerEndSelect", "CompilerError ",
      "Defined(", "#PB_Compiler_OS", "UndefineMacro ", "MacroExpandedCount", "EnumerationBinary",
      " To ", "#"};
  std::uniform_int_distribution<size_t> pick(0, std::size(kWords) - 1);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 120), mode(0, 9);
  std::string text;
  int n = length(rng);
  for (int i = 0; i < n; ++i) {
    if (mode(rng) == 0) text += static_cast<char>(byte(rng));
    else text += kWords[pick(rng)];
  }
  return text;
}

// KORVEX_FUZZ_ROUNDS and KORVEX_FUZZ_SEED make a longer search than CI's:
//   KORVEX_FUZZ_ROUNDS=200000 KORVEX_FUZZ_SEED=5 korvex_tests --gtest_filter='Robustness.*'
int FuzzRounds(int usual) {
  const char* rounds = std::getenv("KORVEX_FUZZ_ROUNDS");
  return rounds != nullptr ? std::atoi(rounds) : usual;
}
unsigned FuzzSeed(unsigned usual) {
  const char* seed = std::getenv("KORVEX_FUZZ_SEED");
  return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : usual;
}

TEST(Robustness, RandomPrograms) {
  std::mt19937 rng(FuzzSeed(20261208));
  for (int i = 0, n = FuzzRounds(1500); i < n; ++i) testing::ConvertText(RandomProgram(rng));
}

// Real programs with a piece cut out, a piece repeated elsewhere, or a
// line from another program put in: blocks lose their ends and gain
// strangers.
TEST(Robustness, GoldenInputsMixedUp) {
  std::vector<std::string> inputs = GoldenInputs();
  std::mt19937 rng(FuzzSeed(42));
  for (int i = 0, n = FuzzRounds(1500); i < n; ++i) {
    std::string text = inputs[rng() % inputs.size()];
    const std::string& other = inputs[rng() % inputs.size()];
    for (int edit = 0, edits = 1 + static_cast<int>(rng() % 3); edit < edits && !text.empty(); ++edit) {
      size_t from = rng() % text.size(), length = rng() % 80;
      switch (rng() % 3) {
        case 0: text.erase(from, length); break;
        case 1: text.insert(rng() % text.size(), text.substr(from, length)); break;
        default: text.insert(from, other.substr(rng() % (other.size() + 1), length)); break;
      }
    }
    testing::ConvertText(text);
  }
}

// Names that collide in odd ways: a variable and a procedure of one name,
// Shared of names nothing else uses, Global and Static in a procedure that
// never ends, a parameter named like the procedure, a name that is a
// procedure's, a variable's and a list's at once. Whole and cut at every
// byte: the model's walks stop at the end of the token list.
TEST(Robustness, CollidingNames) {
  const std::string program =
      "Procedure total(n)\n"
      "  ProcedureReturn n + 1\n"
      "EndProcedure\n"
      "total = total(2)\n"
      "Procedure Lonely()\n"
      "  Shared neverUsed, alsoNever(), neverUsed$\n"
      "  Global late\n"
      "  late + 1\n"
      "EndProcedure\n"
      "Procedure Same(same)\n"
      "  NewList same()\n"
      "  same + Same\n"
      "EndProcedure\n"
      "Global Shared Static\n"
      "Procedure Unfinished(a)\n"
      "  a + total\n"
      "  Global g.d = 2.5\n"
      "  Static s = 1, s$\n"
      "  Shared\n"
      "  s + g : Protected";
  for (size_t cut = 0; cut <= program.size(); ++cut) testing::ConvertText(program.substr(0, cut));
  testing::GoldenRun whole = testing::ConvertText(program);
  EXPECT_NE(whole.script.find("function total(n) {"), std::string::npos) << whole.script;
  EXPECT_NE(whole.script.find("KVX_total = total(2);"), std::string::npos) << whole.script;
  EXPECT_NE(whole.script.find("late += 1;"), std::string::npos) << whole.script;
}

TEST(Robustness, BinaryAndHugeLines) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string binary;
  for (int i = 0; i < 20000; ++i) binary += static_cast<char>(byte(rng));
  testing::ConvertText(binary);
  testing::ConvertText(std::string(200000, 'a') + "\n");
  testing::ConvertText("x = " + std::string(100000, '(') + "\n");
  testing::ConvertText(std::string(50000, '\n'));
}

}  // namespace
}  // namespace korvex
