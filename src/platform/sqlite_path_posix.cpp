// The path SQLite opens on POSIX systems: file names are bytes, handed over
// as they are.
#include "platform/platform.h"

namespace korvex::platform {

std::string Utf8PathFromAnsi(std::string_view path) { return std::string(path); }

}  // namespace korvex::platform
