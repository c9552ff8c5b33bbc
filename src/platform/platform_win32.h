// Win32Platform: the platform interface on Windows, through the wide (W)
// functions of the Windows API: the converter's UTF-8 texts become UTF-16
// on the way in and UTF-8 again on the way out, so a path is read, written
// and shown whatever its characters. Its operations live in files by concern:
// platform_win32.cpp (console, environment, the Yes/No message box),
// files_win32.cpp, processes_win32.cpp, editor_bridge_win32.cpp and
// codepage_win32.cpp. Only these files include <windows.h>, through
// windows_win32.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace korvex::platform {

class Win32Platform : public Platform {
 public:
  Win32Platform(std::string firstParameter, std::string programPath);

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
};

/// The path with a backslash at its end (a "/" there counts as one too).
std::string WithBackslash(std::string path);

/// UTF-8 as the UTF-16 of the W functions; a malformed byte becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
/// UTF-16 from a W function as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace korvex::platform
