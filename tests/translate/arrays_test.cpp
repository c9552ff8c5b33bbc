// Arrays through the whole conversion: Dim and ReDim as the runtime's
// cArray, subscripts into its flat store, Read into an element, arrays
// handed to procedures and commands. Each case compares the program's
// lines after the debugger switch, written by hand.
#include <gtest/gtest.h>

#include <string>

#include "support/golden_files.h"

namespace korvex::translate {
namespace {

// The script's lines from the one after "cDebugger.EnableDebugger();" to
// the wrapper's end.
std::string Body(const std::string& source) {
  std::string script = testing::ConvertText(source + "\n").script;
  const std::string start = "cDebugger.EnableDebugger();\n";
  size_t from = script.find(start);
  size_t to = script.rfind("\n }); });");
  if (from == std::string::npos || to == std::string::npos || to < from) return script;
  from += start.size();
  return script.substr(from, to - from);
}

struct Case {
  const char* source;
  const char* body;
};

TEST(Arrays, DimAndSubscripts) {
  const Case cases[] = {
      {"Dim grid.l(rows - 1, cols - 1)",
       "var grid = cArray.dim(grid , 'l' , null , rows - 1 , cols - 1);\n"},
      {"Dim names.s(2)\nReDim names(n + 5)",
       "var names = cArray.dim(names , 's' , null , 2);\ncArray.redim(names , n + 5);\n"},
      // only the last size of a ReDim changes
      {"Dim m(2, 3)\nReDim m(2, 7)",
       "var m = cArray.dim(m , 'i' , null , 2 , 3);\ncArray.redim(m , 7);\n"},
      {"Dim g(3, 3)\nx = g(i, j + 1)",
       "var g = cArray.dim(g , 'i' , null , 3 , 3);\nx = g.d[i * g.s0 +(j + 1)];\n"},
      {"Dim cube.d(2, 2, 2)\nx.d = cube(a, b, c)",
       "var cube = cArray.dim(cube , 'd' , null , 2 , 2 , 2);\n"
       "x = cube.d[a * cube.s0 + b * cube.s1 + c];\n"},
      {"Dim a(4)\nDebug ArraySize(a())",
       "var a = cArray.dim(a , 'i' , null , 4);\ncDebugger.Debug(cArray.ArraySize(a));\n"},
      // a program array named "c" is no helper's
      {"Dim c(3)\nc(1) = 2", "var c = cArray.dim(c , 'i' , null , 3);\nc.d[1]= 2;\n"},
      // a variable and an array of one name are two names in the page
      {"n = 1\nDim n(2)\nn(0) = n",
       "n = 1;\nvar KVX_n = cArray.dim(KVX_n , 'i' , null , 2);\nKVX_n.d[0]= n;\n"},
      // the typed store wraps and rounds itself
      {"Dim b.b(1)\nb(0) = 200\nb(1) = 2.5",
       "var b = cArray.dim(b , 'b' , null , 1);\nb.d[0]= 200;\nb.d[1]= cNum.round(2.5);\n"},
      {"Dim t.l(9)\nRead.l t(i)\nDataSection\nData.l 7\nEndDataSection",
       "var t = cArray.dim(t , 'l' , null , 9);\nt.d[i]= cData.Read();\n"},
      // cut short: still one whole call
      {"Dim\nDim a(5", "var a = cArray.dim(a , 'i' , null , 5);\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Body(c.source), c.body) << c.source;
}

TEST(Arrays, StructureElements) {
  EXPECT_EQ(Body("Structure P\nx.l\nEndStructure\nDim ps.P(9)\nps(2)\\x + 1"),
            "var P =(function() {\nfunction P() {\nthis.x = 0 ;\n} return P ;})();\n"
            "var ps = cArray.dim(ps , 'S' , P , 9);\nps.d[2].x = ps.d[2].x + 1 | 0;\n");
}

TEST(Arrays, ReDimOfAFieldArray) {
  // the array field of an element, and of a structure variable
  EXPECT_EQ(Body("Structure Row\nArray m.i(0)\nEndStructure\nDim r.Row(1)\nReDim r(1)\\m(4)\n"
                 "Define o.Row\nReDim o\\m(n + 1)"),
            "var Row =(function() {\nfunction Row() {\nthis.m = cArray.dim(null , 'i' , null , 0) ;\n"
            "} return Row ;})();\nvar r = cArray.dim(r , 'S' , Row , 1);\ncArray.redim(r.d[1].m , 4);\n"
            "var o = new Row();\ncArray.redim(o.m , n + 1);\n");
}

TEST(Arrays, ParametersAreRenewedInPlace) {
  // Dim of an array parameter renews the caller's array: no "var"
  EXPECT_EQ(Body("Procedure Fill(Array v.i(1), n)\nDim v(n)\nEndProcedure\n"
                 "Dim s(0)\nFill(s(), 4)"),
            "function Fill(v , n) {\nv = cArray.dim(v , 'i' , null , n);\n};\n"
            "var s = cArray.dim(s , 'i' , null , 0);\nFill(s , 4);\n");
  // an array of the procedure's own is its own
  EXPECT_EQ(Body("Procedure Own()\nDim a(2)\na(1) = 3\nEndProcedure"),
            "function Own() {\nvar a = cArray.dim(a , 'i' , null , 2);\na.d[1]= 3;\n};\n");
}

}  // namespace
}  // namespace korvex::translate
