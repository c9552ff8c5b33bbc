; Shortcut statements on a list's current element and on its fields
Structure Point
  x.i
  y.i
EndStructure

OpenConsole()
NewList v()
For i = 1 To 10
  AddElement(v())
  v() = 100
Next
FirstElement(v()) : v() + 7
NextElement(v())  : v() - 7
NextElement(v())  : v() * 3
NextElement(v())  : v() / 7
NextElement(v())  : v() % 7
NextElement(v())  : v() & 36
NextElement(v())  : v() | 3
NextElement(v())  : v() ! 255
NextElement(v())  : v() << 4
NextElement(v())  : v() >> 3
ForEach v()
  line$ + Str(v()) + " "
Next
PrintN(RTrim(line$))

NewList pts.Point()
For i = 1 To 3
  AddElement(pts())
  pts()\x = i
  pts()\y = i * i
Next
dx = 10
ForEach pts()
  pts()\x + dx
  pts()\y * 2 + 1
  pts()\x << 1
  PrintN("(" + Str(pts()\x) + ", " + Str(pts()\y) + ")")
Next
