// Process runner for tests on POSIX systems; see process_runner.h.
#include "support/process_runner.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <fstream>
#include <stdexcept>
#include <vector>

namespace korvex::testing {

namespace fs = std::filesystem;

ProcessResult RunShell(const std::string& command) {
  ProcessResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.Output.append(buffer, n);
  int status = pclose(pipe);
  if (status != -1 && WIFEXITED(status)) result.ExitCode = WEXITSTATUS(status);
  return result;
}

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

void WriteBytes(const fs::path& path, const std::string& bytes, bool executable) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  if (executable)
    fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add);
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "korvex-test-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = fs::canonical(name.data());
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

}  // namespace korvex::testing
