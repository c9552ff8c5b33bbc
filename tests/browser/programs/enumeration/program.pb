; Enumerations number their constants from 0
Enumeration
  #Red
  #Green
  #Blue
EndEnumeration

Procedure.s ColorName(color)
  Select color
    Case #Red
      ProcedureReturn "red"
    Case #Green
      ProcedureReturn "green"
    Case #Blue
      ProcedureReturn "blue"
  EndSelect
  ProcedureReturn "unknown"
EndProcedure

Debug #Red
Debug #Blue
For c = #Red To #Blue
  Debug ColorName(c)
Next
Debug ColorName(7)
