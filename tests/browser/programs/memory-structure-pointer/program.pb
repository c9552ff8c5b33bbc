; Records in one memory block, walked with a structure pointer that steps
; by SizeOf; the same bytes read back with PeekL and PeekS
Structure Record
  id.l
  score.w
  flags.b
  name.s{8}
EndStructure

OpenConsole()
Define count = 3
Define *records = AllocateMemory(count * SizeOf(Record))
Define *r.Record
Define i = 0
For i = 0 To count - 1
  *r = *records + i * SizeOf(Record)
  *r\id = 100 + i
  *r\score = (i + 1) * 25
  *r\name = StringField("Ada,Bob,Cy", i + 1, ",")
Next
PrintN("Record size: " + Str(SizeOf(Record)))
*r = *records
For i = 1 To count
  PrintN(Str(*r\id) + " " + *r\name + " " + Str(*r\score))
  *r + SizeOf(Record)
Next
PrintN("Second id: " + Str(PeekL(*records + SizeOf(Record))))
PrintN("Third name: " + PeekS(*records + 2 * SizeOf(Record) + OffsetOf(Record\name), 8))
FreeMemory(*records)
