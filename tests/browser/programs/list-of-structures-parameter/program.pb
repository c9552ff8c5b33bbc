; A list of structures moved by a procedure, then printed by another
Structure Point
  x.l
  y.l
EndStructure
Procedure Move(List pts.Point(), dx)
  ForEach pts()
    pts()\x = pts()\x + dx
  Next
EndProcedure
Procedure PrintAll(List pts.Point())
  ForEach pts()
    Debug Str(pts()\x) + "," + Str(pts()\y)
  Next
EndProcedure
NewList p.Point()
For i = 1 To 2
  AddElement(p())
  p()\x = i
  p()\y = i * 2
Next
Move(p(), 5)
PrintAll(p())
