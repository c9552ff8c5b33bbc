total = 0
For
For i = 1
