// Platform: everything the converter asks of the operating system, behind one
// interface so that the driver and the passes run unchanged on Windows and
// POSIX, and against FakePlatform in tests. platform_posix.cpp and
// platform_win32.cpp implement it; nothing else includes system headers.
// Calls return values and never print: the caller decides what the user sees.
// Every text that crosses it (paths, environment values, console lines) is
// UTF-8; the Windows layer converts at its edge.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

namespace platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace platform

struct DirEntry {
  std::string Name;
  bool IsFolder = false;
};

/// What a start of another program asks for. The command line is built from
/// Program and Parameters as the start operation of the driver does it.
struct StartRequest {
  std::string CommandLine;    // the whole command line, Windows quoting rules
  std::string WorkingFolder;  // "" for the converter's own
  bool Wait = false;          // block until the child ends
  bool Read = false;          // capture standard output through a pipe
};

/// A running (or finished) child process started with Read set.
class ChildProcess {
 public:
  virtual ~ChildProcess() = default;
  /// True while the child has not ended.
  virtual bool Running() = 0;
  /// True when a whole line (ended by CR, LF or CR LF), or the last piece of
  /// output after the child closed its end, is ready to be read.
  virtual bool OutputWaiting() = 0;
  /// The next line without its line end. Call only when OutputWaiting().
  virtual std::string ReadLine() = 0;
  /// Waits for the end and returns the exit code.
  virtual int ExitCode() = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Console.
  virtual void ConsoleOpen(const std::string& title) = 0;
  /// Writes the bytes as they are and flushes.
  virtual void ConsoleWrite(const std::string& text) = 0;
  /// One line without its line end; "" at end of input.
  virtual std::string ConsoleReadLine() = 0;
  virtual void ConsoleClose() = 0;

  // Environment.
  /// "" when unset.
  virtual std::string GetEnv(const std::string& name) = 0;
  /// The first command-line parameter, without surrounding quotes; "" if none.
  virtual std::string FirstParameter() = 0;
  /// Full path of the running executable.
  virtual std::string ProgramPath() = 0;
  /// The current folder, ending with the separator.
  virtual std::string CurrentFolder() = 0;
  /// The temporary folder in its long form, ending with the separator.
  virtual std::string TempFolder() = 0;
  /// The user's roaming application-data folder (no trailing separator
  /// required).
  virtual std::string AppDataFolder() = 0;
  /// Local date and time as seconds since 1970-01-01 00:00:00.
  virtual int64_t LocalTimeSeconds() = 0;
  virtual void SleepMilliseconds(int ms) = 0;

  // Files.
  /// -1 missing, -2 folder, else the size in bytes.
  virtual int64_t FileSize(const std::string& path) = 0;
  virtual bool ReadFile(const std::string& path, std::string& bytes) = 0;
  /// Creates or truncates, then writes the bytes.
  virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
  /// Fails when the target exists.
  virtual bool MoveFile(const std::string& from, const std::string& to) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  /// Replaces an existing target.
  virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
  virtual bool CreateFolder(const std::string& path) = 0;
  /// Creates every missing folder of the path.
  virtual bool CreatePath(const std::string& path) = 0;
  /// The entries of a folder, "." and ".." left out, in the system's order.
  virtual bool ListFolder(const std::string& path, std::vector<DirEntry>& entries) = 0;

  // Processes.
  /// Starts a child; nullptr when it cannot be created. With Wait the call
  /// returns after the child ended.
  virtual std::unique_ptr<ChildProcess> Start(const StartRequest& request) = 0;
  /// Hands a document or address to the shell to be opened; no waiting.
  virtual bool ShellOpen(const std::string& target) = 0;

  // User interface.
  /// Modal Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
  /// Sends a message to the IDE's editor control and returns its answer
  /// (2006: text length; 2007: character at position wParam).
  virtual int64_t EditorMessage(int64_t handle, int message, int64_t wParam, int64_t lParam) = 0;
};

/// The implementation for the system the program was built for.
std::unique_ptr<Platform> CreateSystemPlatform(int argc, char** argv);

}  // namespace korvex
