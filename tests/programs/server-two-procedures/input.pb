ProcedureDLL.s First(a.s)
  ProcedureReturn a
EndProcedure
x = 1
ProcedureDLL.s Later(b.s)
  ProcedureReturn b + b
EndProcedure
