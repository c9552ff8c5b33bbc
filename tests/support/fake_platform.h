// FakePlatform: the platform interface in memory, for tests. Files and
// folders live in maps, the console is captured, environment variables and
// child processes are scripted.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/native_path.h"

namespace korvex::testing {

/// What a scripted child does: its output lines (with their line ends, as
/// the child writes them) and its exit code.
struct ScriptedChild {
  std::string Output;
  int ExitCode = 0;
  int RunningPolls = 0;  // how many times Running() answers true first
};

class FakePlatform : public Platform {
 public:
  // Scripting.
  std::map<std::string, std::string> files;
  std::set<std::string> folders;  // with the trailing separator
  std::map<std::string, std::string> env;
  std::string firstParameter;
  std::string programPath = NativePath("/opt/korvex/Korvex");
  std::string currentFolder = NativePath("/work/");
  std::string tempFolder = NativePath("/tmp/");
  std::string appDataFolder = NativePath("/home/user/.config");
  int64_t localTime = 1389523200;
  std::vector<std::string> consoleInput;
  bool yesAnswer = false;
  bool foldersCanBeCreated = true;  // false: CreateFolder and CreatePath fail
  /// How many more times DeleteFile of a path fails and leaves the file.
  std::map<std::string, int> deleteFailures;
  /// Decides what a started command line does; nullptr: cannot be started.
  std::function<const ScriptedChild*(const StartRequest&)> onStart;
  std::function<int64_t(int64_t, int, int64_t, int64_t)> onEditorMessage;

  // Observations.
  std::string console;                 // everything written, in order
  std::vector<StartRequest> started;   // every start, in order
  std::vector<std::string> opened;     // ShellOpen targets
  std::vector<std::string> questions;  // AskYesNo texts
  std::vector<int> sleeps;             // every SleepMilliseconds, in order
  std::string consoleTitle;
  bool consoleClosed = false;
  /// Every EditorMessage call as {handle, message, wParam, lParam}.
  std::vector<std::vector<int64_t>> editorMessages;

  /// The console output split into lines at "\r\n".
  std::vector<std::string> ConsoleLines() const;

  void ConsoleOpen(const std::string& title) override { consoleTitle = title; }
  void ConsoleWrite(const std::string& text) override { console += text; }
  std::string ConsoleReadLine() override;
  void ConsoleClose() override { consoleClosed = true; }

  std::string GetEnv(const std::string& name) override;
  std::string FirstParameter() override { return firstParameter; }
  std::string ProgramPath() override { return programPath; }
  std::string CurrentFolder() override { return currentFolder; }
  std::string TempFolder() override { return tempFolder; }
  std::string AppDataFolder() override { return appDataFolder; }
  int64_t LocalTimeSeconds() override { return localTime; }
  void SleepMilliseconds(int ms) override { sleeps.push_back(ms); }

  int64_t FileSize(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& bytes) override;
  bool WriteFile(const std::string& path, std::string_view bytes) override;
  bool MoveFile(const std::string& from, const std::string& to) override;
  bool DeleteFile(const std::string& path) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool CreateFolder(const std::string& path) override;
  bool CreatePath(const std::string& path) override;
  bool ListFolder(const std::string& path, std::vector<DirEntry>& entries) override;

  std::unique_ptr<ChildProcess> Start(const StartRequest& request) override;
  bool ShellOpen(const std::string& target) override;
  bool AskYesNo(const std::string& title, const std::string& text) override;
  int64_t EditorMessage(int64_t handle, int message, int64_t wParam, int64_t lParam) override;
};

}  // namespace korvex::testing
