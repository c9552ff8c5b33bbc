Structure Point
x.l
y.l
EndStructure
Structure Line
a.Point
b.Point
EndStructure
Structure Box
near.Point
far.Corner
odd.point
EndStructure
Structure Corner
z.l
EndStructure
Structure Empty
EndStructure
Define p.Point
p\x = 5
