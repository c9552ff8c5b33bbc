// Start-up and the end of a run.
// "Korvex shop.pb" opens the console, checks that the compiler, the sibling
// tools, the settings folder and framework.db are there, checks the syntax,
// runs the passes and deploys; any error line makes the end wait for Return.
#include "driver/startup.h"

#include <cstdint>

#include "driver/deployment.h"
#include "driver/external_programs.h"
#include "driver/pipeline.h"
#include "driver/profiles.h"
#include "common/run_state.h"
#include "driver/text_files.h"
#include "common/text.h"

namespace korvex::driver {
namespace {

constexpr const char* kTitle = "Korvex V2014-01-12";

// The folder of the executable; a copy started from the temporary folder
// (as the IDE does when it runs a compiled tool) uses the working folder.
std::string ProgramDirectory(Platform& platform) {
  std::string path = platform.ProgramPath();
  if (!path.empty() && path[0] == '"') path.erase(0, 1);
  std::string dir = FolderPart(path);
  if (EqualsNoCase(dir, platform.TempFolder())) dir = platform.CurrentFolder();
  if (dir.empty() || dir.back() != platform::kPathSeparator) dir += platform::kPathSeparator;
  return dir;
}

// The editor shortcut: the word under the IDE's cursor is the profile
// directive, so the profile editor starts instead of a conversion.
bool StartsEditorShortcut(RunState& run) {
  std::string word = run.platform.GetEnv("PB_TOOL_Word");
  std::string editor = run.ProgramDir + "SetupEditor.exe";
  if (!EqualsNoCase(word, "kvx_converter_setprofile") || run.platform.FileSize(editor) <= 0)
    return false;
  StartProgram(run, editor, "", "", StartFlags{});
  return true;
}

// A start-up check: the path to test and the message when it fails. Every
// check fails on a missing path, the settings folder also on a file.
struct StartupCheck {
  std::string Path;
  bool MustBeFolder;
  std::string Message;
};

// The five checks in their order; the first that fails prints its message.
bool ChecksPass(RunState& run) {
  const StartupCheck checks[] = {
      {run.CompilerPath, false, "PBCompiler not found: '" + run.CompilerPath + "'"},
      {run.ProgramDir + "SetupPicker.exe", false, "SetupPicker.exe not found"},
      {run.ProgramDir + "SetupEditor.exe", false, "SetupEditor.exe not found"},
      {run.AppDataDir, true, "Couldn't create AppDataPath"},
      {run.ProgramDir + "framework.db", false, "framework.db not found"},
  };
  for (const StartupCheck& check : checks) {
    int64_t size = run.platform.FileSize(check.Path);
    if (check.MustBeFolder ? size == -2 : size != -1) continue;
    run.PrintLine(check.Message, true);
    return false;
  }
  return true;
}

// The source: the first parameter, else the IDE editor's text saved to a
// temporary file. A folder passes the existence test; the compiler refuses it.
bool FindSource(RunState& run) {
  run.SourceFile = run.platform.FirstParameter();
  if (run.SourceFile.empty()) run.SourceFile = EditorTextToTempFile(run);
  if (run.SourceFile.empty()) {
    run.PrintLine("Aufruf: Korvex sourcefile.pb", true);
    return false;
  }
  if (run.platform.FileSize(run.SourceFile) == -1) {
    run.PrintLine("File not found: '" + run.SourceFile + "'", true);
    return false;
  }
  run.PrintLine("SourceFile: '" + run.SourceFile + "'");
  return true;
}

// Everything from the source to the deployed page; false when a step ended
// the run.
bool Convert(RunState& run) {
  if (!FindSource(run)) return false;
  if (SyntaxCheck(run) != 1) {
    run.PrintLine("SyntaxCheck not OK", true);
    return false;
  }
  run.PrintLine("");
  run.PrintLine("PreProcessing...");
  run.PrintLine("");
  std::string text = RunPasses(run, ReadTextFile(run, run.SourceFile), StandardPasses());
  if (text.empty()) return false;
  Deploy(run, WrapScript(text));
  if (!run.TempSourceFile.empty()) run.platform.DeleteFile(run.TempSourceFile);
  // An address is no program: the start hands it to the shell, which shows
  // the page in the browser.
  StartProgram(run, run.ActiveSettings.ServerAddress, "", "", StartFlags{});
  return true;
}

// The end of every run but the editor shortcut: after an error line the
// console waits for Return (its input is ignored), then it closes.
void Finish(RunState& run) {
  if (run.PauseAtExit == 1) {
    run.PrintLine("");
    run.PrintLine("Press return to exit");
    run.platform.ConsoleReadLine();
  }
  run.platform.ConsoleClose();
}

}  // namespace

int RunKorvex(Platform& platform) {
  RunState run(platform);
  run.ProgramDir = ProgramDirectory(platform);
  run.SystemDir = run.ProgramDir + "system" + RunState::Sep();
  run.CompilerPath = platform.GetEnv("PB_TOOL_Compiler");
  PrepareSettingsFolder(run);
  if (StartsEditorShortcut(run)) return 0;
  platform.ConsoleOpen(kTitle);
  run.PrintLine(kTitle);
  run.PrintLine("------------------------");
  if (ChecksPass(run)) Convert(run);
  Finish(run);
  return 0;
}

}  // namespace korvex::driver
