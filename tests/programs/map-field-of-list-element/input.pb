Structure Order
  name.s
  Map tags.i()
EndStructure
NewList orders.Order()
AddElement(orders())
orders()\tags("urgent") = 1
Debug MapSize(orders()\tags())
Debug MapKey(orders()\tags())
