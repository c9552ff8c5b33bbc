// CGI program build: the settings it needs, the filled template, the removal
// of the old executable, the compiler's command line and its outcomes.
#include "server/cgi_build.h"

#include <gtest/gtest.h>

#include "support/pass_fixture.h"
#include "support/native_path.h"

namespace korvex::server {
namespace {

using korvex::testing::operator""_p;

using testing::ScriptedChild;

const std::string kTemplatePath = "/opt/korvex/system/CGI/cgitemplate.pb"_p;
const std::string kTempCgi = "/home/ann/tempcgi.pb"_p;
const std::string kExecutable = "/srv/cgi-bin/shop.exe"_p;
constexpr const char* kServerCode = "ProcedureDLL Ping()\nProcedureReturn 1\nEndProcedure\n";
const std::string kCommandLine =
    "\"" + "/opt/pb/pbcompiler"_p + "\" \"" + "/home/ann/tempcgi.pb"_p + "\" /EXE \"" + "/srv/cgi-bin/shop.exe"_p + "\"";

class CgiBuildTest : public testing::PassFixture {
 protected:
  CgiBuildTest() {
    run.ProgramDir = "/opt/korvex/"_p;
    run.SourceFile = "/home/ann/shop.pb"_p;
    run.CompilerPath = "/opt/pb/pbcompiler"_p;
    run.ActiveSettings.CgiFilename = kExecutable;
    run.ActiveSettings.CgiAddress = "/cgi-bin/shop.exe";
    platform.folders.insert("/home/ann/"_p);
    platform.folders.insert("/srv/cgi-bin/"_p);
    platform.files[kTemplatePath] = "; head\n; ### Korvex ServerCode ###\n; ### Korvex RequestSelect ###\nEnd\n";
  }
  // Every start is answered by this child.
  void Compiler(ScriptedChild child) {
    compiler_ = child;
    platform.onStart = [this](const StartRequest&) { return &compiler_; };
  }
  CgiBuild Build() { return BuildCgiProgram(run, kServerCode); }
  std::vector<std::string> Lines() { return platform.ConsoleLines(); }
  // The "Trying to delete" lines for tries 1 to n.
  static std::vector<std::string> DeleteLines(int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
      lines.push_back("Trying to delete '" + "/srv/cgi-bin/shop.exe"_p + "'. " + std::to_string(i) + " try...");
    return lines;
  }

  ScriptedChild compiler_;
};

TEST_F(CgiBuildTest, CompilerCommandLine) {
  Compiler({"", 0});
  EXPECT_EQ(Build(), CgiBuild::Continue);
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0].CommandLine, kCommandLine);
  EXPECT_EQ(platform.started[0].WorkingFolder, "");
  EXPECT_TRUE(platform.started[0].Read);
  EXPECT_FALSE(platform.started[0].Wait);
}

TEST_F(CgiBuildTest, TemplateFilledAtBothMarkersAndWrittenInUtf8WithItsMark) {
  Compiler({"", 0});
  Build();
  EXPECT_EQ(platform.files[kTempCgi],
            "\xEF\xBB\xBF; head\nProcedureDLL Ping()\nProcedureReturn 1\nEndProcedure\n\n"
            " Select Request \r\n\tCase \"ping\"\r\n\t\tHTTP_Content(@HTTP, Ping())\r\n"
            "\r\n Default \r\n   HTTP_Content(@HTTP, \"unknown request: '\" + Request + \"'\" ) \r\n"
            " EndSelect\nEnd\n");
}

TEST_F(CgiBuildTest, EveryOccurrenceOfAMarkerIsReplaced) {
  platform.files[kTemplatePath] = "; ### Korvex ServerCode ###|; ### Korvex ServerCode ###|; ### korvex servercode ###";
  Compiler({"", 0});
  Build();
  EXPECT_EQ(platform.files[kTempCgi],
            "\xEF\xBB\xBF" + std::string(kServerCode) + "|" + kServerCode + "|; ### korvex servercode ###");
}

TEST_F(CgiBuildTest, TempSourceOverwrittenBesideTheSource) {
  platform.files[kTempCgi] = "old";
  Compiler({"", 0});
  Build();
  EXPECT_EQ(platform.files[kTempCgi].substr(0, 10), "\xEF\xBB\xBF; head\n");
}

TEST_F(CgiBuildTest, StopsWithoutCgiFilename) {
  run.ActiveSettings.CgiFilename = "";
  run.ActiveSettings.CgiAddress = "";
  auto filesBefore = platform.files;
  EXPECT_EQ(Build(), CgiBuild::Stop);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"", "Found ServerCode but 'CgiFilename' is empty", ""}));
  EXPECT_EQ(run.PauseAtExit, 1);
  EXPECT_EQ(platform.files, filesBefore);
  EXPECT_TRUE(platform.started.empty());
}

TEST_F(CgiBuildTest, StopsWithoutCgiAddress) {
  run.ActiveSettings.CgiAddress = "";
  platform.files[kExecutable] = "old program";
  auto filesBefore = platform.files;
  EXPECT_EQ(Build(), CgiBuild::Stop);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"", "Found ServerCode but 'CgiAddress' is empty", ""}));
  EXPECT_EQ(run.PauseAtExit, 1);
  EXPECT_EQ(platform.files, filesBefore);
  EXPECT_TRUE(platform.started.empty());
}

TEST_F(CgiBuildTest, MissingOrEmptyTemplateGoesOnWithoutProgram) {
  for (bool empty : {false, true}) {
    platform.console.clear();
    if (empty) platform.files[kTemplatePath] = "";
    else platform.files.erase(kTemplatePath);
    EXPECT_EQ(Build(), CgiBuild::Continue);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"File not found: " + "/opt/korvex/system/CGI/cgitemplate.pb"_p}));
    EXPECT_EQ(run.PauseAtExit, 1);
    EXPECT_EQ(platform.files.count(kTempCgi), 0u);
    EXPECT_TRUE(platform.started.empty());
  }
}

TEST_F(CgiBuildTest, SuccessfulBuildEchoesPlainLines) {
  Compiler({"PureBasic 5.21\r\nCompiling...\nDone\n", 0, 2});
  EXPECT_EQ(Build(), CgiBuild::Continue);
  EXPECT_EQ(platform.console, "PureBasic 5.21\r\nCompiling...\r\nDone\r\n");
  EXPECT_EQ(run.PauseAtExit, 0);  // the compiler's lines are not error lines
}

TEST_F(CgiBuildTest, FailedBuildAsksForReturnAtTheEnd) {
  Compiler({"Line 3: Syntax error.\n", 1});
  EXPECT_EQ(Build(), CgiBuild::Continue);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Line 3: Syntax error.", "", "Press return to continue", ""}));
  EXPECT_EQ(run.PauseAtExit, 1);
  EXPECT_TRUE(platform.consoleInput.empty());  // nothing is read here
}

TEST_F(CgiBuildTest, CompilerThatCannotStart) {
  EXPECT_EQ(Build(), CgiBuild::Continue);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"", "Something went wrong :-(", ""}));
  EXPECT_EQ(run.PauseAtExit, 1);
  EXPECT_TRUE(platform.opened.empty());  // a compiler is not opened as a document
}

TEST_F(CgiBuildTest, OldExecutableDeletedAtOnce) {
  platform.files[kExecutable] = "old program";
  Compiler({"", 0});
  Build();
  EXPECT_EQ(Lines(), DeleteLines(1));
  EXPECT_EQ(platform.files.count(kExecutable), 0u);
  EXPECT_EQ(platform.sleeps, (std::vector<int>{500}));  // the pause comes before the file is looked at again
}

TEST_F(CgiBuildTest, LockedExecutableFreedAfterTwoTries) {
  platform.files[kExecutable] = "old program";
  platform.deleteFailures[kExecutable] = 2;
  Compiler({"", 0});
  Build();
  EXPECT_EQ(Lines(), DeleteLines(3));
  EXPECT_EQ(platform.sleeps, (std::vector<int>{500, 500, 500}));
  EXPECT_EQ(platform.started.size(), 1u);
}

TEST_F(CgiBuildTest, ExecutableThatStaysGetsTenTriesThenBuild) {
  platform.files[kExecutable] = "old program";
  platform.deleteFailures[kExecutable] = 1000;
  Compiler({"Error: can't create the executable\n", 1});
  Build();
  std::vector<std::string> expected = DeleteLines(10);
  expected.insert(expected.end(), {"Error: can't create the executable", "", "Press return to continue", ""});
  EXPECT_EQ(Lines(), expected);
  EXPECT_EQ(platform.sleeps, std::vector<int>(9, 500));  // none after the tenth try
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0].CommandLine, kCommandLine);
}

}  // namespace
}  // namespace korvex::server
