// Running built programs from tests: a fresh temporary folder per test,
// files written into it, and a shell command whose output is captured.
#pragma once

#include <filesystem>
#include <string>

namespace korvex::testing {

struct ProcessResult {
  std::string Output;  // standard output, byte for byte
  int ExitCode = -1;   // -1 when the command did not end normally
};

/// Runs the command with /bin/sh (on Windows: starts it as a command line);
/// returns its standard output and exit code.
ProcessResult RunShell(const std::string& command);
#ifdef _WIN32
/// Starts the command line in folder ("" = ours) with an environment block
/// ("" = ours) and no input; standard error goes with standard output.
ProcessResult RunCommandLine(const std::string& commandLine, const std::string& folder,
                             const std::string& environment);
#endif
/// The text as one argument: in single quotes for /bin/sh, in double quotes
/// by the C runtime's rules on Windows.
std::string ShellQuote(const std::string& text);
/// Writes the bytes, creating the folders on the way; executable sets the
/// file's execute bits.
void WriteBytes(const std::filesystem::path& path, const std::string& bytes,
                bool executable = false);

/// A new, empty folder under the system's temporary folder, removed with
/// everything in it when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  /// The folder's canonical path (no symbolic links), without a final "/".
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace korvex::testing
