; Packed BCD: two decimal digits in one byte, and an 8-bit checksum
Global sum.a, parity.a, signedSum.b

Procedure.a ToBCD(n)
  ProcedureReturn (n / 10) << 4 | n % 10
EndProcedure

Procedure.i FromBCD(bcd.a)
  ProcedureReturn (bcd >> 4) * 10 + bcd & $0F
EndProcedure

Procedure Pack(n)
  bcd.a = ToBCD(n)
  signed.b = bcd
  sum + bcd
  signedSum + bcd
  parity ! bcd
  PrintN(RSet(Str(n), 2) + " -> $" + RSet(Hex(bcd), 2, "0") + " = " + Str(bcd) + " (" + Str(signed) + " as a byte) -> " + Str(FromBCD(bcd)))
EndProcedure

OpenConsole()
Pack(7)
Pack(42)
Pack(59)
Pack(99)
check.a = -sum
PrintN("sum " + Str(sum) + ", signed " + Str(signedSum) + ", check " + Str(check) + ", xor " + Str(parity))
PrintN("sum + check = " + Str((sum + check) & $FF))
high.a = parity >> 4
low.a = parity & 15
PrintN("xor digits " + Str(high) + " and " + Str(low))
