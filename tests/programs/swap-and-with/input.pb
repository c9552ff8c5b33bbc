Structure Point
  x.i
  y.i
EndStructure
Define p.Point
Dim a(2)
NewList l()
Swap x, y
Swap a(1), a(i + 1)
Swap p\x, p\y
Swap l(), b
With p
  \x = \y + 1
  \x + 2
  Swap \x, \y
  Debug \x * q\x
EndWith
