// Settings folder and profiles. At start-up the settings folder is made and
// an old Korvex.ini beside the program moves into it; as a step of the
// pipeline the active profile is chosen and its keys fill ActiveSettings.
#include "driver/profiles.h"

#include "driver/external_programs.h"
#include "driver/ini_file.h"
#include "common/text.h"

namespace korvex::driver {
namespace {

constexpr const char* kJQueryHost = "code.jquery.com";
constexpr const char* kProfilePrefix = "profile:";

// The keys of a profile group and the record fields they fill.
struct ProfileKey {
  const char* Key;
  std::string ProfileRecord::*Field;
};
constexpr ProfileKey kProfileKeys[] = {
    {"serverpath", &ProfileRecord::serverpath},   {"serveraddress", &ProfileRecord::serveraddress},
    {"cgifilename", &ProfileRecord::cgifilename}, {"cgiaddress", &ProfileRecord::cgiaddress},
    {"applicationname", &ProfileRecord::applicationname},
    {"ftphost", &ProfileRecord::ftphost},         {"ftpuser", &ProfileRecord::ftpuser},
    {"ftppass", &ProfileRecord::ftppass},         {"jqueryuicss", &ProfileRecord::jqueryuicss},
    {"jqueryuijs", &ProfileRecord::jqueryuijs},   {"jqueryjs", &ProfileRecord::jqueryjs},
};

std::string PickerIniPath(RunState& run) { return run.AppDataDir + "SetupPicker.ini"; }

// A file that cannot be opened leaves ini untouched and answers false.
bool ReadIni(RunState& run, const std::string& path, IniFile& ini) {
  std::string bytes;
  if (!run.platform.ReadFile(path, bytes)) return false;
  ini = IniFile::Parse(bytes);
  return true;
}

// The chooser's file is emptied of its old choice, but never created.
void ClearSelectedProject(RunState& run) {
  IniFile ini;
  if (!ReadIni(run, PickerIniPath(run), ini)) return;
  ini.SetValue(0, "SelectedProject", "");
  run.platform.WriteFile(PickerIniPath(run), ini.Serialize());
}

// ProfileName := "SelectedProject", when the chooser's file can be opened.
void ReadSelectedProject(RunState& run) {
  IniFile ini;
  if (ReadIni(run, PickerIniPath(run), ini))
    run.ActiveSettings.ProfileName = ini.Value(0, "SelectedProject");
}

void RunTool(RunState& run, const std::string& exe, const std::string& parameters) {
  StartFlags flags;
  flags.Wait = true;
  StartProgram(run, "\"" + run.ProgramDir + exe + "\"", parameters, run.ProgramDir, flags);
}

bool HasProfile(RunState& run, const std::string& name) {
  for (const ProfileRecord& record : run.Profiles)
    if (record.name == name) return true;
  return false;
}

// The named profile is missing: the user may create it with the editor and
// then choose, in the chooser, the profile to use.
bool OfferNewProfile(RunState& run) {
  Settings& s = run.ActiveSettings;
  if (!run.platform.AskYesNo("Korvex", "Profile '" + s.ProfileName + "' doesn't exists. Create a new one?"))
    return false;
  RunTool(run, "SetupEditor.exe", s.ProfileName);
  RunTool(run, "SetupPicker.exe", "");
  ReadSelectedProject(run);
  if (!s.ProfileName.empty()) return true;
  run.PrintLine("No profile found", true);
  return false;
}

// Every group of the name is applied in file order, so the last one wins and
// each prints its lines.
void ApplyProfile(RunState& run, const ProfileRecord& record) {
  Settings& s = run.ActiveSettings;
  s.ServerPath = record.serverpath;
  run.PrintLine("Setting ServerPath to: '" + s.ServerPath + "'");
  s.ServerAddress = record.serveraddress;
  run.PrintLine("Setting ServerAddress to: '" + s.ServerAddress + "'");
  s.ApplicationName = record.applicationname;
  if (s.ApplicationName.empty())
    s.ApplicationName = "application";
  else
    run.PrintLine("Setting ApplicationName to: '" + s.ApplicationName + "'");
  s.CgiFilename = record.cgifilename;
  if (!s.CgiFilename.empty()) run.PrintLine("Setting CgiFilename to: '" + s.CgiFilename + "'");
  s.CgiAddress = record.cgiaddress;
  if (!s.CgiAddress.empty()) run.PrintLine("Setting CgiAddress to: '" + s.CgiAddress + "'");
  s.JQueryUiCss = record.jqueryuicss;
  s.JQueryUiJs = record.jqueryuijs;
  s.JQueryJs = record.jqueryjs;
}

bool IsAbsolutePath(const std::string& path) {
#ifdef _WIN32
  return (path.size() > 1 && path[1] == ':') || StartsWith(path, "\\\\");
#else
  return StartsWith(path, "/");
#endif
}

// The page as a file address: "file:///D:/www/shop/index.html". A POSIX
// path brings its own leading "/", and a relative folder is taken from the
// working folder, as the copies were.
std::string FileAddress(RunState& run, const std::string& serverPath) {
  std::string path = IsAbsolutePath(serverPath) ? serverPath : run.platform.CurrentFolder() + serverPath;
  path = ReplaceAll(path, "\\", "/");
  if (StartsWith(path, "/")) path.erase(0, 1);
  return "file:///" + path + "index.html";
}

// The server folder must exist; the address and the page tags get their
// defaults.
bool FinishSettings(RunState& run) {
  Settings& s = run.ActiveSettings;
  if (s.ServerPath.empty()) {
    run.PrintLine("ServerPath is not set", true);
    return false;
  }
  if (s.ServerPath.back() != platform::kPathSeparator) s.ServerPath += RunState::Sep();
  if (run.platform.FileSize(s.ServerPath) != -2) {
    run.PrintLine("ServerPath doesn't exists: '" + s.ServerPath + "'", true);
    return false;
  }
  if (s.ServerAddress.empty()) s.ServerAddress = FileAddress(run, s.ServerPath);
  if (s.JQueryUiCss.empty()) s.JQueryUiCss = DefaultJQueryUiCss();
  if (s.JQueryJs.empty()) s.JQueryJs = DefaultJQueryJs();
  if (s.JQueryUiJs.empty()) s.JQueryUiJs = DefaultJQueryUiJs();
  return true;
}

}  // namespace

std::string AppDataFolder(RunState& run, const std::string& makerFolder,
                          const std::string& productFolder) {
  std::string dir = run.platform.AppDataFolder();
  if (dir.empty() || dir.back() != platform::kPathSeparator) dir += RunState::Sep();
  // On Windows the roaming folder always exists; a fresh POSIX account may
  // not have its configuration folder yet.
  if (run.platform.FileSize(dir) != -2) run.platform.CreatePath(dir);
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
  // An empty old file stays, and so does a folder of that name.
  std::string oldIni = run.ProgramDir + "Korvex.ini";
  if (run.platform.FileSize(oldIni) > 0) run.platform.MoveFile(oldIni, run.ProfilesIniPath);
}

std::vector<ProfileRecord> ProfilesFromIni(const IniFile& ini) {
  std::vector<ProfileRecord> profiles;
  for (const IniGroup& group : ini.Groups()) {
    // "[profile:Shop]" is the profile "Shop"; "[Profile:Shop]" is no profile.
    if (!StartsWith(group.Name, kProfilePrefix)) continue;
    ProfileRecord record;
    record.name = ReplaceAll(group.Name, kProfilePrefix, "");
    for (const IniKey& key : group.Keys)
      for (const ProfileKey& known : kProfileKeys)
        if (key.Name == known.Key) record.*known.Field = key.Value;
    profiles.push_back(std::move(record));
  }
  return profiles;
}

int LastProfileGroup(const IniFile& ini, const std::string& name) {
  std::vector<IniGroup> groups = ini.Groups();
  for (int i = static_cast<int>(groups.size()) - 1; i > 0; --i)
    if (StartsWith(groups[i].Name, kProfilePrefix) && ReplaceAll(groups[i].Name, kProfilePrefix, "") == name)
      return i;
  return -1;
}

std::string ProfileGroupName(const std::string& name) { return kProfilePrefix + name; }

void LoadProfiles(RunState& run, const std::string& iniPath) {
  run.Profiles.clear();
  IniFile ini;
  if (ReadIni(run, iniPath, ini)) run.Profiles = ProfilesFromIni(ini);
}

bool SelectProfile(RunState& run) {
  Settings& s = run.ActiveSettings;
  if (s.ProfileName.empty()) {
    run.PrintLine("No profile set");
    run.PrintLine("Starting " + run.ProgramDir + "SetupPicker.exe...");
    ClearSelectedProject(run);
    RunTool(run, "SetupPicker.exe", "");
    ReadSelectedProject(run);
  }
  if (s.ProfileName.empty()) {
    run.PrintLine("No profile found", true);
    return false;
  }
  run.PrintLine("ProfileName: '" + s.ProfileName + "'");
  LoadProfiles(run, run.ProfilesIniPath);
  if (!HasProfile(run, s.ProfileName) && !OfferNewProfile(run)) return false;
  LoadProfiles(run, run.ProfilesIniPath);
  for (const ProfileRecord& record : run.Profiles)
    if (record.name == s.ProfileName) ApplyProfile(run, record);
  return FinishSettings(run);
}

std::string DefaultJQueryUiCss() {
  return std::string("<link rel=\"stylesheet\" type=\"text/css\" href=\"http://") + kJQueryHost +
         "/ui/1.10.3/themes/smoothness/jquery-ui.css\" />";
}

std::string DefaultJQueryJs() {
  return std::string("<script src=\"http://") + kJQueryHost +
         "/jquery-1.10.2.js\" type=\"text/javascript\"></script>";
}

std::string DefaultJQueryUiJs() {
  return std::string("<script src=\"http://") + kJQueryHost +
         "/ui/1.10.3/jquery-ui.js\" type=\"text/javascript\"></script>";
}

}  // namespace korvex::driver
