Procedure.l Sum(Array values(1), n)
  total = 0
  For i = 0 To n
    total + values(i)
  Next
  ProcedureReturn total
EndProcedure
Dim a(3)
a(1) = 5
Debug Sum(a(), 3)
