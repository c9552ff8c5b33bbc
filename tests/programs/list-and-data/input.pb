; a list of numbers as text
NewList parts.s()
For i = 1 To 3
  AddElement(parts())
  parts() = Str(i) + ","
Next
line$ = ""
ForEach parts()
  line$ = line$ + parts()
Next
DataSection
Masks:
Data.i 10, 6
EndDataSection
Restore Masks
Read mask
Read.i other
x = mask & %1010
If x & other
  Debug line$
EndIf
