; A structure variable and a procedure that takes one
Structure Rectangle
  x.i
  y.i
  width.i
  height.i
EndStructure

Procedure.i RectArea(*r.Rectangle)
  ProcedureReturn *r\width * *r\height
EndProcedure

Define box.Rectangle
box\x = 10
box\y = 20
box\width = 30
box\height = 40
Debug "Box at " + Str(box\x) + "," + Str(box\y)
Debug "Area: " + Str(RectArea(@box))
box\width = box\width * 2
Debug "Wider: " + Str(box\width)
