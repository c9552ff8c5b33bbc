; A price list (in cents) copied before a sale, so the old prices stay at hand
Procedure ShowSorted(title$, Map m.i())
  NewList keys.s()
  ForEach m()
    AddElement(keys())
    keys() = MapKey(m())
  Next
  SortList(keys(), #PB_Sort_Ascending)
  PrintN(title$ + " (" + Str(MapSize(m())) + "):")
  ForEach keys()
    PrintN("  " + LSet(keys(), 7) + RSet(Str(m(keys())), 4))
  Next
EndProcedure

OpenConsole()
NewMap price.i()
price("apple") = 50
price("bread") = 225
price("cheese") = 480
price("milk") = 110

NewMap before.i()
before("stale") = 999
CopyMap(price(), before())
PrintN("stale kept: " + Str(FindMapElement(before(), "stale")))

ForEach price()
  price() - price() / 5
Next
DeleteMapElement(price(), "milk")
PrintN("current after delete: '" + MapKey(price()) + "'")
price("tea") = 300
AddMapElement(price(), "juice")
price() = 150
If price("water") = 0
  PrintN("no price for water yet")
EndIf
ShowSorted("sale", price())
ShowSorted("before", before())

NewList names.s()
ForEach before()
  AddElement(names())
  names() = MapKey(before())
Next
SortList(names(), #PB_Sort_Ascending)
ForEach names()
  If FindMapElement(price(), names())
    PrintN(names() + ": " + Str(before(names())) + " -> " + Str(price()))
  Else
    PrintN(names() + ": " + Str(before(names())) + " -> withdrawn")
  EndIf
Next

DeleteMapElement(price(), "water")
FindMapElement(price(), "bread")
PushMapPosition(price())
sum = 0
ForEach price()
  sum + price()
Next
PopMapPosition(price())
Debug "total " + Str(sum) + " with " + MapKey(price()) + " at " + Str(price())

ResetMap(before())
n = 0
While NextMapElement(before())
  n + 1
Wend
Debug n
ClearMap(before())
Debug MapSize(before())
Debug FindMapElement(before(), "apple")
Debug MapKey(before())
