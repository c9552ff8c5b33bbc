Goto Main
Procedure Shout(text$)
  Debug text$ + "!"
EndProcedure
Structure Point
  x.i
EndStructure
#Limit = 2
Back:
Shout("back")
Main:
n + 1
If n < #Limit
  Goto Back
EndIf
