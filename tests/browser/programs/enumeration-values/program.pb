; Constants worked out from others, and enumerations with values of their own
#Base = 10
#Double = #Base * 2 + 1 : #Triple = #Base * 3
Enumeration 100 Step 10
  #First
  #Second
  #Third = 500
  #Fourth
EndEnumeration
EnumerationBinary
  #FlagA
  #FlagB
  #FlagC
EndEnumeration
Enumeration Colors
  #Red : #Green
EndEnumeration
Enumeration Colors
  #Blue
EndEnumeration
Enumeration #Double
  #Next = #Triple + 1
  #AfterNext
EndEnumeration
Debug #Double
Debug #Triple
Debug #First
Debug #Second
Debug #Third
Debug #Fourth
Debug #FlagA | #FlagC
Debug #Blue
Debug #AfterNext
