; A Static variable keeps its value between calls
Procedure.i NextTicket()
  Static ticket
  ticket + 1
  ProcedureReturn ticket
EndProcedure

For i = 1 To 3
  Debug "Ticket " + Str(NextTicket())
Next
