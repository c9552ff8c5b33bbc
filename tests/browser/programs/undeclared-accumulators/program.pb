; Sums, counts and texts that are never declared start at 0 and ""
For x = 1 To 10
  sigma + x
  If x % 3 = 0
    threes + 1
  EndIf
  odd$ + Str(x % 2)
Next
Debug sigma
Debug threes
Debug odd$

Procedure.s Stars(n)
  For k = 1 To n
    line$ + "*"
  Next
  ProcedureReturn line$
EndProcedure

Procedure.i SumTo(n)
  While n > 0
    s + n
    n - 1
  Wend
  ProcedureReturn s
EndProcedure

Debug Stars(3)
Debug Stars(5)
Debug SumTo(4) + SumTo(4)
Debug "[" + never$ + "]" + Str(nothing)
