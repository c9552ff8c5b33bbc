// A stand-in child program for the Windows tests, told what to do by files
// beside its own executable, so that one program can play the compiler, a
// sibling tool or the page opener under any name:
//   <exe>.calls  gets one line per start: the working folder, then each
//                argument, separated by "|";
//   <exe>.out    when present, its bytes are written to standard output as
//                they are (line ends included);
//   <exe>.exit   when present, the exit code (else 0).
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string OwnPath() {
  char buffer[MAX_PATH * 4];
  DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return std::string(buffer, n);
}

bool ReadWhole(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::stringstream content;
  content << in.rdbuf();
  bytes = content.str();
  return true;
}

void WriteOutput(const std::string& bytes) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD n = 0;
    if (!WriteFile(output, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr) || n == 0)
      return;
    done += n;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string self = OwnPath();
  char folder[MAX_PATH * 4];
  DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
  std::string call(folder, n);
  for (int i = 1; i < argc; ++i) call += std::string("|") + argv[i];
  std::ofstream(self + ".calls", std::ios::binary | std::ios::app) << call << "\n";
  std::string bytes;
  if (ReadWhole(self + ".out", bytes)) WriteOutput(bytes);
  std::string code;
  if (ReadWhole(self + ".exit", code)) return std::atoi(code.c_str());
  return 0;
}
