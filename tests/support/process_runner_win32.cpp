// Process runner for tests on Windows; see process_runner.h. There is no
// shell in between: the command is a command line, started as it is with
// CreateProcessW (the command line, the folder and the environment are
// UTF-8, as the converter's own texts), and ShellQuote quotes one argument
// so that the child's C runtime reads it back unchanged.
#include "support/process_runner.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <atomic>
#include <fstream>
#include <stdexcept>

#include "platform/platform_win32.h"

namespace korvex::testing {

namespace fs = std::filesystem;

namespace {

// Starts the line with the given standard handles (the output one is the
// pipe); its output and exit code.
ProcessResult RunWithHandles(const std::string& commandLine, const std::string& folder,
                             const std::string& environment, HANDLE input, bool mergeErrors) {
  ProcessResult result;
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return result;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = writeEnd;
  startup.hStdError = mergeErrors ? writeEnd : GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION created{};
  std::wstring line = platform::WideFromUtf8(commandLine);
  std::wstring block = platform::WideFromUtf8(environment);  // its NULs stay NULs
  std::wstring wideFolder = platform::WideFromUtf8(folder);
  BOOL ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                           block.empty() ? nullptr : block.data(),
                           wideFolder.empty() ? nullptr : wideFolder.c_str(), &startup, &created);
  CloseHandle(writeEnd);
  if (ok) {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) result.Output.append(buffer, n);
    WaitForSingleObject(created.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(created.hProcess, &code)) result.ExitCode = static_cast<int>(code);
    CloseHandle(created.hThread);
    CloseHandle(created.hProcess);
  }
  CloseHandle(readEnd);
  return result;
}

}  // namespace

ProcessResult RunShell(const std::string& command) {
  return RunWithHandles(command, "", "", GetStdHandle(STD_INPUT_HANDLE), false);
}

ProcessResult RunCommandLine(const std::string& commandLine, const std::string& folder,
                             const std::string& environment) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE input = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                             OPEN_EXISTING, 0, nullptr);
  ProcessResult result = RunWithHandles(commandLine, folder, environment, input, true);
  CloseHandle(input);
  return result;
}

// "a b" -> "\"a b\""; backslashes are doubled only where a quote follows.
std::string ShellQuote(const std::string& text) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : text) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

// Windows has no execute bit: what runs is decided by the file's name.
void WriteBytes(const fs::path& path, const std::string& bytes, bool) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

ScratchFolder::ScratchFolder() {
  static std::atomic<unsigned> counter{0};
  fs::path base = fs::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "korvex-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount64()) + "-" + std::to_string(counter++);
    std::error_code error;
    if (fs::create_directory(base / name, error)) {
      path_ = fs::canonical(base / name);
      return;
    }
  }
  throw std::runtime_error("no scratch folder could be created");
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

}  // namespace korvex::testing
