; Counting divisors: the procedure's own counter c is not the main code's c
Procedure NumDiv(n)
  c = 0
  For i = 1 To n
    If n % i = 0
      c + 1
    EndIf
  Next
  ProcedureReturn c
EndProcedure

OpenConsole()
c = 100
For k = 1 To 6
  PrintN(Str(k) + " has " + Str(numdiv(k)) + " divisors")
Next
best = 0
bestN = 0
For k = 1 To 30
  d = NUMDIV(k)
  If d > best
    best = d
    bestN = k
  EndIf
Next
PrintN("Most divisors up to 30: " + Str(bestN) + " (" + Str(best) + ")")
PrintN("c is still " + Str(c))
PrintN("i of the main code: " + Str(i))
