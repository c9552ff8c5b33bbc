; Bubble sort on an array
Dim a(7)
For i = 0 To 7
  Read.i value
  a(i) = value
Next
For i = 0 To 6
  For j = 0 To 6 - i
    If a(j) > a(j + 1)
      temp = a(j)
      a(j) = a(j + 1)
      a(j + 1) = temp
    EndIf
  Next
Next
line$ = ""
For i = 0 To 7
  line$ + Str(a(i)) + " "
Next
Debug Trim(line$)

DataSection
  Data.i 64, 25, 12, 22, 11, 90, 3, 47
EndDataSection
