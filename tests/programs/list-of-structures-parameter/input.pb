Structure Point
  x.l
EndStructure
Procedure Move(List pts.Point(), dx)
  ForEach pts()
    pts()\x = pts()\x + dx
  Next
EndProcedure
NewList p.Point()
AddElement(p())
Move(p(), 2)
