; a name is one name whatever its letter case; the first spelling is kept
#Limit = 10
Structure Item
  Price.i
EndStructure
Procedure.i AddTax(Value)
  ProcedureReturn value * 2
EndProcedure
Define box.Item
Box\price = addtax(#LIMIT)
COUNT = 1
count + BOX\PRICE
name$ = "a"
name = 2
NAME$ + lset(str(NAME), 3)
if Count > 1 : count = 0 : endif
FOR k = 1 TO #limit
  COUNT + K
NEXT
