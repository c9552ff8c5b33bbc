; every pair of operators that PureBasic groups otherwise than JavaScript
Define.l a, b, c
x = a * b % c
x = a / b % c
x = a % b * c
x = a + b << 1
x = a << 1 + 1
x = a - b >> 1
x = a >> b + c
x = a * b & c
x = a + b | c
x = a | b & c
x = a & b | c
x = a & b ! c
x = a ! b & c
x = a ! b | c
x = a << b % c
x = a ! b << c
x = a + b ! c
x = a - b - c
x = a - (b - c)
x = -a % b
If a & 1 = 0 Or a | b <> c
  x = 1
EndIf
ok = Bool(a Or b And c)
ok = Bool(a > b XOr b > c)
