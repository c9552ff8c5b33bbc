// Waiting calls: which procedures become async, which calls are awaited, and
// which loops give the page back, over token lists as the dispatcher hands
// them over (library calls already carry their runtime class).
#include <gtest/gtest.h>

#include <string>

#include "translate/construct_fixture.h"
#include "translate/construct_passes.h"

namespace korvex::translate {
namespace {

// The lines around an outermost loop of async code and the check in it.
const std::string kOpen = "for (;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();|NL|";
const std::string kCheck = "if ((KVX_Left -= 1) < 0) { KVX_Resume = true; break; }|NL|";
const std::string kTail = "if (!KVX_Resume) break;|NL|await cCommon.KVX_Pause();|NL|}|NL|";
const std::string kLastTail = kTail.substr(0, kTail.size() - 1);  // at the end of the program

class WaitingCalls : public testing::ConstructFixture {
 protected:
  std::string Translate(const std::string& text) {
    Load(text);
    Rewrite("Input", "cConsole.Input");
    Rewrite("Delay", "cMisc.Delay");
    Rewrite("Str", "cString.Str");
    TranslateWaitingCalls(run);
    return Filled();
  }
};

struct Case {
  const char* name;
  const char* source;
  std::string expected;
};

// One row per rule: the fixed point over the calls, the forms of a call,
// the loops that get the check.
const Case kCases[] = {
    {"main code awaits the waiting commands", "a = Input()\nDelay(10)\nb = Str(1)",
     "a|=|await cConsole.Input|(|)|NL|await cMisc.Delay|(|10|)|NL|b|=|cString.Str|(|1|)"},
    {"a command without its runtime class", "k = Inkey()\nWaitWindowEvent()",
     "k|=|await Inkey|(|)|NL|await WaitWindowEvent|(|)"},
    {"a procedure that waits, and one that calls it",
     "Procedure Outer()\nAsk()\nEndProcedure\nProcedure Ask()\nn = Input()\nEndProcedure\nOuter()",
     "async|Procedure|Outer|(|)|NL|await Ask|(|)|NL|EndProcedure|NL|"
     "async|Procedure|Ask|(|)|NL|n|=|await cConsole.Input|(|)|NL|EndProcedure|NL|await Outer|(|)"},
    {"a procedure that cannot wait stays plain",
     "Procedure Twice(x)\nProcedureReturn x * 2\nEndProcedure\ny = Twice(2) + Str(Twice(3))",
     "Procedure|Twice|(|x|)|NL|ProcedureReturn|x|*|2|NL|EndProcedure|NL|"
     "y|=|Twice|(|2|)|+|cString.Str|(|Twice|(|3|)|)"},
    {"names match in any case", "PROCEDURE.s ask()\nDelay(1)\nENDPROCEDURE\nAsk()",
     "async|PROCEDURE|.|s|ask|(|)|NL|await cMisc.Delay|(|1|)|NL|ENDPROCEDURE|NL|await Ask|(|)"},
    {"an address is no call", "Procedure P()\nDelay(1)\nEndProcedure\nx = @P()",
     "async|Procedure|P|(|)|NL|await cMisc.Delay|(|1|)|NL|EndProcedure|NL|x|=|@|P|(|)"},
    {"recursion through two procedures down to a wait, in every form of procedure",
     "ProcedureDLL A(n)\nB(n)\nEndProcedure\nProcedureCDLL B(n)\nA(n - 1)\nC()\nEndProcedure\n"
     "ProcedureC C()\nD()\nEndProcedure\nProcedure D()\nDelay(1)\nEndProcedure",
     "async|ProcedureDLL|A|(|n|)|NL|await B|(|n|)|NL|EndProcedure|NL|"
     "async|ProcedureCDLL|B|(|n|)|NL|await A|(|n|-|1|)|NL|await C|(|)|NL|EndProcedure|NL|"
     "async|ProcedureC|C|(|)|NL|await D|(|)|NL|EndProcedure|NL|"
     "async|Procedure|D|(|)|NL|await cMisc.Delay|(|1|)|NL|EndProcedure"},
    {"loops of the main code: For and Repeat check first, While last",
     "For i = 1 To 3\nNext\nWhile x ; c\nWend\nRepeat\nUntil x\n",
     "For|i|=|1|To|3|NL|" + kCheck + "Next|NL|" + kTail + kOpen + "While|x|; c|NL|" + kCheck +
         "Wend|NL|" + kTail + kOpen + "Repeat|NL|" + kCheck + "Until|x|NL|" + kLastTail},
    {"a loop of a plain procedure gets no check, one of an async procedure does",
     "Procedure Sum(n)\nFor i = 1 To n\nNext\nEndProcedure\n"
     "Procedure Wait()\nWhile Inkey() = \"\"\nWend\nEndProcedure",
     "Procedure|Sum|(|n|)|NL|For|i|=|1|To|n|NL|Next|NL|EndProcedure|NL|"
     "async|Procedure|Wait|(|)|NL|" + kOpen + "While|await Inkey|(|)|=|\"\"|NL|" + kCheck + "Wend|NL|" +
         kTail + "EndProcedure"},
    {"only the outermost loop of each unit",
     "For i = 1 To 3\nWhile x\nWend\nNext\nRepeat\nForEver\n"
     "Procedure P()\nRepeat\nFor j = 1 To 2\nNext\nUntil Inkey() <> \"\"\nEndProcedure",
     "For|i|=|1|To|3|NL|" + kCheck + "While|x|NL|Wend|NL|Next|NL|" + kTail + kOpen + "Repeat|NL|" +
         kCheck + "ForEver|NL|" + kTail + "async|Procedure|P|(|)|NL|" + kOpen + "Repeat|NL|" + kCheck +
         "For|j|=|1|To|2|NL|Next|NL|Until|await Inkey|(|)|<>|\"\"|NL|" + kTail + "EndProcedure"},
    {"a loop end without its loop, a loop ending the program",
     "Next\nWend\nWhile x\nWend", "Next|NL|Wend|NL|" + kOpen + "While|x|NL|" + kCheck + "Wend|NL|" + kLastTail},
    {"a cut program: a loop without its end stays as it is", "Procedure\nFor i = 1\nInput(",
     "async|Procedure|NL|For|i|=|1|NL|await cConsole.Input|("},
    {"a loop header on the last line", "Procedure P(\nWhile Input()",
     "async|Procedure|P|(|NL|While|await cConsole.Input|(|)"},
};

TEST_F(WaitingCalls, Table) {
  for (const Case& c : kCases) EXPECT_EQ(Translate(c.source), c.expected) << c.name;
}

// A ForEach as the list pass leaves it: the blanked keyword, then the loop
// text in the token after it.
TEST_F(WaitingCalls, ForEachAsTheListPassLeftIt) {
  Load("ForEach items()\nNext");
  run.Tokens.Reset();
  run.Tokens.Next();
  Blank(run.Tokens.Current());
  run.Tokens.Next();
  run.Tokens.Current() = Token{"items.ForEach_Init();\nwhile (items.ForEach()) {\n", KindOther, 0, 1};
  TranslateWaitingCalls(run);
  EXPECT_EQ(Filled(), "items.ForEach_Init();\nfor (;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();\nwhile (items.ForEach()) {\n|(|)|NL|" +
                         kCheck + "Next|NL|" + kLastTail);
}

}  // namespace
}  // namespace korvex::translate
