// PosixPlatform: parameters, folders, time, console, the editor bridge file
// and the shell's "open".
#include <chrono>
#include <ctime>

#include "platform/platform.h"
#include "posix_fixture.h"

namespace korvex::platform_tests {
namespace {

using PosixSystem = PosixFixture;

std::unique_ptr<Platform> WithArguments(std::vector<std::string> args) {
  static std::vector<std::string> kept;
  static std::vector<char*> argv;
  kept = std::move(args);
  argv.clear();
  for (std::string& arg : kept) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return CreateSystemPlatform(static_cast<int>(kept.size()), argv.data());
}

TEST_F(PosixSystem, FirstParameterIsTheFirstArgument) {
  EXPECT_EQ(WithArguments({"Korvex", "/home/me/shop.pb", "more"})->FirstParameter(), "/home/me/shop.pb");
  EXPECT_EQ(WithArguments({"Korvex", "\"/home/me/my shop.pb\""})->FirstParameter(), "/home/me/my shop.pb");
  EXPECT_EQ(WithArguments({"Korvex"})->FirstParameter(), "");
}

TEST_F(PosixSystem, ProgramPathIsTheRunningExecutable) {
  std::string path = P().ProgramPath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path[0], '/');
  EXPECT_TRUE(path.size() > 13 && path.substr(path.size() - 13) == "/korvex_tests") << path;
  EXPECT_GT(P().FileSize(path), 0);
}

TEST_F(PosixSystem, CurrentFolderEndsWithSeparator) {
  EXPECT_EQ(P().CurrentFolder(), std::filesystem::current_path().string() + "/");
}

TEST_F(PosixSystem, TempFolderIsTmpdirInLongForm) {
  EXPECT_EQ(P().TempFolder(), Folder());
  std::filesystem::create_directory_symlink(Folder(), Folder() + "short");
  {
    ScopedEnvVar tmpdir("TMPDIR", Folder() + "short");
    EXPECT_EQ(P().TempFolder(), Folder());
  }
  {
    ScopedEnvVar tmpdir("TMPDIR", std::nullopt);
    EXPECT_EQ(P().TempFolder(), std::filesystem::canonical("/tmp").string() + "/");
  }
  {
    ScopedEnvVar tmpdir("TMPDIR", Folder() + "missing");
    EXPECT_EQ(P().TempFolder(), Folder() + "missing/");
  }
}

TEST_F(PosixSystem, AppDataFolderIsTheConfigFolder) {
  ScopedEnvVar home("HOME", "/home/someone");
  {
    ScopedEnvVar config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(P().AppDataFolder(), "/srv/config");
  }
  {
    ScopedEnvVar config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(P().AppDataFolder(), "/home/someone/.config");
  }
  {
    ScopedEnvVar config("XDG_CONFIG_HOME", "relative/config");  // not valid: ignored
    EXPECT_EQ(P().AppDataFolder(), "/home/someone/.config");
  }
}

TEST_F(PosixSystem, GetEnvGivesEmptyWhenUnset) {
  ScopedEnvVar set("KORVEX_PLATFORM_TEST", "a value");
  ScopedEnvVar unset("KORVEX_PLATFORM_UNSET", std::nullopt);
  EXPECT_EQ(P().GetEnv("KORVEX_PLATFORM_TEST"), "a value");
  EXPECT_EQ(P().GetEnv("KORVEX_PLATFORM_UNSET"), "");
}

// The local wall-clock time counted as seconds, as if it were UTC.
TEST_F(PosixSystem, LocalTimeAddsTheZoneOffset) {
  struct Zone {
    const char* tz;
    int64_t offset;
  };
  for (Zone zone : {Zone{"UTC0", 0}, Zone{"EST5", -5 * 3600}, Zone{"JST-9", 9 * 3600}}) {
    ScopedEnvVar tz("TZ", zone.tz);
    int64_t before = static_cast<int64_t>(std::time(nullptr));
    int64_t local = P().LocalTimeSeconds();
    int64_t after = static_cast<int64_t>(std::time(nullptr));
    EXPECT_GE(local, before + zone.offset) << zone.tz;
    EXPECT_LE(local, after + zone.offset) << zone.tz;
  }
}

TEST_F(PosixSystem, SleepWaitsAtLeastTheTime) {
  auto start = std::chrono::steady_clock::now();
  P().SleepMilliseconds(20);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

// Standard output is not a terminal here, so no title sequence may appear.
TEST_F(PosixSystem, ConsoleWritesExactlyTheBytes) {
  ::testing::internal::CaptureStdout();
  P().ConsoleOpen("Korvex V2014-01-12");
  P().ConsoleWrite("Korvex V2014-01-12\r\n");
  P().ConsoleWrite(std::string("\xE9\0x", 3));
  P().ConsoleClose();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), std::string("Korvex V2014-01-12\r\n\xE9\0x", 23));
}

TEST_F(PosixSystem, EditorAnswersFromTheBridgeFile) {
  MakeFile("korvex-scintilla-4242", "Debug 1\r\n\xE9");
  EXPECT_EQ(P().EditorMessage(4242, 2006, 0, 0), 10);
  EXPECT_EQ(P().EditorMessage(4242, 2007, 0, 0), 'D');
  EXPECT_EQ(P().EditorMessage(4242, 2007, 7, 0), '\r');
  EXPECT_EQ(P().EditorMessage(4242, 2007, 9, 0), 0xE9);  // unsigned
  EXPECT_EQ(P().EditorMessage(4242, 2007, 10, 0), 0);     // past the end
  EXPECT_EQ(P().EditorMessage(4242, 2007, 11, 0), 0);
  EXPECT_EQ(P().EditorMessage(4242, 2007, -1, 0), 0);
  EXPECT_EQ(P().EditorMessage(4242, 2008, 0, 0), 0);      // not answered
}

TEST_F(PosixSystem, EditorWithoutBridgeFileAnswersZero) {
  MakeFile("korvex-scintilla-4242", "text");
  EXPECT_EQ(P().EditorMessage(77, 2006, 0, 0), 0);
  EXPECT_EQ(P().EditorMessage(77, 2007, 0, 0), 0);
}

TEST_F(PosixSystem, EditorFollowsAChangedText) {
  MakeFile("korvex-scintilla-5", "old");
  EXPECT_EQ(P().EditorMessage(5, 2006, 0, 0), 3);
  EXPECT_EQ(P().EditorMessage(5, 2007, 0, 0), 'o');
  MakeFile("korvex-scintilla-5", "a new text");
  EXPECT_EQ(P().EditorMessage(5, 2006, 0, 0), 10);
  EXPECT_EQ(P().EditorMessage(5, 2007, 0, 0), 'a');
  MakeFile("korvex-scintilla-5", "b new text");  // same size
  EXPECT_EQ(P().EditorMessage(5, 2006, 0, 0), 10);
  EXPECT_EQ(P().EditorMessage(5, 2007, 0, 0), 'b');
  std::filesystem::remove(Folder() + "korvex-scintilla-5");
  EXPECT_EQ(P().EditorMessage(5, 2007, 0, 0), 0);
}

// A stand-in xdg-open on PATH records what it was asked to open.
TEST_F(PosixSystem, ShellOpenHandsTheTargetToXdgOpen) {
  std::string opener = MakeFile("bin/xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > \"" + Folder() + "opened.tmp\"\n"
                                                "mv \"" + Folder() + "opened.tmp\" \"" + Folder() + "opened\"\n");
  std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
  ScopedEnvVar path("PATH", Folder() + "bin:/usr/bin:/bin");
  ASSERT_TRUE(P().ShellOpen("file:///srv/www/my shop/index.html"));
  for (int i = 0; i < 400 && FileText("opened") == "<missing>"; ++i) P().SleepMilliseconds(5);
  EXPECT_EQ(FileText("opened"), "file:///srv/www/my shop/index.html");
}

TEST_F(PosixSystem, ShellOpenWithoutXdgOpenFails) {
  P().CreateFolder(Folder() + "empty");
  ScopedEnvVar path("PATH", Folder() + "empty");
  EXPECT_FALSE(P().ShellOpen("http://localhost/"));
}

}  // namespace
}  // namespace korvex::platform_tests
