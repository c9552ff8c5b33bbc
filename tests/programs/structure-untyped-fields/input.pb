Structure Pair
first
second ; no type either
third.s
EndStructure
Define p.Pair
p\first = 1
