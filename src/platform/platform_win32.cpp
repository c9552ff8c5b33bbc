// Win32Platform: construction, the console, the environment and the Yes/No
// message box. The console is the process's standard handles. A console
// window gets the lines as UTF-16 (WriteConsoleW), so "C:\Users\J\xC3\xBCrgen"
// shows as "C:\Users\Jürgen" whatever the console's code page; a pipe or a
// file gets the UTF-8 bytes as they are (no "\n" to "\r\n" translation),
// so a transcript of a run through a pipe is exact.
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
// the buffer is too small (GetEnvironmentVariableW, GetCurrentDirectoryW,
// GetTempPathW, GetLongPathNameW): the text in UTF-8, "" on failure.
template <typename Call>
std::string FillBuffer(Call call) {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  while (true) {
    DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "";
    if (n < buffer.size()) return Utf8FromWide(std::wstring_view(buffer.data(), n));
    buffer.resize(static_cast<size_t>(n) + 1);
  }
}

// The whole path of the running program; GetModuleFileNameW cuts a long
// path to the buffer without saying how long it would be.
std::string OwnExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  while (buffer.size() <= 32768 * 2) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "";
    if (n < buffer.size()) return Utf8FromWide(std::wstring_view(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
  return "";
}

// True when the handle is a console window rather than a pipe or a file.
bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// All of the bytes to a pipe or a file, in pieces a DWORD can count.
void WriteBytes(HANDLE output, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    DWORD n = 0;
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1 << 20));
    if (!::WriteFile(output, text.data() + done, chunk, &n, nullptr) || n == 0) return;
    done += n;
  }
  if (GetFileType(output) == FILE_TYPE_DISK) FlushFileBuffers(output);
}

// The text as characters to a console window, in pieces a DWORD can count
// that never split a surrogate pair.
void WriteCharacters(HANDLE output, const std::string& text) {
  std::wstring wide = WideFromUtf8(text);
  size_t done = 0;
  while (done < wide.size()) {
    size_t chunk = std::min<size_t>(wide.size() - done, 1 << 16);
    if (done + chunk < wide.size() && wide[done + chunk - 1] >= 0xD800 && wide[done + chunk - 1] <= 0xDBFF)
      --chunk;
    DWORD n = 0;
    if (!WriteConsoleW(output, wide.data() + done, static_cast<DWORD>(chunk), &n, nullptr) || n == 0)
      return;
    done += n;
  }
}



// Bytes typed in a console window are in the console's input code page.
std::string Utf8FromConsoleBytes(const std::string& bytes) {
  if (bytes.empty() || bytes.size() > 32768) return bytes;
  UINT page = GetConsoleCP();
  int count = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(page, 0, bytes.data(), count, nullptr, 0);
  if (length <= 0) return bytes;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(page, 0, bytes.data(), count, wide.data(), length);
  return Utf8FromWide(wide);
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
  return IsConsole(input) ? Utf8FromConsoleBytes(line) : line;
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
void Win32Platform::ConsoleOpen(const std::string& title) {
  SetConsoleTitleW(WideFromUtf8(title).c_str());
}

void Win32Platform::ConsoleWrite(const std::string& text) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
  if (IsConsole(output))
    WriteCharacters(output, text);
  else
    WriteBytes(output, text);
}

std::string Win32Platform::ConsoleReadLine() { return ReadInputLine(); }

// Every write went straight to the handle: nothing is left to flush.
void Win32Platform::ConsoleClose() {}

std::string Win32Platform::GetEnv(const std::string& name) {
  std::wstring wideName = WideFromUtf8(name);
  return FillBuffer([&](wchar_t* buffer, DWORD size) {
    return GetEnvironmentVariableW(wideName.c_str(), buffer, size);
  });
}

std::string Win32Platform::CurrentFolder() {
  return WithBackslash(FillBuffer([](wchar_t* buffer, DWORD size) {
    return GetCurrentDirectoryW(size, buffer);
  }));
}

// GetTempPathW may answer the short (8.3) form, as it comes from %TEMP%; the
// program folder is compared with the long form.
std::string Win32Platform::TempFolder() {
  std::string folder = FillBuffer([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
  if (folder.empty()) return "";
  std::wstring wideFolder = WideFromUtf8(folder);
  std::string longForm = FillBuffer([&](wchar_t* buffer, DWORD size) {
    return GetLongPathNameW(wideFolder.c_str(), buffer, size);
  });
  return WithBackslash(longForm.empty() ? folder : longForm);
}

std::string Win32Platform::AppDataFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)))
    return "";
  return Utf8FromWide(buffer);
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
  return MessageBoxW(nullptr, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(), MB_YESNO) ==
         IDYES;
}

}  // namespace platform

// The first parameter is taken from the command line itself, split by the
// C runtime's rules (the quotes of "C:\My Files\shop.pb" are dropped): the
// runtime's own argv may have expanded wildcards.
std::unique_ptr<Platform> CreateSystemPlatform(int, char**) {
  const wchar_t* commandLine = GetCommandLineW();
  std::vector<std::string> args =
      platform::SplitCommandLine(commandLine ? platform::Utf8FromWide(commandLine) : "");
  std::string first = args.size() > 1 ? args[1] : "";
  return std::make_unique<platform::Win32Platform>(first, platform::OwnExecutablePath());
}

}  // namespace korvex
