; PureBasic's operator precedence: shifts, % and ! bind more tightly than
; & and |, which bind more tightly than * and /
OpenConsole()
a = 12
b = 5
c = 3
d = 4
PrintN("a * b % c  = " + Str(a * b % c))
PrintN("a / b % c  = " + Str(a / b % c))
PrintN("a % b * c  = " + Str(a % b * c))
PrintN("a + b << 1 = " + Str(a + b << 1))
PrintN("a << 1 + 1 = " + Str(a << 1 + 1))
PrintN("a - b >> 1 = " + Str(a - b >> 1))
PrintN("a >> b + c = " + Str(a >> b + c))
PrintN("a * b & c  = " + Str(a * b & c))
PrintN("a + b | d  = " + Str(a + b | d))
PrintN("a | b & c  = " + Str(a | b & c))
PrintN("a & b ! c  = " + Str(a & b ! c))
PrintN("a ! b & c  = " + Str(a ! b & c))
PrintN("a << b % c = " + Str(a << b % c))
PrintN("a ! b << c = " + Str(a ! b << c))
PrintN("a + b ! d  = " + Str(a + b ! d))
PrintN("a / b * c  = " + Str(a / b * c))
PrintN("-a % b     = " + Str(-a % b))
PrintN("~a & 255   = " + Str(~a & 255))
If a & 1 = 0
  PrintN("a is even")
EndIf
If a & 4 = 4
  PrintN("bit 2 of a is set")
EndIf
If a > 10 Or b > 10 And c > 10
  PrintN("wrong: And before Or")
Else
  PrintN("And and Or from left to right")
EndIf
If Not a = b
  PrintN("Not a = b is Not (a = b)")
EndIf
If a > 10 XOr b > 10
  PrintN("exactly one is above 10")
EndIf
x = a * b % c + a << 1
y = (a * b) % c
z = a - b - c
PrintN("x " + Str(x) + ", y " + Str(y) + ", z " + Str(z))
