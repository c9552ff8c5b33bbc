; A loop of the main code with next to nothing in it: 50,000,000 passes.
total = 0
For i = 1 To 50000000
  total + i % 7
Next
Delay(0)
Debug total
