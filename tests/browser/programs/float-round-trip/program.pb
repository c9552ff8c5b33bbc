; Single-precision floats: what a .f keeps of a value, and what comes back
Procedure.d Twice(x.f)
  ProcedureReturn x * 2
EndProcedure

f.f = 0.1
d.d = f
back.f = d
Debug f
Debug d
Debug back
Debug Twice(0.1)
exact.d = 0.1
Debug exact
big.f = 16777217
Debug big
third.f = 1 / 3
Debug third
tenth.f = 0.1
For i = 1 To 10
  sumF.f + tenth
  sumD.d + exact
Next
Debug sumF
Debug sumD
Debug Bool(sumF = 1)
Debug StrF(sumF, 7)
i = f * 30
Debug i
price.f = 19.99
cents = price * 100
Debug cents
Debug f * 3
