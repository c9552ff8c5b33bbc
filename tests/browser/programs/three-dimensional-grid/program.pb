; Cells of a block in three dimensions: values, neighbours and totals
Procedure.i Total(Array g.i(3))
  sum = 0
  For x = 0 To ArraySize(g(), 1)
    For y = 0 To ArraySize(g(), 2)
      For z = 0 To ArraySize(g(), 3)
        sum + g(x, y, z)
      Next
    Next
  Next
  ProcedureReturn sum
EndProcedure

OpenConsole()
w = 3 : h = 4 : d = 2
Dim cell.i(w - 1, h - 1, d - 1)
For x = 0 To w - 1
  For y = 0 To h - 1
    For z = 0 To d - 1
      cell(x, y, z) = x * 100 + y * 10 + z
    Next
  Next
Next
PrintN("sizes: " + Str(ArraySize(cell(), 1)) + " " + Str(ArraySize(cell(), 2)) + " " + Str(ArraySize(cell(), 3)))
For z = 0 To d - 1
  PrintN("layer " + Str(z))
  For y = 0 To h - 1
    line$ = ""
    For x = 0 To w - 1
      line$ + RSet(Str(cell(x, y, z)), 4)
    Next
    PrintN(line$)
  Next
Next
PrintN("total: " + Str(Total(cell())))

; how many neighbours (sharing a face) each cell has inside the block
Dim seen(6)
For x = 0 To w - 1
  For y = 0 To h - 1
    For z = 0 To d - 1
      n = 0
      If x > 0 : n + 1 : EndIf
      If x < w - 1 : n + 1 : EndIf
      If y > 0 : n + 1 : EndIf
      If y < h - 1 : n + 1 : EndIf
      If z > 0 : n + 1 : EndIf
      If z < d - 1 : n + 1 : EndIf
      seen(n) + 1
    Next
  Next
Next
For n = 0 To 6
  If seen(n)
    PrintN(Str(n) + " neighbours: " + Str(seen(n)) + " cells")
  EndIf
Next

cell(1, 2, 1) + 1000
Debug cell(1, 2, 1)
Swap cell(0, 0, 0), cell(2, 3, 1)
Debug cell(0, 0, 0)
Dim cell(1, 1, 1)
Debug cell(1, 1, 1)
Debug Total(cell())
Debug ArraySize(cell(), 3)
