; grid
Dim grid(10, 20)
Dim items.s(5)
For i = 0 To 10
  For j = 0 To 19
    grid(i, j + 1) = 0
  Next
Next
items(f(k)) = "x"
Debug grid(1, 2) + ArraySize(items())
