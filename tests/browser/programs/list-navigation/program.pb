; Moving through a list
NewList names.s()
AddElement(names()) : names() = "first"
AddElement(names()) : names() = "second"
AddElement(names()) : names() = "third"
AddElement(names()) : names() = "fourth"
FirstElement(names())
Debug names()
NextElement(names())
Debug names() + " at " + Str(ListIndex(names()))
LastElement(names())
Debug names()
PreviousElement(names())
Debug names()
SelectElement(names(), 0)
Debug names()
SelectElement(names(), 2)
Debug names() + " at " + Str(ListIndex(names()))
If NextElement(names())
  Debug "moved to " + names()
EndIf
If NextElement(names()) = 0
  Debug "no element after " + names()
EndIf
