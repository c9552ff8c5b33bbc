// Server procedures: the header reading, the dispatcher text and the split
// of a program into the browser's stubs and the server code.
#include "server/server_procedures.h"

#include <gtest/gtest.h>

#include "support/pass_fixture.h"
#include "support/native_path.h"

namespace korvex::server {
namespace {

using korvex::testing::operator""_p;

// The filled template shows the server code and the dispatcher that the
// pass handed to the CGI build.
const std::string kTemplatePath = "/opt/korvex/system/CGI/cgitemplate.pb"_p;
const std::string kTempCgi = "/home/ann/tempcgi.pb"_p;

class ServerProceduresTest : public testing::PassFixture {
 protected:
  ServerProceduresTest() {
    run.ProgramDir = "/opt/korvex/"_p;
    run.SourceFile = "/home/ann/shop.pb"_p;
    run.CompilerPath = "/opt/pb/pbcompiler"_p;
    run.ActiveSettings.CgiFilename = "/srv/cgi-bin/shop.exe"_p;
    run.ActiveSettings.CgiAddress = "/cgi-bin/shop.exe";
    platform.folders.insert("/home/ann/"_p);
    platform.files[kTemplatePath] = "<; ### Korvex ServerCode ###|; ### Korvex RequestSelect ###>";
  }
  ProcedureHeader Header(const std::string& line) { return ParseProcedureHeader(run, line); }
  void ExpectHeader(const std::string& line, const std::string& name, const std::string& data) {
    ProcedureHeader h = Header(line);
    EXPECT_EQ(h.RequestName, name) << line;
    EXPECT_EQ(h.DataList, data) << line;
  }
  // The server code as the CGI build received it.
  std::string ServerCode() {
    const std::string& filled = platform.files[kTempCgi];  // the mark, then "<"
    return filled.substr(4, filled.find('|') - 4);
  }
};

// The body every stub gets after its header, with the request line and the
// data line given.
std::string StubBody(const std::string& urlLine, const std::string& dataLine) {
  return "Protected ReturnValue.s\n"
         "KVX_Converter_Begin_Raw\n"
         "; $('#wait').show();\n"
         "; $.ajax({ \n" +
         urlLine + "; \ttype: 'GET', \n" + dataLine +
         "; \tdataType: 'text', \n"
         "; \tasync: false, \n"
         "; \tsuccess: function (result)  { ReturnValue = result }, \n"
         "; \terror:   function (a, b, c) { ReturnValue = b + '/' + c } \n"
         "; }); \n"
         "; $('#wait').hide();\n"
         "KVX_Converter_End_Raw\n"
         "ProcedureReturn ReturnValue\n";
}

TEST_F(ServerProceduresTest, HeaderGivesNameAndDataWithoutTypes) {
  ExpectHeader("ProcedureDLL.s Hello(name.s, age)\n", "Hello", "'name': name, 'age': age");
  ExpectHeader("ProcedureDLL Ping()\n", "Ping", "");
  ExpectHeader("ProcedureDLL.l Sum(a.s, b.l)\n", "Sum", "'a': a, 'b': b");
  // as the earlier passes hand it over, with blanks between the tokens
  ExpectHeader("ProcedureDLL . s Hello ( name . s , age )\n", "Hello", "'name': name, 'age': age");
}

TEST_F(ServerProceduresTest, HeaderWithoutProcedureKeywordHasNoName) {
  ExpectHeader("ProcedureDLLCount = 1\n", "", "");
}

TEST_F(ServerProceduresTest, TruncatedHeaderEndsAtItsLastToken) {
  ExpectHeader("ProcedureDLL.s Hello(name.s, age", "Hello", "'name': name, 'age': age");
  ExpectHeader("ProcedureDLL.s Hello(name.s, age\n", "Hello", "'name': name, 'age': age");
  ExpectHeader("ProcedureDLL Hello(name.", "Hello", "'name': name");
  ExpectHeader("ProcedureDLL Hello(", "Hello", "");
  ExpectHeader("ProcedureDLL Hello", "Hello", "");
  ExpectHeader("ProcedureDLL.s", "", "");
  ExpectHeader("ProcedureDLL\n", "", "");
  ExpectHeader("ProcedureDLL", "", "");
}

TEST_F(ServerProceduresTest, HeaderContinuedOnNextLineQuotesNoLineBreak) {
  ExpectHeader("ProcedureDLL f(a, ; first\n", "f", "'a': a");
}

TEST_F(ServerProceduresTest, DispatcherForOneProcedure) {
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLL.s Hello(name.s, age)\nProcedureReturn name\nEndProcedure\n"),
            " Select Request \r\n"
            "\tCase \"hello\"\r\n"
            "\t\tHTTP_Content(@HTTP, Hello( GetValue(\"name\"),  GetValue(\"age\")))\r\n"
            "\r\n Default \r\n"
            "   HTTP_Content(@HTTP, \"unknown request: '\" + Request + \"'\" ) \r\n"
            " EndSelect");
}

TEST_F(ServerProceduresTest, DispatcherCasesInSourceOrder) {
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLL Ping()\nEndProcedure\n"
                                    "ProcedureDLL.s GetName(ID.l)\nEndProcedure\n"),
            " Select Request \r\n"
            "\tCase \"ping\"\r\n"
            "\t\tHTTP_Content(@HTTP, Ping())\r\n"
            "\tCase \"getname\"\r\n"
            "\t\tHTTP_Content(@HTTP, GetName( GetValue(\"ID\")))\r\n"
            "\r\n Default \r\n"
            "   HTTP_Content(@HTTP, \"unknown request: '\" + Request + \"'\" ) \r\n"
            " EndSelect");
}

TEST_F(ServerProceduresTest, DispatcherOnlyForProcedureDll) {
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLLCount = 1\nProcedure Local(a)\nEndProcedure\n"), "");
  EXPECT_EQ(BuildRequestSelect(run, ""), "");
}

TEST_F(ServerProceduresTest, DispatcherOfTruncatedHeaderEndsAtLastToken) {
  const std::string tail =
      "\r\n Default \r\n   HTTP_Content(@HTTP, \"unknown request: '\" + Request + \"'\" ) \r\n EndSelect";
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLL f(a.s, b"),
            " Select Request \r\n\tCase \"f\"\r\n\t\tHTTP_Content(@HTTP, f( GetValue(\"a\"),  GetValue(\"b\")))\r\n" + tail);
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLL f(a."),
            " Select Request \r\n\tCase \"f\"\r\n\t\tHTTP_Content(@HTTP, f( GetValue(\"a\")))\r\n" + tail);
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLL f"),
            " Select Request \r\n\tCase \"f\"\r\n\t\tHTTP_Content(@HTTP, f())\r\n" + tail);
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLL.s"), "");
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLL\nEndProcedure\n"), "");
}

TEST_F(ServerProceduresTest, DispatcherOfHeaderContinuedOnNextLine) {
  EXPECT_EQ(BuildRequestSelect(run, "ProcedureDLL f(a,\nb)\nEndProcedure\n"),
            " Select Request \r\n\tCase \"f\"\r\n"
            "\t\tHTTP_Content(@HTTP, f( GetValue(\"a\"),  GetValue(\"b\")))\r\n"
            "\r\n Default \r\n   HTTP_Content(@HTTP, \"unknown request: '\" + Request + \"'\" ) \r\n EndSelect");
}

TEST_F(ServerProceduresTest, ProcedureBecomesStubAndServerCode) {
  std::string out = BuildServerProcedures(
      run, "a = 1\nProcedureDLL.s Hello(name.s, age)\n  ProcedureReturn name\nEndProcedure\nb = 2\n");
  EXPECT_EQ(out, "a = 1\nProcedureDLL.s Hello(name.s, age)\n" +
                     StubBody("; \turl: '/cgi-bin/shop.exe?request=Hello', \n",
                              "; \tdata: { 'name': name, 'age': age }, \n") +
                     "EndProcedure\nb = 2\n");
  EXPECT_EQ(ServerCode(), "ProcedureDLL.s Hello(name.s, age)\nProcedureReturn name\nEndProcedure\n");
}

TEST_F(ServerProceduresTest, StubWithoutParametersHasNoDataLine) {
  std::string out = BuildServerProcedures(run, "ProcedureDLL Ping()\nProcedureReturn 1\nEndProcedure\n");
  EXPECT_EQ(out, "ProcedureDLL Ping()\n" +
                     StubBody("; \turl: '/cgi-bin/shop.exe?request=Ping', \n", "") +
                     "EndProcedure\n");
}

TEST_F(ServerProceduresTest, TwoProceduresEachWithOwnRequest) {
  std::string out = BuildServerProcedures(
      run, "ProcedureDLL A()\nx = 1\nEndProcedure\nProcedureDLL B(v)\ny = 2\nEndProcedure\n");
  EXPECT_EQ(out, "ProcedureDLL A()\n" + StubBody("; \turl: '/cgi-bin/shop.exe?request=A', \n", "") +
                     "EndProcedure\nProcedureDLL B(v)\n" +
                     StubBody("; \turl: '/cgi-bin/shop.exe?request=B', \n", "; \tdata: { 'v': v }, \n") +
                     "EndProcedure\n");
  EXPECT_EQ(ServerCode(), "ProcedureDLL A()\nx = 1\nEndProcedure\nProcedureDLL B(v)\ny = 2\nEndProcedure\n");
  const std::string& filled = platform.files[kTempCgi];
  EXPECT_NE(filled.find("\tCase \"a\"\r\n\t\tHTTP_Content(@HTTP, A())\r\n"
                        "\tCase \"b\"\r\n\t\tHTTP_Content(@HTTP, B( GetValue(\"v\")))\r\n"),
            std::string::npos);
}

TEST_F(ServerProceduresTest, HeaderTestIgnoresCaseAndBlanks) {
  BuildServerProcedures(run, "proceduredll   Hello()\nEndProcedure\n; ProcedureDLL Not()\n"
                             "Procedure DLL Two()\nEnd Procedure\n");
  EXPECT_EQ(ServerCode(), "proceduredll   Hello()\nEndProcedure\nProcedure DLL Two()\nEnd Procedure\n");
}

TEST_F(ServerProceduresTest, BodyLinesLoseSpacesButKeepTabs) {
  BuildServerProcedures(run, "  ProcedureDLL F()  \n  x = 1  \n\ty = 2\t\n  EndProcedure\n");
  EXPECT_EQ(ServerCode(), "ProcedureDLL F()\nx = 1\n\ty = 2\t\nEndProcedure\n");
}

TEST_F(ServerProceduresTest, EndProcedureOutsideStaysInProgramOnly) {
  std::string out = BuildServerProcedures(
      run, "Procedure Local()\nEndProcedure\nProcedureDLL F()\nEndProcedure\nEndProcedure\n");
  EXPECT_EQ(out, "Procedure Local()\nEndProcedure\nProcedureDLL F()\n" +
                     StubBody("; \turl: '/cgi-bin/shop.exe?request=F', \n", "") +
                     "EndProcedure\nEndProcedure\n");
  EXPECT_EQ(ServerCode(), "ProcedureDLL F()\nEndProcedure\n");
}

TEST_F(ServerProceduresTest, HeaderInsideServerProcedureStartsNewStub) {
  std::string out = BuildServerProcedures(run, "ProcedureDLL A()\nProcedureDLL B()\nEndProcedure\n");
  EXPECT_EQ(out, "ProcedureDLL A()\n" + StubBody("; \turl: '/cgi-bin/shop.exe?request=A', \n", "") +
                     "ProcedureDLL B()\n" + StubBody("; \turl: '/cgi-bin/shop.exe?request=B', \n", "") +
                     "EndProcedure\n");
  EXPECT_EQ(ServerCode(), "ProcedureDLL A()\nProcedureDLL B()\nEndProcedure\n");
}

TEST_F(ServerProceduresTest, LineStartingWithKeywordLettersCountsAsHeader) {
  std::string out = BuildServerProcedures(run, "ProcedureDLLCount = 1\nx = 2\nEndProcedure\ny = 3\n");
  EXPECT_EQ(out, "ProcedureDLLCount = 1\n" +
                     StubBody("; \turl: '/cgi-bin/shop.exe?request=', \n", "") + "EndProcedure\ny = 3\n");
  EXPECT_EQ(ServerCode(), "ProcedureDLLCount = 1\nx = 2\nEndProcedure\n");
}

TEST_F(ServerProceduresTest, ProgramWithoutServerProceduresIsOnlyTrimmed) {
  run.ActiveSettings = Settings{};  // no CGI settings needed
  platform.files.clear();
  EXPECT_EQ(BuildServerProcedures(run, "  a = 1  \n\tb = 2 \n\nProcedure F()\nEndProcedure\nlast"),
            "a = 1\n\tb = 2\n\nProcedure F()\nEndProcedure\n");
  EXPECT_TRUE(platform.files.empty());
  EXPECT_TRUE(platform.started.empty());
  EXPECT_EQ(platform.console, "");
}

TEST_F(ServerProceduresTest, StoppedBuildEmptiesTheProgram) {
  run.ActiveSettings.CgiFilename = "";
  EXPECT_EQ(BuildServerProcedures(run, "ProcedureDLL F()\nEndProcedure\n"), "");
}

TEST_F(ServerProceduresTest, FailedBuildKeepsTheProgram) {
  // no compiler can be started
  EXPECT_EQ(BuildServerProcedures(run, "a = 1\nProcedureDLL F()\nEndProcedure\n"),
            "a = 1\nProcedureDLL F()\n" + StubBody("; \turl: '/cgi-bin/shop.exe?request=F', \n", "") +
                "EndProcedure\n");
  EXPECT_EQ(run.PauseAtExit, 1);
}

}  // namespace
}  // namespace korvex::server
