// PosixPlatform: the platform interface on Linux and other POSIX systems.
// Its operations live in files by concern: platform_posix.cpp (console,
// environment, the Yes/No prompt), files_posix.cpp, processes_posix.cpp and
// editor_bridge_posix.cpp. Only these files include system headers.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace korvex::platform {

/// The editor's text as the bridge file held it when it was last read, with
/// what identifies that version of the file.
struct EditorBridgeCache {
  int64_t Handle = 0;
  bool Loaded = false;
  int64_t Device = 0, Inode = 0, Size = 0, ModifiedNs = 0;
  std::string Bytes;
};

class PosixPlatform : public Platform {
 public:
  PosixPlatform(std::string firstParameter, std::string programPath);
  ~PosixPlatform() override;

  void ConsoleOpen(const std::string& title) override;
  void ConsoleWrite(const std::string& text) override;
  std::string ConsoleReadLine() override;
  void ConsoleClose() override;

  std::string GetEnv(const std::string& name) override;
  std::string FirstParameter() override { return firstParameter_; }
  std::string ProgramPath() override { return programPath_; }
  std::string CurrentFolder() override;
  std::string TempFolder() override;
  std::string AppDataFolder() override;
  int64_t LocalTimeSeconds() override;
  void SleepMilliseconds(int ms) override;

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

 private:
  std::string firstParameter_;
  std::string programPath_;
  EditorBridgeCache editor_;
};

/// Reaps, without waiting, the children that were left running when their
/// ChildProcess went away (and the shell's openers).
void ReapFinishedChildren();

}  // namespace korvex::platform
