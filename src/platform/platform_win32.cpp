// Win32Platform: construction, the console, the environment and the Yes/No
// message box. The console is the process's standard handles: output is
// written as raw bytes (no text-mode "\n" to "\r\n" translation), so a
// transcript of a run through a pipe is exact.
#include "platform/platform_win32.h"

#include <algorithm>
#include <vector>

#include "platform/command_line.h"
#include "platform/windows_win32.h"

#include <shlobj.h>

namespace korvex {
namespace platform {
namespace {

// A Windows call that fills a buffer and answers the length it needs when
// the buffer is too small (GetEnvironmentVariableA, GetCurrentDirectoryA,
// GetTempPathA, GetLongPathNameA): "" on failure.
template <typename Call>
std::string FillBuffer(Call call) {
  std::vector<char> buffer(MAX_PATH + 1);
  while (true) {
    DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "";
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(static_cast<size_t>(n) + 1);
  }
}

// The whole path of the running program; GetModuleFileNameA cuts a long
// path to the buffer without saying how long it would be.
std::string OwnExecutablePath() {
  std::vector<char> buffer(MAX_PATH + 1);
  while (buffer.size() <= 32768 * 2) {
    DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "";
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
  return "";
}

// One line read a byte at a time, so that nothing past its end is taken
// from a standard input that children share. The line end (LF, with a CR
// before it) is dropped; end of input gives what was read so far.
std::string ReadInputLine() {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  std::string line;
  if (input == nullptr || input == INVALID_HANDLE_VALUE) return line;
  char c;
  DWORD n = 0;
  while (::ReadFile(input, &c, 1, &n, nullptr) && n == 1 && c != '\n') line += c;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

std::string WithBackslash(std::string path) {
  if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
  return path;
}

Win32Platform::Win32Platform(std::string firstParameter, std::string programPath)
    : firstParameter_(std::move(firstParameter)), programPath_(std::move(programPath)) {}

// Without a console window (output to a pipe, a detached start) the title
// cannot be set; that is not an error of the run.
void Win32Platform::ConsoleOpen(const std::string& title) { SetConsoleTitleA(title.c_str()); }

void Win32Platform::ConsoleWrite(const std::string& text) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
  size_t done = 0;
  while (done < text.size()) {
    DWORD n = 0;
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1 << 20));
    if (!::WriteFile(output, text.data() + done, chunk, &n, nullptr) || n == 0) return;
    done += n;
  }
  if (GetFileType(output) == FILE_TYPE_DISK) FlushFileBuffers(output);
}

std::string Win32Platform::ConsoleReadLine() { return ReadInputLine(); }

// Every write went straight to the handle: nothing is left to flush.
void Win32Platform::ConsoleClose() {}

std::string Win32Platform::GetEnv(const std::string& name) {
  return FillBuffer([&](char* buffer, DWORD size) {
    return GetEnvironmentVariableA(name.c_str(), buffer, size);
  });
}

std::string Win32Platform::CurrentFolder() {
  return WithBackslash(FillBuffer([](char* buffer, DWORD size) {
    return GetCurrentDirectoryA(size, buffer);
  }));
}

// GetTempPathA may answer the short (8.3) form, as it comes from %TEMP%; the
// program folder is compared with the long form.
std::string Win32Platform::TempFolder() {
  std::string folder = FillBuffer([](char* buffer, DWORD size) { return GetTempPathA(size, buffer); });
  if (folder.empty()) return "";
  std::string longForm = FillBuffer([&](char* buffer, DWORD size) {
    return GetLongPathNameA(folder.c_str(), buffer, size);
  });
  return WithBackslash(longForm.empty() ? folder : longForm);
}

std::string Win32Platform::AppDataFolder() {
  char buffer[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)))
    return "";
  return buffer;
}

// The local wall-clock time counted as if it were UTC.
int64_t Win32Platform::LocalTimeSeconds() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  FILETIME asFileTime;
  if (!SystemTimeToFileTime(&local, &asFileTime)) return 0;
  ULARGE_INTEGER ticks;  // 100 ns steps since 1601-01-01
  ticks.LowPart = asFileTime.dwLowDateTime;
  ticks.HighPart = asFileTime.dwHighDateTime;
  constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
  return static_cast<int64_t>(ticks.QuadPart / 10000000) - kSecondsFrom1601To1970;
}

void Win32Platform::SleepMilliseconds(int ms) {
  if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

bool Win32Platform::AskYesNo(const std::string& title, const std::string& text) {
  return MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_YESNO) == IDYES;
}

}  // namespace platform

// The first parameter is taken from the command line itself, split by the
// C runtime's rules (the quotes of "C:\My Files\shop.pb" are dropped): the
// runtime's own argv may have expanded wildcards.
std::unique_ptr<Platform> CreateSystemPlatform(int, char**) {
  const char* commandLine = GetCommandLineA();
  std::vector<std::string> args = platform::SplitCommandLine(commandLine ? commandLine : "");
  std::string first = args.size() > 1 ? args[1] : "";
  return std::make_unique<platform::Win32Platform>(first, platform::OwnExecutablePath());
}

}  // namespace korvex
