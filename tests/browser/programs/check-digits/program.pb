; Check digits: Luhn for card numbers, ISBN-10, and an 8-bit checksum
Procedure.i LuhnValid(number$)
  sum = 0
  double = 0
  For i = Len(number$) To 1 Step -1
    digit = Val(Mid(number$, i, 1))
    If double
      digit * 2
      If digit > 9
        digit - 9
      EndIf
    EndIf
    sum + digit
    double = 1 - double
  Next
  ProcedureReturn Bool(sum % 10 = 0)
EndProcedure

Procedure.s IsbnCheck(first9$)
  For i = 1 To 9
    total + (11 - i) * Val(Mid(first9$, i, 1))
  Next
  check = (11 - total % 11) % 11
  If check = 10
    ProcedureReturn "X"
  EndIf
  ProcedureReturn Str(check)
EndProcedure

Procedure.a Checksum(text$)
  sum.a = 0
  For i = 1 To Len(text$)
    sum + Asc(Mid(text$, i, 1))
  Next
  ProcedureReturn -sum
EndProcedure

OpenConsole()
PrintN("79927398713: " + Str(LuhnValid("79927398713")))
PrintN("79927398710: " + Str(LuhnValid("79927398710")))
PrintN("4539578763621486: " + Str(LuhnValid("4539578763621486")))
PrintN("ISBN 030640615-" + IsbnCheck("030640615"))
PrintN("ISBN 080442957-" + IsbnCheck("080442957"))
c.a = Checksum("Hello")
PrintN("Hello: checksum " + Str(c) + ", $" + Hex(c))
sum.a = c
For i = 1 To 5
  sum + Asc(Mid("Hello", i, 1))
Next
PrintN("with the checksum the bytes add up to " + Str(sum))
x.a = 0
For i = 1 To 5
  x ! Asc(Mid("Hello", i, 1))
Next
PrintN("xor of Hello: " + Str(x) + " = %" + RSet(Bin(x), 8, "0"))
