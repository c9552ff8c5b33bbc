// PosixPlatform: the file operations. Sizes answer -1 for a missing path
// and -2 for a folder; a move never replaces its target and never loses the
// source; a copy replaces its target but never truncates its own source.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/platform_posix.h"
#include "platform/unique_fd_posix.h"

namespace korvex::platform {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Copies the open source into a file that this call creates (it must not
// exist yet), keeping the source's permission bits. A failed copy removes
// the half-written target.
bool CopyIntoNewFile(int source, mode_t mode, const std::string& to) {
  UniqueFd target(open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 07777));
  if (!target.Valid()) return false;
  std::string bytes;
  bool ok = ReadAll(source, bytes) && WriteAll(target.Get(), bytes);
  if (close(target.Release()) != 0) ok = false;
  if (!ok) unlink(to.c_str());
  return ok;
}

// A move to another file system: copy, then remove the source. Only files
// travel this way, as a folder cannot move across volumes on Windows either.
bool MoveAcrossFileSystems(const std::string& from, const std::string& to) {
  UniqueFd source(open(from.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info;
  if (!source.Valid() || fstat(source.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (!CopyIntoNewFile(source.Get(), info.st_mode, to)) return false;
  if (unlink(from.c_str()) == 0) return true;
  unlink(to.c_str());  // the source stays: undo the copy
  return false;
}

// Where an atomic rename without replacing is not offered: a hard link
// cannot replace an existing name either.
bool MoveByLink(const std::string& from, const std::string& to) {
  if (link(from.c_str(), to.c_str()) != 0) return errno == EXDEV && MoveAcrossFileSystems(from, to);
  if (unlink(from.c_str()) == 0) return true;
  unlink(to.c_str());
  return false;
}

bool IsFolderEntry(const std::string& folder, const dirent& entry) {
#ifdef DT_DIR
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) return false;
#endif
  struct stat info;
  return stat((folder + entry.d_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int64_t PosixPlatform::FileSize(const std::string& path) {
  struct stat info;
  if (path.empty() || stat(path.c_str(), &info) != 0) return -1;
  if (S_ISDIR(info.st_mode)) return -2;
  return static_cast<int64_t>(info.st_size);
}

bool PosixPlatform::ReadFile(const std::string& path, std::string& bytes) {
  UniqueFd file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info;
  if (!file.Valid() || fstat(file.Get(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  std::string content;
  if (!ReadAll(file.Get(), content)) return false;
  bytes = std::move(content);
  return true;
}

bool PosixPlatform::WriteFile(const std::string& path, std::string_view bytes) {
  UniqueFd file(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!file.Valid()) return false;
  bool ok = WriteAll(file.Get(), bytes);
  return close(file.Release()) == 0 && ok;
}

bool PosixPlatform::MoveFile(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno == EXDEV) return MoveAcrossFileSystems(from, to);
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
#endif
  return MoveByLink(from, to);
}

bool PosixPlatform::DeleteFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool PosixPlatform::CopyFile(const std::string& from, const std::string& to) {
  UniqueFd source(open(from.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info;
  if (!source.Valid() || fstat(source.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  struct stat existing;
  if (stat(to.c_str(), &existing) == 0 && SameFile(info, existing)) return false;
  std::string bytes;
  if (!ReadAll(source.Get(), bytes)) return false;
  UniqueFd target(open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, info.st_mode & 07777));
  if (!target.Valid()) return false;
  bool ok = WriteAll(target.Get(), bytes);
  return close(target.Release()) == 0 && ok;
}

bool PosixPlatform::CreateFolder(const std::string& path) {
  return !path.empty() && mkdir(path.c_str(), 0777) == 0;
}

// Every level is tried in turn; levels that exist already answer EEXIST (or,
// on some mounts, a permission error), so only the end result is judged.
bool PosixPlatform::CreatePath(const std::string& path) {
  if (path.empty()) return false;
  for (size_t i = 1; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '/') mkdir(path.substr(0, i).c_str(), 0777);
  }
  return FileSize(path) == -2;
}

bool PosixPlatform::ListFolder(const std::string& path, std::vector<DirEntry>& entries) {
  entries.clear();
  DIR* dir = opendir(path.c_str());
  if (dir == nullptr) return false;
  std::string folder = path.empty() || path.back() == '/' ? path : path + "/";
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back({name, IsFolderEntry(folder, *entry)});
  }
  closedir(dir);
  return true;
}

}  // namespace korvex::platform
