// IniFile: groups, keys and values as read, and writes that keep the rest
// of the file byte for byte.
#include <gtest/gtest.h>

#include "driver/ini_file.h"

namespace korvex::driver {
namespace {

// "group:key=value" items of every group, joined by " | ".
std::string Items(const std::string& bytes) {
  std::string out;
  for (const IniGroup& group : IniFile::Parse(bytes).Groups()) {
    for (const IniKey& key : group.Keys) {
      if (!out.empty()) out += " | ";
      out += group.Name + ":" + key.Name + "=" + key.Value;
    }
  }
  return out;
}

TEST(IniFileRead, GroupsAndKeysInFileOrder) {
  EXPECT_EQ(Items("[profile:A]\nserverpath=/a/\n[profile:B]\nserverpath=/b/\n"),
            "profile:A:serverpath=/a/ | profile:B:serverpath=/b/");
}

TEST(IniFileRead, BlanksAndTabsAroundKeysAndValuesAreDropped) {
  EXPECT_EQ(Items("[g]\n \tkey \t=\t a b \t\n"), "g:key=a b");
}

TEST(IniFileRead, EveryLineEndCounts) {
  EXPECT_EQ(Items("[g]\r\na=1\rb=2\nc=3"), "g:a=1 | g:b=2 | g:c=3");
}

TEST(IniFileRead, NamesKeepTheirCase) {
  IniFile ini = IniFile::Parse("[Profile:Shop]\nServerPath=x\n");
  ASSERT_EQ(ini.GroupCount(), 2);
  EXPECT_EQ(ini.Groups()[1].Name, "Profile:Shop");
  EXPECT_EQ(ini.Value(1, "ServerPath"), "x");
  EXPECT_EQ(ini.Value(1, "serverpath", "none"), "none");
}

TEST(IniFileRead, KeysBeforeTheFirstGroupAreInTheUnnamedGroup) {
  IniFile ini = IniFile::Parse("SelectedProject = Shop\n[other]\nSelectedProject=No\n");
  EXPECT_EQ(ini.Groups()[0].Name, "");
  EXPECT_EQ(ini.Value(0, "SelectedProject"), "Shop");
}

TEST(IniFileRead, CommentsAndStrayLinesMeanNothing) {
  EXPECT_EQ(Items("; note=1\n# note=2\njust text\n=nokey\n[g]\nk=v\n"), "g:k=v");
}

TEST(IniFileRead, ValueRunsFromTheFirstEqualsSignAndKeepsQuotes) {
  EXPECT_EQ(Items("[g]\njqueryjs = <script src=\"x.js\"></script>\n"),
            "g:jqueryjs=<script src=\"x.js\"></script>");
}

TEST(IniFileRead, RepeatedKeyTheLastOneCounts) {
  EXPECT_EQ(IniFile::Parse("[g]\nk=1\nk=2\n").Value(1, "k"), "2");
}

TEST(IniFileRead, TextComesOutInUtf8) {
  // the mark itself is not part of the first line
  IniFile marked = IniFile::Parse("\xEF\xBB\xBF[profile:Café]\nk=日本\n");
  EXPECT_EQ(marked.Groups()[1].Name, "profile:Café");
  EXPECT_EQ(marked.Value(1, "k"), "日本");
  EXPECT_EQ(IniFile::Parse("[profile:Café]\nk=/srv/grüße/\n").Value(1, "k"), "/srv/grüße/");
  // bytes that are no UTF-8 are Windows-1252
  IniFile latin = IniFile::Parse("[profile:Caf\xE9]\nk=\x80\n");
  EXPECT_EQ(latin.Groups()[1].Name, "profile:Café");
  EXPECT_EQ(latin.Value(1, "k"), "€");
}

TEST(IniFileRead, UnclosedGroupIsNoGroup) {
  IniFile ini = IniFile::Parse("[broken\nk=v\n");
  EXPECT_EQ(ini.GroupCount(), 1);
  EXPECT_EQ(ini.Value(0, "k"), "v");
}

TEST(IniFileRead, LastGroupNamed) {
  IniFile ini = IniFile::Parse("[a]\n[b]\n[a]\n");
  EXPECT_EQ(ini.LastGroupNamed("a"), 3);
  EXPECT_EQ(ini.LastGroupNamed("A"), -1);
}

TEST(IniFileWrite, UnchangedFileIsWrittenBackAsRead) {
  std::string bytes = "\xEF\xBB\xBF; c\r\n[g]\r\n k = v \n\rlast";
  EXPECT_EQ(IniFile::Parse(bytes).Serialize(), bytes);
}

TEST(IniFileWrite, ChangedValueKeepsTheKeyAsWrittenAndEverythingElse) {
  IniFile ini = IniFile::Parse("x=1\r\nSelectedProject = Old\r\n[g]\r\ny=2\r\n");
  ini.SetValue(0, "SelectedProject", "");
  EXPECT_EQ(ini.Serialize(), "x=1\r\nSelectedProject = \r\n[g]\r\ny=2\r\n");
}

TEST(IniFileWrite, NewTopKeyGoesBeforeTheFirstGroup) {
  IniFile ini = IniFile::Parse("[window]\nx=1\n");
  ini.SetValue(0, "SelectedProject", "Shop");
  EXPECT_EQ(ini.Serialize(), "SelectedProject=Shop\n[window]\nx=1\n");
}

TEST(IniFileWrite, NewKeyFollowsTheGroupsLastKey) {
  IniFile ini = IniFile::Parse("[a]\nk=1\n\n[b]\nk=2\n");
  ini.SetValue(1, "serverpath", "/srv/");
  EXPECT_EQ(ini.Serialize(), "[a]\nk=1\nserverpath=/srv/\n\n[b]\nk=2\n");
}

TEST(IniFileWrite, SameValueLeavesTheLineAlone) {
  IniFile ini = IniFile::Parse("[a]\nk  =  1\n");
  ini.SetValue(1, "k", "1");
  EXPECT_EQ(ini.Serialize(), "[a]\nk  =  1\n");
}

TEST(IniFileWrite, AppendedGroupAfterAFileWithoutFinalLineEnd) {
  IniFile ini = IniFile::Parse("[a]\r\nk=1");
  int group = ini.AppendGroup("profile:New");
  ini.SetValue(group, "serverpath", "/srv/new/");
  EXPECT_EQ(group, 2);
  EXPECT_EQ(ini.Serialize(), "[a]\r\nk=1\r\n\r\n[profile:New]\r\nserverpath=/srv/new/\r\n");
  EXPECT_EQ(IniFile::Parse(ini.Serialize()).Value(2, "serverpath"), "/srv/new/");
}

TEST(IniFileWrite, NewFileUsesTheSystemsLineEnd) {
  IniFile ini = IniFile::Parse("");
  ini.SetValue(0, "SelectedProject", "A");
#ifdef _WIN32
  EXPECT_EQ(ini.Serialize(), "SelectedProject=A\r\n");
#else
  EXPECT_EQ(ini.Serialize(), "SelectedProject=A\n");
#endif
}

TEST(IniFileWrite, ValuesInTheFilesOwnEncoding) {
  IniFile marked = IniFile::Parse("\xEF\xBB\xBFk=1\n");
  marked.SetValue(0, "k", "Café");
  EXPECT_EQ(marked.Serialize(), "\xEF\xBB\xBFk=Café\n");
  IniFile plain = IniFile::Parse("k=1\n");
  plain.SetValue(0, "k", "日本");
  EXPECT_EQ(plain.Serialize(), "k=日本\n");
  // a Windows-1252 file stays one: its other lines keep their bytes
  IniFile latin = IniFile::Parse("a=\xE9\nk=1\n");
  latin.SetValue(0, "k", "Café €");
  EXPECT_EQ(latin.Serialize(), "a=\xE9\nk=Caf\xE9 \x80\n");
}

}  // namespace
}  // namespace korvex::driver
