// SetupEditor.exe <ProfileName>: creates or edits the group
// "[profile:<ProfileName>]" of Korvex.ini in the settings folder. Asks for
// each key with its current value (or a default) in brackets; Return keeps
// it, "-" empties it. Every other group, and the group's other keys, stay as
// they are. Without a name (the IDE's shortcut) it asks for one first.
#include <string>
#include <vector>

#include "driver/profiles.h"
#include "common/text.h"
#include "setup_common.h"

namespace korvex::tools {
namespace {

#ifdef _WIN32
constexpr const char* kWebRoot = "C:\\inetpub\\wwwroot\\";
#else
constexpr const char* kWebRoot = "/var/www/html/";
#endif

struct Question {
  const char* Key;
  const char* Meaning;
};
// The keys in the order they are asked.
constexpr Question kQuestions[] = {
    {"serverpath", "the folder the application is written to"},
    {"serveraddress", "the address the page is opened at; empty: the page as a file"},
    {"applicationname", "the name of the JavaScript file, without \".js\""},
    {"cgifilename", "the CGI program built for server procedures"},
    {"cgiaddress", "the address the page calls the CGI program at"},
    {"jqueryuicss", "the page's jQuery UI stylesheet tag"},
    {"jqueryjs", "the page's jQuery script tag"},
    {"jqueryuijs", "the page's jQuery UI script tag"},
};

// "Web Shop" -> "web_shop": a file name that needs no quoting anywhere.
std::string FileNameOf(const std::string& profile) {
  std::string name;
  for (char c : LowerAscii(profile)) {
    bool plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    name += plain ? c : '_';
  }
  return name.empty() ? "application" : name;
}

// What a new profile starts with. A server folder below the web server's
// root is reached over http://localhost/.
std::string DefaultValue(const std::string& key, const std::string& profile,
                         const std::string& serverPath) {
  if (key == "serverpath") return kWebRoot + FileNameOf(profile) + RunState::Sep();
  if (key == "serveraddress") {
    if (!StartsWith(serverPath, kWebRoot)) return "";
    std::string rest = ReplaceAll(serverPath.substr(std::string(kWebRoot).size()), "\\", "/");
    if (!rest.empty() && rest.back() != '/') rest += '/';
    return "http://localhost/" + rest + "index.html";
  }
  if (key == "applicationname") return FileNameOf(profile);
  if (key == "jqueryuicss") return driver::DefaultJQueryUiCss();
  if (key == "jqueryjs") return driver::DefaultJQueryJs();
  if (key == "jqueryuijs") return driver::DefaultJQueryUiJs();
  return "";
}

// A name must fit into "[profile:<name>]" and be read back as itself.
bool ValidName(const std::string& name) {
  if (name.empty() || name.find(']') != std::string::npos || Contains(name, "profile:")) return false;
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

// The profile's name from the command line (a name with blanks may arrive
// as several arguments), else asked for.
bool ProfileName(int argc, char** argv, const driver::IniFile& ini, std::string& name) {
  for (int i = 1; i < argc; ++i) name += (i > 1 ? " " : "") + std::string(argv[i]);
  if (!name.empty()) return true;
  for (const ProfileRecord& record : driver::ProfilesFromIni(ini)) Say("  " + record.name);
  return Ask("Name of the profile to create or edit: ", name) && !name.empty();
}

// Asks for every key; false when the input ended first.
bool AskValues(const driver::IniFile& ini, int group, const std::string& profile,
               std::vector<std::string>& values) {
  Say("Return keeps the value in brackets, \"-\" leaves the key empty.");
  for (const Question& q : kQuestions) {
    std::string fallback = DefaultValue(q.Key, profile, values.empty() ? "" : values[0]);
    std::string current = group < 0 ? fallback : ini.Value(group, q.Key, fallback);
    std::string answer;
    Say(std::string(q.Key) + ": " + q.Meaning);
    if (!Ask("  [" + current + "]: ", answer)) return false;
    values.push_back(answer.empty() ? current : answer == "-" ? "" : answer);
  }
  return true;
}

int Run(Platform& platform, int argc, char** argv) {
  std::string iniPath = SettingsFolder(platform) + "Korvex.ini";
  driver::IniFile ini;
  LoadIni(platform, iniPath, ini);
  std::string before = ini.Serialize();
  std::string name;
  if (!ProfileName(argc, argv, ini, name)) return 0;
  if (!ValidName(name)) {
    Say("A profile name can't be empty or hold \"]\", \"profile:\" or control characters: '" + name + "'");
    return 1;
  }
  int group = driver::LastProfileGroup(ini, name);
  Say("SetupEditor: profile '" + name + "'" + (group < 0 ? " (new)" : "") + " in " + iniPath);
  std::vector<std::string> values;
  if (!AskValues(ini, group, name, values)) {
    Say("Cancelled: " + iniPath + " is unchanged.");
    return 1;
  }
  if (group < 0) group = ini.AppendGroup(driver::ProfileGroupName(name));
  for (size_t i = 0; i < values.size(); ++i) ini.SetValue(group, kQuestions[i].Key, values[i]);
  if (ini.Serialize() != before && !ReplaceFile(iniPath, ini.Serialize())) {
    Say("Couldn't write " + iniPath);
    return 1;
  }
  Say("Saved profile '" + name + "'.");
  if (!values[0].empty() && platform.FileSize(values[0]) != -2)
    Say("Note: the folder '" + values[0] + "' does not exist yet; Korvex needs it.");
  return 0;
}

}  // namespace
}  // namespace korvex::tools

int main(int argc, char** argv) {
  auto platform = korvex::tools::OpenPlatform(argc, argv);
  if (platform == nullptr) return 1;
  return korvex::tools::Run(*platform, argc, argv);
}
