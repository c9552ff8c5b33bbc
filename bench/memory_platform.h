// The platform of the benchmarks: files in memory, a program folder of
// their choice, a console that prints nothing; everything else answers
// "nothing there".
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace korvex {

class MemoryPlatform : public Platform {
 public:
  explicit MemoryPlatform(std::string folder) : folder_(std::move(folder)) {}
  std::map<std::string, std::string> files;

  void ConsoleOpen(const std::string&) override {}
  void ConsoleWrite(const std::string&) override {}
  std::string ConsoleReadLine() override { return ""; }
  void ConsoleClose() override {}
  std::string GetEnv(const std::string&) override { return ""; }
  std::string FirstParameter() override { return ""; }
  std::string ProgramPath() override { return folder_ + "Korvex"; }
  std::string CurrentFolder() override { return folder_; }
  std::string TempFolder() override { return "/tmp/"; }
  std::string AppDataFolder() override { return folder_ + ".config"; }
  int64_t LocalTimeSeconds() override { return 0; }
  void SleepMilliseconds(int) override {}
  int64_t FileSize(const std::string& path) override {
    auto it = files.find(path);
    return it == files.end() ? -1 : static_cast<int64_t>(it->second.size());
  }
  bool ReadFile(const std::string& path, std::string& bytes) override {
    auto it = files.find(path);
    if (it == files.end()) return false;
    bytes = it->second;
    return true;
  }
  bool WriteFile(const std::string& path, std::string_view bytes) override {
    files[path] = std::string(bytes);
    return true;
  }
  bool MoveFile(const std::string&, const std::string&) override { return false; }
  bool DeleteFile(const std::string&) override { return false; }
  bool CopyFile(const std::string&, const std::string&) override { return false; }
  bool CreateFolder(const std::string&) override { return false; }
  bool CreatePath(const std::string&) override { return false; }
  bool ListFolder(const std::string&, std::vector<DirEntry>&) override { return false; }
  std::unique_ptr<ChildProcess> Start(const StartRequest&) override { return nullptr; }
  bool ShellOpen(const std::string&) override { return false; }
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  int64_t EditorMessage(int64_t, int, int64_t, int64_t) override { return 0; }

 private:
  std::string folder_;  // where the program is, ending in "/"
};

}  // namespace korvex
