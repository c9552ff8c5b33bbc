; FizzBuzz in the console
OpenConsole()
For i = 1 To 15
  If i % 15 = 0
    PrintN("FizzBuzz")
  ElseIf i % 3 = 0
    PrintN("Fizz")
  ElseIf i % 5 = 0
    PrintN("Buzz")
  Else
    PrintN(Str(i))
  EndIf
Next
CloseConsole()
