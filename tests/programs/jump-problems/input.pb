Goto Nowhere
Twice:
Twice:
Procedure P()
  Gosub Twice
  Goto Outside
EndProcedure
Outside:
Return
If x
  Inside:
EndIf
Goto Inside
For i = 1 To 3
  Break 3
Next
