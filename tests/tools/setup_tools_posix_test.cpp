// SetupPicker.exe and SetupEditor.exe run as the converter runs them: as
// child processes with a settings folder of their own (XDG_CONFIG_HOME) and
// their answers on standard input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "driver/ini_file.h"
#include "driver/profiles.h"

namespace korvex::tools {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUiCss =
    "<link rel=\"stylesheet\" type=\"text/css\" "
    "href=\"http://code.jquery.com/ui/1.10.3/themes/smoothness/jquery-ui.css\" />";
constexpr const char* kJq =
    "<script src=\"http://code.jquery.com/jquery-1.10.2.js\" type=\"text/javascript\"></script>";
constexpr const char* kUiJs =
    "<script src=\"http://code.jquery.com/ui/1.10.3/jquery-ui.js\" type=\"text/javascript\"></script>";

struct ToolRun {
  int ExitCode = -1;
  std::string Output;
};

class SetupToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() /
            ("korvex-tools-" + std::to_string(getpid()) + "-" + test->name());
    fs::remove_all(root_);
    settings_ = root_ / "config" / "vantorotools" / "Korvex";
    fs::create_directories(settings_);
  }
  void TearDown() override { fs::remove_all(root_); }

  // Runs a tool of dist/ with the arguments (already quoted for the shell)
  // and the input text on standard input.
  ToolRun Run(const std::string& tool, const std::string& arguments, const std::string& input) {
    Write(root_ / "input.txt", input);
    std::string command = "XDG_CONFIG_HOME='" + (root_ / "config").string() + "' '" +
                          std::string(KORVEX_DIST_DIR) + "/" + tool + "' " + arguments + " < '" +
                          (root_ / "input.txt").string() + "' > '" + (root_ / "output.txt").string() +
                          "' 2>&1";
    int status = std::system(command.c_str());
    ToolRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Output = Read(root_ / "output.txt");
    return run;
  }

  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  fs::path ProfilesFile() const { return settings_ / "Korvex.ini"; }
  fs::path PickerFile() const { return settings_ / "SetupPicker.ini"; }
  std::vector<ProfileRecord> Profiles() const {
    return driver::ProfilesFromIni(driver::IniFile::Parse(Read(ProfilesFile())));
  }

  fs::path root_;
  fs::path settings_;
};

TEST_F(SetupToolsTest, PickerWritesTheProfileOfTheNumber) {
  Write(ProfilesFile(), "[profile:A]\n[Profile:Hidden]\n[profile:B]\n[profile:A]\n");
  ToolRun run = Run("SetupPicker.exe", "", "2\n");
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(Read(PickerFile()), "SelectedProject=B\n");
  EXPECT_NE(run.Output.find("  1  A\n  2  B\n"), std::string::npos) << run.Output;
  EXPECT_EQ(run.Output.find("Hidden"), std::string::npos);
}

TEST_F(SetupToolsTest, PickerTakesANameAfterAWrongAnswer) {
  Write(ProfilesFile(), "[profile:A]\n[profile:B]\n");
  ToolRun run = Run("SetupPicker.exe", "", "nope\n3\nB\n");
  EXPECT_EQ(Read(PickerFile()), "SelectedProject=B\n");
  EXPECT_NE(run.Output.find("There is no profile 'nope'."), std::string::npos) << run.Output;
  EXPECT_NE(run.Output.find("There is no profile '3'."), std::string::npos);
}

TEST_F(SetupToolsTest, PickerKeepsTheRestOfItsFile) {
  Write(ProfilesFile(), "[profile:A]\n[profile:B]\n");
  Write(PickerFile(), "; mine\r\nSelectedProject=A\r\n[window]\r\nx=1\r\n");
  Run("SetupPicker.exe", "", "B\n");
  EXPECT_EQ(Read(PickerFile()), "; mine\r\nSelectedProject=B\r\n[window]\r\nx=1\r\n");
  EXPECT_FALSE(fs::exists(settings_ / "SetupPicker.ini.new"));
}

TEST_F(SetupToolsTest, PickerEmptyAnswerOrEndOfInputKeepsTheChoice) {
  Write(ProfilesFile(), "[profile:A]\n[profile:B]\n");
  Write(PickerFile(), "SelectedProject = A\n");
  EXPECT_EQ(Run("SetupPicker.exe", "", "\nB\n").ExitCode, 0);
  EXPECT_EQ(Read(PickerFile()), "SelectedProject = A\n");
  ToolRun run = Run("SetupPicker.exe", "", "");
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(Read(PickerFile()), "SelectedProject = A\n");
  EXPECT_NE(run.Output.find("Current choice: 'A'"), std::string::npos) << run.Output;
}

TEST_F(SetupToolsTest, PickerWithoutProfilesWritesNothing) {
  ToolRun run = Run("SetupPicker.exe", "", "1\n");
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_FALSE(fs::exists(PickerFile()));
  EXPECT_NE(run.Output.find("SetupEditor.exe"), std::string::npos) << run.Output;
}

TEST_F(SetupToolsTest, PickerMakesAMissingSettingsFolder) {
  fs::remove_all(root_ / "config");
  EXPECT_EQ(Run("SetupPicker.exe", "", "").ExitCode, 0);
  EXPECT_TRUE(fs::is_directory(settings_));
}

TEST_F(SetupToolsTest, EditorAppendsANewProfileAndKeepsTheOthers) {
  std::string before = "; settings\n[profile:Other]\nserverpath = /o/ \nftppass=secret\n";
  Write(ProfilesFile(), before);
  ToolRun run = Run("SetupEditor.exe", "Shop", "/srv/shop/\n\nshop\n\n\n\n\n\n");
  EXPECT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(Read(ProfilesFile()),
            before + "\n[profile:Shop]\nserverpath=/srv/shop/\nserveraddress=\napplicationname=shop\n"
                     "cgifilename=\ncgiaddress=\njqueryuicss=" + kUiCss + "\njqueryjs=" + kJq +
                "\njqueryuijs=" + kUiJs + "\n");
  EXPECT_FALSE(fs::exists(settings_ / "Korvex.ini.new"));
}

TEST_F(SetupToolsTest, EditorDefaultsForANewProfileBelowTheWebRoot) {
  // A name with a blank arrives as two arguments when passed unquoted.
  Run("SetupEditor.exe", "Web Shop", "\n\n\n\n\n\n\n\n");
  std::vector<ProfileRecord> profiles = Profiles();
  ASSERT_EQ(profiles.size(), 1u);
  EXPECT_EQ(profiles[0].name, "Web Shop");
  EXPECT_EQ(profiles[0].serverpath, "/var/www/html/web_shop/");
  EXPECT_EQ(profiles[0].serveraddress, "http://localhost/web_shop/index.html");
  EXPECT_EQ(profiles[0].applicationname, "web_shop");
  EXPECT_EQ(profiles[0].jqueryjs, kJq);
}

TEST_F(SetupToolsTest, EditorChangesTheLastGroupOfTheProfileInPlace) {
  Write(ProfilesFile(),
        "[profile:Shop]\nserverpath=/first/\n"
        "[profile:Shop]\nserverpath=/a/\nftphost=ftp.x\napplicationname = shop\n"
        "[profile:B]\nserverpath=/b/\n");
  ToolRun run = Run("SetupEditor.exe", "Shop", "/c/\n\n-\n\n\n\n\n\n");
  EXPECT_EQ(run.ExitCode, 0) << run.Output;
  std::string after = Read(ProfilesFile());
  EXPECT_EQ(after.substr(0, 35), "[profile:Shop]\nserverpath=/first/\n[");
  EXPECT_NE(after.find("serverpath=/c/\nftphost=ftp.x\napplicationname = \n"), std::string::npos) << after;
  EXPECT_EQ(after.substr(after.size() - 27), "[profile:B]\nserverpath=/b/\n");
  std::vector<ProfileRecord> profiles = Profiles();
  ASSERT_EQ(profiles.size(), 3u);
  EXPECT_EQ(profiles[1].serverpath, "/c/");
  EXPECT_EQ(profiles[1].applicationname, "");
  EXPECT_EQ(profiles[1].ftphost, "ftp.x");
  EXPECT_EQ(profiles[1].jqueryuicss, kUiCss);
}

TEST_F(SetupToolsTest, EditorShowsTheCurrentValues) {
  Write(ProfilesFile(), "[profile:Shop]\nserverpath=/a/\n");
  ToolRun run = Run("SetupEditor.exe", "Shop", "");
  EXPECT_NE(run.Output.find("[/a/]: "), std::string::npos) << run.Output;
}

TEST_F(SetupToolsTest, EditorInterruptedLeavesTheFileAlone) {
  std::string before = "[profile:Shop]\nserverpath=/a/\n";
  Write(ProfilesFile(), before);
  ToolRun run = Run("SetupEditor.exe", "Shop", "/c/\n\n");
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(Read(ProfilesFile()), before);
  EXPECT_FALSE(fs::exists(settings_ / "Korvex.ini.new"));
}

TEST_F(SetupToolsTest, EditorAsksForTheNameWithoutArguments) {
  Write(ProfilesFile(), "[profile:Old]\n");
  ToolRun run = Run("SetupEditor.exe", "", "New\n/n/\n\n\n\n\n\n\n\n");
  EXPECT_EQ(run.ExitCode, 0) << run.Output;
  std::vector<ProfileRecord> profiles = Profiles();
  ASSERT_EQ(profiles.size(), 2u);
  EXPECT_EQ(profiles[1].name, "New");
  EXPECT_EQ(profiles[1].serverpath, "/n/");
}

TEST_F(SetupToolsTest, EditorRefusesANameThatCannotBeAGroup) {
  EXPECT_EQ(Run("SetupEditor.exe", "'a]b'", "\n\n\n\n\n\n\n\n").ExitCode, 1);
  EXPECT_EQ(Run("SetupEditor.exe", "profile:x", "\n\n\n\n\n\n\n\n").ExitCode, 1);
  EXPECT_FALSE(fs::exists(ProfilesFile()));
}

TEST_F(SetupToolsTest, EditorThenPickerAsTheConverterUsesThem) {
  Run("SetupEditor.exe", "Shop", "/srv/shop/\n\n\n\n\n\n\n\n");
  Run("SetupPicker.exe", "", "Shop\n");
  driver::IniFile picker = driver::IniFile::Parse(Read(PickerFile()));
  EXPECT_EQ(picker.Value(0, "SelectedProject"), "Shop");
  ASSERT_EQ(Profiles().size(), 1u);
  EXPECT_EQ(Profiles()[0].serverpath, "/srv/shop/");
}

}  // namespace
}  // namespace korvex::tools
