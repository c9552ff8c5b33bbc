; Orders that hold their own lines, tags, weekly counts and codes
Structure Line
  item.s
  qty.i
  cents.i
EndStructure

Structure Order
  customer.s
  List lines.Line()
  Map tags.i()
  Array weekly.i(3)
  codes.l[3]
EndStructure

Procedure AddLine(List lines.Line(), item$, qty, cents)
  LastElement(lines())
  AddElement(lines())
  lines()\item = item$
  lines()\qty = qty
  lines()\cents = cents
EndProcedure

OpenConsole()
NewList orders.Order()

AddElement(orders())
orders()\customer = "Ada"
AddLine(orders()\lines(), "pen", 3, 120)
AddLine(orders()\lines(), "pad", 1, 450)
orders()\tags("urgent") = 1
orders()\weekly(2) = 7
orders()\codes[0] = 11
orders()\codes[2] = 13

AddElement(orders())
orders()\customer = "Bo"
AddLine(orders()\lines(), "ink", 2, 800)
orders()\tags("gift") = 1
orders()\tags("urgent") = 0
orders()\weekly(0) = 1
orders()\weekly(3) + 4

AddElement(orders())
orders()\customer = "Cy"

ForEach orders()
  total = 0
  items = 0
  ForEach orders()\lines()
    total + orders()\lines()\qty * orders()\lines()\cents
    items + orders()\lines()\qty
  Next
  PrintN(orders()\customer + ": " + Str(ListSize(orders()\lines())) + " lines, " + Str(items) + " items, " + StrD(total / 100.0, 2))
Next

ForEach orders()
  If FindMapElement(orders()\tags(), "urgent")
    PrintN("urgent: " + orders()\customer + " (" + Str(orders()\tags()) + " of " + Str(MapSize(orders()\tags())) + " tags)")
  EndIf
Next

weeks$ = ""
For w = 0 To ArraySize(orders()\weekly())
  sum = 0
  ForEach orders()
    sum + orders()\weekly(w)
  Next
  weeks$ + " " + Str(sum)
Next
PrintN("weekly:" + weeks$)

; a copy of an order keeps its own lines
FirstElement(orders())
Define keep.Order
keep = orders()
orders()\customer = "Ada L."
FirstElement(orders()\lines())
orders()\lines()\qty = 10
AddLine(orders()\lines(), "clip", 5, 2)
orders()\tags("urgent") = 2
orders()\weekly(2) = 0
orders()\codes[0] = 99
FirstElement(keep\lines())
PrintN("kept: " + keep\customer + ", " + Str(ListSize(keep\lines())) + " lines, first " + keep\lines()\item + " x" + Str(keep\lines()\qty))
PrintN("kept urgent " + Str(keep\tags("urgent")) + ", week 2 " + Str(keep\weekly(2)) + ", code " + Str(keep\codes[0]))
FirstElement(orders()\lines())
PrintN("now: " + orders()\customer + ", " + Str(ListSize(orders()\lines())) + " lines, first x" + Str(orders()\lines()\qty))

Debug orders()\codes[0] + orders()\codes[1] + orders()\codes[2]
Debug SizeOf(Line)
Debug OffsetOf(Line\cents)
LastElement(orders())
Debug ListSize(orders()\lines())
Debug MapSize(orders()\tags())
Debug ArraySize(orders()\weekly())
