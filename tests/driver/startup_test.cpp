// A whole run against FakePlatform: the console transcript line by line for
// the checks, the source, the syntax check, the editor shortcut and a
// successful conversion; the debugger line and the step order of the passes.
#include "driver/startup.h"

#include <gtest/gtest.h>

#include "driver/pipeline.h"
#include "support/console_transcript.h"
#include "support/fake_platform.h"
#include "support/native_path.h"

namespace korvex::driver {
namespace {

using korvex::testing::operator""_p;

using korvex::testing::FakePlatform;
using korvex::testing::Join;
using korvex::testing::kBanner;
using korvex::testing::kPause;
using korvex::testing::Lines;
using korvex::testing::ScriptedChild;

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    fake.programPath = "/opt/korvex/Korvex"_p;
    fake.folders = {"/opt/korvex/"_p, "/home/user/"_p, "/home/user/.config/"_p, "/tmp/"_p, "/src/"_p,
                    "/pb/"_p, "/www/"_p};
    fake.files["/opt/korvex/SetupPicker.exe"_p] = "picker";
    fake.files["/opt/korvex/SetupEditor.exe"_p] = "editor";
    fake.files["/opt/korvex/framework.db"_p] = "db";
    fake.files["/pb/pbcompiler"_p] = "compiler";
    fake.files["/src/shop.pb"_p] = "KVX_Converter_SetProfile \"Test\"\r\na = 1\r\n";
    fake.files["/home/user/.config/vantorotools/Korvex/Korvex.ini"_p] =
        "[profile:Test]\r\nserverpath=" + "/www/"_p + "\r\nserveraddress=http://localhost/shop/\r\n";
    fake.env["PB_TOOL_Compiler"] = "/pb/pbcompiler"_p;
    fake.firstParameter = "/src/shop.pb"_p;
    fake.consoleInput = {"typed"};
    // The compiler runs; anything else (the page's address) is no program.
    fake.onStart = [this](const StartRequest& request) -> const ScriptedChild* {
      if (request.CommandLine.rfind("\"" + "/pb/pbcompiler"_p + "\"", 0) == 0) return compilerStarts ? &compiler : nullptr;
      if (request.CommandLine.rfind("\"" + "/opt/korvex/"_p, 0) == 0) return &tool;
      return nullptr;
    };
  }
  Lines Run() {
    EXPECT_EQ(RunKorvex(fake), 0);
    return fake.ConsoleLines();
  }
  bool WaitedForReturn() const { return fake.consoleInput.empty(); }

  FakePlatform fake;
  ScriptedChild compiler;
  ScriptedChild tool;
  bool compilerStarts = true;
};

const Lines kCheckStart = {"SourceFile: '" + "/src/shop.pb"_p + "'", "", "Syntaxcheck..."};
const Lines kSuccessfulEnd = {"",
                              "PreProcessing...",
                              "",
                              "Analyzing CompilerInfos...",
                              "",
                              "ProfileName: 'Test'",
                              "Setting ServerPath to: '" + "/www/"_p + "'",
                              "Setting ServerAddress to: 'http://localhost/shop/'",
                              "",
                              "Copying...",
                              "",
                              "Ready :-)",
                              ""};

TEST_F(StartupTest, UnsetCompilerVariableFailsTheFirstCheck) {
  fake.env.erase("PB_TOOL_Compiler");
  EXPECT_EQ(Run(), Join({kBanner, {"PBCompiler not found: ''"}, kPause}));
  EXPECT_EQ(fake.consoleTitle, "Korvex V2014-01-12");
  EXPECT_TRUE(WaitedForReturn());
  EXPECT_TRUE(fake.consoleClosed);
}

TEST_F(StartupTest, MissingCompilerIsNamed) {
  fake.env["PB_TOOL_Compiler"] = "/pb/missing"_p;
  EXPECT_EQ(Run(), Join({kBanner, {"PBCompiler not found: '" + "/pb/missing"_p + "'"}, kPause}));
}

TEST_F(StartupTest, MissingChooser) {
  fake.files.erase("/opt/korvex/SetupPicker.exe"_p);
  EXPECT_EQ(Run(), Join({kBanner, {"SetupPicker.exe not found"}, kPause}));
}

TEST_F(StartupTest, MissingEditor) {
  fake.files.erase("/opt/korvex/SetupEditor.exe"_p);
  EXPECT_EQ(Run(), Join({kBanner, {"SetupEditor.exe not found"}, kPause}));
}

TEST_F(StartupTest, SettingsFolderThatCannotBeCreated) {
  fake.foldersCanBeCreated = false;
  EXPECT_EQ(Run(), Join({kBanner, {"Couldn't create AppDataPath"}, kPause}));
}

TEST_F(StartupTest, MissingFrameworkDatabase) {
  fake.files.erase("/opt/korvex/framework.db"_p);
  EXPECT_EQ(Run(), Join({kBanner, {"framework.db not found"}, kPause}));
}

TEST_F(StartupTest, OnlyTheFirstFailingCheckSpeaks) {
  fake.files.erase("/opt/korvex/SetupEditor.exe"_p);
  fake.files.erase("/opt/korvex/framework.db"_p);
  fake.files.erase("/pb/pbcompiler"_p);
  EXPECT_EQ(Run(), Join({kBanner, {"PBCompiler not found: '" + "/pb/pbcompiler"_p + "'"}, kPause}));
  EXPECT_TRUE(fake.started.empty());
}

TEST_F(StartupTest, EmptyFilesPassTheChecks) {
  fake.files["/opt/korvex/SetupPicker.exe"_p] = "";
  fake.files["/opt/korvex/framework.db"_p] = "";
  fake.firstParameter = "";
  EXPECT_EQ(Run(), Join({kBanner, {"Aufruf: Korvex sourcefile.pb"}, kPause}));
}

TEST_F(StartupTest, NoSourceAndNoEditorGivesTheUsageLine) {
  fake.firstParameter = "";
  EXPECT_EQ(Run(), Join({kBanner, {"Aufruf: Korvex sourcefile.pb"}, kPause}));
  EXPECT_TRUE(WaitedForReturn());
  EXPECT_TRUE(fake.editorMessages.empty());
}

TEST_F(StartupTest, EmptyEditorGivesTheUsageLine) {
  fake.firstParameter = "";
  fake.env["PB_TOOL_Scintilla"] = "4242";
  EXPECT_EQ(Run(), Join({kBanner, {"Aufruf: Korvex sourcefile.pb"}, kPause}));
  EXPECT_FALSE(fake.editorMessages.empty());
}

TEST_F(StartupTest, MissingSourceFile) {
  fake.firstParameter = "/src/gone.pb"_p;
  EXPECT_EQ(Run(), Join({kBanner, {"File not found: '" + "/src/gone.pb"_p + "'"}, kPause}));
  EXPECT_TRUE(fake.started.empty());
}

TEST_F(StartupTest, FolderAsSourcePassesTheExistenceTest) {
  fake.firstParameter = "/src/"_p;
  compiler.Output = "Error: can't read the source file '" + "/src/"_p + "'\n";
  compiler.ExitCode = 1;
  EXPECT_EQ(Run(), Join({kBanner,
                         {"SourceFile: '" + "/src/"_p + "'", "", "Syntaxcheck...",
                          "Error: can't read the source file '" + "/src/"_p + "'", "SyntaxCheck not OK"},
                         kPause}));
  EXPECT_EQ(fake.started[0].CommandLine, "\"" + "/pb/pbcompiler"_p + "\" /CHECK \"" + "/src/"_p + "\"");
}

TEST_F(StartupTest, CompilerLinesAreEchoedBeforeTheVerdict) {
  compiler.Output = "Line 2: 'EndIf' without 'If'\r\n";
  compiler.ExitCode = 1;
  EXPECT_EQ(Run(), Join({kBanner, kCheckStart,
                         {"Line 2: 'EndIf' without 'If'", "SyntaxCheck not OK"}, kPause}));
}

TEST_F(StartupTest, SilentFailingCompilerGivesOnlyTheVerdict) {
  compiler.ExitCode = 1;
  EXPECT_EQ(Run(), Join({kBanner, kCheckStart, {"SyntaxCheck not OK"}, kPause}));
}

TEST_F(StartupTest, CompilerThatCannotStart) {
  compilerStarts = false;
  EXPECT_EQ(Run(), Join({kBanner, kCheckStart,
                         {"", "Something went wrong :-(", "", "SyntaxCheck not OK"}, kPause}));
  EXPECT_TRUE(fake.opened.empty());
}

TEST_F(StartupTest, EditorShortcutStartsTheEditorAndNothingElse) {
  fake.env["PB_TOOL_Word"] = "kvx_converter_SETPROFILE";
  EXPECT_EQ(RunKorvex(fake), 0);
  EXPECT_EQ(fake.console, "");
  EXPECT_EQ(fake.consoleTitle, "");
  EXPECT_FALSE(fake.consoleClosed);
  EXPECT_FALSE(WaitedForReturn());
  ASSERT_EQ(fake.started.size(), 1u);
  EXPECT_EQ(fake.started[0].CommandLine, "\"" + "/opt/korvex/SetupEditor.exe"_p + "\"");
  EXPECT_EQ(fake.started[0].WorkingFolder, "");
  EXPECT_FALSE(fake.started[0].Wait);
  EXPECT_FALSE(fake.started[0].Read);
}

TEST_F(StartupTest, EditorShortcutRunsEvenWithoutACompiler) {
  fake.env["PB_TOOL_Word"] = "KVX_Converter_SetProfile";
  fake.env.erase("PB_TOOL_Compiler");
  EXPECT_EQ(RunKorvex(fake), 0);
  EXPECT_EQ(fake.console, "");
  ASSERT_EQ(fake.started.size(), 1u);
}

TEST_F(StartupTest, EditorShortcutNeedsTheWholeWordAndANonEmptyEditor) {
  fake.firstParameter = "";
  fake.env["PB_TOOL_Word"] = "KVX_Converter_SetProfiles";
  EXPECT_EQ(Run(), Join({kBanner, {"Aufruf: Korvex sourcefile.pb"}, kPause}));

  fake.console.clear();
  fake.env["PB_TOOL_Word"] = "kvx_converter_setprofile";
  fake.files["/opt/korvex/SetupEditor.exe"_p] = "";  // empty: a normal run
  fake.consoleInput = {"typed"};
  EXPECT_EQ(Run(), Join({kBanner, {"Aufruf: Korvex sourcefile.pb"}, kPause}));
  EXPECT_TRUE(fake.started.empty());
}

TEST_F(StartupTest, SuccessfulRunOpensThePageAndDoesNotPause) {
  EXPECT_EQ(Run(), Join({kBanner, kCheckStart, kSuccessfulEnd}));
  EXPECT_FALSE(WaitedForReturn());
  EXPECT_TRUE(fake.consoleClosed);
  ASSERT_EQ(fake.started.size(), 2u);
  EXPECT_EQ(fake.started[1].CommandLine, "\"http://localhost/shop/\"");
  EXPECT_EQ(fake.opened, Lines{"http://localhost/shop/"});
  EXPECT_EQ(fake.files.count("/www/application.js"_p), 1u);
}

TEST_F(StartupTest, EditorTextIsConvertedAndItsCopyDeletedAfterSuccess) {
  fake.firstParameter = "";
  fake.env["PB_TOOL_Scintilla"] = "77";
  std::string text = "KVX_Converter_SetProfile \"Test\"\r\na = 1";
  fake.onEditorMessage = [&text](int64_t, int message, int64_t i, int64_t) -> int64_t {
    if (message == 2006) return static_cast<int64_t>(text.size());
    return i < static_cast<int64_t>(text.size()) ? text[static_cast<size_t>(i)] : 0;
  };
  Lines lines = Run();
  EXPECT_EQ(lines, Join({kBanner,
                         {"SourceFile: '" + "/tmp/korvex_temp_1389523200.pb"_p + "'", "", "Syntaxcheck..."},
                         kSuccessfulEnd}));
  EXPECT_EQ(fake.started[0].CommandLine,
            "\"" + "/pb/pbcompiler"_p + "\" /CHECK \"" + "/tmp/korvex_temp_1389523200.pb"_p + "\"");
  EXPECT_EQ(fake.files.count("/tmp/korvex_temp_1389523200.pb"_p), 0u);
}

TEST_F(StartupTest, EditorTextCopyStaysAfterAFailure) {
  fake.firstParameter = "";
  fake.env["PB_TOOL_Scintilla"] = "77";
  fake.onEditorMessage = [](int64_t, int message, int64_t i, int64_t) -> int64_t {
    if (message == 2006) return 1;
    return i == 0 ? 'x' : 0;
  };
  compiler.ExitCode = 1;
  Run();
  EXPECT_EQ(fake.files["/tmp/korvex_temp_1389523200.pb"_p], "x\r\n");
}

TEST_F(StartupTest, AnErrorLineMidwayMakesTheEndPause) {
  fake.files["/home/user/.config/vantorotools/Korvex/Korvex.ini"_p] = "[profile:Test]\r\n";
  Lines lines = Run();
  Lines expected = Join({kBanner, kCheckStart,
                         {"", "PreProcessing...", "", "Analyzing CompilerInfos...", "",
                          "ProfileName: 'Test'", "Setting ServerPath to: ''",
                          "Setting ServerAddress to: ''", "ServerPath is not set"},
                         kPause});
  EXPECT_EQ(lines, expected);
  EXPECT_TRUE(WaitedForReturn());
  EXPECT_TRUE(fake.opened.empty());
}

// The passes as recorders: each prints its name, so the order and the
// driver's reaction to an empty result can be seen.
std::vector<PassStep> RecordingPasses(const std::string& emptyAfter) {
  std::vector<PassStep> steps = StandardPasses();
  for (PassStep& step : steps) {
    if (std::string(step.Name) == "analyzing title") continue;
    std::string name = step.Name;
    step.Run = [name, emptyAfter](RunState& run, const std::string& text) {
      run.PrintLine(name);
      return name == emptyAfter ? std::string() : text;
    };
  }
  return steps;
}

TEST(PipelineTest, StepsRunInTheirOrderWithTheTitleBeforeTheDirectiveScan) {
  FakePlatform fake;
  RunState run(fake);
  EXPECT_EQ(RunPasses(run, "text", RecordingPasses("")), "text");
  EXPECT_EQ(fake.ConsoleLines(),
            (Lines{"debugger line", "comment blocks", "include expansion",
                   "comment blocks again", "macros and compiler conditions", "data values and labels",
                   "data sections and included binaries", "Analyzing CompilerInfos...", "",
                   "directive scan", "profile selection", "server procedures",
                   "statement translation", "raw blocks", "directive comments", "clean-up"}));
}

TEST(PipelineTest, EmptyBlocksResultEndsTheRunWithThePause) {
  FakePlatform fake;
  RunState run(fake);
  EXPECT_EQ(RunPasses(run, "text", RecordingPasses("comment blocks")), "");
  EXPECT_EQ(fake.ConsoleLines(), (Lines{"debugger line", "comment blocks"}));
  EXPECT_EQ(run.PauseAtExit, 1);
}

TEST(PipelineTest, EmptyTranslationEndsTheRunWithoutSettingThePause) {
  for (const char* step : {"server procedures", "statement translation"}) {
    FakePlatform fake;
    RunState run(fake);
    EXPECT_EQ(RunPasses(run, "text", RecordingPasses(step)), "");
    EXPECT_EQ(fake.ConsoleLines().back(), step);
    EXPECT_EQ(run.PauseAtExit, 0);
  }
}

TEST(PipelineTest, EmptyResultsOfOtherStepsDoNotEndTheRun) {
  FakePlatform fake;
  RunState run(fake);
  for (const char* step : {"raw blocks", "directive comments"}) {
    fake.console.clear();
    RunPasses(run, "text", RecordingPasses(step));
    EXPECT_EQ(fake.ConsoleLines().size(), 16u) << step;
  }
  EXPECT_EQ(run.PauseAtExit, 0);
}

// The text the passes get starts with the debugger line.
std::string DebuggerLineFor(const char* value) {
  FakePlatform fake;
  if (value != nullptr) fake.env["PB_TOOL_Debugger"] = value;
  RunState run(fake);
  std::vector<PassStep> steps = StandardPasses();
  EXPECT_EQ(std::string(steps.front().Name), "debugger line");
  return RunPasses(run, "a = 1\r\n", {steps.front()});
}

TEST(PipelineTest, DebuggerLineFollowsTheIdeSetting) {
  EXPECT_EQ(DebuggerLineFor("0"), "DisableDebugger\r\na = 1\r\n");
  EXPECT_EQ(DebuggerLineFor("1"), "EnableDebugger\r\na = 1\r\n");
  EXPECT_EQ(DebuggerLineFor(nullptr), "EnableDebugger\r\na = 1\r\n");
  EXPECT_EQ(DebuggerLineFor(" 0"), "EnableDebugger\r\na = 1\r\n");
  EXPECT_EQ(DebuggerLineFor("00"), "EnableDebugger\r\na = 1\r\n");
}

// The program runs as one async function, so that it can await what waits.
TEST(PipelineTest, WrapsTheScriptInTheStartUpFunction) {
  EXPECT_EQ(WrapScript("var a = 1;"),
            "$(function () {\t$(document).ready(function () { cCommon.KVX_Main(async function () { "
            "\nvar a = 1;\n }); }); });");
}

}  // namespace
}  // namespace korvex::driver
