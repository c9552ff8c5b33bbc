; Averages and percentages: integer or floating point, as the operands and
; the variable that takes the result decide
OpenConsole()
total = 0
count = 0
For score = 55 To 100 Step 15
  total + score
  count + 1
Next
average = total / count
exact.d = total / count
PrintN("scores " + Str(count) + ", total " + Str(total))
PrintN("integer average " + Str(average) + ", exact " + StrD(exact, 3))
c1 = 9
c2 = 7
PrintN("percent " + Str(100 * c2 / c1) + ", exact " + StrD(100 * c2 / c1 * 1.0, 4))
share.f = c2 / c1
PrintN("share " + StrF(share, 4))
half = 7 / 2
halfD.d = 7 / 2
mixed = 7 / 2 * 2.0
PrintN("7 / 2: " + Str(half) + ", " + StrD(halfD, 1) + ", 7 / 2 * 2.0 = " + Str(mixed))
a = 3
If a / 2 = 1.5
  PrintN("3 / 2 compared with 1.5 is 1.5")
EndIf
b = 3
If b / 2 = 1
  PrintN("3 / 2 between integers is 1")
EndIf
ratio.d = 2
If a / ratio > 1.4
  PrintN("3 / 2.0 is above 1.4")
EndIf
Debug 7 / 2
Debug 7 / 2.0
Debug average * 1.5
Debug Sqr(total) / count
