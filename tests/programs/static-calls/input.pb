; a counter that keeps its value
Procedure Counter()
  Static calls
  calls + 1
  ProcedureReturn calls
EndProcedure
Procedure Other()
  calls = 0
EndProcedure
Procedure Total(n)
  Static sum = 0 ; kept between calls
  sum = sum + n
  ProcedureReturn sum
EndProcedure
Counter()
