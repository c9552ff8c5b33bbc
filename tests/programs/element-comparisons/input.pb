NewList items()
NewMap scores()
AddElement(items())
items() = 0
While items() = 0
  items() = 1
Wend
If scores("k") = 1 : n = 1 : EndIf
If scores() <> 2 Or scores(k + 1) = 3
EndIf
ok = Bool(items() = 1)
