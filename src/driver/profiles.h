// Settings folder, Korvex.ini profiles and the choice of the active profile.
#pragma once

#include <string>

#include "driver/run_state.h"

namespace korvex::driver {

/// The roaming application-data folder + maker + product, each level created
/// when missing; ends with the separator.
std::string AppDataFolder(RunState& run, const std::string& makerFolder,
                          const std::string& productFolder);
/// Start-up: AppDataDir, ProfilesIniPath and the move of an old Korvex.ini.
void PrepareSettingsFolder(RunState& run);
/// Reads every "[profile:Name]" group of the file into run.Profiles.
void LoadProfiles(RunState& run, const std::string& iniPath);
/// Fills ActiveSettings from the chosen profile; false ends the run.
bool SelectProfile(RunState& run);

}  // namespace korvex::driver
