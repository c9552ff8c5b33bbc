Structure Bag
  count.l
  List items.s()
  Map weights.d()
  Array slots.w(3)
EndStructure
Define b.Bag
AddElement(b\items())
b\items() = "pen"
b\weights("pen") = 0.5
b\slots(1) = 2
Debug ListSize(b\items())
