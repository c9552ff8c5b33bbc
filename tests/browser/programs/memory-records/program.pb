; A byte buffer of fixed-size records (16 bytes each: id as a long, score
; as a word, flags as a byte, then up to 8 Ascii characters of the name),
; walked by address with Poke and Peek
#RecordSize = 16
OpenConsole()
Define count = 4
Define *records = AllocateMemory(count * #RecordSize)
Define *r = 0
Define *other = 0
Define i = 0
Define name$ = ""
Define score = 0
Define total = 0
Define best = -1
Define top$ = ""
Define dump$ = ""

Restore People
For i = 0 To count - 1
  Read.s name$
  Read.i score
  *r = *records + i * #RecordSize
  PokeL(*r, 1000 + i)
  PokeW(*r + 4, score)
  PokeB(*r + 6, i * 3)
  PokeS(*r + 7, name$, 8, #PB_Ascii)
Next

For i = 0 To count - 1
  *r = *records + i * #RecordSize
  PrintN(Str(PeekL(*r)) + " " + PeekS(*r + 7, 8, #PB_Ascii) + " score " + Str(PeekW(*r + 4)) + " flags " + Str(PeekB(*r + 6)))
  total = total + PeekW(*r + 4)
  If PeekW(*r + 4) > best
    best = PeekW(*r + 4)
    top$ = PeekS(*r + 7, -1, #PB_Ascii)
  EndIf
Next
PrintN("Total " + Str(total) + ", best " + top$)

; the first and the last record change places through a spare block
Define *spare = AllocateMemory(#RecordSize)
*r = *records
*other = *records + 3 * #RecordSize
CopyMemory(*r, *spare, #RecordSize)
CopyMemory(*other, *r, #RecordSize)
CopyMemory(*spare, *other, #RecordSize)
PrintN("After the swap: " + PeekS(*r + 7, -1, #PB_Ascii) + " first, " + PeekS(*other + 7, -1, #PB_Ascii) + " last")
PrintN("Same records: " + Str(CompareMemory(*r, *other, #RecordSize)))
PrintN("Same as the spare: " + Str(CompareMemory(*spare, *other, #RecordSize)))

Define before = MemorySize(*records)
*records = ReAllocateMemory(*records, 6 * #RecordSize)
PrintN("Size " + Str(before) + ", then " + Str(MemorySize(*records)) + ", new bytes " + Str(PeekL(*records + 4 * #RecordSize)))
FillMemory(*records + 5 * #RecordSize, #RecordSize, $FF)
PrintN("Filled: " + Str(PeekL(*records + 80)) + " " + Str(PeekA(*records + 80)) + " " + Str(PeekW(*records + 94)))

For i = 0 To 7
  dump$ = dump$ + RSet(Hex(PeekA(*records + i)), 2, "0") + " "
Next
PrintN(RTrim(dump$))
FreeMemory(*spare)
FreeMemory(*records)

DataSection
  People:
  Data.s "Ada"
  Data.i 95
  Data.s "Linus"
  Data.i 78
  Data.s "Grace"
  Data.i 88
  Data.s "Dennis"
  Data.i 64
EndDataSection
