Structure Point
x.l
y.l
EndStructure
NewList points.Point()
AddElement(points())
points()\x = 5
NewList items.s()
AddElement(items())
items() = 7
x = items()
n = ListSize(items())
n = listsize(items())
FirstElement(items())
SelectElement(items(), 3)
RandomizeList(items())
ClearList(items())
y = Items()
