ProcedureDLL Ping()
  ProcedureReturn 1
EndProcedure
answer = Ping()
