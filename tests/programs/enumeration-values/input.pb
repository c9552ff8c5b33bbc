#Base = 10
Enumeration #Base Step 5
  #A
  #B = #A * 2 + 1 : #C
EndEnumeration
EnumerationBinary Flags
  #F1
  #F2
EndEnumeration
Enumeration #PB_Date_Hour
  #Early
  #Late
EndEnumeration
Enumeration Flags
  #F3
EndEnumeration
x = #C + #F3
