// Golden programs: each folder under tests/programs holds a PureBasic
// input.pb and the exact expected.js that the converter writes for it (an
// empty expected.js when the program is refused). Optional files:
//   expected_console.txt  the console lines the passes print, one per line;
//   settings.txt          "Field=value" lines for the active settings
//                         (ServerPath, CgiAddress, ...) and "env.NAME=value"
//                         for environment variables;
//   cgitemplate.pb        the CGI template to use instead of the real one;
//   expected_tempcgi.pb   the CGI source the run writes ("" for none);
//   any other file        put beside input.pb (include files, binaries).
// The expected texts are written by hand from the documented behaviour.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/golden_files.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(KORVEX_SOURCE_DIR) / "tests/programs"))
    if (entry.is_directory() && fs::exists(entry.path() / "input.pb"))
      names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class GoldenProgram : public ::testing::TestWithParam<std::string> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenProgram);

TEST_P(GoldenProgram, ConvertsToExpectedScript) {
  fs::path dir = fs::path(KORVEX_SOURCE_DIR) / "tests/programs" / GetParam();
  testing::GoldenRun result = testing::ConvertGoldenCase(dir);
  EXPECT_EQ(result.script, testing::ReadBytes(dir / "expected.js"));
  if (fs::exists(dir / "expected_console.txt")) {
    EXPECT_EQ(result.consoleLines, testing::ReadBytes(dir / "expected_console.txt"));
  }
  if (fs::exists(dir / "expected_tempcgi.pb")) {
    EXPECT_EQ(result.tempCgi, testing::ReadBytes(dir / "expected_tempcgi.pb"));
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, GoldenProgram, ::testing::ValuesIn(CaseNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace korvex
