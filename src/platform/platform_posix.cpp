// PosixPlatform: construction, the console, the environment and the Yes/No
// prompt. The console is the terminal: standard output carries exactly the
// bytes the program writes, so a transcript of a run is exact; the prompt of
// AskYesNo goes to standard error for the same reason.
#include "platform/platform_posix.h"

#include <pwd.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace korvex {
namespace platform {
namespace {

// One line read a byte at a time, so that nothing past its end is taken
// from a standard input that children share. The line end (LF, with a CR
// before it) is dropped; end of input gives what was read so far.
std::string ReadInputLine() {
  std::string line;
  char c;
  while (true) {
    ssize_t n = read(STDIN_FILENO, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || c == '\n') break;
    line += c;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string WithSeparator(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

std::string WorkingFolder() {
  std::vector<char> buffer(PATH_MAX);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "";
    buffer.resize(buffer.size() * 2);
  }
  return WithSeparator(buffer.data());
}

// The absolute form of argv[0] when /proc/self/exe cannot be read: as it is
// when it holds a "/", else the first match on PATH, else beside the
// current folder.
std::string ProgramPathFromArgument(const std::string& arg0, const std::string& currentFolder) {
  std::string candidate;
  if (arg0.find('/') != std::string::npos) {
    candidate = arg0[0] == '/' ? arg0 : currentFolder + arg0;
  } else {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "";
    size_t start = 0;
    while (candidate.empty() && start <= dirs.size()) {
      size_t end = dirs.find(':', start);
      if (end == std::string::npos) end = dirs.size();
      std::string dir = WithSeparator(end > start ? dirs.substr(start, end - start) : ".");
      if (access((dir + arg0).c_str(), X_OK) == 0) candidate = dir + arg0;
      start = end + 1;
    }
    if (candidate.empty()) candidate = currentFolder + arg0;
  }
  char resolved[PATH_MAX];
  if (realpath(candidate.c_str(), resolved) != nullptr) return resolved;
  return candidate[0] == '/' ? candidate : currentFolder + candidate;
}

std::string OwnExecutablePath() {
  std::vector<char> buffer(PATH_MAX);
  while (true) {
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return "";
    if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  std::vector<char> buffer(16384);
  passwd entry;
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
    return found->pw_dir;
  return "";
}

}  // namespace

PosixPlatform::PosixPlatform(std::string firstParameter, std::string programPath)
    : firstParameter_(std::move(firstParameter)), programPath_(std::move(programPath)) {}

PosixPlatform::~PosixPlatform() { ReapFinishedChildren(); }

// The title goes to a terminal only: a piped transcript stays byte-exact.
void PosixPlatform::ConsoleOpen(const std::string& title) {
  if (!isatty(STDOUT_FILENO)) return;
  std::string shown;
  for (char c : title)
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) shown += c;
  ConsoleWrite("\033]0;" + shown + "\007");
}

void PosixPlatform::ConsoleWrite(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

std::string PosixPlatform::ConsoleReadLine() { return ReadInputLine(); }

void PosixPlatform::ConsoleClose() { std::fflush(stdout); }

std::string PosixPlatform::GetEnv(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? value : "";
}

std::string PosixPlatform::CurrentFolder() { return WorkingFolder(); }

// $TMPDIR, else /tmp, with links resolved: the long form that the program
// folder is compared with.
std::string PosixPlatform::TempFolder() {
  std::string folder = GetEnv("TMPDIR");
  if (folder.empty()) folder = "/tmp";
  char resolved[PATH_MAX];
  if (realpath(folder.c_str(), resolved) != nullptr) folder = resolved;
  return WithSeparator(folder);
}

// $XDG_CONFIG_HOME, else $HOME/.config; a relative XDG_CONFIG_HOME is not
// valid and is ignored.
std::string PosixPlatform::AppDataFolder() {
  std::string config = GetEnv("XDG_CONFIG_HOME");
  if (!config.empty() && config[0] == '/') return config;
  return HomeFolder() + "/.config";
}

// Local wall-clock time counted as if it were UTC.
int64_t PosixPlatform::LocalTimeSeconds() {
  tzset();  // picks up a changed TZ
  time_t now = time(nullptr);
  tm local{};
  if (localtime_r(&now, &local) == nullptr) return static_cast<int64_t>(now);
  return static_cast<int64_t>(now) + local.tm_gmtoff;
}

void PosixPlatform::SleepMilliseconds(int ms) {
  if (ms <= 0) return;
  timespec left{ms / 1000, (ms % 1000) * 1000000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

// A prompt on the terminal: "y" or "yes" in any case is Yes; anything else,
// and end of input, is No.
bool PosixPlatform::AskYesNo(const std::string& title, const std::string& text) {
  std::string prompt = title + ": " + text + " [y/N] ";
  std::fflush(stdout);
  std::fwrite(prompt.data(), 1, prompt.size(), stderr);
  std::fflush(stderr);
  std::string answer = ReadInputLine();
  size_t first = answer.find_first_not_of(" \t");
  size_t last = answer.find_last_not_of(" \t");
  answer = first == std::string::npos ? "" : answer.substr(first, last - first + 1);
  for (char& c : answer)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return answer == "y" || answer == "yes";
}

}  // namespace platform

// The first parameter as the shell handed it over; one pair of double
// quotes around it is dropped, as the Windows runtime would.
std::unique_ptr<Platform> CreateSystemPlatform(int argc, char** argv) {
  std::string first = argc > 1 && argv[1] != nullptr ? argv[1] : "";
  if (first.size() >= 2 && first.front() == '"' && first.back() == '"')
    first = first.substr(1, first.size() - 2);
  std::string program = platform::OwnExecutablePath();
  if (program.empty() && argc > 0 && argv[0] != nullptr && argv[0][0] != '\0') {
    program = platform::ProgramPathFromArgument(argv[0], platform::WorkingFolder());
  }
  return std::make_unique<platform::PosixPlatform>(first, program);
}

}  // namespace korvex
