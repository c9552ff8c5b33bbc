// Macros and compiler conditions as one walk over the program's lines.
#include "passes/compiler_conditions.h"

#include "passes/compiler_constants.h"

#include "support/pass_fixture.h"

namespace korvex::passes {
namespace {

class CompilerConditions : public testing::PassFixture {
 protected:
  std::string Resolve(const std::string& text) { return ExpandMacrosAndConditions(run, text); }
};

TEST_F(CompilerConditions, OnlyTheBranchThatHoldsStays) {
  EXPECT_EQ(Resolve("CompilerIf #PB_Compiler_OS = #PB_OS_Windows\na\nCompilerElseIf 1\nb\n"
                    "CompilerIf 0\nc\nCompilerElse\nd\nCompilerEndIf\nCompilerElse\ne\nCompilerEndIf\n"),
            "b\nd\n");
  EXPECT_EQ(Resolve("CompilerSelect 2 + 1\nCompilerCase 1, 3\na\nCompilerCase 3\nb\nCompilerDefault\nc\n"
                    "CompilerEndSelect\n"),
            "a\n");
}

TEST_F(CompilerConditions, ConstantsAboveACondition) {
  EXPECT_EQ(Resolve("#Level = 3\n#Twice = #Level * 2\nCompilerIf #Twice = 6 And Defined(Level, #PB_Constant)\nx\n"
                    "CompilerEndIf\n"),
            "#Level = 3\n#Twice = #Level * 2\nx\n");
}

TEST_F(CompilerConditions, LinesKeepTheirTextUnlessAStatementChanges) {
  EXPECT_EQ(Resolve("a  =  1 : b = \"x:y\" ; c : d\nLabel:\n"), "a  =  1 : b = \"x:y\" ; c : d\nLabel:\n");
  EXPECT_EQ(Resolve("CompilerIf 0 : a : CompilerElse : b : CompilerEndIf : c\n"), "b : c\n");
  EXPECT_EQ(Resolve("x = #PB_Compiler_Unicode + #Other\n"), "x = 1 + #Other\n");
}

TEST_F(CompilerConditions, MacrosAreKnownFromTheirDefinitionOn) {
  EXPECT_EQ(Resolve("y = Twice(1)\nMacro Twice(v)\nv * 2 ; doubled\nEndMacro\ny = Twice(2) + 1\n"),
            "y = Twice(1)\ny = 2 * 2 + 1\n");
  // a macro defined in a branch that does not hold is none
  EXPECT_EQ(Resolve("CompilerIf 0\nMacro M : 1 : EndMacro\nCompilerEndIf\nx = M\n"), "x = M\n");
  // a macro's body may hold a condition of its own
  EXPECT_EQ(Resolve("Macro Pick\nCompilerIf 1\nyes\nCompilerElse\nno\nCompilerEndIf\nEndMacro\nPick\n"), "yes\n");
}

TEST_F(CompilerConditions, CompilerErrorStopsTheConversion) {
  EXPECT_EQ(Resolve("CompilerIf 0\nCompilerError \"never\"\nCompilerEndIf\nx\n"), "x\n");
  EXPECT_EQ(Resolve("CompilerIf 1\nCompilerError \"needs \" + \"Windows\"\nCompilerEndIf\nx\n"), "");
  EXPECT_EQ(platform.ConsoleLines().back(), "");
  EXPECT_EQ(platform.ConsoleLines()[platform.ConsoleLines().size() - 2], "Line 2: CompilerError: needs Windows");
}

TEST_F(CompilerConditions, AProgramLeftEmptyStillConverts) {
  EXPECT_EQ(Resolve("CompilerIf 0\nx\nCompilerEndIf\n"), "\n");
}

TEST_F(CompilerConditions, TheDebuggerFollowsTheIde) {
  EXPECT_EQ(CompilerConstant(run, "pb_compiler_debugger")->integer, 1);
  platform.env["PB_TOOL_Debugger"] = "0";
  EXPECT_EQ(CompilerConstant(run, "pb_compiler_debugger")->integer, 0);
  EXPECT_FALSE(CompilerConstant(run, "pb_compiler_enumerationvalue"));
}

}  // namespace
}  // namespace korvex::passes
