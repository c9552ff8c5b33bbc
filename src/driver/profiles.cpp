// Settings and profiles. Not built yet.
#include "driver/profiles.h"

namespace korvex::driver {

std::string AppDataFolder(RunState& run, const std::string& makerFolder,
                          const std::string& productFolder) {
  std::string dir = run.platform.AppDataFolder();
  if (dir.empty() || dir.back() != platform::kPathSeparator) dir += RunState::Sep();
  for (const std::string& level : {makerFolder, productFolder}) {
    dir += level + RunState::Sep();
    if (run.platform.FileSize(dir) != -2) run.platform.CreateFolder(dir);
  }
  return dir;
}

void PrepareSettingsFolder(RunState& run) {
  run.AppDataDir = AppDataFolder(run, "vantorotools", "Korvex");
  run.ProfilesIniPath = run.AppDataDir + "Korvex.ini";
  // An old profile file beside the program moves to the user's folder; the
  // move fails when a per-user file exists, so that one is never replaced.
  std::string oldIni = run.ProgramDir + "Korvex.ini";
  if (run.platform.FileSize(oldIni) != 0) run.platform.MoveFile(oldIni, run.ProfilesIniPath);
}

void LoadProfiles(RunState& run, const std::string& iniPath) {
  (void)iniPath;
  run.Profiles.clear();
}

bool SelectProfile(RunState& run) {
  (void)run;
  return true;
}

}  // namespace korvex::driver
