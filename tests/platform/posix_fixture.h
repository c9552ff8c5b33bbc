// PosixFixture: a test fixture with the system platform and a fresh, empty
// folder of its own (Folder(), ending with "/"), removed afterwards. TMPDIR
// points at that folder while the test runs; ScopedEnvVar sets or unsets other
// variables for one test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

#include "platform/platform.h"

namespace korvex::platform_tests {

/// Sets (or, with nullopt, unsets) an environment variable until the end of
/// the scope.
class ScopedEnvVar {
 public:
  ScopedEnvVar(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    Apply(value);
  }
  ~ScopedEnvVar() { Apply(old_); }
  ScopedEnvVar(const ScopedEnvVar&) = delete;
  ScopedEnvVar& operator=(const ScopedEnvVar&) = delete;

 private:
  void Apply(const std::optional<std::string>& value) {
    if (value)
      setenv(name_.c_str(), value->c_str(), 1);
    else
      unsetenv(name_.c_str());
  }
  std::string name_;
  std::optional<std::string> old_;
};

class PosixFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    std::filesystem::path root = std::filesystem::temp_directory_path() /
                                 ("korvex-platform-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(root);
    folder_ = std::filesystem::canonical(root).string() + "/";
    tmpdir_.emplace("TMPDIR", folder_);
    static char name[] = "korvex_tests";
    static char* argv[] = {name, nullptr};
    platform_ = CreateSystemPlatform(1, argv);
  }
  void TearDown() override {
    platform_.reset();
    tmpdir_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  Platform& P() { return *platform_; }
  const std::string& Folder() const { return folder_; }
  /// Writes a file below Folder() with std::filesystem's own means, so the
  /// platform's file operations are checked against an independent writer.
  std::string MakeFile(const std::string& name, const std::string& bytes) {
    std::string path = folder_ + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  /// Reads a file below Folder() the same independent way; "<missing>" when
  /// there is none.
  std::string FileText(const std::string& name) {
    std::ifstream in(folder_ + name, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::string folder_;
  std::optional<ScopedEnvVar> tmpdir_;
  std::unique_ptr<Platform> platform_;
};

}  // namespace korvex::platform_tests
