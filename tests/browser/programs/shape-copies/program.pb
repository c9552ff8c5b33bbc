; Shapes copied by assignment: each copy is a shape of its own
Structure Point
  x.i
  y.i
EndStructure

Structure Shape
  name.s
  origin.Point
  corner.Point[4]
  Array tags.s(1)
EndStructure

Procedure.s Describe(*s.Shape)
  text$ = *s\name + " at (" + Str(*s\origin\x) + "," + Str(*s\origin\y) + ")"
  For i = 0 To 3
    text$ + " " + Str(*s\corner[i]\x) + "/" + Str(*s\corner[i]\y)
  Next
  text$ + " [" + *s\tags(0) + "," + *s\tags(1) + "]"
  ProcedureReturn text$
EndProcedure

OpenConsole()
Define box.Shape
box\name = "box"
box\origin\x = 10
box\origin\y = 20
For i = 0 To 3
  box\corner[i]\x = (i & 1) * 5
  box\corner[i]\y = (i >> 1) * 3
Next
box\tags(0) = "red"
box\tags(1) = "solid"

Define copy.Shape
copy = box
copy\name = "copy"
copy\origin\x + 1
copy\corner[3]\y = 99
copy\tags(1) = "dashed"
PrintN(Describe(@box))
PrintN(Describe(@copy))

Dim shapes.Shape(2)
shapes(0) = box
shapes(1) = shapes(0)
shapes(1)\name = "second"
shapes(1)\corner[0]\x = -1
shapes(1)\tags(0) = "blue"
shapes(2)\name = "empty"
For i = 0 To 2
  PrintN(Str(i) + ": " + Describe(@shapes(i)))
Next

NewList drawn.Shape()
AddElement(drawn())
drawn() = shapes(1)
drawn()\origin\y = 0
NewMap named.Shape()
named("keep") = drawn()
named("keep")\tags(1) = "dotted"
PrintN(Describe(@drawn()))
PrintN(Describe(@named("keep")))
PrintN(Describe(@shapes(1)))

Define p.Point
p = box\corner[3]
p\x * 10
Debug Str(p\x) + " " + Str(box\corner[3]\x)
Debug SizeOf(Point)
Debug SizeOf(Point) * 5 + 8
