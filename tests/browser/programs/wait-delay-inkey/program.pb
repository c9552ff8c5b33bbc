; The classic ending of a console program: wait for a key, resting
OpenConsole()
PrintN("Squares:")
For i = 1 To 3
  PrintN(Str(i) + " x " + Str(i) + " = " + Str(i * i))
Next
Print("Press a key to close")
Repeat : Delay(10) : Until Inkey() <> ""
