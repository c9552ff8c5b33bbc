; A loop of the main code with next to nothing in it: 200,000,000 passes.
total = 0
For i = 1 To 200000000
  total + i % 7
Next
Delay(0)
Debug total
