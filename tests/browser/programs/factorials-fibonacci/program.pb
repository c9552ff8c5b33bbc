; Factorials and Fibonacci numbers up to the top of a quad
OpenConsole()
f.q = 1
For n = 1 To 20
  f * n
  If n >= 15
    PrintN("factorial of " + RSet(Str(n), 2) + ": " + Str(f))
  EndIf
Next
f * 21
PrintN("factorial of 21 wraps to " + Str(f))

a.q = 0
b.q = 1
For n = 2 To 92
  c.q = a + b
  a = b
  b = c
  If n % 10 = 0 Or n > 90
    PrintN("F(" + Str(n) + ") = " + Str(b))
  EndIf
Next
PrintN("F(92) in hex: " + Hex(b))
c = a + b
PrintN("F(93) wraps to " + Str(c))
If b > a And c < 0
  PrintN("the quad overflowed")
EndIf
ratio.d = b / a
PrintN("F(92) / F(91) = " + StrD(ratio, 12))
half.q = b / 2
PrintN("half of F(92): " + Str(half) + ", remainder " + Str(b % 2))
