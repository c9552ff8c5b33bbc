// Golden case runner; see golden_files.h.
#include "support/golden_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "driver/pipeline.h"
#include "driver/text_files.h"
#include "common/text.h"
#include "support/fake_platform.h"

namespace korvex::testing {
namespace {

namespace fs = std::filesystem;

// "/src/" on POSIX, "\\src\\" on Windows: the passes build paths with the
// system's separator, and the files of a case are found under them.
const std::string kSourceFolder = std::string(1, platform::kPathSeparator) + "src" +
                                  platform::kPathSeparator;

// A path below the case folder as the system spells it.
std::string NativeRelative(const fs::path& path, const fs::path& dir) {
  std::string rel = fs::relative(path, dir).generic_string();
  return ReplaceAll(rel, "/", std::string(1, platform::kPathSeparator));
}

void ApplySetting(RunState& run, FakePlatform& platform, const std::string& key,
                  const std::string& value) {
  Settings& s = run.ActiveSettings;
  if (StartsWith(key, "env.")) platform.env[key.substr(4)] = value;
  else if (key == "ServerPath") s.ServerPath = value;
  else if (key == "ServerAddress") s.ServerAddress = value;
  else if (key == "CgiFilename") s.CgiFilename = value;
  else if (key == "CgiAddress") s.CgiAddress = value;
  else if (key == "ApplicationName") s.ApplicationName = value;
  else if (key == "CompilerPath") run.CompilerPath = value;
  else ADD_FAILURE() << "unknown setting " << key;
}

GoldenRun Run(FakePlatform& platform, const std::string& settings) {
  RunState run(platform);
  run.ProgramDir = std::string(KORVEX_DIST_DIR) + platform::kPathSeparator;
  run.SystemDir = run.ProgramDir + "system" + platform::kPathSeparator;
  run.SourceFile = kSourceFolder + "input.pb";
  // The CGI template is read through the platform: the case's own
  // cgitemplate.pb when it has one, else the real one.
  std::string cgiTemplate = run.SystemDir + "CGI" + platform::kPathSeparator + "cgitemplate.pb";
  auto ownTemplate = platform.files.find(kSourceFolder + "cgitemplate.pb");
  if (ownTemplate != platform.files.end()) platform.files[cgiTemplate] = ownTemplate->second;
  else if (fs::exists(cgiTemplate)) platform.files[cgiTemplate] = ReadBytes(cgiTemplate);
  std::istringstream lines(settings);
  std::string line;
  while (std::getline(lines, line)) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) ApplySetting(run, platform, line.substr(0, eq), line.substr(eq + 1));
  }
  std::vector<driver::PassStep> steps = driver::StandardPasses();
  for (driver::PassStep& step : steps)
    if (std::string(step.Name) == "profile selection")
      step.Run = [](RunState&, const std::string& text) { return text; };
  std::string text = driver::RunPasses(run, ReadTextFile(run, run.SourceFile), steps);
  GoldenRun result;
  result.script = text.empty() ? "" : driver::WrapScript(text);
  for (const std::string& l : platform.ConsoleLines()) result.consoleLines += l + "\n";
  auto tempCgi = platform.files.find(kSourceFolder + "tempcgi.pb");
  if (tempCgi != platform.files.end()) result.tempCgi = tempCgi->second;
  return result;
}

}  // namespace

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

GoldenRun ConvertGoldenCase(const fs::path& dir) {
  FakePlatform platform;
  platform.folders.insert(kSourceFolder);
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    std::string rel = NativeRelative(entry.path(), dir);
    if (entry.is_directory()) platform.folders.insert(kSourceFolder + rel + platform::kPathSeparator);
    else platform.files[kSourceFolder + rel] = ReadBytes(entry.path());
  }
  std::string settings = platform.files[kSourceFolder + "settings.txt"];
  return Run(platform, settings);
}

GoldenRun ConvertText(const std::string& source) {
  FakePlatform platform;
  platform.folders.insert(kSourceFolder);
  platform.files[kSourceFolder + "input.pb"] = source;
  return Run(platform, "");
}

}  // namespace korvex::testing
