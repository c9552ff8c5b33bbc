// PosixPlatform child processes: real children started through /bin/sh.
#include <chrono>

#include "platform/platform.h"
#include "posix_fixture.h"

namespace korvex::platform_tests {
namespace {

using PosixProcesses = PosixFixture;
using LineList = std::vector<std::string>;

StartRequest Request(std::string commandLine, bool read, bool wait = false, std::string folder = "") {
  StartRequest request;
  request.CommandLine = std::move(commandLine);
  request.Read = read;
  request.Wait = wait;
  request.WorkingFolder = std::move(folder);
  return request;
}

// The syntax check's loop: poll while the child runs or output waits.
LineList ReadAllLines(ChildProcess& child) {
  LineList lines;
  while (child.Running() || child.OutputWaiting())
    if (child.OutputWaiting()) lines.push_back(child.ReadLine());
  return lines;
}

TEST_F(PosixProcesses, ReadsLinesWithMixedEndsAndTheExitCode) {
  // "four\r" and "\nfive" arrive in two writes, a CR LF split across them.
  auto child = P().Start(Request(
      R"(/bin/sh -c "printf 'one\ntwo\rthree\r\nfour\r'; sleep 0.1; printf '\nfive\r\n\nsix'; exit 3")", true));
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ReadAllLines(*child), (LineList{"one", "two", "three", "four", "five", "", "six"}));
  EXPECT_EQ(child->ExitCode(), 3);
}

// A silent child: each turn of the polling loop waits about 10 ms, so 0.2 s
// takes some twenty turns, not millions.
TEST_F(PosixProcesses, PollingASilentChildDoesNotSpin) {
  for (bool read : {true, false}) {
    auto child = P().Start(Request(R"(/bin/sh -c "sleep 0.2")", read));
    ASSERT_NE(child, nullptr);
    int turns = 0;
    while (child->Running() || child->OutputWaiting()) {
      ++turns;
      if (child->OutputWaiting()) child->ReadLine();
    }
    EXPECT_LT(turns, 100) << "read " << read;
    EXPECT_EQ(child->ExitCode(), 0);
  }
}

TEST_F(PosixProcesses, OutputLeftAfterTheEndIsStillRead) {
  auto child = P().Start(Request(R"(/bin/sh -c "printf 'late one\nlate two'")", true));
  ASSERT_NE(child, nullptr);
  for (int i = 0; i < 400 && child->Running(); ++i) P().SleepMilliseconds(5);
  ASSERT_FALSE(child->Running());
  ASSERT_TRUE(child->OutputWaiting());
  EXPECT_EQ(child->ReadLine(), "late one");
  ASSERT_TRUE(child->OutputWaiting());
  EXPECT_EQ(child->ReadLine(), "late two");
  EXPECT_FALSE(child->OutputWaiting());
  EXPECT_EQ(child->ExitCode(), 0);
}

TEST_F(PosixProcesses, ArgumentsArriveAsTheWindowsRulesSplitThem) {
  auto child = P().Start(
      Request(R"(/bin/sh -c "printf '[%s]' \"$@\"" sh "a b" c\"d e\f "")", true));
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ReadAllLines(*child), (LineList{R"([a b][c"d][e\f][])"}));
}

TEST_F(PosixProcesses, ProgramIsFoundOnPath) {
  auto child = P().Start(Request("sh -c \"echo found\"", true));
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ReadAllLines(*child), (LineList{"found"}));
}

TEST_F(PosixProcesses, ProgramThatCannotStartGivesNothing) {
  MakeFile("plain.txt", "echo not a program\n");  // not executable
  MakeFile("folder/x", "");
  EXPECT_EQ(P().Start(Request(R"("/no/such/pbcompiler" /CHECK "a.pb")", true)), nullptr);
  EXPECT_EQ(P().Start(Request("\"" + Folder() + "plain.txt\"", false)), nullptr);
  EXPECT_EQ(P().Start(Request("\"" + Folder() + "folder\"", false)), nullptr);
  EXPECT_EQ(P().Start(Request("no-such-program-korvex", false)), nullptr);
  EXPECT_EQ(P().Start(Request(R"("file:///srv/www/shop/index.html")", false)), nullptr);
  EXPECT_EQ(P().Start(Request("", false)), nullptr);
  EXPECT_EQ(P().Start(Request("/bin/sh -c \"exit 0\"", false, true, Folder() + "none")), nullptr);
}

TEST_F(PosixProcesses, WaitReturnsAfterTheChildWroteInItsWorkingFolder) {
  auto child = P().Start(Request(R"(/bin/sh -c "printf made > made.txt; exit 4")", false, true, Folder()));
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(child->Running());
  EXPECT_EQ(FileText("made.txt"), "made");
  EXPECT_EQ(child->ExitCode(), 4);
}

TEST_F(PosixProcesses, WaitWithReadKeepsTheOutput) {
  auto child = P().Start(Request(R"(/bin/sh -c "echo a; echo b")", true, true));
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(child->Running());
  EXPECT_EQ(ReadAllLines(*child), (LineList{"a", "b"}));
}

// More output than a pipe holds: waiting must go on draining it.
TEST_F(PosixProcesses, WaitWithReadDoesNotStallOnLongOutput) {
  auto child = P().Start(Request(R"(/bin/sh -c "yes line | head -n 20000")", true, true));
  ASSERT_NE(child, nullptr);
  LineList lines = ReadAllLines(*child);
  EXPECT_EQ(lines.size(), 20000u);
  EXPECT_EQ(lines.back(), "line");
  EXPECT_EQ(child->ExitCode(), 0);
}

TEST_F(PosixProcesses, ExitCodeWaitsForAChildNotRead) {
  auto child = P().Start(Request(R"(/bin/sh -c "sleep 0.05; exit 5")", false));
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->ExitCode(), 5);
  EXPECT_FALSE(child->Running());
  EXPECT_FALSE(child->OutputWaiting());
}

TEST_F(PosixProcesses, ChildKilledBySignalHasNonZeroCode) {
  auto child = P().Start(Request(R"(/bin/sh -c "kill -9 $$")", true));
  ASSERT_NE(child, nullptr);
  EXPECT_NE(child->ExitCode(), 0);
}

TEST_F(PosixProcesses, ChildNotReadWritesToOurStandardOutput) {
  ::testing::internal::CaptureStdout();
  auto child = P().Start(Request(R"(/bin/sh -c "printf 'from the child'")", false, true));
  std::string captured = ::testing::internal::GetCapturedStdout();
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(captured, "from the child");
}

TEST_F(PosixProcesses, DroppingARunningChildDoesNotBlock) {
  auto start = std::chrono::steady_clock::now();
  for (bool read : {false, true}) {
    auto child = P().Start(Request("sleep 1", read));
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->Running());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

}  // namespace
}  // namespace korvex::platform_tests
