// The built Korvex as the IDE or a user starts it: a copy in a fresh folder
// with the files each case needs, its own settings and temporary folders, a
// stand-in compiler, and an xdg-open that only records what it was asked to
// open. The console transcript is compared line by line; the exit code is
// always 0.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <thread>

#include "support/console_transcript.h"
#include "support/golden_files.h"
#include "support/process_runner.h"

namespace korvex::testing {
namespace {

namespace fs = std::filesystem;

class KorvexProcessTest : public ::testing::Test {
 protected:
  KorvexProcessTest()
      : root(scratch.Path()), app(root / "app"), config(root / "config"), temp(root / "tmp"),
        bin(root / "bin") {
    fs::create_directories(app);
    fs::create_directories(config);
    fs::create_directories(temp);
    fs::copy_file(fs::path(KORVEX_DIST_DIR) / "Korvex", app / "Korvex");
    for (const char* name : {"SetupPicker.exe", "SetupEditor.exe", "framework.db"})
      fs::copy_file(fs::path(KORVEX_DIST_DIR) / name, app / name);
    WriteBytes(bin / "xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"" + (root / "opened.txt").string() + "\"\n",
               true);
    env["PB_TOOL_Compiler"] = KORVEX_PBCOMPILER;
  }

  // Runs the copy with the arguments; stdin is /dev/null.
  Lines Run(const std::vector<std::string>& arguments = {}) {
    std::string command = "cd " + ShellQuote(root.string()) + " && exec env -i";
    std::map<std::string, std::string> all = {
        {"PATH", bin.string() + ":/usr/bin:/bin"},
        {"HOME", (root / "home").string()},
        {"XDG_CONFIG_HOME", config.string()},
        {"TMPDIR", temp.string()}};
    for (const auto& [name, value] : env) all[name] = value;
    for (const auto& [name, value] : all) command += " " + ShellQuote(name + "=" + value);
    command += " " + ShellQuote((app / "Korvex").string());
    for (const std::string& a : arguments) command += " " + ShellQuote(a);
    command += " </dev/null 2>&1";
    ProcessResult result = RunShell(command);
    EXPECT_EQ(result.ExitCode, 0);
    return ConsoleLines(result.Output);
  }

  fs::path SettingsFolder() const { return config / "vantorotools" / "Korvex"; }

  ScratchFolder scratch;
  fs::path root, app, config, temp, bin;
  std::map<std::string, std::string> env;
};

TEST_F(KorvexProcessTest, UnsetCompilerVariable) {
  env.erase("PB_TOOL_Compiler");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"PBCompiler not found: ''"}, kPause}));
}

TEST_F(KorvexProcessTest, MissingChooser) {
  fs::remove(app / "SetupPicker.exe");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"SetupPicker.exe not found"}, kPause}));
}

TEST_F(KorvexProcessTest, MissingEditor) {
  fs::remove(app / "SetupEditor.exe");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"SetupEditor.exe not found"}, kPause}));
}

TEST_F(KorvexProcessTest, SettingsFolderThatCannotBeCreated) {
  fs::remove(config);
  WriteBytes(config, "a file where the settings folder should be");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"Couldn't create AppDataPath"}, kPause}));
}

TEST_F(KorvexProcessTest, MissingFrameworkDatabase) {
  fs::remove(app / "framework.db");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"framework.db not found"}, kPause}));
}

TEST_F(KorvexProcessTest, CreatesTheSettingsFolder) {
  Run();
  EXPECT_TRUE(fs::is_directory(SettingsFolder()));
}

TEST_F(KorvexProcessTest, NoSourceGivesTheUsageLine) {
  EXPECT_EQ(Run(), Join({kBanner, {"Aufruf: Korvex sourcefile.pb"}, kPause}));
}

TEST_F(KorvexProcessTest, MissingSourceFile) {
  std::string source = (root / "gone.pb").string();
  EXPECT_EQ(Run({source}), Join({kBanner, {"File not found: '" + source + "'"}, kPause}));
}

TEST_F(KorvexProcessTest, EditorShortcutPrintsNothingAndStartsTheEditor) {
  fs::path marker = root / "editor-started.txt";
  WriteBytes(app / "SetupEditor.exe",
             "#!/bin/sh\necho \"$# $PWD\" > " + ShellQuote(marker.string()) + "\n", true);
  env["PB_TOOL_Word"] = "kvx_converter_SETPROFILE";
  env.erase("PB_TOOL_Compiler");
  EXPECT_EQ(Run(), Lines{});
  EXPECT_EQ(AwaitFile(marker), "0 " + root.string() + "\n");  // no arguments, our folder
}

TEST_F(KorvexProcessTest, SyntaxErrorFromTheStandInCompiler) {
  std::string source = (root / "src" / "broken.pb").string();
  WriteBytes(source, "a = 1\r\nIf a\r\n  b$ = \"x\"\r\n");
  EXPECT_EQ(Run({source}), Join({kBanner,
                                 {"SourceFile: '" + source + "'", "", "Syntaxcheck...",
                                  "Line 2: 'If' without 'EndIf'", "SyntaxCheck not OK"},
                                 kPause}));
}

TEST_F(KorvexProcessTest, CompilerOutputIsEchoedLineByLine) {
  fs::path compiler = root / "compiler.sh";
  WriteBytes(compiler, "#!/bin/sh\nprintf 'first\\r\\nargs:'\nprintf ' <%s>' \"$@\"\nprintf '\\nlast'\nexit 0\n",
             true);
  env["PB_TOOL_Compiler"] = compiler.string();
  env["PB_TOOL_Debugger"] = "0";
  WriteBytes(app / "SetupPicker.exe", "#!/bin/sh\nexit 0\n", true);  // chooses nothing
  std::string source = (root / "my shop.pb").string();
  WriteBytes(source, "a = 1\r\n");
  Lines lines = Run({source});
  Lines expected = Join({kBanner,
                         {"SourceFile: '" + source + "'", "", "Syntaxcheck...", "first",
                          "args: </CHECK> <" + source + ">", "last", "", "PreProcessing...", "",
                          "Analyzing CompilerInfos...", "", "No profile set",
                          "Starting " + app.string() + "/SetupPicker.exe...", "No profile found"},
                         kPause});
  EXPECT_EQ(lines, expected);
}

TEST_F(KorvexProcessTest, CompilerThatCannotBeStarted) {
  fs::path compiler = root / "not-executable";
  WriteBytes(compiler, "#!/bin/sh\nexit 0\n");
  env["PB_TOOL_Compiler"] = compiler.string();
  std::string source = (root / "a.pb").string();
  WriteBytes(source, "a = 1\r\n");
  EXPECT_EQ(Run({source}), Join({kBanner,
                                 {"SourceFile: '" + source + "'", "", "Syntaxcheck...", "",
                                  "Something went wrong :-(", "", "SyntaxCheck not OK"},
                                 kPause}));
}

class KorvexFullRunTest : public KorvexProcessTest {
 protected:
  KorvexFullRunTest() : www(root / "www") {
    fs::create_directories(www);
    fs::copy(fs::path(KORVEX_DIST_DIR) / "system", app / "system", fs::copy_options::recursive);
    WriteBytes(SettingsFolder() / "Korvex.ini",
               "[profile:Test]\r\nserverpath=" + www.string() + "\r\napplicationname=shop\r\n");
  }
  Lines SuccessfulEnd() const {
    return {"",
            "PreProcessing...",
            "",
            "Analyzing CompilerInfos...",
            "",
            "ProfileName: 'Test'",
            "Setting ServerPath to: '" + www.string() + "'",
            "Setting ServerAddress to: ''",
            "Setting ApplicationName to: 'shop'",
            "",
            "Copying...",
            "",
            "Ready :-)",
            ""};
  }
  std::string PageAddress() const { return "file://" + www.string() + "/index.html"; }
  static constexpr const char* kSource =
      "KVX_Converter_SetProfile \"Test\"\r\nIf 1 = 1\r\n  a = 2\r\nEndIf\r\n";
  fs::path www;
};

TEST_F(KorvexFullRunTest, ConvertsDeploysAndOpensThePage) {
  std::string source = (root / "src" / "shop.pb").string();
  WriteBytes(source, kSource);
  EXPECT_EQ(Run({source}), Join({kBanner, {"SourceFile: '" + source + "'", "", "Syntaxcheck..."},
                                 SuccessfulEnd()}));
  std::string script = ReadBytes(www / "shop.js");
  const char* start =
      "$(function () {\t$(document).ready(function () { cCommon.KVX_Main(async function () { \n";
  EXPECT_EQ(script.rfind(start, 0), 0u) << script;
  EXPECT_TRUE(fs::exists(www / "index.html"));
  EXPECT_EQ(AwaitFile(root / "opened.txt"), PageAddress() + "\n");
}

TEST_F(KorvexFullRunTest, ConvertsTheEditorTextAndDeletesItsCopy) {
  WriteBytes(temp / "korvex-scintilla-4711", kSource);
  env["PB_TOOL_Scintilla"] = "4711";
  Lines lines = Run();
  ASSERT_GE(lines.size(), 3u);
  const std::string prefix = "SourceFile: '" + temp.string() + "/korvex_temp_";
  EXPECT_EQ(lines[2].rfind(prefix, 0), 0u) << lines[2];
  EXPECT_TRUE(lines[2].size() > prefix.size() + 4 && lines[2].substr(lines[2].size() - 4) == ".pb'")
      << lines[2];
  lines.erase(lines.begin() + 2);
  EXPECT_EQ(lines, Join({kBanner, {"", "Syntaxcheck..."}, SuccessfulEnd()}));
  for (const auto& entry : fs::directory_iterator(temp))
    EXPECT_NE(entry.path().filename().string().rfind("korvex_temp_", 0), 0u) << entry.path();
  EXPECT_EQ(AwaitFile(root / "opened.txt"), PageAddress() + "\n");
}

// Text without losses: a folder name and a server path outside ASCII (the
// second from a settings file with the UTF-8 mark) are shown as they are, and
// the program's strings reach the script and the page unchanged.
TEST_F(KorvexFullRunTest, NamesAndTextOutsideAsciiArriveUnchanged) {
  fs::path shop = root / "Größe 日本";
  fs::create_directories(shop);
  WriteBytes(SettingsFolder() / "Korvex.ini", "\xEF\xBB\xBF[profile:Test]\r\nserverpath=" +
                                                  shop.string() + "/\r\napplicationname=shop\r\n");
  std::string source = (shop / "shop.pb").string();
  WriteBytes(source, "KVX_Converter_SetProfile \"Test\"\r\nDebug \"Größe ≥ 5 €, 日本\" ; ≥\r\n");
  Lines lines = Run({source});
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[2], "SourceFile: '" + source + "'");
  EXPECT_EQ(lines[11], "Setting ServerPath to: '" + shop.string() + "/'");
  std::string script = ReadBytes(shop / "shop.js");
  EXPECT_NE(script.find("cDebugger.Debug(\"Größe ≥ 5 €, 日本\")"), std::string::npos) << script;
  EXPECT_NE(script.find("// ; ≥"), std::string::npos) << script;
  EXPECT_NE(ReadBytes(shop / "index.html").find("<meta charset=\"utf-8\">"), std::string::npos);
}

TEST_F(KorvexFullRunTest, EditorTextOutsideAsciiArrivesUnchanged) {
  WriteBytes(temp / "korvex-scintilla-4711", std::string(kSource) + "s$ = \"Grüße, 日本\"\r\n");
  env["PB_TOOL_Scintilla"] = "4711";
  Run();
  EXPECT_NE(ReadBytes(www / "shop.js").find("s = \"Grüße, 日本\";"), std::string::npos);
}

TEST_F(KorvexFullRunTest, EditorCopyStaysWhenTheRunFails) {
  WriteBytes(temp / "korvex-scintilla-4711", "If 1\r\n");
  env["PB_TOOL_Scintilla"] = "4711";
  Lines lines = Run();
  EXPECT_EQ(lines.back(), "Press return to exit");
  int copies = 0;
  for (const auto& entry : fs::directory_iterator(temp))
    if (entry.path().filename().string().rfind("korvex_temp_", 0) == 0) {
      ++copies;
      EXPECT_EQ(ReadBytes(entry.path()), "If 1\r\n\r\n");
    }
  EXPECT_EQ(copies, 1);
}

}  // namespace
}  // namespace korvex::testing
