; Shortcut statements on array elements
OpenConsole()
Dim a(5)
For i = 0 To 5
  a(i) = i + 1
Next
For i = 0 To 5
  a(i) * 10
Next
a(0) + 5
a(1) - 5
a(2) / 7
a(3) % 7
a(4) & 12
a(5) | 3
For i = 0 To 5
  row$ + Str(a(i)) + " "
Next
PrintN(RTrim(row$))
a(0) ! 1
a(1) << 2
a(2) >> 1
j = 3
a(j) + a(j + 1) * 2
a(j + 1) - a(j - 1) << 2
row$ = ""
For i = 0 To 5
  row$ + Str(a(i)) + " "
Next
PrintN(RTrim(row$))
; a running total kept in the last element
Dim runs(4)
For i = 0 To 4
  runs(i) = i * i
Next
For i = 1 To 4
  runs(i) + runs(i - 1)
Next
PrintN(Str(runs(4)))
