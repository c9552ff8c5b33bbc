; areas
Procedure.l Area(w, h = 10) ; rectangle
  ProcedureReturn w * h
EndProcedure
Procedure Greet(name$ = "you", times = 2)
  For i = 1 To times
    Debug "hi " + name$
  Next
EndProcedure
Procedure Run()
  Greet()
EndProcedure
a = Area(3)
