ProcedureDLL Ping()
EndProcedure
