NewList items()
While a < 10
  For i = 0 To 3
    ForEach items()
      If items() = i : Break 3 : EndIf
      If items() > 5 : Break 2 : EndIf
    Next
    Repeat
      Break 1
    ForEver
  Next
Wend
