; Stock of a warehouse kept in a map of records, each with its shelves
Structure Stock
  name.s
  shelf.i[3]
  List moves.i()
EndStructure

Procedure.i OnHand(*s.Stock)
  ProcedureReturn *s\shelf[0] + *s\shelf[1] + *s\shelf[2]
EndProcedure

Procedure Report(title$, Map st.Stock())
  NewList codes.s()
  ForEach st()
    AddElement(codes())
    codes() = MapKey(st())
  Next
  SortList(codes(), #PB_Sort_Ascending)
  PrintN(title$)
  ForEach codes()
    FindMapElement(st(), codes())
    PrintN("  " + codes() + " " + LSet(st()\name, 8) + RSet(Str(OnHand(st())), 4) + "  moves " + Str(ListSize(st()\moves())))
  Next
EndProcedure

Procedure Move(Map st.Stock(), code$, shelf, amount)
  If FindMapElement(st(), code$) = 0
    PrintN("unknown item " + code$)
    ProcedureReturn
  EndIf
  st()\shelf[shelf] + amount
  AddElement(st()\moves())
  st()\moves() = amount
EndProcedure

OpenConsole()
NewMap stock.Stock()
Restore Items
Read.i count
For i = 1 To count
  Read.s code$
  stock(code$)\name = ""
  Read.s stock()\name
  For s = 0 To 2
    Read.i stock()\shelf[s]
  Next
Next
Report("start", stock())

NewMap yesterday.Stock()
CopyMap(stock(), yesterday())
Move(stock(), "B20", 1, -5)
Move(stock(), "A10", 2, 12)
Move(stock(), "A10", 0, -3)
Move(stock(), "Z99", 0, 1)
Move(stock(), "C30", 0, -4)
Report("today", stock())
Report("yesterday", yesterday())

; items with nothing left are taken off the list
ForEach stock()
  If OnHand(stock()) = 0
    PrintN("sold out: " + stock()\name)
    DeleteMapElement(stock())
  EndIf
Next
PrintN("items left: " + Str(MapSize(stock())) + " of " + Str(MapSize(yesterday())))

If FindMapElement(stock(), "A10")
  total = 0
  ForEach stock()\moves()
    total + stock()\moves()
  Next
  Debug MapKey(stock()) + " moved " + Str(total)
EndIf
Debug yesterday("C30")\shelf[0]
Debug ListSize(yesterday("A10")\moves())

DataSection
  Items:
  Data.i 3
  Data.s "A10", "bolts"
  Data.i 40, 0, 8
  Data.s "B20", "nuts"
  Data.i 5, 20, 0
  Data.s "C30", "washers"
  Data.i 4, 0, 0
EndDataSection
