; Conditions with And, Or, Not and Bool
a = 5
b = 10
If a < b And b < 20
  Debug "both"
EndIf
If a > b Or b = 10
  Debug "either"
EndIf
If Not (a > b)
  Debug "not greater"
EndIf
If a <> 50 And Not a > 100
  Debug "not above 100"
EndIf
Debug Bool(a < b)
Debug Bool(a > b)
flag = #True
If flag
  Debug "flag set"
EndIf
