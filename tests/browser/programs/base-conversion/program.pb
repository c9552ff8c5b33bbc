; Converting numbers to other bases and back with / and %
Procedure.s ToBase(n, base)
  digits$ = "0123456789ABCDEF"
  If n = 0
    ProcedureReturn "0"
  EndIf
  While n > 0
    r$ = Mid(digits$, n % base + 1, 1) + r$
    n / base
  Wend
  ProcedureReturn r$
EndProcedure

Procedure.i FromBase(text$, base)
  For i = 1 To Len(text$)
    value * base
    value + FindString("0123456789ABCDEF", Mid(text$, i, 1)) - 1
  Next
  ProcedureReturn value
EndProcedure

OpenConsole()
For k = 1 To 5
  Read n
  bin$ = ToBase(n, 2)
  oct$ = ToBase(n, 8)
  hex$ = ToBase(n, 16)
  same = Bool(bin$ = Bin(n) And hex$ = Hex(n))
  back = FromBase(oct$, 8) + FromBase(hex$, 16) - FromBase(bin$, 2)
  PrintN(Str(n) + ": " + bin$ + " " + oct$ + " " + hex$ + " " + Str(same) + " " + Str(back))
Next
PrintN("base 3 of 100: " + ToBase(100, 3))
PrintN("2^40 in hex: " + ToBase(1099511627776, 16))

DataSection
  Data.i 0, 10, 255, 1000, 65535
EndDataSection
