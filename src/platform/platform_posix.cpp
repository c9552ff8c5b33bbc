// POSIX platform. Not built yet.
#include "platform/platform.h"

namespace korvex {

namespace platform {
std::string AnsiFromUtf8(std::string_view utf8) { return std::string(utf8); }
std::string AnsiFromUtf16Le(std::string_view bytes) { return std::string(bytes); }
}  // namespace platform

std::unique_ptr<Platform> CreateSystemPlatform(int, char**) { return nullptr; }

}  // namespace korvex
