// The page template of system/: its four placeholders, the areas the web
// runtime uses, and a script line for every runtime file, loaded after jQuery
// and before the converted program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace korvex {
namespace {

namespace fs = std::filesystem;

const fs::path kSystem = fs::path(KORVEX_SOURCE_DIR) / "system";

std::string Page() {
  std::ifstream in(kSystem / "index.html", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(PageTemplate, EveryPlaceholderOnce) {
  std::string page = Page();
  EXPECT_EQ(Count(page, "<!-- #JQueryUiCss# -->"), 1u);
  EXPECT_EQ(Count(page, "<!-- #JQueryJs# -->"), 1u);
  EXPECT_EQ(Count(page, "<!-- #JQueryUiJs# -->"), 1u);
  EXPECT_EQ(Count(page, "#application#"), 1u);
  EXPECT_EQ(Count(page, "src=\"#application#\""), 1u);
}

TEST(PageTemplate, AreasOfTheRuntime) {
  std::string page = Page();
  EXPECT_EQ(Count(page, "id=\"wait\""), 1u);
  EXPECT_EQ(Count(page, "id=\"console\""), 1u);
  EXPECT_EQ(Count(page, "id=\"debug\""), 1u);
  EXPECT_NE(page.find("#wait { display: none;"), std::string::npos);
}

// The runtime files are copied beside the page, so the page names them
// without a folder.
TEST(PageTemplate, LoadsEveryRuntimeFileBetweenJQueryAndTheProgram) {
  std::string page = Page();
  size_t jquery = page.find("<!-- #JQueryUiJs# -->");
  size_t program = page.find("src=\"#application#\"");
  int files = 0;
  for (const auto& entry : fs::directory_iterator(kSystem)) {
    if (entry.path().extension() != ".js") continue;
    ++files;
    std::string name = entry.path().filename().string();
    size_t at = page.find("<script src=\"" + name + "\"");
    ASSERT_NE(at, std::string::npos) << name << " is not loaded by system/index.html";
    EXPECT_GT(at, jquery) << name;
    EXPECT_LT(at, program) << name;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace korvex
