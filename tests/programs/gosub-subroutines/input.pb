Gosub Init
Gosub Twice
Gosub Double
Gosub Countdown
End
Init:
  count = 1
Return
Twice:
  If count > 5 : Return : EndIf
  count = count * 2
Double:
  count + count
Return
Countdown:
  count - 1
  If count > 0 : Goto Countdown : EndIf
Return
