; Race results: laps sorted in parts, words with blanks, runners by a field
Structure Runner
  name.s
  seconds.d
  bib.i
EndStructure

Procedure.s Joined(Array a.i(1))
  line$ = ""
  For i = 0 To ArraySize(a())
    line$ + " " + Str(a(i))
  Next
  ProcedureReturn LTrim(line$)
EndProcedure

Procedure ShowRunners(title$, Array r.Runner(1))
  line$ = title$ + ":"
  For i = 0 To ArraySize(r())
    line$ + " " + r(i)\name + "/" + StrD(r(i)\seconds, 2) + "/#" + Str(r(i)\bib)
  Next
  PrintN(line$)
EndProcedure

OpenConsole()
Dim laps.i(7)
Restore Laps
For i = 0 To 7
  Read.i laps(i)
Next
SortArray(laps(), #PB_Sort_Ascending, 2, 5)
PrintN("middle sorted: " + Joined(laps()))
SortArray(laps(), #PB_Sort_Descending, 0, 3)
PrintN("front reversed: " + Joined(laps()))
SortArray(laps(), #PB_Sort_Descending)
PrintN("all, fastest last: " + Joined(laps()))

Dim words.s(4)
words(0) = "delta"
words(1) = ""
words(2) = "bravo"
words(3) = "Alpha"
words(4) = "Charlie"
SortArray(words(), #PB_Sort_Ascending)
line$ = ""
For i = 0 To 4
  line$ + "|" + words(i)
Next
PrintN("by code:" + line$)
SortArray(words(), #PB_Sort_Ascending | #PB_Sort_NoCase)
line$ = ""
For i = 0 To 4
  line$ + "|" + words(i)
Next
PrintN("by letter:" + line$)
SortArray(words(), #PB_Sort_Descending | #PB_Sort_NoCase)
line$ = ""
For i = 0 To 4
  line$ + "|" + words(i)
Next
PrintN("backwards:" + line$)

Dim times.d(3)
times(0) = 2.5
times(1) = -1.25
times(2) = 10.0
times(3) = 0.125
SortArray(times(), #PB_Sort_Ascending)
PrintN("times: " + StrD(times(0), 3) + " " + StrD(times(1), 3) + " " + StrD(times(2), 3) + " " + StrD(times(3), 3))

Dim runners.Runner(3)
Restore Runners
For i = 0 To 3
  Read.s runners(i)\name
  Read.d runners(i)\seconds
  Read.i runners(i)\bib
Next
SortStructuredArray(runners(), #PB_Sort_Ascending, OffsetOf(Runner\seconds), TypeOf(Runner\seconds))
ShowRunners("by time", runners())
SortStructuredArray(runners(), #PB_Sort_Descending, OffsetOf(Runner\bib), TypeOf(Runner\bib))
ShowRunners("by bib", runners())
SortStructuredArray(runners(), #PB_Sort_Ascending, OffsetOf(Runner\name), TypeOf(Runner\name), 1, 3)
ShowRunners("tail by name", runners())
Debug runners(0)\name
Debug runners(3)\seconds
Debug OffsetOf(Runner\bib)
Debug SizeOf(Runner)

DataSection
  Laps:
  Data.i 5, 3, 9, 1, 7, 2, 8, 6
  Runners:
  Data.s "Ann"
  Data.d 62.5
  Data.i 7
  Data.s "Bob"
  Data.d 58.25
  Data.i 3
  Data.s "Cid"
  Data.d 71.0
  Data.i 12
  Data.s "Dee"
  Data.d 58.75
  Data.i 5
EndDataSection
