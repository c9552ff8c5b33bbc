Procedure Show(List names.s(), title$)
  Debug title$
  ForEach names()
    Debug names()
  Next
EndProcedure
Procedure PutR(v.i)
  Debug v
EndProcedure
NewList ne.s()
AddElement(ne())
ne() = "Ann"
Show(ne(), "all")
PutR(ne())
