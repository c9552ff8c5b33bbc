; Counting with For: upwards, downwards with Step, and nested
OpenConsole()
For i = 1 To 5
  Print(Str(i) + " ")
Next i
PrintN("")
For i = 10 To 0 Step -5
  PrintN("down " + Str(i))
Next
For row = 1 To 3
  line$ = ""
  For col = 1 To row
    line$ + "*"
  Next
  PrintN(line$)
Next
total = 0
For k = 2 To 10 Step 2
  total + k
Next
PrintN("Sum of even numbers: " + Str(total))
