; A float stored into an integer is rounded to the nearest, halves to even;
; Int() cuts the fraction off
Structure Box
  size.i
EndStructure

Procedure.i Half(x.d)
  ProcedureReturn x / 2
EndProcedure

Procedure Show(x.d)
  i = x
  PrintN(RSet(StrD(x, 4), 13) + " -> " + RSet(Str(i), 7) + "   Int " + Str(Int(x)))
EndProcedure

OpenConsole()
Show(2.5)
Show(3.5)
Show(-2.5)
Show(-3.5)
Show(0.5)
Show(1.5)
Show(-0.5)
Show(2.4999)
Show(2.5001)
Show(-2.5001)
Show(0.4999999)
Show(1234567.5)
Show(1234568.5)
i = 7 / 2 * 2.0
j = 10 / 4.0
k = 14 / 4.0
f.d = 7 / 2
PrintN("i " + Str(i) + ", j " + Str(j) + ", k " + Str(k) + ", f " + StrD(f, 1))
b.b = 127.6
u.a = 255.5
PrintN("b " + Str(b) + ", u " + Str(u))
Dim sizes(2)
sizes(0) = 4.5
sizes(1) = 5.5
sizes(2) = Half(5)
Define box.Box
box\size = -6.5
PrintN("sizes " + Str(sizes(0)) + " " + Str(sizes(1)) + " " + Str(sizes(2)) + ", box " + Str(box\size))
PrintN("halves " + Str(Half(1)) + " " + Str(Half(3)) + " " + Str(Half(-3)) + " " + Str(Half(7)))
