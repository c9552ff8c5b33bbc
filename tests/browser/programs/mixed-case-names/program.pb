; Names written in several letter cases are one name
#MaxItems = 4
Structure Item
  Name$
  Price.i
EndStructure

Procedure.i DoubleIt(value)
  ProcedureReturn VALUE * 2
EndProcedure

OpenConsole()
Total = 0
For i = 1 To #MAXITEMS
  total + doubleit(I)
Next
printn("Total: " + str(TOTAL))
Define apple.Item
apple\name$ = "Apple"
APPLE\PRICE = 3
Apple\Price * 4
PrintN(LSet(Apple\Name$, 8, ".") + rset(Str(apple\price), 3))
If total > 10 and TOTAL < 30
  PrintN("between 10 and 30")
EndIf
counter = 0
While COUNTER < 3
  Counter + 1
Wend
PrintN("Counter: " + Str(counter))
debug UCase(apple\name$)
