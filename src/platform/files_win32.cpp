// Win32Platform: the file operations. Sizes come from the file attributes:
// -1 for a missing path, -2 for a folder, else the size in bytes. A move
// never replaces its target (MoveFileW refuses an existing one); a copy
// replaces it. Folders are listed with the pattern "*.*".
#include <algorithm>
#include <string_view>

#include "platform/platform_win32.h"
#include "platform/windows_win32.h"

namespace korvex::platform {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// An open file handle, closed on every path.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    HANDLE h = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(h) != 0;
  }

 private:
  HANDLE handle_;
};

// Where the folder levels of a path begin: after "C:\" or "\\server\share\",
// so that neither a drive nor a network share is created as a folder.
size_t FirstFolderLevel(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    size_t server = path.find_first_of("\\/", 2);
    if (server == std::string::npos) return path.size();
    size_t share = path.find_first_of("\\/", server + 1);
    return share == std::string::npos ? path.size() : share + 1;
  }
  return IsSeparator(path[0]) ? 1 : 0;
}

}  // namespace

int64_t Win32Platform::FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &data)) return -1;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -2;
  return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

bool Win32Platform::ReadFile(const std::string& path, std::string& bytes) {
  FileHandle file(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return false;
  std::string content;
  char buffer[65536];
  DWORD n = 0;
  // Read to the end rather than to the size: a file that grows meanwhile
  // is read whole.
  content.reserve(static_cast<size_t>(size.QuadPart));
  while (true) {
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr)) return false;
    if (n == 0) break;
    content.append(buffer, n);
  }
  bytes = std::move(content);
  return true;
}

bool Win32Platform::WriteFile(const std::string& path, std::string_view bytes) {
  FileHandle file(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    DWORD n = 0;
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
    ok = ::WriteFile(file.Get(), bytes.data() + done, chunk, &n, nullptr) && n > 0;
    done += n;
  }
  return file.Close() && ok;
}

bool Win32Platform::MoveFile(const std::string& from, const std::string& to) {
  return MoveFileW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str()) != 0;
}

bool Win32Platform::DeleteFile(const std::string& path) {
  return DeleteFileW(WideFromUtf8(path).c_str()) != 0;
}

bool Win32Platform::CopyFile(const std::string& from, const std::string& to) {
  return CopyFileW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(), FALSE) != 0;
}

bool Win32Platform::CreateFolder(const std::string& path) {
  return !path.empty() && CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr) != 0;
}

// Every level is tried in turn; levels that exist already fail to be
// created, so only the end result is judged.
bool Win32Platform::CreatePath(const std::string& path) {
  if (path.empty()) return false;
  for (size_t i = FirstFolderLevel(path); i <= path.size(); ++i) {
    if (i == path.size() || IsSeparator(path[i])) {
      std::string level = path.substr(0, i);
      if (!level.empty() && !IsSeparator(level.back())) CreateDirectoryW(WideFromUtf8(level).c_str(), nullptr);
    }
  }
  return FileSize(path) == -2;
}

bool Win32Platform::ListFolder(const std::string& path, std::vector<DirEntry>& entries) {
  entries.clear();
  if (path.empty()) return false;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(WideFromUtf8(WithBackslash(path) + "*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    std::string name = Utf8FromWide(found.cFileName);
    if (name == "." || name == "..") continue;
    entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

}  // namespace korvex::platform
