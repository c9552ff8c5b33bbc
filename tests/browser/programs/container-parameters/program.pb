; Arrays, lists and maps handed to procedures
Procedure.l Sum(Array values(1), n)
  total = 0
  For i = 0 To n
    total + values(i)
  Next
  ProcedureReturn total
EndProcedure
ProcedureC Show(List names.s())
  ForEach names()
    Debug names()
  Next
EndProcedure
Procedure Bump(Map seen(), key$)
  seen(key$) = seen(key$) + 1
EndProcedure
Dim a(3)
For i = 0 To 3
  a(i) = i * 10
Next
Debug Sum(a(), 3)
NewList people.s()
AddElement(people())
people() = "Ann"
AddElement(people())
people() = "Bob"
Show(people())
NewMap m()
m("x") = 1
Bump(m(), "x")
Bump(m(), "x")
Debug m("x")
