; checksum of a few bytes
EnableExplicit
Global total.i, last.i
DataSection
Bytes: ; the input
Data.a 3, 5, 6 ; three bytes
EndDataSection
Procedure AddByte(b.i)
  Shared total, last
  total = total XOr b
  last = b ! (b >> 1)
EndProcedure
If OpenConsole() = 0 : End 1 : EndIf
Restore Bytes
For n.i = 1 To 3
  Define in.i
  Read.a in
  AddByte(in)
Next n
Repeat : total + 1 : Until total >= 10
PrintN(Str(total))
End
