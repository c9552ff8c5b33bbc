Procedure Local(v)
  ProcedureReturn v * 2
EndProcedure
ProcedureDLL Remote()
  ProcedureReturn 7
EndProcedure
y = Local(2)
