For n.i = 1 To 50
  total + n
Next n
For k.l = 10 To 0 Step -5 : Next
