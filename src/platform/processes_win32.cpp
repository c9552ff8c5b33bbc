// Win32Platform: child processes and the shell's "open". The command line
// goes to CreateProcessW as it is, so the child splits it itself:
// "\"C:\PB\Compilers\pbcompiler.exe\" /CHECK \"C:\src\shop.pb\"". A child
// started with Read writes its standard output into a pipe that is read
// while polling PeekNamedPipe; what is still in the pipe after the child
// ended is read too. A line that is not UTF-8 is taken in the OEM code
// page, the one console programs write in.
#include "platform/codepage.h"
#include "platform/line_splitter.h"
#include "platform/platform_win32.h"
#include "platform/windows_win32.h"

#include <shellapi.h>

namespace korvex::platform {
namespace {

std::string Utf8FromChildLine(const std::string& line) {
  if (IsValidUtf8(line) || line.size() > 32768) return line;
  int count = static_cast<int>(line.size());
  int length = MultiByteToWideChar(CP_OEMCP, 0, line.data(), count, nullptr, 0);
  if (length <= 0) return Utf8FromUnknownText(line);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_OEMCP, 0, line.data(), count, wide.data(), length);
  return Utf8FromWide(wide);
}

void CloseIfOpen(HANDLE& handle) {
  if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  handle = nullptr;
}

class Win32Child : public ChildProcess {
 public:
  Win32Child(HANDLE process, HANDLE output) : process_(process), output_(output) {}
  ~Win32Child() override {
    CloseIfOpen(output_);
    CloseIfOpen(process_);
  }

  bool Running() override { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
  bool OutputWaiting() override;
  std::string ReadLine() override { return Utf8FromChildLine(lines_.TakeLine()); }
  int ExitCode() override;

 private:
  bool Pump();

  HANDLE process_;
  HANDLE output_;  // read end of the child's standard output, when captured
  LineSplitter lines_;
};

// Takes what the pipe holds without blocking. When every writer has closed
// it (the child ended) and it is empty, a last partial line is completed
// and the pipe is closed. False when there was nothing to take.
bool Win32Child::Pump() {
  if (output_ == nullptr) return false;
  DWORD available = 0;
  if (!PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr)) {
    lines_.Finish();  // ERROR_BROKEN_PIPE: the output has ended
    CloseIfOpen(output_);
    return true;
  }
  if (available == 0) return false;
  char buffer[65536];
  DWORD n = 0;
  DWORD wanted = available < sizeof buffer ? available : static_cast<DWORD>(sizeof buffer);
  if (!::ReadFile(output_, buffer, wanted, &n, nullptr) || n == 0) return false;
  lines_.Feed(std::string_view(buffer, n));
  return true;
}

// With nothing ready, looks again for up to about 10 ms so that a polling
// caller does not spin; a child that ends meanwhile stops the wait.
bool Win32Child::OutputWaiting() {
  for (int attempt = 0; attempt < 10 && !lines_.HasLine(); ++attempt) {
    while (!lines_.HasLine() && Pump()) {
    }
    if (lines_.HasLine()) break;
    bool ended = WaitForSingleObject(process_, 1) != WAIT_TIMEOUT;
    if (ended && output_ == nullptr) break;
    if (ended) {
      // The rest of the output is in the pipe already; take it, and end
      // a last partial line when the pipe is closed.
      while (!lines_.HasLine() && Pump()) {
      }
      break;
    }
  }
  return lines_.HasLine();
}

// The pipe is kept drained while waiting, so a child with much output never
// blocks on a full pipe.
int Win32Child::ExitCode() {
  while (WaitForSingleObject(process_, output_ != nullptr ? 10 : INFINITE) == WAIT_TIMEOUT) {
    while (Pump()) {
    }
  }
  DWORD code = 1;
  if (!GetExitCodeProcess(process_, &code)) code = 1;
  return static_cast<int>(code);
}

// The standard handle, inheritable so that the child shares it; null when
// there is none.
HANDLE InheritableStdHandle(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return nullptr;
  SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  return handle;
}

}  // namespace

std::unique_ptr<ChildProcess> Win32Platform::Start(const StartRequest& request) {
  if (request.CommandLine.empty()) return nullptr;
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (request.Read) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return nullptr;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);  // only the child's end is passed on
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = InheritableStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = request.Read ? writeEnd : InheritableStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = InheritableStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION created{};
  std::wstring commandLine = WideFromUtf8(request.CommandLine);  // CreateProcessW may write into it
  std::wstring folder = WideFromUtf8(request.WorkingFolder);
  BOOL ok = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                           folder.empty() ? nullptr : folder.c_str(), &startup, &created);
  CloseIfOpen(writeEnd);  // only the child writes; its end then ends our reads
  if (!ok) {
    CloseIfOpen(readEnd);
    return nullptr;
  }
  CloseHandle(created.hThread);
  auto child = std::make_unique<Win32Child>(created.hProcess, readEnd);
  if (request.Wait) child->ExitCode();
  return child;
}

bool Win32Platform::ShellOpen(const std::string& target) {
  HINSTANCE result =
      ShellExecuteW(nullptr, L"open", WideFromUtf8(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace korvex::platform
