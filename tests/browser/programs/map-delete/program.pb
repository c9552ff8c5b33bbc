; Removing entries from a map
NewMap stock()
stock("apples") = 12
stock("pears") = 0
stock("plums") = 7
stock("cherries") = 0
ForEach stock()
  If stock() = 0
    DeleteMapElement(stock())
  EndIf
Next
ForEach stock()
  Debug MapKey(stock()) + ": " + Str(stock())
Next
DeleteMapElement(stock(), "apples")
Debug MapSize(stock())
ClearMap(stock())
Debug MapSize(stock())
