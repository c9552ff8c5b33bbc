; A histogram kept in global arrays that procedures size and grow
Global Dim bins.i(0)
Global Dim labels.s(0)
Global binWidth = 10

Procedure Setup(count)
  Dim bins(count - 1)
  Dim labels(count - 1)
  For b = 0 To count - 1
    labels(b) = RSet(Str(b * binWidth), 3) + "-" + LSet(Str(b * binWidth + binWidth - 1), 3)
  Next
EndProcedure

Procedure AddValue(v)
  b = v / binWidth
  If b > ArraySize(bins())
    old = ArraySize(bins())
    ReDim bins(b)
    ReDim labels(b)
    For c = old + 1 To b
      labels(c) = RSet(Str(c * binWidth), 3) + "-" + LSet(Str(c * binWidth + binWidth - 1), 3)
    Next
  EndIf
  bins(b) + 1
EndProcedure

Procedure.i Busiest()
  Protected Dim counts.i(ArraySize(bins()))
  CopyArray(bins(), counts())
  SortArray(counts(), #PB_Sort_Descending)
  ProcedureReturn counts(0)
EndProcedure

OpenConsole()
Setup(3)
Dim c.i(4)
For i = 0 To 4
  c(i) = i * i
Next
Restore Values
Repeat
  Read.i v
  If v < 0
    Break
  EndIf
  AddValue(v)
ForEver
For b = 0 To ArraySize(bins())
  PrintN(labels(b) + " | " + LSet("", bins(b), "#") + " " + Str(bins(b)))
Next
PrintN("busiest bin: " + Str(Busiest()))
PrintN("squares kept: " + Str(c(1)) + " " + Str(c(2)) + " " + Str(c(3)) + " " + Str(c(4)))
Debug ArraySize(bins())
Debug ArraySize(labels())
Debug bins(2)

DataSection
  Values:
  Data.i 3, 14, 15, 9, 26, 53, 58, 19, 7, 42, 50, 11, -1
EndDataSection
