// pbcompiler: stands in for PureBasic's command-line compiler where PureBasic
// is not installed. It knows the two calls the converter makes:
//   pbcompiler /CHECK "shop.pb"          checks the blocks and strings
//   pbcompiler "cgi.pb" /EXE "cgi.exe"   refuses: it cannot build programs
// Messages go to standard output; exit code 0 means success.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "block_checker.h"

namespace {

bool SameOption(const std::string& arg, const char* option) {
  if (arg.size() != std::char_traits<char>::length(option)) return false;
  for (size_t i = 0; i < arg.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(arg[i])) != std::tolower(option[i])) return false;
  return true;
}

int Check(const std::string& path) {
  std::error_code error;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, error)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    std::cout << "Error: can't read the source file '" << path << "'" << std::endl;
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  if (auto fault = korvex::pbcompiler::CheckSource(text.str())) {
    std::cout << "Line " << fault->Line << ": " << fault->Message << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && SameOption(argv[1], "/CHECK")) return Check(argv[2]);
  if (argc == 4 && SameOption(argv[2], "/EXE")) {
    std::cout << "This stand-in for PBCompiler can't build executables: '" << argv[3]
              << "' was not created. Install PureBasic and let PB_TOOL_Compiler name its compiler."
              << std::endl;
    return 1;
  }
  std::cout << "Usage: pbcompiler /CHECK <source.pb>  or  pbcompiler <source.pb> /EXE <program>"
            << std::endl;
  return 1;
}
