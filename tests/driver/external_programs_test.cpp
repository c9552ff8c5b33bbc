// The start operation, the syntax check and the IDE editor's text, against
// FakePlatform: command lines byte for byte, echoed compiler lines, and the
// temporary source.
#include "driver/external_programs.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/fake_platform.h"
#include "support/native_path.h"

namespace korvex::driver {
namespace {

using korvex::testing::operator""_p;

using Lines = std::vector<std::string>;
using korvex::testing::FakePlatform;
using korvex::testing::ScriptedChild;

class StartProgramTest : public ::testing::Test {
 protected:
  StartProgramTest() : run(fake) {
    fake.onStart = [this](const StartRequest&) { return startable ? &child : nullptr; };
  }
  FakePlatform fake;
  RunState run;
  ScriptedChild child;
  bool startable = true;
};

TEST_F(StartProgramTest, QuotesAProgramStringThatHasNoQuote) {
  EXPECT_EQ(CommandLine("/opt/korvex/SetupEditor.exe"_p, ""), "\"" + "/opt/korvex/SetupEditor.exe"_p + "\"");
  EXPECT_EQ(CommandLine("/opt/korvex/SetupEditor.exe"_p, "Shop"),
            "\"" + "/opt/korvex/SetupEditor.exe"_p + "\" Shop");
}

TEST_F(StartProgramTest, KeepsAProgramStringThatBeginsWithAQuote) {
  std::string cgiBuild = "\"/pb/my compiler\" \"" + "/tmp/tempcgi.pb"_p + "\" /EXE \"" + "/www/cgi-bin/shop.cgi"_p + "\"";
  EXPECT_EQ(CommandLine(cgiBuild, ""), cgiBuild);
  EXPECT_EQ(CommandLine("\"" + "/pb/pbcompiler"_p + "\"", "/CHECK \"/src/a b.pb\""),
            "\"" + "/pb/pbcompiler"_p + "\" /CHECK \"/src/a b.pb\"");
}

TEST_F(StartProgramTest, PassesFolderAndFlagsToThePlatform) {
  StartProgram(run, "\"" + "/opt/korvex/SetupPicker.exe"_p + "\"", "", "/opt/korvex/"_p,
               StartFlags{.Wait = true});
  ASSERT_EQ(fake.started.size(), 1u);
  EXPECT_EQ(fake.started[0].CommandLine, "\"" + "/opt/korvex/SetupPicker.exe"_p + "\"");
  EXPECT_EQ(fake.started[0].WorkingFolder, "/opt/korvex/"_p);
  EXPECT_TRUE(fake.started[0].Wait);
  EXPECT_FALSE(fake.started[0].Read);
}

TEST_F(StartProgramTest, GivesTheChildOnlyWhenAskedToOpenOrRead) {
  bool started = false;
  EXPECT_EQ(StartProgram(run, "/bin/tool"_p, "", "", StartFlags{}, &started), nullptr);
  EXPECT_TRUE(started);
  EXPECT_NE(StartProgram(run, "/bin/tool"_p, "", "", StartFlags{.Open = true}), nullptr);
  EXPECT_NE(StartProgram(run, "/bin/tool"_p, "", "", StartFlags{.Read = true}), nullptr);
  EXPECT_TRUE(fake.opened.empty());
}

TEST_F(StartProgramTest, HandsWhatCannotBeStartedToTheShell) {
  startable = false;
  bool started = true;
  StartProgram(run, "http://localhost/shop/index.html", "", "", StartFlags{}, &started);
  EXPECT_FALSE(started);
  EXPECT_EQ(fake.started[0].CommandLine, "\"http://localhost/shop/index.html\"");
  EXPECT_EQ(fake.opened, Lines{"http://localhost/shop/index.html"});
}

TEST_F(StartProgramTest, NeverHandsAProgramWhoseOutputIsReadToTheShell) {
  startable = false;
  EXPECT_EQ(StartProgram(run, "\"" + "/pb/pbcompiler"_p + "\"", "", "", StartFlags{.Open = true, .Read = true}),
            nullptr);
  EXPECT_TRUE(fake.opened.empty());
}

class SyntaxCheckTest : public StartProgramTest {
 protected:
  SyntaxCheckTest() {
    run.CompilerPath = "/pb/pbcompiler"_p;
    run.SourceFile = "/src/my shop.pb"_p;
  }
};

TEST_F(SyntaxCheckTest, RunsTheCompilerWithCheckAndTheQuotedSource) {
  EXPECT_EQ(SyntaxCheck(run), 1);
  ASSERT_EQ(fake.started.size(), 1u);
  EXPECT_EQ(fake.started[0].CommandLine, "\"" + "/pb/pbcompiler"_p + "\" /CHECK \"" + "/src/my shop.pb"_p + "\"");
  EXPECT_EQ(fake.started[0].WorkingFolder, "");
  EXPECT_TRUE(fake.started[0].Read);
  EXPECT_FALSE(fake.started[0].Wait);
  EXPECT_EQ(fake.ConsoleLines(), (Lines{"", "Syntaxcheck..."}));
  EXPECT_EQ(run.PauseAtExit, 0);
}

TEST_F(SyntaxCheckTest, EchoesEveryOutputLineUnchanged) {
  child.Output = "PureBasic stand-in\r\n  Line 3: 'EndIf' without 'If'\nthird\rlast";
  child.ExitCode = 1;
  EXPECT_EQ(SyntaxCheck(run), 0);
  EXPECT_EQ(fake.ConsoleLines(), (Lines{"", "Syntaxcheck...", "PureBasic stand-in",
                                        "  Line 3: 'EndIf' without 'If'", "third", "last"}));
  EXPECT_EQ(run.PauseAtExit, 0);  // the compiler's lines are no error lines
}

TEST_F(SyntaxCheckTest, ReadsWhileTheCompilerRunsAndAfterItEnded) {
  child.Output = "one\ntwo\nthree\n";
  child.RunningPolls = 2;
  EXPECT_EQ(SyntaxCheck(run), 1);
  EXPECT_EQ(fake.ConsoleLines(), (Lines{"", "Syntaxcheck...", "one", "two", "three"}));
}

TEST_F(SyntaxCheckTest, SilentCompilerWithExitCodeOneFails) {
  child.ExitCode = 1;
  EXPECT_EQ(SyntaxCheck(run), 0);
  EXPECT_EQ(fake.ConsoleLines(), (Lines{"", "Syntaxcheck..."}));
}

TEST_F(SyntaxCheckTest, OnlyExitCodeZeroPasses) {
  child.ExitCode = 2;
  EXPECT_EQ(SyntaxCheck(run), 0);
  child.ExitCode = -1;
  EXPECT_EQ(SyntaxCheck(run), 0);
}

TEST_F(SyntaxCheckTest, CompilerThatCannotStartIsAnError) {
  startable = false;
  EXPECT_EQ(SyntaxCheck(run), 0);
  EXPECT_EQ(fake.ConsoleLines(),
            (Lines{"", "Syntaxcheck...", "", "Something went wrong :-(", ""}));
  EXPECT_EQ(run.PauseAtExit, 1);
  EXPECT_TRUE(fake.opened.empty());
}

TEST(ParseDecimalTest, ReadsTheNumberAsTheIdeWritesIt) {
  EXPECT_EQ(ParseDecimal(""), 0);
  EXPECT_EQ(ParseDecimal("123456"), 123456);
  EXPECT_EQ(ParseDecimal(" \t 42"), 42);
  EXPECT_EQ(ParseDecimal(" -12x"), -12);
  EXPECT_EQ(ParseDecimal("+7 8"), 7);
  EXPECT_EQ(ParseDecimal("x12"), 0);
  EXPECT_EQ(ParseDecimal("-"), 0);
  EXPECT_EQ(ParseDecimal("\n5"), 0);  // only blanks and tabs are skipped
}

TEST(ParseDecimalTest, TooManyDigitsSaturate) {
  EXPECT_EQ(ParseDecimal("9223372036854775807"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(ParseDecimal("9223372036854775808"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(ParseDecimal("-9223372036854775808"), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(ParseDecimal("-99999999999999999999999"), std::numeric_limits<int64_t>::min());
}

class EditorTextTest : public ::testing::Test {
 protected:
  EditorTextTest() : run(fake) {
    fake.folders.insert("/tmp/"_p);
    fake.env["PB_TOOL_Scintilla"] = "4242";
    fake.onEditorMessage = [this](int64_t handle, int message, int64_t position, int64_t) {
      if (handle != 4242) return int64_t{0};
      if (message == 2006) return length;
      if (message != 2007 || position < 0 || position >= static_cast<int64_t>(text.size()))
        return int64_t{0};
      return int64_t{0x7F00} | static_cast<unsigned char>(text[static_cast<size_t>(position)]);
    };
  }
  void Hold(const std::string& editorText) {
    text = editorText;
    length = static_cast<int64_t>(text.size());
  }
  size_t CharacterRequests() const {
    size_t count = 0;
    for (const auto& m : fake.editorMessages) count += m[1] == 2007;
    return count;
  }
  FakePlatform fake;
  RunState run;
  std::string text;
  int64_t length = 0;
};

TEST_F(EditorTextTest, SavesTheTextWithALineEndUnderTheSeconds) {
  Hold("a = 1");
  EXPECT_EQ(EditorTextToTempFile(run), "/tmp/korvex_temp_1389523200.pb"_p);
  EXPECT_EQ(run.TempSourceFile, "/tmp/korvex_temp_1389523200.pb"_p);
  EXPECT_EQ(fake.files["/tmp/korvex_temp_1389523200.pb"_p], "a = 1\r\n");
}

TEST_F(EditorTextTest, AsksForEveryPositionUpToTwoPastTheEnd) {
  Hold("ab");
  EditorTextToTempFile(run);
  std::vector<std::vector<int64_t>> expected = {
      {4242, 2006, 0, 0}, {4242, 2007, 0, 0}, {4242, 2007, 1, 0},
      {4242, 2007, 2, 0}, {4242, 2007, 3, 0}};
  EXPECT_EQ(fake.editorMessages, expected);
}

TEST_F(EditorTextTest, KeepsTheLowByteAndTheTextsOwnLineEnds) {
  Hold("If a\r\n  x = \"\xE4\"\r\nEndIf\r\n");
  EditorTextToTempFile(run);
  EXPECT_EQ(fake.files["/tmp/korvex_temp_1389523200.pb"_p],
            "If a\r\n  x = \"\xE4\"\r\nEndIf\r\n\r\n");
}

TEST_F(EditorTextTest, AnswersWithALowZeroByteAddNothing) {
  fake.onEditorMessage = [](int64_t, int message, int64_t position, int64_t) -> int64_t {
    if (message == 2006) return 3;
    return position == 1 ? 0x4100 : 'x';  // low byte 0 at position 1
  };
  EditorTextToTempFile(run);
  // positions 0, 2, 3 and 4 answer 'x'
  EXPECT_EQ(fake.files["/tmp/korvex_temp_1389523200.pb"_p], "xxxx\r\n");
}

TEST_F(EditorTextTest, EmptyEditorSavesNothing) {
  Hold("");
  EXPECT_EQ(EditorTextToTempFile(run), "");
  EXPECT_EQ(run.TempSourceFile, "");
  EXPECT_EQ(fake.files.size(), 0u);
  EXPECT_EQ(CharacterRequests(), 2u);
}

TEST_F(EditorTextTest, NoHandleAsksNothing) {
  for (const char* value : {"", "0", "abc", " +0"}) {
    fake.env["PB_TOOL_Scintilla"] = value;
    EXPECT_EQ(EditorTextToTempFile(run), "") << value;
  }
  fake.env.erase("PB_TOOL_Scintilla");
  EXPECT_EQ(EditorTextToTempFile(run), "");
  EXPECT_TRUE(fake.editorMessages.empty());
}

TEST_F(EditorTextTest, HandleIsReadUpToTheFirstNonDigit) {
  fake.env["PB_TOOL_Scintilla"] = " -12x";
  EditorTextToTempFile(run);
  ASSERT_FALSE(fake.editorMessages.empty());
  EXPECT_EQ(fake.editorMessages[0], (std::vector<int64_t>{-12, 2006, 0, 0}));
}

TEST_F(EditorTextTest, StaleEditorThatAnswersNothingSavesNothing) {
  fake.env["PB_TOOL_Scintilla"] = "999";
  EXPECT_EQ(EditorTextToTempFile(run), "");
  EXPECT_TRUE(fake.files.empty());
}

TEST_F(EditorTextTest, AbsurdLengthsNeitherHangNorSave) {
  Hold("a = 1");
  length = int64_t{1} << 40;
  EXPECT_EQ(EditorTextToTempFile(run), "");
  length = std::numeric_limits<int64_t>::max();
  EXPECT_EQ(EditorTextToTempFile(run), "");
  EXPECT_EQ(CharacterRequests(), 0u);
  length = -5;
  EXPECT_EQ(EditorTextToTempFile(run), "");
  length = std::numeric_limits<int64_t>::min();
  EXPECT_EQ(EditorTextToTempFile(run), "");
  EXPECT_EQ(CharacterRequests(), 0u);
  EXPECT_TRUE(fake.files.empty());
}

TEST_F(EditorTextTest, TempFolderGetsItsSeparator) {
  fake.tempFolder = "/var/tmp"_p;
  fake.folders.insert("/var/tmp/"_p);
  fake.localTime = 1700000000;
  Hold("x");
  EXPECT_EQ(EditorTextToTempFile(run), "/var/tmp/korvex_temp_1700000000.pb"_p);
  EXPECT_EQ(fake.files["/var/tmp/korvex_temp_1700000000.pb"_p], "x\r\n");
}

}  // namespace
}  // namespace korvex::driver
