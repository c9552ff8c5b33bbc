; EnableExplicit: every variable is declared before it is used
EnableExplicit

Define i, total, name$ = "Sum of squares"
Define.d mean
Global calls

Procedure.i Square(n)
  Protected result
  calls + 1
  result = n * n
  ProcedureReturn result
EndProcedure

Procedure.s Bar(n)
  Protected k, bar$
  For k = 1 To n
    bar$ + "#"
  Next
  ProcedureReturn bar$
EndProcedure

OpenConsole()
For i = 1 To 4
  total + Square(i)
  PrintN(RSet(Str(Square(i)), 2) + " " + Bar(Square(i)))
Next
mean = total / 4
PrintN(name$ + ": " + Str(total))
PrintN("Mean: " + StrD(mean, 2))
PrintN("Calls: " + Str(calls))
