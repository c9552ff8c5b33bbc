// The Windows platform against the real system: sizes, moves, copies,
// folders and listings in paths with spaces; children started from a command
// line, with a working folder, their output read line by line through a
// pipe; the shell's "open"; the Yes/No message box answered from another
// thread; the editor control answering messages 2006 and 2007 from another
// process; names and texts outside every code page, in UTF-8.
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/platform.h"
#include "platform/platform_win32.h"
#include "support/golden_files.h"
#include "support/process_runner.h"

namespace korvex::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class Win32PlatformTest : public ::testing::Test {
 protected:
  Win32PlatformTest()
      : system(CreateSystemPlatform(0, nullptr)), base(scratch.Path().string() + "\\with space\\") {
    fs::create_directories(base);
  }
  std::unique_ptr<Platform> system;
  ScratchFolder scratch;
  std::string base;  // ends with a backslash
};

TEST_F(Win32PlatformTest, SizeOfMissingPathFolderAndFile) {
  WriteBytes(base + "five.txt", "12345");
  EXPECT_EQ(system->FileSize(base + "five.txt"), 5);
  EXPECT_EQ(system->FileSize(base + "gone.txt"), -1);
  EXPECT_EQ(system->FileSize(""), -1);
  EXPECT_EQ(system->FileSize(base), -2);
  EXPECT_EQ(system->FileSize(base.substr(0, base.size() - 1)), -2);
}

TEST_F(Win32PlatformTest, BytesAreWrittenAndReadAsTheyAre) {
  const std::string bytes("a\r\nb\n\0\xFF", 7);
  ASSERT_TRUE(system->WriteFile(base + "raw.bin", bytes));
  ASSERT_TRUE(system->WriteFile(base + "raw.bin", bytes));  // truncates, does not append
  std::string read;
  ASSERT_TRUE(system->ReadFile(base + "raw.bin", read));
  EXPECT_EQ(read, bytes);
  EXPECT_FALSE(system->ReadFile(base + "gone.bin", read));
  EXPECT_FALSE(system->WriteFile(base + "no folder\\x.txt", "x"));
}

TEST_F(Win32PlatformTest, MoveNeverReplacesItsTarget) {
  WriteBytes(base + "old.ini", "old");
  WriteBytes(base + "new.ini", "new");
  EXPECT_FALSE(system->MoveFile(base + "old.ini", base + "new.ini"));
  EXPECT_EQ(ReadBytes(base + "old.ini"), "old");
  EXPECT_EQ(ReadBytes(base + "new.ini"), "new");
  EXPECT_TRUE(system->MoveFile(base + "old.ini", base + "moved.ini"));
  EXPECT_EQ(ReadBytes(base + "moved.ini"), "old");
  EXPECT_FALSE(fs::exists(base + "old.ini"));
}

TEST_F(Win32PlatformTest, CopyReplacesAndDeleteRemoves) {
  WriteBytes(base + "a.js", "first");
  WriteBytes(base + "b.js", "an older and longer text");
  EXPECT_TRUE(system->CopyFile(base + "a.js", base + "b.js"));
  EXPECT_EQ(ReadBytes(base + "b.js"), "first");
  EXPECT_TRUE(system->DeleteFile(base + "b.js"));
  EXPECT_EQ(system->FileSize(base + "b.js"), -1);
  EXPECT_FALSE(system->DeleteFile(base + "b.js"));
  EXPECT_FALSE(system->CopyFile(base + "gone.js", base + "c.js"));
}

TEST_F(Win32PlatformTest, FoldersOneLevelOrEveryLevel) {
  EXPECT_TRUE(system->CreateFolder(base + "one"));
  EXPECT_FALSE(system->CreateFolder(base + "one"));  // exists already
  EXPECT_FALSE(system->CreateFolder(base + "x\\y"));  // its parent is missing
  EXPECT_TRUE(system->CreatePath(base + "deep er\\lev el\\"));
  EXPECT_EQ(system->FileSize(base + "deep er\\lev el"), -2);
  EXPECT_TRUE(system->CreatePath(base + "deep er\\lev el\\"));  // nothing left to create
  WriteBytes(base + "file", "x");
  EXPECT_FALSE(system->CreatePath(base + "file\\sub\\"));
}

TEST_F(Win32PlatformTest, ListingLeavesOutTheDotEntries) {
  WriteBytes(base + "index.html", "<html>");
  fs::create_directories(base + "CGI");
  std::vector<DirEntry> entries;
  ASSERT_TRUE(system->ListFolder(base, entries));
  std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.Name < b.Name; });
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Name, "CGI");
  EXPECT_TRUE(entries[0].IsFolder);
  EXPECT_EQ(entries[1].Name, "index.html");
  EXPECT_FALSE(entries[1].IsFolder);
  EXPECT_TRUE(system->ListFolder(base.substr(0, base.size() - 1), entries));  // without the backslash
  EXPECT_EQ(entries.size(), 2u);
  EXPECT_FALSE(system->ListFolder(base + "gone", entries));
}

TEST_F(Win32PlatformTest, FoldersOfTheProcess) {
  std::string temp = system->TempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_EQ(temp.find('~'), std::string::npos) << temp;  // the long form
  EXPECT_EQ(system->FileSize(temp), -2);
  std::string current = system->CurrentFolder();
  EXPECT_EQ(current.back(), '\\');
  EXPECT_EQ(system->FileSize(current), -2);
  EXPECT_EQ(system->FileSize(system->AppDataFolder()), -2);
  std::string program = system->ProgramPath();
  EXPECT_EQ(program.substr(program.size() - 16), "korvex_tests.exe") << program;
}

TEST_F(Win32PlatformTest, LocalTimeIsNearTheClock) {
  int64_t now = static_cast<int64_t>(std::time(nullptr));
  // Local time differs from UTC by at most 14 hours.
  EXPECT_LE(std::abs(system->LocalTimeSeconds() - now), 14 * 3600 + 60);
}

TEST_F(Win32PlatformTest, EnvironmentVariables) {
  SetEnvironmentVariableA("KORVEX_TEST_VALUE", "C:\\Program Files\\PureBasic\\Compilers\\pbcompiler.exe");
  EXPECT_EQ(system->GetEnv("KORVEX_TEST_VALUE"), "C:\\Program Files\\PureBasic\\Compilers\\pbcompiler.exe");
  SetEnvironmentVariableA("KORVEX_TEST_VALUE", nullptr);
  EXPECT_EQ(system->GetEnv("KORVEX_TEST_VALUE"), "");
}

TEST_F(Win32PlatformTest, EnvironmentValuesInUtf8) {
  SetEnvironmentVariableW(L"KORVEX_TEST_VALUE", L"C:\\J\u00FCrgen\\\u65E5\u672C");
  EXPECT_EQ(system->GetEnv("KORVEX_TEST_VALUE"), "C:\\Jürgen\\日本");
  SetEnvironmentVariableW(L"KORVEX_TEST_VALUE", nullptr);
}

TEST(Win32Text, Utf8AndUtf16BothWays) {
  EXPECT_EQ(platform::WideFromUtf8("Jürgen 日本 😀"), L"J\u00FCrgen \u65E5\u672C \xD83D\xDE00");
  EXPECT_EQ(platform::Utf8FromWide(L"J\u00FCrgen \u65E5\u672C \xD83D\xDE00"), "Jürgen 日本 😀");
  EXPECT_EQ(platform::Utf8FromWide(std::wstring(1, wchar_t(0xD83D))), "\xEF\xBF\xBD");  // a lone surrogate
  EXPECT_EQ(platform::WideFromUtf8("a\xFF" "b"), L"a\xFFFD" L"b");
}

// Files and folders whose names no ANSI code page holds all of.
TEST_F(Win32PlatformTest, NamesOutsideEveryCodePage) {
  std::string folder = base + "Größe 日本 ≥\\";
  ASSERT_TRUE(system->CreatePath(folder + "sub\\"));
  EXPECT_EQ(system->FileSize(folder), -2);
  ASSERT_TRUE(system->WriteFile(folder + "Grüße €.pb", "x = 1"));
  EXPECT_EQ(system->FileSize(folder + "Grüße €.pb"), 5);
  std::string read;
  ASSERT_TRUE(system->ReadFile(folder + "Grüße €.pb", read));
  EXPECT_EQ(read, "x = 1");
  EXPECT_TRUE(system->CopyFile(folder + "Grüße €.pb", folder + "sub\\日本.pb"));
  EXPECT_TRUE(system->MoveFile(folder + "sub\\日本.pb", folder + "sub\\≥.pb"));
  std::vector<DirEntry> entries;
  ASSERT_TRUE(system->ListFolder(folder + "sub", entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, "≥.pb");
  EXPECT_TRUE(system->DeleteFile(folder + "sub\\≥.pb"));
  EXPECT_EQ(system->FileSize(folder + "sub\\≥.pb"), -1);
}

// A copy of the stand-in child under a name with spaces in a folder with
// spaces; what it does is set by the files beside it.
class Win32ChildTest : public Win32PlatformTest {
 protected:
  Win32ChildTest() : child(base + "my tools\\child.exe") {
    fs::create_directories(base + "my tools");
    fs::copy_file(KORVEX_CHILD_HELPER, child);
  }
  std::unique_ptr<ChildProcess> Start(const std::string& parameters, bool read, bool wait = false,
                                      const std::string& folder = "") {
    StartRequest request;
    request.CommandLine = "\"" + child + "\"" + (parameters.empty() ? "" : " " + parameters);
    request.WorkingFolder = folder;
    request.Read = read;
    request.Wait = wait;
    return system->Start(request);
  }
  // Every line the child printed, read as the syntax check reads them.
  static Lines Echo(ChildProcess& process) {
    Lines lines;
    while (process.Running() || process.OutputWaiting())
      if (process.OutputWaiting()) lines.push_back(process.ReadLine());
    return lines;
  }
  std::string Calls() { return ReadBytes(child + ".calls"); }
  std::string child;
};

TEST_F(Win32ChildTest, LinesEndAtCrLfOrCrLf) {
  WriteBytes(child + ".out", "one\r\ntwo\nthree\rfour");
  WriteBytes(child + ".exit", "3");
  auto process = Start("", true);
  ASSERT_NE(process, nullptr);
  EXPECT_EQ(Echo(*process), (Lines{"one", "two", "three", "four"}));
  EXPECT_EQ(process->ExitCode(), 3);
}

TEST_F(Win32ChildTest, OutputLeftAfterTheEndIsStillRead) {
  WriteBytes(child + ".out", "last words\r\nand a partial line");
  auto process = Start("", true);
  ASSERT_NE(process, nullptr);
  for (int i = 0; i < 500 && process->Running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_FALSE(process->Running());
  EXPECT_EQ(Echo(*process), (Lines{"last words", "and a partial line"}));
  EXPECT_EQ(process->ExitCode(), 0);
}

TEST_F(Win32ChildTest, MuchOutputNeverBlocksTheChild) {
  std::string out;
  for (int i = 0; i < 20000; ++i) out += "line " + std::to_string(i) + "\r\n";
  WriteBytes(child + ".out", out);
  auto process = Start("", true);
  ASSERT_NE(process, nullptr);
  Lines lines = Echo(*process);
  ASSERT_EQ(lines.size(), 20000u);
  EXPECT_EQ(lines.back(), "line 19999");
}

TEST_F(Win32ChildTest, OutputLinesInUtf8OrTheOemPage) {
  // 0x81 is "ü" in the OEM pages of the West (437, 850)
  WriteBytes(child + ".out", "J\xC3\xBCrgen \xE6\x97\xA5\r\nJ\x81rgen\r\n");
  auto process = Start("", true);
  ASSERT_NE(process, nullptr);
  Lines lines = Echo(*process);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Jürgen 日");
  if (GetOEMCP() == 437 || GetOEMCP() == 850) {
    EXPECT_EQ(lines[1], "Jürgen");
  }
}

TEST_F(Win32ChildTest, CommandLineIsSplitByTheChild) {
  auto process = Start("/CHECK \"C:\\my sources\\shop.pb\"", true);
  ASSERT_NE(process, nullptr);
  EXPECT_EQ(process->ExitCode(), 0);
  EXPECT_EQ(Calls(), system->CurrentFolder().substr(0, system->CurrentFolder().size() - 1) +
                         "|/CHECK|C:\\my sources\\shop.pb\n");
}

TEST_F(Win32ChildTest, WorkingFolderOfItsOwn) {
  fs::create_directories(base + "work dir");
  auto process = Start("", false, true, base + "work dir\\");
  ASSERT_NE(process, nullptr);
  // With Wait the start returns after the end: the call is recorded.
  EXPECT_EQ(Calls().substr(0, Calls().find('\n')), fs::canonical(base + "work dir").string());
}

TEST_F(Win32ChildTest, ProgramThatCannotBeStarted) {
  EXPECT_EQ(system->Start({"\"" + base + "gone.exe\"", "", false, true}), nullptr);
  WriteBytes(base + "text.exe", "not a program");
  EXPECT_EQ(system->Start({"\"" + base + "text.exe\"", "", false, true}), nullptr);
  EXPECT_EQ(system->Start({"", "", false, false}), nullptr);
}

TEST_F(Win32ChildTest, ShellOpensAProgramFile) {
  ASSERT_TRUE(system->ShellOpen(child));
  for (int i = 0; i < 500 && !fs::exists(child + ".calls"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(fs::exists(child + ".calls"));
  EXPECT_FALSE(system->ShellOpen(base + "gone.xyz"));
}

// The message box of the Yes/No question, answered by a click posted from
// another thread; the box is the dialog class "#32770" with the title, and
// of this process.
HWND OwnDialog(const char* title) {
  for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", title)) != nullptr;) {
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    if (process == GetCurrentProcessId()) return box;
  }
  return nullptr;
}

void AnswerQuestion(const char* title, int button, bool& found) {
  for (int i = 0; i < 1000 && !found; ++i) {
    if (HWND box = OwnDialog(title)) {
      found = PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0) != 0;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

// Korvex.exe, run by other tests at the same time, asks its question in a
// box of the same title: those tests and these take turns.
class DialogLock {
 public:
  DialogLock() : mutex_(CreateMutexA(nullptr, FALSE, "korvex-tests-settings-folder")) {
    WaitForSingleObject(mutex_, INFINITE);
  }
  ~DialogLock() {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }

 private:
  HANDLE mutex_;
};

TEST_F(Win32PlatformTest, YesNoQuestionAnsweredYes) {
  DialogLock lock;
  bool found = false;
  std::thread answer(AnswerQuestion, "Korvex", IDYES, std::ref(found));
  bool yes = system->AskYesNo("Korvex", "Profile 'Shop' doesn't exists. Create a new one?");
  answer.join();
  EXPECT_TRUE(found);
  EXPECT_TRUE(yes);
}

TEST_F(Win32PlatformTest, YesNoQuestionAnsweredNo) {
  DialogLock lock;
  bool found = false;
  std::thread answer(AnswerQuestion, "Korvex", IDNO, std::ref(found));
  bool yes = system->AskYesNo("Korvex", "Profile 'Shop' doesn't exists. Create a new one?");
  answer.join();
  EXPECT_TRUE(found);
  EXPECT_FALSE(yes);
}

// The stand-in editor control in a process of its own, holding a text.
class Win32EditorTest : public Win32PlatformTest {
 protected:
  int64_t OpenEditor(const std::string& text) {
    WriteBytes(base + "editor.txt", text);
    editor = system->Start({"\"" KORVEX_EDITOR_WINDOW "\" \"" + base + "editor.txt\"", "", false, true});
    if (editor == nullptr) return 0;
    for (int i = 0; i < 1000 && !editor->OutputWaiting(); ++i) {
    }
    return editor->OutputWaiting() ? std::stoll(editor->ReadLine()) : 0;
  }
  void CloseEditor(int64_t handle) {
    PostMessageA(reinterpret_cast<HWND>(static_cast<intptr_t>(handle)), WM_CLOSE, 0, 0);
    editor->ExitCode();
  }
  std::unique_ptr<ChildProcess> editor;
};

TEST_F(Win32EditorTest, LengthAndCharactersFromAnotherProcess) {
  int64_t handle = OpenEditor("If a\r\n\xE4");
  ASSERT_NE(handle, 0);
  EXPECT_EQ(system->EditorMessage(handle, 2006, 0, 0), 7);
  std::string text;
  for (int64_t i = 0; i < 7; ++i) text += static_cast<char>(system->EditorMessage(handle, 2007, i, 0));
  EXPECT_EQ(text, "If a\r\n\xE4");
  EXPECT_EQ(system->EditorMessage(handle, 2007, 7, 0), 0);  // past the end
  CloseEditor(handle);
  // The window is gone: a stale handle answers 0.
  EXPECT_EQ(system->EditorMessage(handle, 2006, 0, 0), 0);
  EXPECT_EQ(system->EditorMessage(0, 2006, 0, 0), 0);
}

}  // namespace
}  // namespace korvex::testing
