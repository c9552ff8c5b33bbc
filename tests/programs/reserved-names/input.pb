in = 3
new = in + 1
Procedure Show(this)
  ProcedureReturn this * 2
EndProcedure
function = Show(new)
Delete = 1
