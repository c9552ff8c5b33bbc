Gosub Setup
Debug total + Len(title$)
End
Setup:
  Define total = 10, title$ = "menu"
  Dim scores(3)
Return
