; shortcut statements on every kind of target
Structure Point
  x.i
  y.i
EndStructure
Define.l small
Define p.Point
NewList items()
NewList pts.Point()
NewMap counts()
Dim a(3)
t.s + "x"
total + 2
total - 1
total / 2
total | 4
total ! 1
total << 2
total >> 1
small + 1
small | 8
a(1) + 1
a(i) - a(i + 1)
items() + 1
items() << 1
counts("k") + 1
counts() - 2
p\x + 1
p\y / 3
pts()\x + dx
