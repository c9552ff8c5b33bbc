// SourceScanner: token texts, kinds and line numbers.
#include <gtest/gtest.h>

#include "scanner/source_scanner.h"

namespace korvex {
namespace {

// Renders tokens as "text/kind/line" items joined by " | ", "\n" as "NL".
std::string Scan(const std::string& text) {
  TokenList tokens;
  TokenizeText(tokens, text);
  std::string out;
  for (const Token& t : tokens) {
    if (!out.empty()) out += " | ";
    out += (t.Text == "\n" ? "NL" : t.Text) + "/" + std::to_string(t.Kind) + "/" + std::to_string(t.Line);
  }
  return out;
}

// Only the texts, joined by " | ".
std::string Texts(const std::string& text) {
  TokenList tokens;
  TokenizeText(tokens, text);
  std::string out;
  for (const Token& t : tokens) out += (out.empty() ? "" : " | ") + (t.Text == "\n" ? "NL" : t.Text);
  return out;
}

TEST(SourceScanner, EmptyTextHasNothing) {
  SourceScanner s;
  s.SetText("");
  EXPECT_EQ(s.HasMore(), 0);
  EXPECT_EQ(s.NextToken(), "");
}

TEST(SourceScanner, LineBreaksAndLineNumbers) {
  EXPECT_EQ(Scan("a\n"), "a/1/1 | NL/5/1");
  EXPECT_EQ(Scan("\n\nx = 1"), "NL/5/1 | NL/5/2 | x/1/3 | =/0/3 | 1/2/3");
  EXPECT_EQ(Scan("x=1 ; note\ny"), "x/1/1 | =/0/1 | 1/2/1 | ; note/4/1 | NL/5/1 | y/1/2");
  EXPECT_EQ(Scan("a\n   \nb"), "a/1/1 | NL/5/1 | NL/5/2 | b/1/3");
  EXPECT_EQ(Scan("  \n\t\n"), "NL/5/1 | NL/5/2 | NL/5/3");
}

TEST(SourceScanner, QuotedLiterals) {
  EXPECT_EQ(Scan("Debug 'A'"), "Debug/1/1 | 'A'/2/1");
  EXPECT_EQ(Scan("s = \"a;b\""), "s/1/1 | =/0/1 | \"a;b\"/3/1");
  EXPECT_EQ(Scan("\"abc"), "\"abc/3/1");
  EXPECT_EQ(Scan("'ab"), "'ab/3/1");
}

TEST(SourceScanner, NumbersAndPercent) {
  EXPECT_EQ(Scan("$ FF"), "$ FF/2/1");
  EXPECT_EQ(Scan("a % 2"), "a/1/1 | %/0/1 | 2/2/1");
  EXPECT_EQ(Scan("x = %101"), "x/1/1 | =/0/1 | %101/2/1");
  EXPECT_EQ(Scan("(a)%2"), "(/0/1 | a/1/1 | )/0/1 | %/0/1 | 2/2/1");
  EXPECT_EQ(Texts("1e+5"), "1e+5");
  EXPECT_EQ(Texts("1ex"), "1e | x");
  EXPECT_EQ(Texts(".5"), ". | 5");
  EXPECT_EQ(Texts("1.2.3"), "1.2.3");
  EXPECT_EQ(Scan("$"), "$/2/1");
  EXPECT_EQ(Scan("x = %"), "x/1/1 | =/0/1 | %/2/1");
}

TEST(SourceScanner, Operators) {
  EXPECT_EQ(Texts("a<>b"), "a | <> | b");
  EXPECT_EQ(Texts("a=<b"), "a | = | < | b");
  EXPECT_EQ(Texts("a>=b<<2"), "a | >= | b | << | 2");
}

TEST(SourceScanner, PrefixesDependOnThePreviousToken) {
  EXPECT_EQ(Scan("x = #PB_Any"), "x/1/1 | =/0/1 | #PB_Any/1/1");
  EXPECT_EQ(Scan("#Width = 640"), "#Width/1/1 | =/0/1 | 640/2/1");
  EXPECT_EQ(Texts("a#b"), "a | # | b");
  EXPECT_EQ(Texts("a*b"), "a | * | b");
  EXPECT_EQ(Texts("x = *p"), "x | = | *p");
  EXPECT_EQ(Texts("Define *p"), "Define | *p");
  EXPECT_EQ(Texts("a.p-ascii"), "a | . | p-ascii");
  EXPECT_EQ(Texts("Str$(x)"), "Str$ | ( | x | )");
  EXPECT_EQ(Texts("Enumeration #PB_Compiler_EnumerationValue"),
            "Enumeration | # | PB_Compiler_EnumerationValue");
}

TEST(SourceScanner, EscapeStringsAreOneStringToken) {
  EXPECT_EQ(Scan("s = ~\"a\\tb\""), "s/1/1 | =/0/1 | ~\"a\\tb\"/3/1");
  // an escaped quote does not end it, an escaped backslash before the end does not hide it
  EXPECT_EQ(Texts("f(~\"say \\\"hi\\\"\", ~\"C:\\\\\")"), "f | ( | ~\"say \\\"hi\\\"\" | , | ~\"C:\\\\\" | )");
  EXPECT_EQ(Texts("x = ~\"a;b\" ; note"), "x | = | ~\"a;b\" | ; note");
  EXPECT_EQ(Scan("~\"open \\\""), "~\"open \\\"/3/1");  // unterminated: the rest of the line
  EXPECT_EQ(Texts("x = ~ \"a\""), "x | = | ~ | \"a\"");     // with a blank it is no escape string
  EXPECT_EQ(Texts("\"a\\\" + b"), "\"a\\\" | + | b");     // a plain string has no escapes
}

TEST(SourceScanner, Utf8CharactersStayWhole) {
  EXPECT_EQ(Scan("s = \"Größe ≥ 5 €\" ; 日本"), "s/1/1 | =/0/1 | \"Größe ≥ 5 €\"/3/1 | ; 日本/4/1");
  EXPECT_EQ(Scan("x = '€'"), "x/1/1 | =/0/1 | '€'/2/1");
  // a character outside every rule is one token, not one per byte
  EXPECT_EQ(Texts("a ≥ b"), "a | ≥ | b");
  EXPECT_EQ(Texts("😀x"), "😀 | x");
}

TEST(SourceScanner, CrLfBecomesOneLineBreak) {
  EXPECT_EQ(Scan("a\r\nb\r\n"), "a/1/1 | NL/5/1 | b/1/2 | NL/5/2");
}

}  // namespace
}  // namespace korvex
