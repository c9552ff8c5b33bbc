// SetupPicker.exe: lets the user choose the profile Korvex converts with.
// Lists the profiles of Korvex.ini in the settings folder, reads a number or
// a name, and writes the name to "SelectedProject" of SetupPicker.ini (before
// any group, the rest of the file kept). An empty answer or the end of the
// input keeps the file as it is.
#include <string>
#include <vector>

#include "driver/profiles.h"
#include "setup_common.h"

namespace korvex::tools {
namespace {

// Each profile once, in the order of its first group.
std::vector<std::string> ProfileNames(const driver::IniFile& ini) {
  std::vector<std::string> names;
  for (const ProfileRecord& record : driver::ProfilesFromIni(ini)) {
    bool seen = false;
    for (const std::string& name : names) seen = seen || name == record.name;
    if (!seen) names.push_back(record.name);
  }
  return names;
}

// A profile's name, else the number of a profile in the list; "" when the
// answer names no profile.
std::string Choice(const std::vector<std::string>& names, const std::string& answer) {
  for (const std::string& name : names)
    if (name == answer) return name;
  if (answer.find_first_not_of("0123456789") != std::string::npos || answer.size() > 6) return "";
  size_t number = std::stoul(answer);
  return number >= 1 && number <= names.size() ? names[number - 1] : "";
}

// Asks until the answer names a profile; "" when the user keeps the choice.
std::string AskForProfile(const std::vector<std::string>& names) {
  std::string answer;
  while (Ask("Number or name of the profile (Return keeps the current choice): ", answer)) {
    if (answer.empty()) return "";
    std::string chosen = Choice(names, answer);
    if (!chosen.empty()) return chosen;
    Say("There is no profile '" + answer + "'.");
  }
  return "";
}

int Run(Platform& platform) {
  std::string folder = SettingsFolder(platform);
  driver::IniFile profiles;
  LoadIni(platform, folder + "Korvex.ini", profiles);
  std::vector<std::string> names = ProfileNames(profiles);
  Say("SetupPicker: the profile Korvex converts with");
  if (names.empty()) {
    Say("There is no profile in " + folder + "Korvex.ini yet.");
    Say("Create one with: SetupEditor.exe <ProfileName>");
    return 0;
  }
  std::string pickerPath = folder + "SetupPicker.ini";
  driver::IniFile picker;
  LoadIni(platform, pickerPath, picker);
  for (size_t i = 0; i < names.size(); ++i) Say("  " + std::to_string(i + 1) + "  " + names[i]);
  std::string current = picker.Value(0, "SelectedProject");
  if (!current.empty()) Say("Current choice: '" + current + "'");
  std::string chosen = AskForProfile(names);
  if (chosen.empty()) return 0;
  picker.SetValue(0, "SelectedProject", chosen);
  if (!ReplaceFile(pickerPath, picker.Serialize())) {
    Say("Couldn't write " + pickerPath);
    return 1;
  }
  Say("Selected profile: '" + chosen + "'");
  return 0;
}

}  // namespace
}  // namespace korvex::tools

int main(int argc, char** argv) {
  auto platform = korvex::tools::OpenPlatform(argc, argv);
  if (platform == nullptr) return 1;
  return korvex::tools::Run(*platform);
}
