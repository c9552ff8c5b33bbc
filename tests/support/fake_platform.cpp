// FakePlatform; see fake_platform.h.
#include "support/fake_platform.h"

#include "common/text.h"

namespace korvex::testing {
namespace {

std::string WithSeparator(std::string path) {
  if (path.empty() || path.back() != platform::kPathSeparator) path += platform::kPathSeparator;
  return path;
}

// Splits scripted output into lines as a pipe reader would: CR, LF or CR LF.
class FakeChild : public ChildProcess {
 public:
  explicit FakeChild(const ScriptedChild& script)
      : exitCode_(script.ExitCode), runningPolls_(script.RunningPolls) {
    const std::string& out = script.Output;
    size_t i = 0;
    while (i < out.size()) {
      size_t end = out.find_first_of("\r\n", i);
      if (end == std::string::npos) end = out.size();
      lines_.push_back(out.substr(i, end - i));
      i = end;
      if (i < out.size()) i += (out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n') ? 2 : 1;
    }
  }
  bool Running() override {
    if (runningPolls_ <= 0) return false;
    --runningPolls_;
    return true;
  }
  bool OutputWaiting() override { return next_ < lines_.size(); }
  std::string ReadLine() override { return next_ < lines_.size() ? lines_[next_++] : ""; }
  int ExitCode() override { return exitCode_; }

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
  int exitCode_;
  int runningPolls_;
};

}  // namespace

std::vector<std::string> FakePlatform::ConsoleLines() const {
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    size_t end = console.find("\r\n", start);
    if (end == std::string::npos) break;
    lines.push_back(console.substr(start, end - start));
    start = end + 2;
  }
  if (start < console.size()) lines.push_back(console.substr(start));
  return lines;
}

std::string FakePlatform::ConsoleReadLine() {
  if (consoleInput.empty()) return "";
  std::string line = consoleInput.front();
  consoleInput.erase(consoleInput.begin());
  return line;
}

std::string FakePlatform::GetEnv(const std::string& name) {
  auto it = env.find(name);
  return it == env.end() ? "" : it->second;
}

int64_t FakePlatform::FileSize(const std::string& path) {
  if (folders.count(WithSeparator(path))) return -2;
  auto it = files.find(path);
  return it == files.end() ? -1 : static_cast<int64_t>(it->second.size());
}

bool FakePlatform::ReadFile(const std::string& path, std::string& bytes) {
  auto it = files.find(path);
  if (it == files.end()) return false;
  bytes = it->second;
  return true;
}

bool FakePlatform::WriteFile(const std::string& path, std::string_view bytes) {
  if (!folders.count(FolderPart(path)) && !FolderPart(path).empty()) return false;
  files[path] = std::string(bytes);
  return true;
}

bool FakePlatform::MoveFile(const std::string& from, const std::string& to) {
  if (!files.count(from) || files.count(to) || folders.count(WithSeparator(to))) return false;
  files[to] = files[from];
  files.erase(from);
  return true;
}

bool FakePlatform::DeleteFile(const std::string& path) {
  auto failing = deleteFailures.find(path);
  if (failing != deleteFailures.end() && failing->second > 0) {
    --failing->second;
    return false;
  }
  return files.erase(path) > 0;
}

bool FakePlatform::CopyFile(const std::string& from, const std::string& to) {
  auto it = files.find(from);
  if (it == files.end()) return false;
  return WriteFile(to, std::string(it->second));
}

bool FakePlatform::CreateFolder(const std::string& path) {
  if (!foldersCanBeCreated) return false;
  std::string dir = WithSeparator(path);
  std::string parent = FolderPart(dir.substr(0, dir.size() - 1));
  bool root = parent == "/" || (parent.size() == 3 && parent[1] == ':');  // "/" or "C:\"
  if (!parent.empty() && !folders.count(parent) && !root) return false;
  folders.insert(dir);
  return true;
}

bool FakePlatform::CreatePath(const std::string& path) {
  if (!foldersCanBeCreated) return false;
  std::string dir = WithSeparator(path);
  for (size_t i = 1; i < dir.size(); ++i)
    if (dir[i] == platform::kPathSeparator) folders.insert(dir.substr(0, i + 1));
  return true;
}

bool FakePlatform::ListFolder(const std::string& path, std::vector<DirEntry>& entries) {
  std::string dir = WithSeparator(path);
  if (!folders.count(dir)) return false;
  entries.clear();
  for (const std::string& f : folders)
    if (f.size() > dir.size() && StartsWith(f, dir) && f.find(platform::kPathSeparator, dir.size()) == f.size() - 1)
      entries.push_back({f.substr(dir.size(), f.size() - dir.size() - 1), true});
  for (const auto& [name, bytes] : files)
    if (StartsWith(name, dir) && name.find(platform::kPathSeparator, dir.size()) == std::string::npos)
      entries.push_back({name.substr(dir.size()), false});
  return true;
}

std::unique_ptr<ChildProcess> FakePlatform::Start(const StartRequest& request) {
  started.push_back(request);
  const ScriptedChild* script = onStart ? onStart(request) : nullptr;
  if (script == nullptr) return nullptr;
  return std::make_unique<FakeChild>(*script);
}

bool FakePlatform::ShellOpen(const std::string& target) {
  opened.push_back(target);
  return true;
}

bool FakePlatform::AskYesNo(const std::string& title, const std::string& text) {
  questions.push_back(title + ": " + text);
  return yesAnswer;
}

int64_t FakePlatform::EditorMessage(int64_t handle, int message, int64_t wParam, int64_t lParam) {
  editorMessages.push_back({handle, message, wParam, lParam});
  return onEditorMessage ? onEditorMessage(handle, message, wParam, lParam) : 0;
}

}  // namespace korvex::testing
