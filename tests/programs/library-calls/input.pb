x = Chr(65)
y = chr(65)
Chr = 3
Procedure Grow(n = #PB_Any)
ProcedureReturn n
EndProcedure
EnableExplicit
DisableExplicit
End
