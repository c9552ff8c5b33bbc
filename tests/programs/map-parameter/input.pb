Procedure Count(Map seen(), key$)
  seen(key$) = seen(key$) + 1
  ProcedureReturn seen(key$)
EndProcedure
NewMap m()
m("a") = 1
Count(m(), "a")
Debug m("a")
