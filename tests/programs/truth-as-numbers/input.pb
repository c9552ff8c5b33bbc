; comparisons, Bool(), And, Or and Not used as numbers are 1 and 0
a = 3
b = 4
n = Bool(a < b)
n = Bool(a < b) + Bool(a = b) * 2
n + Bool(b > a And a > 0)
s$ = Str(Bool(a <> b))
n = Not a
n = Bool(Not a Or b)
Debug Bool(a >= b)
If Bool(a < b)
  n = #True
EndIf
n = #False
f.d = Bool(a < b) / 2
