// The settings folder, Korvex.ini profiles and the choice of the active
// profile, against an in-memory platform whose sibling tools are scripted.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "driver/profiles.h"
#include "common/run_state.h"
#include "support/fake_platform.h"
#include "support/native_path.h"

namespace korvex::driver {
namespace {

using korvex::testing::operator""_p;

using Lines = std::vector<std::string>;

const std::string kSettings = "/home/user/.config/vantorotools/Korvex/"_p;
const std::string kProfiles = "/home/user/.config/vantorotools/Korvex/Korvex.ini"_p;
const std::string kPicker = "/home/user/.config/vantorotools/Korvex/SetupPicker.ini"_p;
const std::string kPickerCommand = "\"" + "/opt/korvex/SetupPicker.exe"_p + "\"";
constexpr const char* kQuestion = "Korvex: Profile 'Shop' doesn't exists. Create a new one?";

const Lines kWebSettings = {"Setting ServerPath to: '" + "/srv/web/"_p + "'", "Setting ServerAddress to: ''"};

class ProfilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.folders = {"/home/"_p, "/home/user/"_p, "/home/user/.config/"_p, "/opt/"_p, "/opt/korvex/"_p,
                    "/srv/"_p, "/srv/web/"_p};
    run.ProgramDir = "/opt/korvex/"_p;
    PrepareSettingsFolder(run);
    fake.onStart = [this](const StartRequest& request) {
      if (tools.count(request.CommandLine)) tools[request.CommandLine]();
      return &finished;
    };
  }

  // What a started tool does to the files, by command line.
  void OnTool(const std::string& commandLine, std::function<void()> effect) {
    tools[commandLine] = std::move(effect);
  }
  void ChooserPicks(const std::string& name) {
    OnTool(kPickerCommand, [this, name] { fake.files[kPicker] = "SelectedProject=" + name + "\n"; });
  }
  bool Select(const std::string& profileName) {
    run.ActiveSettings.ProfileName = profileName;
    return SelectProfile(run);
  }
  Lines Console() { return fake.ConsoleLines(); }
  static Lines Join(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }

  testing::FakePlatform fake;
  RunState run{fake};
  std::map<std::string, std::function<void()>> tools;
  testing::ScriptedChild finished;
};

TEST_F(ProfilesTest, SettingsFolderIsMadeInTheConfigFolder) {
  EXPECT_EQ(run.AppDataDir, kSettings);
  EXPECT_EQ(run.ProfilesIniPath, kProfiles);
  EXPECT_EQ(fake.FileSize(kSettings), -2);
}

TEST_F(ProfilesTest, MissingConfigFolderIsCreatedToo) {
  testing::FakePlatform fresh;
  fresh.folders = {"/home/"_p, "/home/user/"_p};
  RunState freshRun(fresh);
  EXPECT_EQ(AppDataFolder(freshRun, "vantorotools", "Korvex"), kSettings);
  EXPECT_EQ(fresh.FileSize(kSettings), -2);
}

TEST_F(ProfilesTest, OldProfileFileBesideTheProgramMoves) {
  fake.files["/opt/korvex/Korvex.ini"_p] = "[profile:Old]\n";
  PrepareSettingsFolder(run);
  EXPECT_EQ(fake.files[kProfiles], "[profile:Old]\n");
  EXPECT_EQ(fake.FileSize("/opt/korvex/Korvex.ini"_p), -1);
}

TEST_F(ProfilesTest, OldProfileFileNeverReplacesTheUsersOne) {
  fake.files["/opt/korvex/Korvex.ini"_p] = "[profile:Old]\n";
  fake.files[kProfiles] = "[profile:Mine]\n";
  PrepareSettingsFolder(run);
  EXPECT_EQ(fake.files[kProfiles], "[profile:Mine]\n");
  EXPECT_EQ(fake.files["/opt/korvex/Korvex.ini"_p], "[profile:Old]\n");
}

TEST_F(ProfilesTest, EmptyOldProfileFileStays) {
  fake.files["/opt/korvex/Korvex.ini"_p] = "";
  PrepareSettingsFolder(run);
  EXPECT_EQ(fake.FileSize("/opt/korvex/Korvex.ini"_p), 0);
  EXPECT_EQ(fake.FileSize(kProfiles), -1);
}

TEST_F(ProfilesTest, LoadProfilesReadsOnlyProfileGroupsAndKnownKeys) {
  fake.files[kProfiles] =
      "serverpath=" + "/top/"_p + "\n"
      "[profile:Shop]\nserverpath = " + "/srv/shop/"_p + "\nServerAddress=http://x/\nftphost=ftp.x\nother=1\n"
      "[Profile:Big]\nserverpath=" + "/big/"_p + "\n"
      "[settings]\nserverpath=" + "/s/"_p + "\n"
      "[profile:Intranet]\njqueryjs=<script></script>\napplicationname=intra\n";
  LoadProfiles(run, kProfiles);
  ASSERT_EQ(run.Profiles.size(), 2u);
  EXPECT_EQ(run.Profiles[0].name, "Shop");
  EXPECT_EQ(run.Profiles[0].serverpath, "/srv/shop/"_p);
  EXPECT_EQ(run.Profiles[0].serveraddress, "");  // keys are matched case-sensitively
  EXPECT_EQ(run.Profiles[0].ftphost, "ftp.x");
  EXPECT_EQ(run.Profiles[1].name, "Intranet");
  EXPECT_EQ(run.Profiles[1].jqueryjs, "<script></script>");
  EXPECT_EQ(run.Profiles[1].applicationname, "intra");
}

TEST_F(ProfilesTest, LoadProfilesRemovesEveryPrefixFromTheName) {
  fake.files[kProfiles] = "[profile:A profile:B]\n";
  LoadProfiles(run, kProfiles);
  ASSERT_EQ(run.Profiles.size(), 1u);
  EXPECT_EQ(run.Profiles[0].name, "A B");
}

TEST_F(ProfilesTest, LoadProfilesOfAMissingFileIsEmpty) {
  run.Profiles.push_back(ProfileRecord{});
  LoadProfiles(run, kProfiles);
  EXPECT_TRUE(run.Profiles.empty());
}

TEST_F(ProfilesTest, NamedProfileFillsTheSettings) {
  fake.files[kProfiles] =
      "[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\nserveraddress=http://localhost/shop/\n"
      "applicationname=shop\ncgifilename=" + "/srv/cgi/shop.cgi"_p + "\ncgiaddress=http://localhost/cgi/shop.cgi\n"
      "jqueryuicss=<link a>\njqueryjs=<script b></script>\njqueryuijs=<script c></script>\n";
  EXPECT_TRUE(Select("Shop"));
  EXPECT_EQ(Console(), (Lines{"ProfileName: 'Shop'", "Setting ServerPath to: '" + "/srv/web/"_p + "'",
                              "Setting ServerAddress to: 'http://localhost/shop/'",
                              "Setting ApplicationName to: 'shop'",
                              "Setting CgiFilename to: '" + "/srv/cgi/shop.cgi"_p + "'",
                              "Setting CgiAddress to: 'http://localhost/cgi/shop.cgi'"}));
  const Settings& s = run.ActiveSettings;
  EXPECT_EQ(s.ServerAddress, "http://localhost/shop/");
  EXPECT_EQ(s.CgiFilename, "/srv/cgi/shop.cgi"_p);
  EXPECT_EQ(s.CgiAddress, "http://localhost/cgi/shop.cgi");
  EXPECT_EQ(s.JQueryUiCss, "<link a>");
  EXPECT_EQ(s.JQueryJs, "<script b></script>");
  EXPECT_EQ(s.JQueryUiJs, "<script c></script>");
  EXPECT_TRUE(fake.started.empty());
  EXPECT_EQ(run.PauseAtExit, 0);
}

TEST_F(ProfilesTest, NoProfileTheChooserDecides) {
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\n";
  fake.files[kPicker] = "SelectedProject=Old\n[window]\nx=1\n";
  std::string pickerFileWhenStarted;
  OnTool(kPickerCommand, [&] {
    pickerFileWhenStarted = fake.files[kPicker];
    fake.files[kPicker] = "SelectedProject=Shop\n";
  });
  EXPECT_TRUE(Select(""));
  EXPECT_EQ(pickerFileWhenStarted, "SelectedProject=\n[window]\nx=1\n");
  ASSERT_EQ(fake.started.size(), 1u);
  EXPECT_EQ(fake.started[0].CommandLine, kPickerCommand);
  EXPECT_EQ(fake.started[0].WorkingFolder, "/opt/korvex/"_p);
  EXPECT_TRUE(fake.started[0].Wait);
  EXPECT_EQ(Console(), Join({"No profile set", "Starting " + "/opt/korvex/SetupPicker.exe"_p + "...",
                             "ProfileName: 'Shop'"},
                            kWebSettings));
}

TEST_F(ProfilesTest, MissingChooserFileIsNotCreated) {
  std::string pickerSize;
  OnTool(kPickerCommand, [&] { pickerSize = std::to_string(fake.FileSize(kPicker)); });
  EXPECT_FALSE(Select(""));
  EXPECT_EQ(pickerSize, "-1");
}

TEST_F(ProfilesTest, ChooserLeftNoChoice) {
  fake.files[kPicker] = "SelectedProject=Shop\n";
  EXPECT_FALSE(Select(""));
  EXPECT_EQ(Console(), (Lines{"No profile set", "Starting " + "/opt/korvex/SetupPicker.exe"_p + "...",
                              "No profile found"}));
  EXPECT_EQ(run.PauseAtExit, 1);
}

TEST_F(ProfilesTest, CreateQuestionAnsweredNoEndsQuietly) {
  fake.files[kProfiles] = "[profile:Other]\nserverpath=" + "/srv/web/"_p + "\n";
  fake.yesAnswer = false;
  EXPECT_FALSE(Select("Shop"));
  EXPECT_EQ(fake.questions, (Lines{kQuestion}));
  EXPECT_EQ(Console(), (Lines{"ProfileName: 'Shop'"}));
  EXPECT_EQ(run.PauseAtExit, 0);
  EXPECT_TRUE(fake.started.empty());
}

TEST_F(ProfilesTest, CreateQuestionAnsweredYesRunsEditorThenChooser) {
  fake.yesAnswer = true;
  OnTool("\"" + "/opt/korvex/SetupEditor.exe"_p + "\" Shop",
         [this] { fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\n"; });
  ChooserPicks("Shop");
  EXPECT_TRUE(Select("Shop"));
  ASSERT_EQ(fake.started.size(), 2u);
  EXPECT_EQ(fake.started[0].CommandLine, "\"" + "/opt/korvex/SetupEditor.exe"_p + "\" Shop");
  EXPECT_EQ(fake.started[0].WorkingFolder, "/opt/korvex/"_p);
  EXPECT_TRUE(fake.started[0].Wait);
  EXPECT_EQ(fake.started[1].CommandLine, kPickerCommand);
  EXPECT_TRUE(fake.started[1].Wait);
  EXPECT_EQ(Console(), Join({"ProfileName: 'Shop'"}, kWebSettings));
}

TEST_F(ProfilesTest, AfterCreatingTheChoiceIsNotClearedFirst) {
  fake.yesAnswer = true;
  fake.files[kProfiles] = "[profile:Other]\nserverpath=" + "/srv/web/"_p + "\n";
  fake.files[kPicker] = "SelectedProject=Other\n";
  EXPECT_TRUE(Select("Shop"));
  EXPECT_EQ(run.ActiveSettings.ProfileName, "Other");
  EXPECT_EQ(Console(), Join({"ProfileName: 'Shop'"}, kWebSettings));
}

TEST_F(ProfilesTest, AfterCreatingStillNoChoice) {
  fake.yesAnswer = true;
  fake.files[kPicker] = "SelectedProject=\n";
  EXPECT_FALSE(Select("Shop"));
  EXPECT_EQ(Console(), (Lines{"ProfileName: 'Shop'", "No profile found"}));
  EXPECT_EQ(run.PauseAtExit, 1);
}

TEST_F(ProfilesTest, CapitalProfilePrefixIsNoProfile) {
  fake.files[kProfiles] = "[Profile:Shop]\nserverpath=" + "/srv/web/"_p + "\n";
  EXPECT_FALSE(Select("Shop"));
  EXPECT_EQ(fake.questions, (Lines{kQuestion}));
}

TEST_F(ProfilesTest, ProfileNamesAreCaseSensitive) {
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\n";
  EXPECT_FALSE(Select("shop"));
  EXPECT_EQ(fake.questions, (Lines{"Korvex: Profile 'shop' doesn't exists. Create a new one?"}));
}

TEST_F(ProfilesTest, TwoGroupsOfOneNameTheLastWins) {
  fake.folders.insert("/srv/second/"_p);
  fake.files[kProfiles] =
      "[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\napplicationname=first\ncgifilename=" + "/c1"_p + "\n"
      "[profile:Other]\nserverpath=" + "/srv/other/"_p + "\n"
      "[profile:Shop]\nserverpath=" + "/srv/second/"_p + "\nserveraddress=http://second/\n";
  EXPECT_TRUE(Select("Shop"));
  EXPECT_EQ(Console(), (Lines{"ProfileName: 'Shop'", "Setting ServerPath to: '" + "/srv/web/"_p + "'",
                              "Setting ServerAddress to: ''", "Setting ApplicationName to: 'first'",
                              "Setting CgiFilename to: '" + "/c1"_p + "'", "Setting ServerPath to: '" + "/srv/second/"_p + "'",
                              "Setting ServerAddress to: 'http://second/'"}));
  EXPECT_EQ(run.ActiveSettings.ServerPath, "/srv/second/"_p);
  EXPECT_EQ(run.ActiveSettings.ApplicationName, "application");
  EXPECT_EQ(run.ActiveSettings.CgiFilename, "");
}

TEST_F(ProfilesTest, NoApplicationNameMeansApplication) {
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\n";
  EXPECT_TRUE(Select("Shop"));
  EXPECT_EQ(run.ActiveSettings.ApplicationName, "application");
  EXPECT_EQ(Console(), Join({"ProfileName: 'Shop'"}, kWebSettings));
}

TEST_F(ProfilesTest, ServerPathGetsItsSeparatorAfterItIsPrinted) {
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/web"_p + "\n";
  EXPECT_TRUE(Select("Shop"));
  EXPECT_EQ(Console()[1], "Setting ServerPath to: '" + "/srv/web"_p + "'");
  EXPECT_EQ(run.ActiveSettings.ServerPath, "/srv/web/"_p);
}

TEST_F(ProfilesTest, MissingServerFolder) {
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/missing"_p + "\n";
  EXPECT_FALSE(Select("Shop"));
  EXPECT_EQ(Console().back(), "ServerPath doesn't exists: '" + "/srv/missing/"_p + "'");
  EXPECT_EQ(run.PauseAtExit, 1);
}

TEST_F(ProfilesTest, ServerPathThatIsAFile) {
  fake.files["/srv/page"_p] = "x";
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/page/"_p + "\n";
  EXPECT_FALSE(Select("Shop"));
  EXPECT_EQ(Console().back(), "ServerPath doesn't exists: '" + "/srv/page/"_p + "'");
}

TEST_F(ProfilesTest, ProfileWithoutServerPath) {
  fake.files[kProfiles] = "[profile:Shop]\nserveraddress=http://x/\n";
  EXPECT_FALSE(Select("Shop"));
  EXPECT_EQ(Console(), (Lines{"ProfileName: 'Shop'", "Setting ServerPath to: ''",
                              "Setting ServerAddress to: 'http://x/'", "ServerPath is not set"}));
  EXPECT_EQ(run.PauseAtExit, 1);
}

TEST_F(ProfilesTest, NoServerAddressOpensThePageAsAFile) {
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\n";
  EXPECT_TRUE(Select("Shop"));
  EXPECT_EQ(run.ActiveSettings.ServerAddress, testing::FileAddressOf("/srv/web/"_p));
}

TEST_F(ProfilesTest, RelativeServerPathGivesAnAddressFromTheWorkingFolder) {
  fake.currentFolder = "/srv/"_p;
  fake.folders.insert("site/"_p);
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=site\n";
  EXPECT_TRUE(Select("Shop"));
  EXPECT_EQ(run.ActiveSettings.ServerPath, "site/"_p);
  EXPECT_EQ(run.ActiveSettings.ServerAddress, testing::FileAddressOf("/srv/site/"_p));
}

TEST_F(ProfilesTest, DefaultPageTags) {
  fake.files[kProfiles] = "[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\n";
  EXPECT_TRUE(Select("Shop"));
  EXPECT_EQ(run.ActiveSettings.JQueryUiCss,
            "<link rel=\"stylesheet\" type=\"text/css\" "
            "href=\"http://code.jquery.com/ui/1.10.3/themes/smoothness/jquery-ui.css\" />");
  EXPECT_EQ(run.ActiveSettings.JQueryJs,
            "<script src=\"http://code.jquery.com/jquery-1.10.2.js\" type=\"text/javascript\"></script>");
  EXPECT_EQ(run.ActiveSettings.JQueryUiJs,
            "<script src=\"http://code.jquery.com/ui/1.10.3/jquery-ui.js\" "
            "type=\"text/javascript\"></script>");
}

TEST_F(ProfilesTest, Utf8ProfileFile) {
  fake.files[kProfiles] = "\xEF\xBB\xBF[profile:Shop]\nserverpath=" + "/srv/web/"_p + "\n";
  EXPECT_TRUE(Select("Shop"));
}

}  // namespace
}  // namespace korvex::driver
