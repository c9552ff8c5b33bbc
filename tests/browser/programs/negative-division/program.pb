; Dividing negative integers: / truncates toward zero, % keeps the sign of
; the left operand
Procedure Split(minutes)
  h = minutes / 60
  m = minutes % 60
  ; the floor division a user writes by hand
  fh = h
  fm = m
  If fm < 0
    fm + 60
    fh - 1
  EndIf
  PrintN(RSet(Str(minutes), 5) + " min = " + RSet(Str(h), 2) + " h " + RSet(Str(m), 3) + " min, check " + Str(h * 60 + m) + ", floor " + Str(fh) + " h " + Str(fm) + " min")
EndProcedure

OpenConsole()
Split(-135)
Split(-60)
Split(-1)
Split(0)
Split(59)
Split(135)
PrintN("-7 / 2 = " + Str(-7 / 2) + ", -7 % 2 = " + Str(-7 % 2))
a = 7
b = -2
PrintN("7 / -2 = " + Str(a / b) + ", 7 % -2 = " + Str(a % b))
PrintN("-7 / -2 = " + Str(-a / b) + ", -7 % -2 = " + Str(-a % b))
low = -9
high = 4
middle = (low + high) / 2
PrintN("middle of -9 and 4: " + Str(middle))
q.q = -9000000000000000000
PrintN("quad: " + Str(q / 7) + " rest " + Str(q % 7))
w.w = -32768
w / 3
PrintN("word: " + Str(w))
