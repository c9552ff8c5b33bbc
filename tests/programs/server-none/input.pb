  a = 1
	b = 2
Procedure Twice(v)
  ProcedureReturn v + v
EndProcedure
c = Twice(a)
