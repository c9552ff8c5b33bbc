; Statics of the same name in several procedures, and a main-code one
Procedure.i NextId()
  Static id = 100
  id + 1
  ProcedureReturn id
EndProcedure

Procedure.i NextTicket()
  Static id
  id + 10
  ProcedureReturn id
EndProcedure

Procedure.i Restarted()
  Static id
  id = 5
  id + 1
  ProcedureReturn id
EndProcedure

Procedure.s Label()
  Static text$ = "L"
  text$ + "+"
  ProcedureReturn text$
EndProcedure

Procedure.d Halves()
  Static value.d = 1
  value / 2
  ProcedureReturn value
EndProcedure

id = -1
Debug NextId()
Debug NextId()
Debug NextTicket()
Debug NextTicket()
Debug Restarted()
Debug Restarted()
Debug Label()
Debug Label()
Debug Halves()
Debug Halves()
Debug Halves()
Debug id
