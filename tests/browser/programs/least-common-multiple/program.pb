; The least common multiple of 1..n, as integers and as quads
Procedure.i Gcd(a, b)
  While b <> 0
    t = a % b
    a = b
    b = t
  Wend
  ProcedureReturn a
EndProcedure

Procedure.q GcdQ(a.q, b.q)
  While b <> 0
    t.q = a % b
    a = b
    b = t
  Wend
  ProcedureReturn a
EndProcedure

OpenConsole()
lcm = 1
For n = 1 To 40
  lcm = lcm / Gcd(lcm, n) * n
  If n % 10 = 0
    PrintN("lcm(1.." + Str(n) + ") = " + Str(lcm))
  EndIf
Next
big.q = 1
For n = 1 To 42
  big = big / GcdQ(big, n) * n
Next
PrintN("lcm(1..42) = " + Str(big))
PrintN("gcd(1071, 462) = " + Str(Gcd(1071, 462)))
PrintN("gcd of two quads = " + Str(GcdQ(9000000000000000000, 6000000000000000006)))
