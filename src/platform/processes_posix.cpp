// PosixPlatform: child processes and the shell's "open". A command line is
// split by the Windows rules and started with posix_spawnp, which reports a
// program that cannot be executed as an error, so Start can answer nullptr.
// "\"/opt/pb/pbcompiler\" /CHECK \"/home/me/shop.pb\"" runs pbcompiler with
// the two arguments /CHECK and /home/me/shop.pb.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "platform/command_line.h"
#include "platform/line_splitter.h"
#include "platform/platform_posix.h"
#include "platform/unique_fd_posix.h"

extern char** environ;

namespace korvex::platform {
namespace {

// Children whose ChildProcess went away while they still ran; they are
// reaped later, without waiting, so none stays a zombie.
std::vector<pid_t>& PendingChildren() {
  static std::vector<pid_t> pending;
  return pending;
}

int ExitCodeFromStatus(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);  // never 0
  return 1;
}

class PosixChild : public ChildProcess {
 public:
  PosixChild(pid_t pid, UniqueFd output) : pid_(pid), output_(std::move(output)) {}
  ~PosixChild() override;

  bool Running() override { return !Reap(false); }
  bool OutputWaiting() override;
  std::string ReadLine() override { return lines_.TakeLine(); }
  int ExitCode() override;

 private:
  bool Reap(bool block);
  bool Pump(int timeoutMs);

  pid_t pid_;
  UniqueFd output_;  // read end of the child's standard output, when captured
  LineSplitter lines_;
  bool ended_ = false;
  int exitCode_ = 0;
};

PosixChild::~PosixChild() {
  output_.Reset();  // a child still writing gets SIGPIPE and ends
  if (!Reap(false)) PendingChildren().push_back(pid_);
  ReapFinishedChildren();
}

// True once the child has ended and its status is taken.
bool PosixChild::Reap(bool block) {
  if (ended_) return true;
  int status = 0;
  pid_t r;
  do {
    r = waitpid(pid_, &status, block ? 0 : WNOHANG);
  } while (r < 0 && errno == EINTR);
  if (r == 0) return false;
  ended_ = true;
  exitCode_ = r == pid_ ? ExitCodeFromStatus(status) : 1;  // r < 0: reaped elsewhere
  return true;
}

// Reads one piece of output when some arrives within the timeout. The end
// of the output (every writer closed the pipe) completes a last partial
// line. False when nothing could be read.
bool PosixChild::Pump(int timeoutMs) {
  if (!output_.Valid()) return false;
  pollfd ready{output_.Get(), POLLIN, 0};
  int r = poll(&ready, 1, timeoutMs);
  if (r < 0 && errno == EINTR) return true;
  if (r <= 0) return false;
  char buffer[65536];
  ssize_t n = read(output_.Get(), buffer, sizeof buffer);
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return true;
  if (n <= 0) {
    lines_.Finish();
    output_.Reset();
    return true;
  }
  lines_.Feed(std::string_view(buffer, static_cast<size_t>(n)));
  return true;
}

// With nothing buffered, waits up to 10 ms for output so that a polling
// caller does not spin; then takes whatever is already there until a line
// is complete. A running child without a pipe (not captured, or its output
// closed) makes the caller wait the same 10 ms.
bool PosixChild::OutputWaiting() {
  int timeoutMs = 10;
  while (!lines_.HasLine() && Pump(timeoutMs)) timeoutMs = 0;
  if (!lines_.HasLine() && !output_.Valid() && !Reap(false)) poll(nullptr, 0, 10);
  return lines_.HasLine();
}

// The pipe is kept drained while waiting, so a child with much output never
// blocks on a full pipe.
int PosixChild::ExitCode() {
  while (!ended_) {
    if (output_.Valid()) {
      Pump(10);
      Reap(false);
    } else {
      Reap(true);
    }
  }
  return exitCode_;
}

// posix_spawn's file actions and attributes, released on every path.
struct SpawnSetup {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    // The child starts with SIGPIPE at its default, whatever we ignore.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  void AddFlags(short flags) {
    short current = 0;
    posix_spawnattr_getflags(&attributes, &current);
    posix_spawnattr_setflags(&attributes, static_cast<short>(current | flags));
  }
};

// Starts args[0] (searched on PATH when it holds no "/"); -1 on failure.
pid_t Spawn(const std::vector<std::string>& args, SpawnSetup& setup) {
  if (args.empty() || args[0].empty()) return -1;
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  setup.AddFlags(POSIX_SPAWN_SETSIGDEF);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &setup.actions, &setup.attributes, argv.data(), environ) != 0)
    return -1;
  return pid;
}

}  // namespace

void ReapFinishedChildren() {
  std::vector<pid_t>& pending = PendingChildren();
  std::vector<pid_t> running;
  for (pid_t pid : pending) {
    int status;
    pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == 0 || (r < 0 && errno == EINTR)) running.push_back(pid);
  }
  pending.swap(running);
}

std::unique_ptr<ChildProcess> PosixPlatform::Start(const StartRequest& request) {
  ReapFinishedChildren();
  SpawnSetup setup;
  UniqueFd readEnd, writeEnd;
  if (request.Read) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return nullptr;
    readEnd.Reset(fds[0]);
    writeEnd.Reset(fds[1]);
    posix_spawn_file_actions_adddup2(&setup.actions, writeEnd.Get(), STDOUT_FILENO);
  }
  if (!request.WorkingFolder.empty())
    posix_spawn_file_actions_addchdir_np(&setup.actions, request.WorkingFolder.c_str());
  pid_t pid = Spawn(SplitCommandLine(request.CommandLine), setup);
  writeEnd.Reset();  // only the child writes; its exit then ends our reads
  if (pid < 0) return nullptr;
  auto child = std::make_unique<PosixChild>(pid, std::move(readEnd));
  if (request.Wait) child->ExitCode();
  return child;
}

// "xdg-open target", detached in a session of its own, with its output
// thrown away so that the console transcript stays exact.
bool PosixPlatform::ShellOpen(const std::string& target) {
  ReapFinishedChildren();
  SpawnSetup setup;
  posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&setup.actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&setup.actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  setup.AddFlags(POSIX_SPAWN_SETSID);
  pid_t pid = Spawn({"xdg-open", target}, setup);
  if (pid < 0) return false;
  PendingChildren().push_back(pid);
  return true;
}

}  // namespace korvex::platform
