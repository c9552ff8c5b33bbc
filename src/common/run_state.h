// RunState: everything one conversion run shares between the driver and the
// passes: the program's folders, the source, the active profile, the lists
// and the token list. One instance per run; passes read what they need here
// instead of taking arguments.
#pragma once

#include <string>
#include <vector>

#include "model/program_model.h"
#include "platform/platform.h"
#include "scanner/token_list.h"

namespace korvex {

/// The settings of the active profile.
struct Settings {
  std::string ServerPath;
  std::string ServerAddress;
  std::string CgiFilename;
  std::string CgiAddress;
  std::string ApplicationName;
  std::string JQueryUiCss;
  std::string JQueryJs;
  std::string JQueryUiJs;
  int DoNotCopy = 0;
  std::string ProfileName;
};

/// One "[profile:Name]" group of Korvex.ini, fields as its keys.
struct ProfileRecord {
  std::string name, applicationname, serverpath, serveraddress, cgifilename, cgiaddress,
      ftphost, ftpuser, ftppass, jqueryuicss, jqueryuijs, jqueryjs;
};

struct RunState {
  explicit RunState(Platform& p) : platform(p) {}

  /// The one console output: text and "\r\n", flushed. An error line makes
  /// the run wait for Return at its end.
  void PrintLine(const std::string& text, bool isError = false);
  /// Joins folder paths and names with the system's separator.
  static std::string Sep() { return std::string(1, platform::kPathSeparator); }

  Platform& platform;
  std::string ProgramDir;  // every folder path ends with the separator
  std::string SystemDir;
  std::string CompilerPath;
  std::string AppDataDir;
  std::string ProfilesIniPath;
  std::string SourceFile;
  std::string TempSourceFile;
  int PauseAtExit = 0;
  Settings ActiveSettings;
  std::vector<ProfileRecord> Profiles;
  std::vector<std::string> IncludedBinaries;
  TokenList Tokens;
  /// The program's procedures, variables and types, built at the start of
  /// statement translation.
  model::ProgramModel Model;
};

}  // namespace korvex
