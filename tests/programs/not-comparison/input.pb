If Not a > b
  Debug 1
EndIf
While Not a = 3 And b
  a + 1
Wend
Repeat
Until Not f(a, b >= 1)
x = Not flag
