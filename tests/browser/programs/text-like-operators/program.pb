; Texts that contain operator characters are printed as they are written
OpenConsole()
For n = 3 To 5
  f = 1
  For k = 2 To n
    f = f * k
  Next
  PrintN(Str(n) + "! = " + Str(f))
Next
PrintN("price: $ 12")
PrintN("| | |")
PrintN("a = = b, c + = d")
