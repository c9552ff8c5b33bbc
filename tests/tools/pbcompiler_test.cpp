// The stand-in compiler, run as the converter runs it: balanced and
// unbalanced blocks, strings that do not end on their line, keywords inside
// comments and strings, and the refused executable build.
#include <gtest/gtest.h>

#include "support/process_runner.h"

namespace korvex::testing {
namespace {

// The stand-in writes its messages as text: on Windows a line ends "\r\n".
#ifdef _WIN32
constexpr const char* kLineEnd = "\r\n";
#else
constexpr const char* kLineEnd = "\n";
#endif

class StandInCompilerTest : public ::testing::Test {
 protected:
  // "/CHECK" on a source with the given text: the output and the exit code.
  ProcessResult Check(const std::string& source) {
    std::filesystem::path file = folder.Path() / "my source.pb";
    WriteBytes(file, source);
    return RunShell(ShellQuote(KORVEX_PBCOMPILER) + " /CHECK " + ShellQuote(file.string()));
  }
  void ExpectValid(const std::string& source) {
    ProcessResult r = Check(source);
    EXPECT_EQ(r.ExitCode, 0) << source;
    EXPECT_EQ(r.Output, "") << source;
  }
  void ExpectFault(const std::string& source, const std::string& line) {
    ProcessResult r = Check(source);
    EXPECT_EQ(r.ExitCode, 1) << source;
    EXPECT_EQ(r.Output, line + kLineEnd) << source;
  }
  ScratchFolder folder;
};

TEST_F(StandInCompilerTest, AcceptsEveryKindOfBalancedBlock) {
  ExpectValid(
      "Structure Point\n  x.i\n  y.i\nEndStructure\n"
      "Enumeration\n  #First\nEndEnumeration\n"
      "Macro Twice(a)\n  (a * 2)\nEndMacro\n"
      "CompilerIf #PB_Compiler_Debugger\n  Debug 1\nCompilerEndIf\n"
      "Procedure.i Add(a, b)\n  ProcedureReturn a + b\nEndProcedure\n"
      "ProcedureDLL Server(x)\nEndProcedure\n"
      "ProcedureCDLL Other()\nEndProcedure\n"
      "For i = 1 To 3\n  If i = 2\n    Debug i\n  ElseIf i = 3\n  Else\n  EndIf\nNext i\n"
      "ForEach items()\nNext\n"
      "While a < 3\n  a + 1\nWend\n"
      "Repeat\n  a - 1\nUntil a = 0\n"
      "Repeat\n  Break\nForEver\n"
      "Select a\n  Case 1\n  Default\nEndSelect\n"
      "DataSection\nValues:\n  Data.i 1, 2\nEndDataSection\n");
}

TEST_F(StandInCompilerTest, ColonSeparatesStatements) {
  ExpectValid("If a : b = 1 : EndIf\nWhile x : x - 1 : Wend\nStart: If a : EndIf\n");
  ExpectFault("If a : Wend\n", "Line 1: 'Wend' found where 'EndIf' is expected (to close 'If' at line 1)");
}

TEST_F(StandInCompilerTest, KeywordsAnyCase) {
  ExpectValid("if a\n  WHILE b\n  wEnD\nENDIF\n");
}

TEST_F(StandInCompilerTest, BlockLeftOpenAtTheEnd) {
  ExpectFault("a = 1\nIf a\n  For i = 1 To 2\n  Next\n", "Line 2: 'If' without 'EndIf'");
  ExpectFault("Procedure P()\n", "Line 1: 'Procedure' without 'EndProcedure'");
}

TEST_F(StandInCompilerTest, CloserWithoutItsOpener) {
  ExpectFault("a = 1\n\nEndIf\n", "Line 3: 'EndIf' without 'If'");
  ExpectFault("Next\n", "Line 1: 'Next' without 'For'");
}

TEST_F(StandInCompilerTest, CloserOfAnotherBlock) {
  ExpectFault("While a\n  If b\n  Wend\nEndIf\n",
              "Line 3: 'Wend' found where 'EndIf' is expected (to close 'If' at line 2)");
  ExpectFault("Repeat\nNext\n",
              "Line 2: 'Next' found where 'Until' is expected (to close 'Repeat' at line 1)");
}

TEST_F(StandInCompilerTest, OnlyTheFirstFaultIsReported) {
  ExpectFault("EndIf\nWend\nIf\n", "Line 1: 'EndIf' without 'If'");
}

TEST_F(StandInCompilerTest, StringThatDoesNotEndOnItsLine) {
  ExpectFault("a = 1\nb$ = \"abc\nc$ = \"d\"\n", "Line 2: String not terminated");
  ExpectFault("x$ = ~\"tab\\\"\n", "Line 1: String not terminated");
  ExpectValid("x$ = ~\"a \\\"quoted\\\" word\"\n");
}

TEST_F(StandInCompilerTest, KeywordsInCommentsAndStringsAreIgnored) {
  ExpectValid("; If a\nDebug \"If While\" ; EndIf Wend\nx$ = \"Repeat\" : y$ = \"Next\"\n");
  ExpectValid("c = 'i' ; 'If'\nDebug \";\" : If a : EndIf\n");
}

TEST_F(StandInCompilerTest, KeywordsOnlyStartAStatement) {
  ExpectValid("Debug Wend\nx = ProcedureReturnValue\nM::If()\n");
}

TEST_F(StandInCompilerTest, MacroBodiesAreNotChecked) {
  ExpectValid("Macro OpenIf(c)\n  If c\nEndMacro\nMacro CloseIf()\n  EndIf\nEndMacro\n");
}

TEST_F(StandInCompilerTest, CountsLinesOfEveryLineEnd) {
  ExpectFault("a = 1\r\nb = 2\rc = 3\nEndIf\r\n", "Line 4: 'EndIf' without 'If'");
  ExpectValid("\xEF\xBB\xBFIf a\r\nEndIf");
}

TEST_F(StandInCompilerTest, Utf16SourceIsReadByItsMark) {
  // s$ = "€" : If a (no EndIf), as UTF-16 LE with its mark
  static const char kOpen[] = "\xFF\xFEs\0$\0=\0\"\0\xAC\x20\"\0\r\0\n\0I\0f\0 \0a\0";
  ExpectFault(std::string(kOpen, sizeof kOpen - 1), "Line 2: 'If' without 'EndIf'");
  static const char kText[] = "\xFF\xFEs\0$\0=\0\"\0\xAC\x20\"\0";
  ExpectValid(std::string(kText, sizeof kText - 1));
}

TEST_F(StandInCompilerTest, UnreadableSourceFails) {
  ProcessResult r = RunShell(ShellQuote(KORVEX_PBCOMPILER) + " /CHECK " +
                             ShellQuote((folder.Path() / "gone.pb").string()));
  EXPECT_EQ(r.ExitCode, 1);
  r = RunShell(ShellQuote(KORVEX_PBCOMPILER) + " /CHECK " + ShellQuote(folder.Path().string()));
  EXPECT_EQ(r.ExitCode, 1);
}

TEST_F(StandInCompilerTest, RefusesToBuildAnExecutable) {
  std::filesystem::path source = folder.Path() / "tempcgi.pb";
  WriteBytes(source, "a = 1\n");
  std::filesystem::path exe = folder.Path() / "shop.cgi";
  ProcessResult r = RunShell(ShellQuote(KORVEX_PBCOMPILER) + " " + ShellQuote(source.string()) +
                             " /EXE " + ShellQuote(exe.string()));
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(r.Output.find("can't build executables"), std::string::npos) << r.Output;
  EXPECT_FALSE(std::filesystem::exists(exe));
}

}  // namespace
}  // namespace korvex::testing
