// PosixPlatform: the IDE's editor control. Its text stands in the file
// "korvex-scintilla-<handle>" in the temporary folder; message 2006 answers
// the text length, 2007 the byte at position wParam (0 past the end). The
// file is read once and read again only when it changes, so asking for
// every character of a long text stays linear; the length message, which
// starts every reading of the text, always reads it anew.
#include <sys/stat.h>

#include "platform/platform_posix.h"

namespace korvex::platform {
namespace {

constexpr int kGetLength = 2006;         // SCI_GETLENGTH
constexpr int kGetCharacterAt = 2007;    // SCI_GETCHARAT

}  // namespace

int64_t PosixPlatform::EditorMessage(int64_t handle, int message, int64_t wParam, int64_t) {
  if (message != kGetLength && message != kGetCharacterAt) return 0;
  std::string path = TempFolder() + "korvex-scintilla-" + std::to_string(handle);
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    editor_.Loaded = false;
    return 0;
  }
  int64_t modified = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  EditorBridgeCache& cache = editor_;
  if (message == kGetLength || !cache.Loaded || cache.Handle != handle || cache.Device != static_cast<int64_t>(info.st_dev) ||
      cache.Inode != static_cast<int64_t>(info.st_ino) || cache.Size != info.st_size ||
      cache.ModifiedNs != modified) {
    cache.Loaded = ReadFile(path, cache.Bytes);
    if (!cache.Loaded) return 0;
    cache.Handle = handle;
    cache.Device = static_cast<int64_t>(info.st_dev);
    cache.Inode = static_cast<int64_t>(info.st_ino);
    cache.Size = info.st_size;
    cache.ModifiedNs = modified;
  }
  if (message == kGetLength) return static_cast<int64_t>(cache.Bytes.size());
  if (wParam < 0 || static_cast<uint64_t>(wParam) >= cache.Bytes.size()) return 0;
  return static_cast<unsigned char>(cache.Bytes[static_cast<size_t>(wParam)]);
}

}  // namespace korvex::platform
