// ExpandIncludes against real files in a temporary folder: byte-order
// marks, code page conversion and folder separators as the system sees them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "common/run_state.h"
#include "passes/include_expansion.h"

namespace korvex::passes {
namespace {

namespace fs = std::filesystem;

class IncludeExpansionOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("korvex-include-" + std::to_string(seed()));
    fs::create_directories(folder_ / "sub");
    platform_ = CreateSystemPlatform(0, nullptr);
    ASSERT_NE(platform_, nullptr);
    run_ = std::make_unique<RunState>(*platform_);
    run_->SourceFile = (folder_ / "main.pb").string();
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream out(folder_ / name, std::ios::binary);
    out << bytes;
  }
  std::string Expand(const std::string& text) { return ExpandIncludes(*run_, text); }

  fs::path folder_;
  std::unique_ptr<Platform> platform_;
  std::unique_ptr<RunState> run_;
};

TEST_F(IncludeExpansionOnDisk, PlainFileIsInsertedWithLfLineEnds) {
  Write("inc.pbi", "x = 5\r\ny = 6\r\n");
  EXPECT_EQ(Expand("a = 1\nIncludeFile \"inc.pbi\"\nb = 2\n"), "a = 1\nx = 5\ny = 6\n\nb = 2\n");
}

TEST_F(IncludeExpansionOnDisk, Utf8MarkIsDroppedAndTheTextKept) {
  Write("utf8.pbi", "\xEF\xBB\xBFs = \"grüß 日本\"\r\n");
  EXPECT_EQ(Expand("IncludeFile \"utf8.pbi\"\n"), "s = \"grüß 日本\"\n\n");
}

TEST_F(IncludeExpansionOnDisk, Utf16LittleEndianBecomesUtf8) {
  // s = "é€" as UTF-16 LE with its mark
  static const char kBytes[] = "\xFF\xFEs\0 \0=\0 \0\"\0\xE9\0\xAC\x20\"\0\r\0\n\0";
  Write("utf16.pbi", std::string(kBytes, sizeof kBytes - 1));
  EXPECT_EQ(Expand("XIncludeFile \"utf16.pbi\"\n"), "s = \"é€\"\n\n");
}

TEST_F(IncludeExpansionOnDisk, WithoutAMarkUtf8OrWindows1252) {
  Write("plain.pbi", "a$ = \"≥ 5 €\"\n");
  Write("latin.pbi", "b$ = \"Gr\xF6\xDF" "e \x80\"\n");
  EXPECT_EQ(Expand("IncludeFile \"plain.pbi\"\nIncludeFile \"latin.pbi\"\n"),
            "a$ = \"≥ 5 €\"\n\nb$ = \"Größe €\"\n\n");
}

TEST_F(IncludeExpansionOnDisk, FileNamesWithAnyCharacters) {
  Write("Größe 日本.pbi", "x = 1\n");
  EXPECT_EQ(Expand("IncludeFile \"Größe 日本.pbi\"\n"), "x = 1\n\n");
}

TEST_F(IncludeExpansionOnDisk, BackslashNamesASubfolder) {
  Write("sub/inc.pbi", "inner = 1\n");
  EXPECT_EQ(Expand("IncludeFile \"sub\\inc.pbi\"\nIncludeFile \"sub/inc.pbi\"\n"), "inner = 1\n\ninner = 1\n\n");
}

TEST_F(IncludeExpansionOnDisk, MissingFileOrFolderRemovesTheLine) {
  EXPECT_EQ(Expand("a\nIncludeFile \"none.pbi\"\nIncludeFile \"sub\"\nb\n"), "a\nb\n");
}

}  // namespace
}  // namespace korvex::passes
