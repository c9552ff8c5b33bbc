// Library pass: functions, Read/Restore/End, constants and the explicit
// switches, read from a test framework.db that each test builds in a
// temporary folder (and, at the end, the shipped framework.db itself).
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "support/pass_fixture.h"
#include "translate/construct_passes.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

namespace fs = std::filesystem;

// Runs sql on a new database file at path.
void MakeDatabase(const fs::path& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.string().c_str(), &db), SQLITE_OK);
  char* err = nullptr;
  int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err);
  std::string message = err ? err : "";
  sqlite3_free(err);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << message;
}

constexpr const char* kTestRows =
    "CREATE TABLE Libraries (LibraryName TEXT, FunctionName TEXT);"
    "CREATE TABLE Constants (Constant TEXT);"
    "INSERT INTO Libraries VALUES ('String', 'Chr');"
    "INSERT INTO Libraries VALUES ('Old', 'Len');"
    "INSERT INTO Libraries VALUES ('String', 'Len');"  // the later row wins
    "INSERT INTO Libraries VALUES ('Misc', 'Count');"  // also used as a variable
    "INSERT INTO Libraries VALUES ('Data', 'Read');"
    "INSERT INTO Libraries VALUES ('Data', 'Restore');"
    "INSERT INTO Libraries VALUES ('Misc', 'End');"
    "INSERT INTO Libraries VALUES (NULL, 'Beep');"
    "INSERT INTO Constants VALUES ('Limit');"
    "INSERT INTO Constants VALUES ('PB_Any');";

class LibraryPassTest : public testing::PassFixture {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("korvex-library-test-" + std::to_string(std::random_device()()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    run.ProgramDir = folder_.string() + "/";
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path DatabasePath() const { return folder_ / "framework.db"; }

  // The library pass as the dispatcher runs it: basic type suffixes are
  // blanked before.
  std::string Translate(const std::string& text) {
    Load(text);
    DropBasicTypeSuffixes(run.Tokens);
    TranslateLibraryFunctions(run);
    return Texts();
  }

  fs::path folder_;
};

// The model's library lookup passes over a word of a shape (length, first
// letter) that no listed name has; every listed name is still found, also
// one too long for the shapes and after the program is cleared.
TEST(LibraryLookup, FindsEveryListedNameAndNoOther) {
  model::ProgramModel m;
  const std::string longName(70, 'q');
  TextMap<model::LibraryFunction> functions;
  for (const std::string& name : {std::string("chr"), std::string("len"), std::string("_x"), longName})
    functions[name].library = "String";
  m.SetLibrary(std::move(functions));
  for (int round = 0; round < 2; ++round) {
    for (std::string_view found : {std::string_view("chr"), std::string_view("len"), std::string_view("_x"),
                                   std::string_view(longName)})
      EXPECT_NE(m.FindLibrary(found), nullptr) << found;
    for (std::string_view missing : {"chx", "c", "lenx", "", "_y", "qqq"})
      EXPECT_EQ(m.FindLibrary(missing), nullptr) << missing;
    m.ClearProgram();
  }
}

TEST_F(LibraryPassTest, ListedFunctionCallGetsItsRuntimeClass) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("x = Chr(65)"), "x = cString.Chr ( 65 )");
}

TEST_F(LibraryPassTest, FunctionNamesIgnoreCase) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("x = chr(65)"), "x = cString.Chr ( 65 )");
}

TEST_F(LibraryPassTest, LaterRowForTheSameFunctionWins) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("n = Len(s)"), "n = cString.Len ( s )");
}

TEST_F(LibraryPassTest, ListedNameWithoutParenthesisIsLeftAlone) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Count = 3\nn = Count(Count)"), "Count = 3\nn = cMisc.Count ( Count )");
}

TEST_F(LibraryPassTest, AStructureNamedLikeAFunctionStaysTheProgramsOwn) {
  MakeDatabase(DatabasePath(), kTestRows);
  Load("Structure Chr\n x.l\nEndStructure\nNewList p.Chr()\nn = Chr(65)");
  BuildProgramModel(run);
  DropBasicTypeSuffixes(run.Tokens);
  TranslateLibraryFunctions(run);
  EXPECT_EQ(Texts(), "Structure Chr\nx\nEndStructure\nNewList p . Chr ( )\nn = Chr ( 65 )");
}

TEST_F(LibraryPassTest, NullLibraryNameReadsAsEmpty) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Beep(1)"), "c.Beep ( 1 )");
}

TEST_F(LibraryPassTest, ReadAssignsToTheVariableThreeTokensOn) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Read.s title\nx = 1"), "title = cData.Read()\nx = 1");
  EXPECT_EQ(run.Tokens.begin()->Text, "");
  EXPECT_EQ(run.Tokens.begin()->Kind, KindWord);  // cleared, not blanked
}

TEST_F(LibraryPassTest, RestoreCollectsTheLabel) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Restore Colors\nx = 1"), "cData.Restore(KVX_Label_Colors)\nx = 1");
}

TEST_F(LibraryPassTest, BareRestoreCallsOnItsOwnToken) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Restore\nx = 1"), "cData.Restore()\nx = 1");
  EXPECT_EQ(Translate("x = 1\nRestore"), "x = 1\ncData.Restore()");
}

TEST_F(LibraryPassTest, RestoreAtTheEndOfTheProgramCallsOnTheLastToken) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Restore Colors"), "cData.Restore(KVX_Label_Colors)");
}

TEST_F(LibraryPassTest, RestoreLeavesATrailingCommentAComment) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Restore Colors ; again\nx = 1"),
            "cData.Restore(KVX_Label_Colors) ; again\nx = 1");
}

TEST_F(LibraryPassTest, EndBecomesACall) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("If a\nEnd\nEndIf"), "If a\ncMisc.End()\nEndIf");
}

TEST_F(LibraryPassTest, ReadCutShortAtTheEndDoesNotReadPastIt) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Read"), "");
  EXPECT_EQ(Translate("x = 1\nRead.s"), "x = 1\n");
}

TEST_F(LibraryPassTest, ListedConstantBecomesALiteral) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("Procedure Grow(n = #Limit)"), "Procedure Grow ( n = cConstants.Limit )");
  auto it = run.Tokens.begin();
  std::advance(it, 5);
  EXPECT_EQ(it->Text, "cConstants.Limit");
  EXPECT_EQ(it->Kind, KindNumber);
}

TEST_F(LibraryPassTest, UnlistedConstantKeepsTextAndKind) {
  MakeDatabase(DatabasePath(), kTestRows);
  EXPECT_EQ(Translate("x = #Other"), "x = #Other");
  EXPECT_EQ(std::next(run.Tokens.begin(), 2)->Kind, KindWord);
  // constant names ignore case: "#limit" is the listed "#Limit"
  EXPECT_EQ(Translate("x = #limit"), "x = cConstants.Limit");
}

TEST_F(LibraryPassTest, ExplicitSwitchesNeedNoDatabase) {
  EXPECT_EQ(Translate("EnableExplicit\ndisableEXPLICIT"),
            "cCompilerDirectives.EnableExplicit\ncCompilerDirectives.disableEXPLICIT");
}

TEST_F(LibraryPassTest, MissingDatabaseChangesNothingAndCreatesNoFile) {
  EXPECT_EQ(Translate("x = Chr(65) + #Limit\nEnd"), "x = Chr ( 65 ) + #Limit\nEnd");
  EXPECT_FALSE(fs::exists(DatabasePath()));
  EXPECT_EQ(platform.console, "");
}

TEST_F(LibraryPassTest, FileThatIsNoDatabaseChangesNothing) {
  std::ofstream(DatabasePath()) << "not a database at all, just some text";
  EXPECT_EQ(Translate("x = Chr(65) + #Limit"), "x = Chr ( 65 ) + #Limit");
  EXPECT_EQ(platform.console, "");
}

TEST_F(LibraryPassTest, FailingQueryLeavesOnlyItsOwnWalkUndone) {
  MakeDatabase(DatabasePath(),
               "CREATE TABLE Constants (Constant TEXT);"
               "INSERT INTO Constants VALUES ('Limit');");
  EXPECT_EQ(Translate("x = Chr(#Limit)"), "x = Chr ( cConstants.Limit )");
}

// The shipped framework.db, as the build makes it from data/framework.tsv.
std::vector<std::string> ShippedFunctionsOf(const std::string& library) {
  std::vector<std::string> names;
  sqlite3* db = nullptr;
  std::string path = std::string(KORVEX_DIST_DIR) + "/framework.db";
  EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  sqlite3_stmt* stmt = nullptr;
  std::string sql = "Select FunctionName From Libraries";
  if (!library.empty()) sql += " Where LibraryName = '" + library + "'";
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK);
  while (sqlite3_step(stmt) == SQLITE_ROW)
    names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return names;
}

bool Lists(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The list pass recognises these by their own names; a row for one of them
// would turn it into a library call first.
TEST(ShippedFrameworkDb, ListsNoListCommand) {
  std::vector<std::string> all = ShippedFunctionsOf("");
  ASSERT_FALSE(all.empty());
  for (const char* command :
       {"AddElement", "ListSize", "ClearList", "ListIndex", "FirstElement", "NextElement",
        "PreviousElement", "LastElement", "DeleteElement", "SelectElement"})
    EXPECT_FALSE(Lists(all, command)) << command;
}

TEST(ShippedFrameworkDb, ListsWhatTheListAndMapPassesExpect) {
  EXPECT_TRUE(Lists(ShippedFunctionsOf("Sort"), "RandomizeList"));
  std::vector<std::string> map = ShippedFunctionsOf("Map");
  for (const char* command : {"AddMapElement", "FindMapElement", "MapKey", "MapSize"})
    EXPECT_TRUE(Lists(map, command)) << command;
  std::vector<std::string> data = ShippedFunctionsOf("Data");
  EXPECT_TRUE(Lists(data, "Read"));
  EXPECT_TRUE(Lists(data, "Restore"));
  EXPECT_TRUE(Lists(ShippedFunctionsOf(""), "End"));
}

}  // namespace
}  // namespace korvex::translate
