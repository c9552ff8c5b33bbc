Structure Point
  x.i
  y.i
EndStructure
Structure Quad4
  corner.Point[4]
EndStructure
Define q.Quad4
q\corner[3]\y = 7
NewList shapes.Quad4()
AddElement(shapes())
shapes() = q
Debug shapes()\corner[3]\y
