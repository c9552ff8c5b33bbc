; A Goto loop reads names until the end mark; Restore picks the list
Define name$ = "", count = 0
Restore Fruits
ReadOne:
Read.s name$
If name$ <> "end"
  count + 1
  Debug Str(count) + ". " + name$
  Goto ReadOne
EndIf
Restore Vegetables
Read.s name$
Debug "first vegetable: " + name$
Restore Fruits
Read.s name$
Debug "first fruit again: " + name$

DataSection
  Fruits:
  Data.s "apple", "pear", "plum", "end"
  Vegetables:
  Data.s "leek", "end"
EndDataSection
