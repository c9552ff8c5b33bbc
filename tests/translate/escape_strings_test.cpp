// Escape strings: ~"..." with PureBasic's escapes as JavaScript strings,
// alone and through the whole translation.
#include "translate/escape_strings.h"

#include <gtest/gtest.h>

#include "support/pass_fixture.h"
#include "translate/dispatcher.h"

namespace korvex::translate {
namespace {

TEST(EscapeStrings, EverySequenceAndTheCharactersBetween) {
  const std::pair<const char*, const char*> cases[] = {
      {R"(~"Line\tone\n")", R"("Line\tone\n")"},
      {R"(~"\a\b\f\n\r\t\v")", R"("\x07\b\f\n\r\t\v")"},
      {R"(~"say \"hi\"")", R"("say \x22hi\x22")"},
      {R"(~"C:\\temp\\")", R"("C:\\temp\\")"},
      {R"(~"\\")", R"("\\")"},
      {R"(~"")", R"("")"},
      {R"(~"Größe ≥ 5 €")", R"("Größe ≥ 5 €")"},
      // a sequence PureBasic does not know stays as written
      {R"(~"\q")", R"("\\q")"},
      // cut off by the line end: no closing quote to drop
      {R"(~"open)", R"("open")"},
      {R"(~"open \")", R"("open \x22")"},
      {R"(~"ends \)", R"("ends \\")"},
  };
  for (const auto& [pb, js] : cases) EXPECT_EQ(JavaScriptFromEscapeString(pb), js) << pb;
}

class EscapeStringTranslation : public testing::PassFixture {
 protected:
  std::string Translate(const std::string& text) { return TranslateStatements(run, text); }
};

TEST_F(EscapeStringTranslation, WhereverAStringStands) {
  EXPECT_EQ(Translate(R"(s$ = ~"a\tb" + "c\d")"), "var s = \"\" \n" R"( s = "a\tb" + "c\\d" )");
  EXPECT_EQ(Translate(R"(Debug ~"\"q\"")"), R"(cDebugger.Debug ( "\x22q\x22") )");
  // "~" before a number or a name is still the bitwise not
  EXPECT_EQ(Translate("x = ~y"), "var x = 0 , y = 0 \n x = cNum.not ( y ) ");
}

}  // namespace
}  // namespace korvex::translate
