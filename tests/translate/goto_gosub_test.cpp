// Goto, Gosub and labels: which label a line is, and the blocks, loops,
// state loops and functions the jumps become.
#include <gtest/gtest.h>

#include <string>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"
#include "translate/expressions.h"

namespace korvex::translate {
namespace {

class Jumps : public testing::ConstructFixture {
 protected:
  // The pass as the dispatcher runs it: labels marked, then the
  // separators, then the jumps.
  std::string Translate(const std::string& text) {
    Load(text);
    MarkLabels(run.Tokens);
    SplitStatements(run.Tokens);
    TranslateGotoGosub(run);
    return Texts();
  }
  std::vector<std::string> Problems() {
    std::vector<std::string> lines;
    for (const std::string& l : platform.ConsoleLines())
      if (!l.empty()) lines.push_back(l);
    return lines;
  }
};

TEST_F(Jumps, WhichLinesAreLabels) {
  struct Case {
    const char* text;
    const char* result;
  };
  const Case cases[] = {
      {"Start:\nGoto Start", "KVX_Goto_Start: for (;;) {\n\n\ncontinue KVX_Goto_Start\nbreak;\n}\n"},
      {"Start: ; note\nGoto Start", "KVX_Goto_Start: for (;;) {\n\n; note\ncontinue KVX_Goto_Start\nbreak;\n}\n"},
      {"a : b", "a\nb"},
      {"Repeat : x : Until y", "Repeat\nx\nUntil y"},
      {"Else:\nEndIf", "Else\n\nEndIf"},
      {"M::x()", "M\n\nx ( )"}  // two separators, no label,
  };
  for (const Case& c : cases) EXPECT_EQ(Translate(c.text), c.result) << c.text;
}

TEST_F(Jumps, AForwardBlockThatStartsInsideALoopTakesTheLoopIn) {
  EXPECT_EQ(Translate("Ask:\nIf a : Goto Done : EndIf\nIf b : Goto Ask : EndIf\nc\nDone:\nd"),
            "KVX_Goto_Done: {\nKVX_Goto_Ask: for (;;) {\n\n\nIf a\nbreak KVX_Goto_Done\nEndIf\n"
            "If b\ncontinue KVX_Goto_Ask\nEndIf\nbreak;\n}\nc\n}\n\n\nd\n");
}

TEST_F(Jumps, JumpsThatCrossUseTheStateLoopOfTheirProcedure) {
  EXPECT_EQ(Translate("Procedure P()\nGoto B\nA:\nx\nB:\nIf y : Goto A : EndIf\nEndProcedure"),
            "Procedure P ( )\nvar KVX_Goto = 0\nKVX_Jumps: for (;;) {\nswitch (KVX_Goto) {\ncase 0:\n"
            "KVX_Goto = 2; continue KVX_Jumps\ncase 1:\n\n\nx\ncase 2:\n\n\nIf y\n"
            "KVX_Goto = 1; continue KVX_Jumps\nEndIf\n}\nbreak;\n}\nEndProcedure\n");
}

TEST_F(Jumps, WhatCannotBeExpressedInsideABlockIsReported) {
  // a jump back inside a While would catch the While's own Break
  EXPECT_EQ(Translate("While w\nTop:\nIf a : Break : EndIf\nGoto Top\nWend"),
            "While w\n\n\nIf a\nBreak\nEndIf\n\nWend\n");
  // jumps that cross inside an If
  EXPECT_EQ(Translate("If c\nGoto B\nA:\nx\nB:\nGoto A\nEndIf"), "If c\n\n\n\nx\n\n\n\nEndIf\n");
  EXPECT_EQ(Problems().size(), 3u);
}

TEST_F(Jumps, SubroutinesEndAtTheirReturnTheNextOneOrAProcedure) {
  EXPECT_EQ(Translate("Gosub A\nGosub B\nEnd\nA:\nx\nB:\ny\nReturn\nC:\nz\nProcedure P()\nEndProcedure\nGosub C"),
            "KVX_Gosub_A()\nKVX_Gosub_B()\nEnd\nfunction KVX_Gosub_A() {\n\n\nx\nKVX_Gosub_B()\n}\n"
            "function KVX_Gosub_B() {\n\n\ny\n}\nfunction KVX_Gosub_C() {\n\n\nz\n}\n"
            "Procedure P ( )\nEndProcedure\nKVX_Gosub_C()\n");
}

TEST_F(Jumps, DefinitionsInsideABlockMoveInFrontOfIt) {
  EXPECT_EQ(Translate("Goto Main\nShow:\nx\nReturn\nProcedure P()\nEndProcedure\n#C = 1\nMain:\nGosub Show"),
            "function KVX_Gosub_Show() {\n\n\nx\n}\nProcedure P ( )\nEndProcedure\n#C = 1\n"
            "KVX_Goto_Main: {\nbreak KVX_Goto_Main\n}\n\n\nKVX_Gosub_Show()\n");
}

TEST_F(Jumps, ProgramsCutShortConvert) {
  for (const char* text : {"Goto", "Gosub", "Return", "A:", "A:\nGoto", "Goto A\nA:\nIf", "Gosub A\nA:\nIf x"})
    Translate(text);
  EXPECT_EQ(Translate("Gosub A\nA:"), "KVX_Gosub_A()\nfunction KVX_Gosub_A() {\n\n}\n");
}

}  // namespace
}  // namespace korvex::translate
