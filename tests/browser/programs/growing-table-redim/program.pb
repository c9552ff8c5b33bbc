; A table that grows as readings arrive, then shrinks to fit
Structure Slot
  name.s
  hits.i
EndStructure

OpenConsole()
Dim readings.l(1)
count = 0
Restore Readings
Repeat
  Read.l value
  If value < 0 : Break : EndIf
  If count > ArraySize(readings())
    ReDim readings(ArraySize(readings()) * 2 + 1)
    PrintN("grown to " + Str(ArraySize(readings()) + 1) + " slots")
  EndIf
  readings(count) = value
  count + 1
ForEver
PrintN("readings: " + Str(count) + ", slots: " + Str(ArraySize(readings()) + 1))
PrintN("unused slot: " + Str(readings(7)))
ReDim readings(count - 1)
PrintN("fitted: " + Str(ArraySize(readings()) + 1) + " slots")
total = 0
For i = 0 To ArraySize(readings())
  total + readings(i)
Next
PrintN("total " + Str(total) + ", last " + Str(readings(count - 1)))
ReDim readings(2)
PrintN("first three: " + Str(readings(0)) + " " + Str(readings(1)) + " " + Str(readings(2)))

; rows stay, columns are added on the right
Dim grid.s(2, 1)
For r = 0 To 2
  For c = 0 To 1
    grid(r, c) = Chr('A' + r) + Str(c)
  Next
Next
ReDim grid(2, 3)
grid(1, 3) = "B3"
For r = 0 To 2
  line$ = ""
  For c = 0 To 3
    If grid(r, c) = ""
      line$ + "[--]"
    Else
      line$ + "[" + grid(r, c) + "]"
    EndIf
  Next
  PrintN(line$)
Next

Dim slots.Slot(0)
slots(0)\name = "first"
slots(0)\hits = 3
ReDim slots(2)
slots(2)\hits + 5
For i = 0 To ArraySize(slots())
  Debug Str(i) + ": '" + slots(i)\name + "' " + Str(slots(i)\hits)
Next

DataSection
  Readings:
  Data.l 12, 7, 30, 18, 5, 22, 9, -1
EndDataSection
