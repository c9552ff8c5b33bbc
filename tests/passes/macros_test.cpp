// MacroTable: definitions and their expansion as text.
#include "passes/macros.h"

#include <gtest/gtest.h>

namespace korvex::passes {
namespace {

class Macros : public ::testing::Test {
 protected:
  void Define(const std::string& header, std::initializer_list<const char*> body) {
    ASSERT_TRUE(table.Begin(header));
    for (const char* line : body) table.AddLine(line);
    table.End();
  }
  std::string Expand(const std::string& text) {
    problems.clear();
    return table.Expand(text, nullptr, problems);
  }
  MacroTable table;
  std::vector<std::string> problems;
};

TEST_F(Macros, ParametersDefaultsAndBodies) {
  Define("Macro Square(x)", {"((x) * (x))"});
  Define("Macro Show(text, level = 2)", {"Debug text, level", "n + 1"});
  Define("Macro Pi", {"3.14"});
  EXPECT_EQ(Expand("y = Square(a + 1) + square(2)"), "y = ((a + 1) * (a + 1)) + ((2) * (2))");
  EXPECT_EQ(Expand("Show(\"a, b\")"), "Debug \"a, b\", 2\nn + 1");
  EXPECT_EQ(Expand("Show(x, 5)"), "Debug x, 5\nn + 1");
  EXPECT_EQ(Expand("r = Pi * 2"), "r = 3.14 * 2");
}

TEST_F(Macros, UsesThatAreNone) {
  Define("Macro Square(x)", {"x * x"});
  // a string, a comment, a constant, a longer name, a use without arguments
  EXPECT_EQ(Expand("s = \"Square(2)\" ; Square(3)"), "s = \"Square(2)\" ; Square(3)");
  EXPECT_EQ(Expand("#Square + Squared + Square"), "#Square + Squared + Square");
  EXPECT_EQ(Expand("Square(1"), "Square(1");
}

TEST_F(Macros, MacrosUseMacrosAndGlueText) {
  Define("Macro Twice(v)", {"(v + v)"});
  Define("Macro Four(v)", {"Twice(Twice(v))"});
  Define("Macro Call(kind, x)", {"kind#Case(x)"});
  EXPECT_EQ(Expand("Four(1)"), "((1 + 1) + (1 + 1))");
  EXPECT_EQ(Expand("Call(U, s$)"), "UCase(s$)");
}

TEST_F(Macros, ExpandedCountAndUndefine) {
  Define("Macro Next", {"MacroExpandedCount"});
  EXPECT_EQ(Expand("a = Next + Next"), "a = 1 + 2");
  table.Undefine("NEXT");
  EXPECT_EQ(Expand("Next"), "Next");
}

TEST_F(Macros, AMacroThatUsesItselfStops) {
  Define("Macro Loop(n)", {"Loop(n) + 1"});
  Define("Macro A", {"B"});
  Define("Macro B", {"A"});
  EXPECT_EQ(Expand("Loop(2)"), "Loop(2) + 1");
  EXPECT_EQ(problems.size(), 1u);
  EXPECT_EQ(Expand("A"), "A");
}

TEST_F(Macros, GrowthIsBounded) {
  Define("Macro M0", {"x x"});
  for (int i = 1; i < 40; ++i)
    Define("Macro M" + std::to_string(i), {("M" + std::to_string(i - 1) + " M" + std::to_string(i - 1)).c_str()});
  std::string out = Expand("M39");
  EXPECT_LT(out.size(), 4u << 20);
  EXPECT_FALSE(problems.empty());
}

TEST_F(Macros, CompilerConstantsThroughTheHook) {
  std::vector<std::string> found;
  std::string out = table.Expand("a = #PB_Compiler_OS + #Mine", [](const std::string& name) -> std::optional<std::string> {
    if (name == "pb_compiler_os") return "5";
    return std::nullopt;
  }, found);
  EXPECT_EQ(out, "a = 5 + #Mine");
}

}  // namespace
}  // namespace korvex::passes
