; Digit sums and digital roots with / and %
Procedure.i DigitSum(n)
  If n < 0
    n = -n
  EndIf
  While n > 0
    s + n % 10
    n / 10
  Wend
  ProcedureReturn s
EndProcedure

Procedure.i DigitalRoot(n)
  r = DigitSum(n)
  While r > 9
    r = DigitSum(r)
  Wend
  ProcedureReturn r
EndProcedure

; a C calling convention changes nothing in the page
ProcedureC Show(n)
  PrintN(RSet(Str(n), 17) + ": sum " + RSet(Str(DigitSum(n)), 3) + ", root " + Str(DigitalRoot(n)))
EndProcedure

OpenConsole()
Show(0)
Show(7)
Show(1234)
Show(99999)
Show(-4096)
Show(2147483647)
Show(1000000000000)
Show(9007199254740991)
; the digits of a number, last first
n = 907150
While n
  digits$ + Str(n % 10)
  n = n / 10
Wend
PrintN("reversed: " + digits$)
