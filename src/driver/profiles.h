// Settings folder, Korvex.ini profiles and the choice of the active profile.
// The directive KVX_Converter_SetProfile "Shop" picks the group
// "[profile:Shop]"; without a directive SetupPicker.exe asks the user, and a
// missing profile can be created with SetupEditor.exe.
#pragma once

#include <string>
#include <vector>

#include "driver/ini_file.h"
#include "common/run_state.h"

namespace korvex::driver {

/// The roaming application-data folder + maker + product, each level created
/// when missing; ends with the separator.
std::string AppDataFolder(RunState& run, const std::string& makerFolder,
                          const std::string& productFolder);
/// Start-up: AppDataDir, ProfilesIniPath and the move of an old Korvex.ini.
void PrepareSettingsFolder(RunState& run);
/// Reads every "[profile:Name]" group of the file into run.Profiles.
void LoadProfiles(RunState& run, const std::string& iniPath);
/// The profiles of a profile file, one record per "[profile:Name]" group, in
/// file order; a name may occur twice.
std::vector<ProfileRecord> ProfilesFromIni(const IniFile& ini);
/// The index of the last group that defines the profile, -1 when none does.
int LastProfileGroup(const IniFile& ini, const std::string& name);
/// The group name of a profile: "Shop" -> "profile:Shop".
std::string ProfileGroupName(const std::string& name);
/// Fills ActiveSettings from the chosen profile; false ends the run.
bool SelectProfile(RunState& run);

/// The page tags used when a profile leaves them empty: jQuery 1.10.2,
/// jQuery UI 1.10.3 and its "smoothness" theme from the public jQuery
/// content-delivery network.
std::string DefaultJQueryUiCss();
std::string DefaultJQueryJs();
std::string DefaultJQueryUiJs();

}  // namespace korvex::driver
