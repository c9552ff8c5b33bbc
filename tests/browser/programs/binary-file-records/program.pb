; A binary file of stock records: a header ("STK1" and a count), then for
; each item a long id, a double price and an 8-character name; read back in
; order, then by position, and changed in place
OpenConsole()
Define i = 0
Define id = 0
Define price.d = 0
Define name$ = ""
Define tag$ = ""
Define count = 0

If CreateFile(0, "stock.dat")
  WriteString(0, "STK1", #PB_Ascii)
  WriteLong(0, 3)
  For i = 1 To 3
    WriteLong(0, i * 100)
    WriteDouble(0, i * 1.25)
    WriteString(0, LSet(StringField("bolts,nuts,washers", i, ","), 8), #PB_Ascii)
  Next
  WriteWord(0, -2)
  CloseFile(0)
EndIf
PrintN("Wrote " + Str(FileSize("stock.dat")) + " bytes")

If ReadFile(0, "stock.dat")
  tag$ = ReadString(0, #PB_Ascii, 4)
  count = ReadLong(0)
  PrintN("Header " + tag$ + " with " + Str(count) + " records")
  For i = 1 To count
    id = ReadLong(0)
    price = ReadDouble(0)
    name$ = Trim(ReadString(0, #PB_Ascii, 8))
    PrintN(Str(id) + " " + name$ + " " + StrD(price, 2))
  Next
  FileSeek(0, 8 + 1 * 20 + 4)
  PrintN("Second price: " + StrD(ReadDouble(0), 2))
  FileSeek(0, Lof(0) - 2)
  PrintN("Last word: " + Str(ReadWord(0)) + ", at end: " + Str(Eof(0)))
  CloseFile(0)
EndIf

If OpenFile(1, "stock.dat")
  FileSeek(1, 8 + 2 * 20 + 4)
  WriteDouble(1, 9.99)
  FileSeek(1, -12, #PB_Relative)
  id = ReadLong(1)
  price = ReadDouble(1)
  PrintN("Changed price of item " + Str(id) + ": " + StrD(price, 2))
  CloseFile(1)
EndIf
PrintN("Size still " + Str(FileSize("stock.dat")))
