// The CGI template deployed in system/CGI: its marker lines, and the filled
// program as the stand-in compiler's syntax check sees it.
#include <gtest/gtest.h>

#include <filesystem>

#include "server/cgi_build.h"
#include "support/golden_files.h"
#include "support/pass_fixture.h"
#include "support/process_runner.h"
#include "support/native_path.h"

namespace korvex::server {
namespace {

using korvex::testing::operator""_p;

std::string RealTemplate() {
  return testing::ReadBytes(std::filesystem::path(KORVEX_SOURCE_DIR) / "system/CGI/cgitemplate.pb");
}

TEST(CgiTemplateTest, EachMarkerOnceOnALineOfItsOwnInOrder) {
  std::string text = RealTemplate();
  size_t serverCode = text.find(std::string("\n") + kServerCodeMarker + "\n");
  size_t requestSelect = text.find(std::string("\n") + kRequestSelectMarker + "\n");
  ASSERT_NE(serverCode, std::string::npos);
  ASSERT_NE(requestSelect, std::string::npos);
  EXPECT_LT(serverCode, requestSelect);
  EXPECT_EQ(text.find(kServerCodeMarker, serverCode + 2), std::string::npos);
  EXPECT_EQ(text.find(kRequestSelectMarker, requestSelect + 2), std::string::npos);
}

class FilledTemplateTest : public testing::PassFixture {
 protected:
  // The template filled with this server code, as BuildCgiProgram writes it.
  std::string Fill(const std::string& serverCode) {
    run.ProgramDir = "/opt/korvex/"_p;
    run.SourceFile = "/src/shop.pb"_p;
    run.ActiveSettings.CgiFilename = "/srv/shop.exe"_p;
    run.ActiveSettings.CgiAddress = "/cgi-bin/shop.exe";
    platform.folders.insert("/src/"_p);
    platform.files["/opt/korvex/system/CGI/cgitemplate.pb"_p] = RealTemplate();
    BuildCgiProgram(run, serverCode);
    return platform.files["/src/tempcgi.pb"_p];
  }
};

constexpr const char* kTwoProcedures =
    "ProcedureDLL.s Hello(name.s, greeting.s)\n"
    "ProcedureReturn greeting + \", \" + name\n"
    "EndProcedure\n"
    "ProcedureDLL.s Ping()\n"
    "If Request = \"ping\"\n\tProcedureReturn \"pong\"\nEndIf\n"
    "EndProcedure\n";

TEST_F(FilledTemplateTest, ProceduresStandBeforeTheDispatcher) {
  std::string program = Fill(kTwoProcedures);
  EXPECT_EQ(program.find(kServerCodeMarker), std::string::npos);
  EXPECT_EQ(program.find(kRequestSelectMarker), std::string::npos);
  size_t hello = program.find("ProcedureDLL.s Hello(");
  size_t dispatcher = program.find(" Select Request \r\n");
  ASSERT_NE(hello, std::string::npos);
  ASSERT_NE(dispatcher, std::string::npos);
  EXPECT_LT(hello, dispatcher);
  EXPECT_NE(program.find("HTTP_Content(@HTTP, Hello( GetValue(\"name\"),  GetValue(\"greeting\")))"),
            std::string::npos);
}

#ifdef KORVEX_PBCOMPILER
TEST_F(FilledTemplateTest, PassesTheSyntaxCheck) {
  testing::ScratchFolder folder;
  for (const char* serverCode : {kTwoProcedures, "ProcedureDLL.s Nothing()\nEndProcedure\n"}) {
    std::filesystem::path file = folder.Path() / "tempcgi.pb";
    testing::WriteBytes(file, Fill(serverCode));
    testing::ProcessResult r = testing::RunShell(testing::ShellQuote(KORVEX_PBCOMPILER) + " /CHECK " +
                                                 testing::ShellQuote(file.string()));
    EXPECT_EQ(r.ExitCode, 0) << serverCode;
    EXPECT_EQ(r.Output, "") << serverCode;
  }
}
#endif

}  // namespace
}  // namespace korvex::server
