Structure Stock
  name.s
  List moves.i()
EndStructure
NewMap m.Stock()
m("a")\name = "x"
AddElement(m()\moves())
m()\moves() = 5
n = ListSize(m()\moves())
