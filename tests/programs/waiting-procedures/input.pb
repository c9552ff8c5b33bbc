; a greeting that waits for a line, then for a key
Procedure.s AskName()
  Print("Name: ")
  ProcedureReturn Input()
EndProcedure
Procedure Greet()
  name$ = AskName()
  PrintN("Hello " + name$)
EndProcedure
Procedure Sum(n)
  For i = 1 To n
    total + i
  Next
  ProcedureReturn total
EndProcedure
OpenConsole()
Greet()
PrintN(Str(Sum(4)))
Repeat
  Delay(20)
Until Inkey() <> ""
