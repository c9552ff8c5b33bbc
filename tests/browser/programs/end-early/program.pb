; End stops the program at once
OpenConsole()
For i = 1 To 10
  PrintN("Line " + Str(i))
  If i = 3
    End
  EndIf
Next
PrintN("never printed")
