// The built Korvex.exe as the IDE or a user starts it on Windows: a copy in
// a fresh folder with a space in its name, the files each case needs, its
// own temporary folder (TMP and TEMP), stand-in children for the compiler,
// the sibling tools and the page, and the stand-in editor control for the
// IDE's editor. The settings folder is the user's real one below the roaming
// application data: each test puts an existing one aside and brings it back,
// one test at a time across processes. The console transcript is compared
// line by line; the exit code is always 0.
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shlobj.h>

#include <chrono>
#include <map>
#include <thread>

#include "platform/platform.h"
#include "platform/platform_win32.h"
#include "support/console_transcript.h"
#include "support/golden_files.h"
#include "support/process_runner.h"

namespace korvex::testing {
namespace {

namespace fs = std::filesystem;

std::string RoamingFolder() {
  char buffer[MAX_PATH + 1] = {};
  SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer);
  return buffer;
}

// The environment block of the run, in UTF-8: ours without the IDE's
// variables and the temporary folder, then the given ones.
std::string EnvironmentBlock(const std::map<std::string, std::string>& set) {
  std::map<std::string, std::string> all;
  wchar_t* current = GetEnvironmentStringsW();
  for (const wchar_t* entry = current; *entry != L'\0'; entry += wcslen(entry) + 1) {
    std::string text = platform::Utf8FromWide(entry);
    size_t eq = text.find('=', 1);
    if (eq == std::string::npos) continue;
    std::string name = text.substr(0, eq);
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    if (upper.rfind("PB_TOOL_", 0) == 0 || upper == "TMP" || upper == "TEMP") continue;
    all[name] = text.substr(eq + 1);
  }
  FreeEnvironmentStringsW(current);
  for (const auto& [name, value] : set) all[name] = value;
  std::string block;
  for (const auto& [name, value] : all) block += name + "=" + value + '\0';
  return block + '\0';
}

// Only one test at a time may use the user's settings folder (or show a
// question titled "Korvex": the platform tests take the same lock).
class SettingsFolderLock {
 public:
  SettingsFolderLock() : mutex_(CreateMutexA(nullptr, FALSE, "korvex-tests-settings-folder")) {
    WaitForSingleObject(mutex_, INFINITE);
  }
  ~SettingsFolderLock() {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }

 private:
  HANDLE mutex_;
};

class KorvexWin32ProcessTest : public ::testing::Test {
 protected:
  KorvexWin32ProcessTest()
      : root(scratch.Path().string() + "\\my work"), app(root + "\\Korvex tool\\"),
        temp(root + "\\tmp\\"), vantorotools(RoamingFolder() + "\\vantorotools"),
        putAside(vantorotools + ".korvex-test-" + std::to_string(GetCurrentProcessId())) {
    fs::create_directories(app);
    fs::create_directories(temp);
    for (const char* name : {"Korvex.exe", "SetupPicker.exe", "SetupEditor.exe", "framework.db"})
      fs::copy_file(fs::path(KORVEX_DIST_DIR) / name, app + name);
    if (fs::exists(vantorotools)) fs::rename(vantorotools, putAside);
    env["PB_TOOL_Compiler"] = KORVEX_PBCOMPILER;
  }
  ~KorvexWin32ProcessTest() override {
    std::error_code ignored;
    fs::remove_all(vantorotools, ignored);
    if (fs::exists(putAside)) fs::rename(putAside, vantorotools, ignored);
  }

  Lines Run(const std::vector<std::string>& arguments = {}) {
    std::string command = ShellQuote(app + "Korvex.exe");
    for (const std::string& a : arguments) command += " " + ShellQuote(a);
    std::map<std::string, std::string> all = env;
    all["TMP"] = temp;
    all["TEMP"] = temp;
    ProcessResult result = RunCommandLine(command, root, EnvironmentBlock(all));
    EXPECT_EQ(result.ExitCode, 0);
    return ConsoleLines(result.Output);
  }

  // A stand-in child at path (see child_helper_win32.cpp).
  static void PlaceChild(const std::string& path, const std::string& output = "", int exitCode = 0) {
    fs::create_directories(fs::path(path).parent_path());
    fs::copy_file(KORVEX_CHILD_HELPER, path, fs::copy_options::overwrite_existing);
    if (!output.empty()) WriteBytes(path + ".out", output);
    if (exitCode != 0) WriteBytes(path + ".exit", std::to_string(exitCode));
  }

  std::string SettingsFolder() const { return vantorotools + "\\Korvex\\"; }

  SettingsFolderLock lock;
  ScratchFolder scratch;
  std::string root, app, temp, vantorotools, putAside;
  std::map<std::string, std::string> env;
};

TEST_F(KorvexWin32ProcessTest, UnsetCompilerVariable) {
  env.erase("PB_TOOL_Compiler");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"PBCompiler not found: ''"}, kPause}));
}

TEST_F(KorvexWin32ProcessTest, MissingChooser) {
  fs::remove(app + "SetupPicker.exe");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"SetupPicker.exe not found"}, kPause}));
}

TEST_F(KorvexWin32ProcessTest, MissingEditor) {
  fs::remove(app + "SetupEditor.exe");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"SetupEditor.exe not found"}, kPause}));
}

TEST_F(KorvexWin32ProcessTest, SettingsFolderThatCannotBeCreated) {
  WriteBytes(vantorotools, "a file where the settings folder should be");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"Couldn't create AppDataPath"}, kPause}));
}

TEST_F(KorvexWin32ProcessTest, MissingFrameworkDatabase) {
  fs::remove(app + "framework.db");
  EXPECT_EQ(Run({"x.pb"}), Join({kBanner, {"framework.db not found"}, kPause}));
}

TEST_F(KorvexWin32ProcessTest, FirstRunCreatesTheSettingsFolder) {
  ASSERT_FALSE(fs::exists(vantorotools));
  Run();
  EXPECT_TRUE(fs::is_directory(SettingsFolder()));
}

TEST_F(KorvexWin32ProcessTest, OldProfileFileBesideTheProgramMovesToTheSettingsFolder) {
  WriteBytes(app + "Korvex.ini", "[profile:Old]\r\n");
  Run();
  EXPECT_FALSE(fs::exists(app + "Korvex.ini"));
  EXPECT_EQ(ReadBytes(SettingsFolder() + "Korvex.ini"), "[profile:Old]\r\n");
}

TEST_F(KorvexWin32ProcessTest, NoSourceGivesTheUsageLine) {
  EXPECT_EQ(Run(), Join({kBanner, {"Aufruf: Korvex sourcefile.pb"}, kPause}));
}

TEST_F(KorvexWin32ProcessTest, MissingSourceFile) {
  std::string source = root + "\\gone.pb";
  EXPECT_EQ(Run({source}), Join({kBanner, {"File not found: '" + source + "'"}, kPause}));
}

TEST_F(KorvexWin32ProcessTest, EditorShortcutPrintsNothingAndStartsTheEditor) {
  PlaceChild(app + "SetupEditor.exe");
  env["PB_TOOL_Word"] = "kvx_converter_SETPROFILE";
  env.erase("PB_TOOL_Compiler");
  EXPECT_EQ(Run(), Lines{});
  EXPECT_EQ(AwaitFile(app + "SetupEditor.exe.calls"), root + "\n");  // no arguments, our folder
}

TEST_F(KorvexWin32ProcessTest, SyntaxErrorFromTheStandInCompiler) {
  std::string source = root + "\\src\\broken.pb";
  WriteBytes(source, "a = 1\r\nIf a\r\n  b$ = \"x\"\r\n");
  EXPECT_EQ(Run({source}), Join({kBanner,
                                 {"SourceFile: '" + source + "'", "", "Syntaxcheck...",
                                  "Line 2: 'If' without 'EndIf'", "SyntaxCheck not OK"},
                                 kPause}));
}

TEST_F(KorvexWin32ProcessTest, CompilerOutputIsEchoedLineByLine) {
  std::string compiler = root + "\\Pure Basic\\pbcompiler.exe";
  PlaceChild(compiler, "first\r\nsecond\nlast");
  env["PB_TOOL_Compiler"] = compiler;
  env["PB_TOOL_Debugger"] = "0";
  PlaceChild(app + "SetupPicker.exe");  // chooses nothing
  std::string source = root + "\\my shop.pb";
  WriteBytes(source, "a = 1\r\n");
  Lines expected = Join({kBanner,
                         {"SourceFile: '" + source + "'", "", "Syntaxcheck...", "first", "second",
                          "last", "", "PreProcessing...", "", "Analyzing CompilerInfos...", "",
                          "No profile set", "Starting " + app + "SetupPicker.exe...",
                          "No profile found"},
                         kPause});
  EXPECT_EQ(Run({source}), expected);
  EXPECT_EQ(ReadBytes(compiler + ".calls"), root + "|/CHECK|" + source + "\n");
  EXPECT_EQ(ReadBytes(app + "SetupPicker.exe.calls"), app.substr(0, app.size() - 1) + "\n");
}

TEST_F(KorvexWin32ProcessTest, CompilerThatCannotBeStarted) {
  std::string compiler = root + "\\not-a-program.exe";
  WriteBytes(compiler, "text");
  env["PB_TOOL_Compiler"] = compiler;
  std::string source = root + "\\a.pb";
  WriteBytes(source, "a = 1\r\n");
  EXPECT_EQ(Run({source}), Join({kBanner,
                                 {"SourceFile: '" + source + "'", "", "Syntaxcheck...", "",
                                  "Something went wrong :-(", "", "SyntaxCheck not OK"},
                                 kPause}));
}

// A whole conversion into a server folder; the page "opened" at the end is
// a stand-in child, which records that it ran.
class KorvexWin32FullRunTest : public KorvexWin32ProcessTest {
 protected:
  KorvexWin32FullRunTest() : www(root + "\\www root"), opener(root + "\\opener.exe") {
    fs::create_directories(www);
    fs::copy(fs::path(KORVEX_DIST_DIR) / "system", app + "system", fs::copy_options::recursive);
    PlaceChild(opener);
    WriteBytes(SettingsFolder() + "Korvex.ini", "[profile:Test]\r\nserverpath=" + www +
                                                    "\r\nserveraddress=" + opener +
                                                    "\r\napplicationname=shop\r\n");
  }
  Lines SuccessfulEnd() const {
    return {"",
            "PreProcessing...",
            "",
            "Analyzing CompilerInfos...",
            "",
            "ProfileName: 'Test'",
            "Setting ServerPath to: '" + www + "'",
            "Setting ServerAddress to: '" + opener + "'",
            "Setting ApplicationName to: 'shop'",
            "",
            "Copying...",
            "",
            "Ready :-)",
            ""};
  }
  static constexpr const char* kSource =
      "KVX_Converter_SetProfile \"Test\"\r\nIf 1 = 1\r\n  a = 2\r\nEndIf\r\n";
  std::string www, opener;
};

TEST_F(KorvexWin32FullRunTest, ConvertsDeploysAndOpensThePage) {
  std::string source = root + "\\src\\shop.pb";
  WriteBytes(source, kSource);
  EXPECT_EQ(Run({source}), Join({kBanner, {"SourceFile: '" + source + "'", "", "Syntaxcheck..."},
                                 SuccessfulEnd()}));
  std::string script = ReadBytes(www + "\\shop.js");
  const char* start =
      "$(function () {\t$(document).ready(function () { cCommon.KVX_Main(async function () { \n";
  EXPECT_EQ(script.rfind(start, 0), 0u) << script;
  EXPECT_TRUE(fs::exists(www + "\\index.html"));
  EXPECT_TRUE(fs::exists(www + "\\CGI\\cgitemplate.pb"));
  EXPECT_NE(AwaitFile(opener + ".calls"), "");
}

// A path as the converter writes it (UTF-8) for std::filesystem, which
// takes a plain string in the ANSI code page on Windows.
fs::path U8(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// Text without losses: the source in a folder outside ASCII (its Latin
// part: the stand-in compiler reads its arguments in the ANSI code page),
// the server folder outside every code page, both shown as they are, and
// the program's strings in the script unchanged.
TEST_F(KorvexWin32FullRunTest, NamesAndTextOutsideAsciiArriveUnchanged) {
  if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << GetACP();
  std::string shop = root + "\\Größe", site = root + "\\日本 ≥";
  fs::create_directories(U8(shop));
  fs::create_directories(U8(site));
  WriteBytes(SettingsFolder() + "Korvex.ini", "\xEF\xBB\xBF[profile:Test]\r\nserverpath=" + site +
                                                  "\r\nserveraddress=" + opener +
                                                  "\r\napplicationname=shop\r\n");
  std::string source = shop + "\\shop.pb";
  WriteBytes(U8(source), "KVX_Converter_SetProfile \"Test\"\r\nDebug \"Größe ≥ 5 €, 日本\"\r\n");
  Lines lines = Run({source});
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[2], "SourceFile: '" + source + "'");
  EXPECT_EQ(lines[11], "Setting ServerPath to: '" + site + "'");
  std::string script = ReadBytes(U8(site + "\\shop.js"));
  EXPECT_NE(script.find("cDebugger.Debug(\"Größe ≥ 5 €, 日本\")"), std::string::npos) << script;
  EXPECT_TRUE(fs::exists(U8(site + "\\CGI\\cgitemplate.pb")));
}

TEST_F(KorvexWin32FullRunTest, ProfileThatIsMissingAndNotCreated) {
  std::string source = root + "\\src\\shop.pb";
  WriteBytes(source, "KVX_Converter_SetProfile \"Nope\"\r\na = 1\r\n");
  // The question is a message box of the child; it is answered "No".
  bool answered = false;
  std::thread answer([&answered] {
    for (int i = 0; i < 2000 && !answered; ++i) {
      if (HWND box = FindWindowA("#32770", "Korvex"))
        answered = PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0) != 0;
      else
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  });
  Lines lines = Run({source});
  answer.join();
  EXPECT_TRUE(answered);
  EXPECT_EQ(lines, Join({kBanner,
                         {"SourceFile: '" + source + "'", "", "Syntaxcheck...", "",
                          "PreProcessing...", "", "Analyzing CompilerInfos...", "",
                          "ProfileName: 'Nope'"}}));
  EXPECT_FALSE(fs::exists(www + "\\shop.js"));
}

// The IDE's editor: the stand-in control holds the text; its window handle
// is in PB_TOOL_Scintilla.
class KorvexWin32EditorRunTest : public KorvexWin32FullRunTest {
 protected:
  void OpenEditor(const std::string& text) {
    WriteBytes(root + "\\editor.txt", text);
    editor = system->Start({ShellQuote(KORVEX_EDITOR_WINDOW) + " " + ShellQuote(root + "\\editor.txt"), "", false, true});
    ASSERT_NE(editor, nullptr);
    for (int i = 0; i < 1000 && !editor->OutputWaiting(); ++i) {
    }
    ASSERT_TRUE(editor->OutputWaiting());
    handle = editor->ReadLine();
    env["PB_TOOL_Scintilla"] = handle;
  }
  ~KorvexWin32EditorRunTest() override {
    if (editor == nullptr) return;
    PostMessageA(reinterpret_cast<HWND>(static_cast<intptr_t>(std::stoll(handle))), WM_CLOSE, 0, 0);
    editor->ExitCode();
  }
  std::vector<fs::path> TempCopies() const {
    std::vector<fs::path> copies;
    for (const auto& entry : fs::directory_iterator(temp))
      if (entry.path().filename().string().rfind("korvex_temp_", 0) == 0) copies.push_back(entry.path());
    return copies;
  }
  std::unique_ptr<Platform> system = CreateSystemPlatform(0, nullptr);
  std::unique_ptr<ChildProcess> editor;
  std::string handle = "0";
};

TEST_F(KorvexWin32EditorRunTest, ConvertsTheEditorTextAndDeletesItsCopy) {
  OpenEditor(kSource);
  Lines lines = Run();
  ASSERT_GE(lines.size(), 3u);
  const std::string prefix = "SourceFile: '" + temp + "korvex_temp_";
  EXPECT_EQ(lines[2].rfind(prefix, 0), 0u) << lines[2];
  EXPECT_EQ(lines[2].substr(lines[2].size() - 4), ".pb'") << lines[2];
  lines.erase(lines.begin() + 2);
  EXPECT_EQ(lines, Join({kBanner, {"", "Syntaxcheck..."}, SuccessfulEnd()}));
  EXPECT_TRUE(TempCopies().empty());
  EXPECT_NE(ReadBytes(www + "\\shop.js").find("if("), std::string::npos);  // the editor's text
}

TEST_F(KorvexWin32EditorRunTest, EditorCopyStaysWhenTheRunFails) {
  OpenEditor("If 1\r\n");
  Lines lines = Run();
  EXPECT_EQ(lines.back(), "Press return to exit");
  std::vector<fs::path> copies = TempCopies();
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(ReadBytes(copies[0]), "If 1\r\n\r\n");
}

}  // namespace
}  // namespace korvex::testing
