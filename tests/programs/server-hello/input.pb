ProcedureDLL.s Hello(name.s, age)
  ProcedureReturn "Hello " + name
EndProcedure
greeting.s = Hello("Ann", 42)
