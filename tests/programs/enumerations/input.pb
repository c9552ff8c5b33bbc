; two blocks
Enumeration
  #First
  #Second
EndEnumeration
Enumeration
  #Red
  #Green
EndEnumeration
Enumeration Sizes ; named
  #Small
EndEnumeration
Enumeration Sizes
  #Large
EndEnumeration
#Width = 640
x = #Width + #Second
