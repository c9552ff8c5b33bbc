; A new record's fields start at 0 and ""
Structure Stats
  name.s
  count.i
  sum.d
  tag$
EndStructure

Define s.Stats
s\name + "scores"
For i = 1 To 4
  s\count + 1
  s\sum + i * 0.5
Next
Debug s\name + ": " + Str(s\count) + " values, sum " + StrD(s\sum, 1)
Debug "[" + s\tag$ + "]"
NewList all.Stats()
AddElement(all())
Debug Str(all()\count) + " " + StrD(all()\sum, 1) + " [" + all()\name + "]"
