// Deployment into the server folder: what is copied where, the messages,
// the order of the writes and the filled page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/deployment.h"
#include "common/run_state.h"
#include "support/fake_platform.h"
#include "support/native_path.h"

namespace korvex::driver {
namespace {

using korvex::testing::operator""_p;

using Lines = std::vector<std::string>;

// Remembers the path of every file write, copies included, in order.
class RecordingPlatform : public testing::FakePlatform {
 public:
  bool WriteFile(const std::string& path, std::string_view bytes) override {
    writes.push_back(path);
    return FakePlatform::WriteFile(path, bytes);
  }
  Lines writes;
};

constexpr const char* kTemplate =
    "<head><!-- #JQueryUiCss# -->\n<!-- #JQueryJs# --><!-- #JQueryUiJs# -->\n"
    "<script src=\"#application#\"></script></head>";

class DeploymentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.folders = {"/opt/"_p, "/opt/korvex/"_p, "/opt/korvex/system/"_p, "/srv/"_p, "/srv/web/"_p,
                    "/home/"_p, "/home/user/"_p, "/home/user/src/"_p};
    fake.files["/opt/korvex/system/index.html"_p] = kTemplate;
    fake.files["/opt/korvex/system/cCommon.js"_p] = "var cCommon = {};";
    run.ProgramDir = "/opt/korvex/"_p;
    run.SystemDir = "/opt/korvex/system/"_p;
    run.SourceFile = "/home/user/src/shop.pb"_p;
    Settings& s = run.ActiveSettings;
    s.ServerPath = "/srv/web/"_p;
    s.ApplicationName = "shop";
    s.JQueryUiCss = "<link ui>";
    s.JQueryJs = "<script jq></script>";
    s.JQueryUiJs = "<script ui></script>";
  }
  Lines Console() { return fake.ConsoleLines(); }

  RecordingPlatform fake;
  RunState run{fake};
};

TEST_F(DeploymentTest, CopiesThenWritesScriptAndPage) {
  Deploy(run, "var a = 1;");
  EXPECT_EQ(Console(), (Lines{"", "Copying...", "", "Ready :-)", ""}));
  EXPECT_EQ(fake.files["/srv/web/shop.js"_p], "var a = 1;");
  EXPECT_EQ(fake.files["/srv/web/cCommon.js"_p], "var cCommon = {};");
  EXPECT_EQ(fake.files["/srv/web/index.html"_p],
            "<head><link ui>\n<script jq></script><script ui></script>\n"
            "<script src=\"shop.js\"></script></head>");
  EXPECT_EQ(fake.writes.size(), 4u);
  EXPECT_EQ(Lines(fake.writes.end() - 2, fake.writes.end()),
            (Lines{"/srv/web/shop.js"_p, "/srv/web/index.html"_p}));
  EXPECT_EQ(fake.files["/opt/korvex/system/index.html"_p], kTemplate);
  EXPECT_EQ(run.PauseAtExit, 0);
}

TEST_F(DeploymentTest, PlaceholderTwiceIsReplacedTwice) {
  fake.files["/opt/korvex/system/index.html"_p] = "#application# <!-- #JQueryJs# --> #application#";
  Deploy(run, "");
  EXPECT_EQ(fake.files["/srv/web/index.html"_p], "shop.js <script jq></script> shop.js");
}

TEST_F(DeploymentTest, PlaceholdersAreReplacedInTheirOrder) {
  // A tag value that holds a later placeholder has it replaced too.
  run.ActiveSettings.JQueryUiCss = "<link href=\"#application#.css\">";
  EXPECT_EQ(FillPage(run.ActiveSettings, "<!-- #JQueryUiCss# -->"), "<link href=\"shop.js.css\">");
  run.ActiveSettings.ApplicationName = "<!-- #JQueryJs# -->";
  EXPECT_EQ(FillPage(run.ActiveSettings, "#application#"), "<!-- #JQueryJs# -->.js");
}

TEST_F(DeploymentTest, DoNotCopyWithoutAPageWritesAnEmptyPage) {
  run.ActiveSettings.DoNotCopy = 1;
  Deploy(run, "x");
  EXPECT_EQ(Console(), (Lines{"", "Ready :-)", ""}));
  EXPECT_EQ(fake.files["/srv/web/index.html"_p], "");
  EXPECT_EQ(fake.FileSize("/srv/web/cCommon.js"_p), -1);
  EXPECT_EQ(fake.writes, (Lines{"/srv/web/shop.js"_p, "/srv/web/index.html"_p}));
}

TEST_F(DeploymentTest, DoNotCopyAfterAnEarlierRunKeepsThePage) {
  run.ActiveSettings.DoNotCopy = 1;
  fake.files["/srv/web/index.html"_p] = "<script src=\"shop.js\"></script>";
  fake.files["/srv/web/shop.js"_p] = "old";
  Deploy(run, "new");
  EXPECT_EQ(fake.files["/srv/web/index.html"_p], "<script src=\"shop.js\"></script>");
  EXPECT_EQ(fake.files["/srv/web/shop.js"_p], "new");
}

TEST_F(DeploymentTest, SystemSubfoldersAreCopiedWithTheirFolders) {
  fake.folders.insert("/opt/korvex/system/CGI/"_p);
  fake.folders.insert("/opt/korvex/system/CGI/deep/"_p);
  fake.files["/opt/korvex/system/CGI/cgitemplate.pb"_p] = "; template";
  fake.files["/opt/korvex/system/CGI/deep/note.txt"_p] = "n";
  Deploy(run, "");
  EXPECT_EQ(fake.files["/srv/web/CGI/cgitemplate.pb"_p], "; template");
  EXPECT_EQ(fake.files["/srv/web/CGI/deep/note.txt"_p], "n");
  EXPECT_EQ(fake.FileSize("/srv/web/CGI/deep/"_p), -2);
}

TEST_F(DeploymentTest, CollectFilesIsDepthFirstInListingOrder) {
  // The fake lists a folder's subfolders before its files, each sorted.
  fake.folders.insert("/opt/korvex/system/a/"_p);
  fake.folders.insert("/opt/korvex/system/a/b/"_p);
  fake.folders.insert("/opt/korvex/system/z/"_p);
  fake.files["/opt/korvex/system/a/b/1.js"_p] = "";
  fake.files["/opt/korvex/system/a/2.js"_p] = "";
  fake.files["/opt/korvex/system/z/3.js"_p] = "";
  std::vector<std::string> files;
  CollectFiles(run, "/opt/korvex/system"_p, files);
  EXPECT_EQ(files, (Lines{"/opt/korvex/system/a/b/1.js"_p, "/opt/korvex/system/a/2.js"_p,
                          "/opt/korvex/system/z/3.js"_p, "/opt/korvex/system/cCommon.js"_p,
                          "/opt/korvex/system/index.html"_p}));
}

TEST_F(DeploymentTest, CollectFilesOfAMissingFolderAddsNothing) {
  std::vector<std::string> files{"kept"};
  CollectFiles(run, "/nowhere/"_p, files);
  EXPECT_EQ(files, (Lines{"kept"}));
}

TEST_F(DeploymentTest, IncludedBinaryInASubfolder) {
  fake.folders.insert("/home/user/src/img/"_p);
  fake.files["/home/user/src/img/logo.png"_p] = "PNG";
  fake.files["/home/user/src/data.bin"_p] = "BIN";
  run.IncludedBinaries = {"img\\logo.png", "data.bin"};
  Deploy(run, "");
  EXPECT_EQ(fake.files["/srv/web/img/logo.png"_p], "PNG");
  EXPECT_EQ(fake.files["/srv/web/data.bin"_p], "BIN");
  // Copies come first: system folder, then the binaries, then the two files.
  EXPECT_EQ(fake.writes, (Lines{"/srv/web/cCommon.js"_p, "/srv/web/index.html"_p, "/srv/web/img/logo.png"_p,
                                "/srv/web/data.bin"_p, "/srv/web/shop.js"_p, "/srv/web/index.html"_p}));
}

TEST_F(DeploymentTest, MissingIncludedBinaryIsSilent) {
  run.IncludedBinaries = {"missing.png"};
  Deploy(run, "");
  EXPECT_EQ(fake.FileSize("/srv/web/missing.png"_p), -1);
  EXPECT_EQ(run.PauseAtExit, 0);
  EXPECT_EQ(Console(), (Lines{"", "Copying...", "", "Ready :-)", ""}));
}

TEST_F(DeploymentTest, DoNotCopyCopiesNoBinaries) {
  fake.files["/home/user/src/data.bin"_p] = "BIN";
  run.IncludedBinaries = {"data.bin"};
  run.ActiveSettings.DoNotCopy = 1;
  Deploy(run, "");
  EXPECT_EQ(fake.FileSize("/srv/web/data.bin"_p), -1);
}

TEST_F(DeploymentTest, ServerFolderThatIsTheSourceFolderKeepsTheBinary) {
  run.ActiveSettings.ServerPath = "/home/user/src/"_p;
  fake.files["/home/user/src/data.bin"_p] = "BIN";
  run.IncludedBinaries = {"data.bin"};
  Deploy(run, "");
  EXPECT_EQ(fake.files["/home/user/src/data.bin"_p], "BIN");
  EXPECT_EQ(std::count(fake.writes.begin(), fake.writes.end(), "/home/user/src/data.bin"_p), 0);
}

}  // namespace
}  // namespace korvex::driver
