// PosixPlatform file operations against real files in a scratch folder.
#include <algorithm>

#include "platform/platform.h"
#include "posix_fixture.h"

namespace korvex::platform_tests {
namespace {

using PosixFiles = PosixFixture;

TEST_F(PosixFiles, SizeAnswersMissingFolderOrByteCount) {
  MakeFile("five.txt", "12345");
  MakeFile("empty.txt", "");
  EXPECT_EQ(P().FileSize(Folder() + "five.txt"), 5);
  EXPECT_EQ(P().FileSize(Folder() + "empty.txt"), 0);
  EXPECT_EQ(P().FileSize(Folder() + "none.txt"), -1);
  EXPECT_EQ(P().FileSize(""), -1);
  EXPECT_EQ(P().FileSize(Folder()), -2);
  EXPECT_EQ(P().FileSize(Folder().substr(0, Folder().size() - 1)), -2);
  EXPECT_EQ(P().FileSize(Folder() + "five.txt/"), -1);  // a file is no folder
}

TEST_F(PosixFiles, ReadGivesEveryByte) {
  std::string bytes("a\0b\r\n\xFF", 6);
  MakeFile("bin.dat", bytes);
  std::string read;
  ASSERT_TRUE(P().ReadFile(Folder() + "bin.dat", read));
  EXPECT_EQ(read, bytes);
}

TEST_F(PosixFiles, ReadFailsOnMissingFileAndFolder) {
  std::string read = "kept";
  EXPECT_FALSE(P().ReadFile(Folder() + "none.txt", read));
  EXPECT_FALSE(P().ReadFile(Folder(), read));
  EXPECT_EQ(read, "kept");
}

TEST_F(PosixFiles, WriteCreatesThenTruncates) {
  ASSERT_TRUE(P().WriteFile(Folder() + "out.txt", "a longer first text"));
  EXPECT_EQ(FileText("out.txt"), "a longer first text");
  ASSERT_TRUE(P().WriteFile(Folder() + "out.txt", "ab"));
  EXPECT_EQ(FileText("out.txt"), "ab");
  ASSERT_TRUE(P().WriteFile(Folder() + "out.txt", ""));
  EXPECT_EQ(FileText("out.txt"), "");
}

TEST_F(PosixFiles, WriteIntoMissingFolderFails) {
  EXPECT_FALSE(P().WriteFile(Folder() + "no/such/out.txt", "x"));
  EXPECT_FALSE(P().WriteFile(Folder(), "x"));
}

TEST_F(PosixFiles, MoveRenamesAFile) {
  MakeFile("old.ini", "[profile:Shop]\n");
  ASSERT_TRUE(P().MoveFile(Folder() + "old.ini", Folder() + "new.ini"));
  EXPECT_EQ(FileText("old.ini"), "<missing>");
  EXPECT_EQ(FileText("new.ini"), "[profile:Shop]\n");
}

TEST_F(PosixFiles, MoveOntoExistingFileFailsAndKeepsBoth) {
  MakeFile("old.ini", "old bytes");
  MakeFile("new.ini", "new bytes");
  EXPECT_FALSE(P().MoveFile(Folder() + "old.ini", Folder() + "new.ini"));
  EXPECT_EQ(FileText("old.ini"), "old bytes");
  EXPECT_EQ(FileText("new.ini"), "new bytes");
}

TEST_F(PosixFiles, MoveOntoExistingFolderOrFromMissingFileFails) {
  MakeFile("old.ini", "old bytes");
  ASSERT_TRUE(P().CreateFolder(Folder() + "target"));
  EXPECT_FALSE(P().MoveFile(Folder() + "old.ini", Folder() + "target"));
  EXPECT_EQ(FileText("old.ini"), "old bytes");
  EXPECT_FALSE(P().MoveFile(Folder() + "none.ini", Folder() + "other.ini"));
  EXPECT_EQ(P().FileSize(Folder() + "other.ini"), -1);
}

// /dev/shm is a file system of its own on Linux: the move copies and
// removes, and still never replaces a target.
TEST_F(PosixFiles, MoveToAnotherFileSystem) {
  if (!std::filesystem::is_directory("/dev/shm")) GTEST_SKIP() << "no /dev/shm";
  std::string other = "/dev/shm/korvex-platform-" + std::to_string(std::random_device()());
  std::filesystem::create_directory(other);
  MakeFile("old.ini", "old bytes");
  MakeFile("second.ini", "second bytes");
  std::ofstream(other + "/taken.ini") << "taken bytes";
  EXPECT_TRUE(P().MoveFile(Folder() + "old.ini", other + "/moved.ini"));
  EXPECT_FALSE(P().MoveFile(Folder() + "second.ini", other + "/taken.ini"));
  std::string moved, taken;
  EXPECT_TRUE(P().ReadFile(other + "/moved.ini", moved));
  EXPECT_TRUE(P().ReadFile(other + "/taken.ini", taken));
  std::filesystem::remove_all(other);
  EXPECT_EQ(moved, "old bytes");
  EXPECT_EQ(taken, "taken bytes");
  EXPECT_EQ(FileText("old.ini"), "<missing>");
  EXPECT_EQ(FileText("second.ini"), "second bytes");
}

TEST_F(PosixFiles, DeleteRemovesFilesOnly) {
  MakeFile("gone.txt", "x");
  ASSERT_TRUE(P().CreateFolder(Folder() + "sub"));
  EXPECT_TRUE(P().DeleteFile(Folder() + "gone.txt"));
  EXPECT_EQ(P().FileSize(Folder() + "gone.txt"), -1);
  EXPECT_FALSE(P().DeleteFile(Folder() + "gone.txt"));
  EXPECT_FALSE(P().DeleteFile(Folder() + "sub"));
  EXPECT_EQ(P().FileSize(Folder() + "sub"), -2);
}

TEST_F(PosixFiles, CopyCreatesOrReplacesTheTarget) {
  MakeFile("a.js", "var a = 1;");
  MakeFile("b.js", "an older and longer text");
  ASSERT_TRUE(P().CopyFile(Folder() + "a.js", Folder() + "new.js"));
  ASSERT_TRUE(P().CopyFile(Folder() + "a.js", Folder() + "b.js"));
  EXPECT_EQ(FileText("new.js"), "var a = 1;");
  EXPECT_EQ(FileText("b.js"), "var a = 1;");
  EXPECT_EQ(FileText("a.js"), "var a = 1;");
}

TEST_F(PosixFiles, CopyOfAFolderFailsAndWritesNothing) {
  ASSERT_TRUE(P().CreateFolder(Folder() + "system"));
  EXPECT_EQ(P().FileSize(Folder() + "system"), -2);
  EXPECT_FALSE(P().CopyFile(Folder() + "system", Folder() + "copy"));
  EXPECT_EQ(P().FileSize(Folder() + "copy"), -1);
  EXPECT_FALSE(P().CopyFile(Folder() + "none", Folder() + "copy"));
  EXPECT_EQ(P().FileSize(Folder() + "copy"), -1);
}

// Replacing the target first would empty the source when both are one file.
TEST_F(PosixFiles, CopyOntoItselfFailsAndKeepsTheBytes) {
  MakeFile("same.txt", "precious");
  EXPECT_FALSE(P().CopyFile(Folder() + "same.txt", Folder() + "same.txt"));
  EXPECT_FALSE(P().CopyFile(Folder() + "same.txt", Folder() + "./same.txt"));
  EXPECT_EQ(FileText("same.txt"), "precious");
}

TEST_F(PosixFiles, CreateFolderMakesOneLevel) {
  EXPECT_TRUE(P().CreateFolder(Folder() + "one"));
  EXPECT_EQ(P().FileSize(Folder() + "one"), -2);
  EXPECT_FALSE(P().CreateFolder(Folder() + "one"));  // exists already
  EXPECT_FALSE(P().CreateFolder(Folder() + "two/three"));
  EXPECT_EQ(P().FileSize(Folder() + "two"), -1);
}

TEST_F(PosixFiles, CreatePathMakesEveryMissingLevel) {
  ASSERT_TRUE(P().CreatePath(Folder() + "www/shop/css/"));
  EXPECT_EQ(P().FileSize(Folder() + "www"), -2);
  EXPECT_EQ(P().FileSize(Folder() + "www/shop"), -2);
  EXPECT_EQ(P().FileSize(Folder() + "www/shop/css"), -2);
  EXPECT_TRUE(P().CreatePath(Folder() + "www/shop/js"));
  EXPECT_EQ(P().FileSize(Folder() + "www/shop/js"), -2);
  EXPECT_TRUE(P().CreatePath(Folder() + "www/shop"));  // nothing missing
}

TEST_F(PosixFiles, CreatePathThroughAFileFails) {
  MakeFile("file", "x");
  EXPECT_FALSE(P().CreatePath(Folder() + "file/sub"));
  EXPECT_EQ(FileText("file"), "x");
}

TEST_F(PosixFiles, ListFolderGivesNamesAndKinds) {
  MakeFile("index.html", "<html>");
  MakeFile("js/runtime.js", "");
  ASSERT_TRUE(P().CreateFolder(Folder() + "css"));
  std::vector<DirEntry> entries{{"stale", false}};
  ASSERT_TRUE(P().ListFolder(Folder(), entries));
  std::sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) { return a.Name < b.Name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Name, "css");
  EXPECT_TRUE(entries[0].IsFolder);
  EXPECT_EQ(entries[1].Name, "index.html");
  EXPECT_FALSE(entries[1].IsFolder);
  EXPECT_EQ(entries[2].Name, "js");
  EXPECT_TRUE(entries[2].IsFolder);
}

TEST_F(PosixFiles, ListFolderFollowsLinksToFolders) {
  ASSERT_TRUE(P().CreateFolder(Folder() + "real"));
  std::filesystem::create_directory_symlink(Folder() + "real", Folder() + "link");
  std::vector<DirEntry> entries;
  ASSERT_TRUE(P().ListFolder(Folder() + "real/..", entries));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE(entries[0].IsFolder);
  EXPECT_TRUE(entries[1].IsFolder);
}

TEST_F(PosixFiles, ListOfMissingFolderFails) {
  std::vector<DirEntry> entries;
  EXPECT_FALSE(P().ListFolder(Folder() + "none", entries));
  MakeFile("file", "x");
  EXPECT_FALSE(P().ListFolder(Folder() + "file", entries));
  ASSERT_TRUE(P().CreateFolder(Folder() + "empty"));
  EXPECT_TRUE(P().ListFolder(Folder() + "empty/", entries));
  EXPECT_TRUE(entries.empty());
}

}  // namespace
}  // namespace korvex::platform_tests
