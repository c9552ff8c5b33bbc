; a point
Structure Point
  x.l
  y.l
EndStructure
Define.Point p
p\x = 1
