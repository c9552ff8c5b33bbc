ProcedureDLL.l Sum(a.s, b.l, c.d)
  ProcedureReturn Val(a) + b + c
EndProcedure
