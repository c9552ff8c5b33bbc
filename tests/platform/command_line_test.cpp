// SplitCommandLine: command lines split into arguments by the Windows rules.
#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace korvex::platform {
namespace {

using Args = std::vector<std::string>;

struct SplitCase {
  const char* line;
  Args args;
};

// Each row: a command line as written in a Windows console, and the argv a
// program started with it receives.
const SplitCase kCases[] = {
    {R"("/opt/pb/compilers/pbcompiler" /CHECK "/home/me/my shop.pb")",
     {"/opt/pb/compilers/pbcompiler", "/CHECK", "/home/me/my shop.pb"}},
    {R"("C:\Program Files\PureBasic\Compilers\pbcompiler.exe" "C:\Web Apps\tempcgi.pb" /EXE "C:\www\cgi.exe")",
     {R"(C:\Program Files\PureBasic\Compilers\pbcompiler.exe)", R"(C:\Web Apps\tempcgi.pb)", "/EXE",
      R"(C:\www\cgi.exe)"}},
    {R"("/opt/korvex/SetupEditor.exe" Shop)", {"/opt/korvex/SetupEditor.exe", "Shop"}},
    {"prog", {"prog"}},
    {"prog a\tb  c", {"prog", "a", "b", "c"}},
    {"prog a  \t", {"prog", "a"}},
    {R"(prog a"b c"d)", {"prog", "ab cd"}},
    {R"(prog "a b)", {"prog", "a b"}},                // an unclosed quote runs to the end
    {R"(prog "" x)", {"prog", "", "x"}},              // empty quotes give an empty argument
    {R"(prog a\"b)", {"prog", R"(a"b)"}},             // \" is a literal quote
    {R"(prog a\\"b c")", {"prog", R"(a\b c)"}},       // \\" is a backslash, then a grouping quote
    {R"(prog a\\\"b)", {"prog", R"(a\"b)"}},          // \\\" is a backslash and a literal quote
    {R"(prog a\\b c\d)", {"prog", R"(a\\b)", R"(c\d)"}},  // backslashes before other characters stay
    {R"(prog "C:\dir\\")", {"prog", R"(C:\dir\)"}},   // a folder path ending in a backslash
    {R"(prog "a""b")", {"prog", R"(a"b)"}},           // "" inside quotes is a literal quote
    {R"(prog "a""b c")", {"prog", R"(a"b c)"}},       // ... and the group goes on
    {R"("C:\dir\"prog.exe x)", {R"(C:\dir\prog.exe)", "x"}},  // no escapes in the program name
    {R"(C:\tools\"my dir"\p.exe x)", {R"(C:\tools\my dir\p.exe)", "x"}},
    {R"(" spaced name" "x")", {" spaced name", "x"}},
};

TEST(SplitCommandLine, FollowsTheWindowsRules) {
  for (const SplitCase& c : kCases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(SplitCommandLine, EmptyLineHasNoArguments) { EXPECT_EQ(SplitCommandLine(""), Args{}); }

TEST(SplitCommandLine, LeadingBlankGivesAnEmptyProgramName) {
  EXPECT_EQ(SplitCommandLine(" prog x"), (Args{"", "prog", "x"}));
}

}  // namespace
}  // namespace korvex::platform
