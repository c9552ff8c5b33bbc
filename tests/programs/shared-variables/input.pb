total = 0
NewList items()
Procedure Add(n)
  Shared total, items()
  total + n
EndProcedure
Add(5)
