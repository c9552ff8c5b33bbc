; names that collide: a variable and a procedure, a Global inside a procedure
Procedure total(n)
  ProcedureReturn n + 1
EndProcedure
total = total(2)
Procedure Lonely()
  Global late
  late + 1
EndProcedure
Lonely()
Debug late
Procedure.i Math(Number)
  Number + 5
  ProcedureReturn Number
EndProcedure
Debug Math(3)
Procedure.s Second(text$)
  ProcedureReturn text$ + "!"
EndProcedure
Debug SECOND("hi")
Total + 1
