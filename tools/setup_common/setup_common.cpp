// The sibling tools' common ground; see setup_common.h.
#include "setup_common.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "driver/profiles.h"
#include "platform/codepage.h"
#include "common/run_state.h"
#include "common/text.h"

namespace korvex::tools {
namespace {

// The ini files hand out UTF-8, which is what a terminal shows; an answer
// typed in another encoding is read as Windows-1252.
std::string FromConsole(const std::string& text) { return platform::Utf8FromUnknownText(text); }

// One line without its line end; false when the input ended before any
// byte. Standard input is unbuffered (see OpenPlatform), so nothing after
// the line is taken from an input the converter shares with this tool.
bool ReadLine(std::string& line) {
  line.clear();
  bool any = false;
  int c;
  while ((c = std::getc(stdin)) != EOF) {
    any = true;
    if (c == '\n') break;
    line += static_cast<char>(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return any;
}

}  // namespace

std::unique_ptr<Platform> OpenPlatform(int argc, char** argv) {
  std::setvbuf(stdin, nullptr, _IONBF, 0);
  return CreateSystemPlatform(argc, argv);
}

std::string SettingsFolder(Platform& platform) {
  RunState run(platform);
  return driver::AppDataFolder(run, "vantorotools", "Korvex");
}

bool LoadIni(Platform& platform, const std::string& path, driver::IniFile& ini) {
  std::string bytes;
  bool read = platform.FileSize(path) >= 0 && platform.ReadFile(path, bytes);
  ini = driver::IniFile::Parse(read ? bytes : "");
  return read;
}

bool ReplaceFile(const std::string& path, const std::string& bytes) {
  namespace fs = std::filesystem;
  std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  // The new file keeps the old one's permissions: it may hold passwords.
  fs::file_status old = fs::status(path, error);
  if (!error && fs::exists(old)) fs::permissions(temporary, old.permissions(), error);
  fs::rename(temporary, path, error);
  if (!error) return true;
  fs::remove(temporary, error);
  return false;
}

void Say(const std::string& text) {
  std::string line = text + "\n";
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

bool Ask(const std::string& question, std::string& answer) {
  std::fwrite(question.data(), 1, question.size(), stdout);
  std::fflush(stdout);
  std::string line;
  if (!ReadLine(line)) {
    Say("");
    return false;
  }
  answer = TrimBlanks(FromConsole(line));
  return true;
}

}  // namespace korvex::tools
