; A multiplication table in a two-dimensional array
Dim table(4, 4)
For row = 1 To 4
  For col = 1 To 4
    table(row, col) = row * col
  Next
Next
For row = 1 To 4
  line$ = ""
  For col = 1 To 4
    line$ + RSet(Str(table(row, col)), 3)
  Next
  Debug line$
Next
