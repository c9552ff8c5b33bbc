// CGI program build. With CgiFilename "/srv/cgi-bin/shop.exe" and the source
// "/home/ann/shop.pb" the filled template is written to
// "/home/ann/tempcgi.pb" and built by
//   "<compiler>" "/home/ann/tempcgi.pb" /EXE "/srv/cgi-bin/shop.exe"
// The compiler's lines are echoed as plain console lines: they are its
// messages, not ours, and do not count as errors. The source is written in
// UTF-8 with its mark, so that the compiler reads the program's strings
// ("Größe", "日本") as they are. Runs inside the server-procedure pass,
// once per run.
#include "server/cgi_build.h"

#include <memory>

#include "driver/external_programs.h"
#include "driver/text_files.h"
#include "common/text.h"
#include "server/server_procedures.h"

namespace korvex::server {
namespace {

constexpr int kDeleteTries = 10;
constexpr int kDeletePauseMs = 500;
constexpr const char* kUtf8Mark = "\xEF\xBB\xBF";

// An error between two empty lines.
void PrintFramedError(RunState& run, const std::string& message) {
  run.PrintLine("");
  run.PrintLine(message, true);
  run.PrintLine("");
}

std::string TemplatePath(const RunState& run) {
  return run.ProgramDir + "system" + RunState::Sep() + "CGI" + RunState::Sep() + "cgitemplate.pb";
}

// The web server may still hold the old executable; it is given ten tries,
// half a second apart. If it stays, the compiler is run anyway and reports
// that it cannot write the file.
void RemoveOldExecutable(RunState& run, const std::string& executable) {
  int tries = 0;
  while (run.platform.FileSize(executable) != -1) {
    run.PrintLine("Trying to delete '" + executable + "'. " + std::to_string(tries + 1) + " try...");
    run.platform.DeleteFile(executable);
    if (++tries >= kDeleteTries) break;  // no pause after the last try
    run.platform.SleepMilliseconds(kDeletePauseMs);
  }
}

void Compile(RunState& run, const std::string& source, const std::string& executable) {
  // The whole command is the program string; there are no parameters.
  std::unique_ptr<ChildProcess> compiler = driver::StartProgram(
      run, "\"" + run.CompilerPath + "\" \"" + source + "\" /EXE \"" + executable + "\"", "", "",
      driver::StartFlags{.Wait = false, .Open = true, .Read = true});
  if (compiler == nullptr) {
    PrintFramedError(run, "Something went wrong :-(");
    return;
  }
  while (compiler->Running() || compiler->OutputWaiting())
    if (compiler->OutputWaiting()) run.platform.ConsoleWrite(compiler->ReadLine() + "\r\n");
  // No wait here: the error line makes the run wait at its end.
  if (compiler->ExitCode() != 0) PrintFramedError(run, "Press return to continue");
}

}  // namespace

CgiBuild BuildCgiProgram(RunState& run, const std::string& serverCode) {
  const Settings& settings = run.ActiveSettings;
  if (settings.CgiFilename.empty()) {
    PrintFramedError(run, "Found ServerCode but 'CgiFilename' is empty");
    return CgiBuild::Stop;
  }
  if (settings.CgiAddress.empty()) {
    PrintFramedError(run, "Found ServerCode but 'CgiAddress' is empty");
    return CgiBuild::Stop;
  }
  std::string templatePath = TemplatePath(run);
  if (run.platform.FileSize(templatePath) <= 0) {
    run.PrintLine("File not found: " + templatePath, true);
    return CgiBuild::Continue;
  }
  std::string dispatcher = BuildRequestSelect(run, serverCode);
  std::string program = ReadTextFile(run, templatePath);
  program = ReplaceAll(program, kServerCodeMarker, serverCode);
  program = ReplaceAll(program, kRequestSelectMarker, dispatcher);
  std::string tempCgi = FolderPart(run.SourceFile) + "tempcgi.pb";
  WriteTextFile(run, kUtf8Mark + program, tempCgi);
  RemoveOldExecutable(run, settings.CgiFilename);
  Compile(run, tempCgi, settings.CgiFilename);
  return CgiBuild::Continue;
}

}  // namespace korvex::server
