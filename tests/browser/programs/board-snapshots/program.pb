; A game board kept in snapshots with CopyArray, and the sizes of its cells
Structure Cell
  kind.b
  owner.w
  score.l
EndStructure

Procedure ShowBoard(title$, Array b.b(2))
  PrintN(title$)
  For r = 0 To ArraySize(b(), 1)
    line$ = ""
    For c = 0 To ArraySize(b(), 2)
      Select b(r, c)
        Case 0 : line$ + "."
        Case 1 : line$ + "X"
        Case 2 : line$ + "O"
        Default : line$ + "?"
      EndSelect
    Next
    PrintN(line$)
  Next
EndProcedure

OpenConsole()
Dim board.b(2, 3)
board(0, 0) = 1
board(1, 2) = 2
board(2, 3) = 2
Dim saved.b(0, 0)
If CopyArray(board(), saved())
  PrintN("saved " + Str(ArraySize(saved(), 1) + 1) + " rows of " + Str(ArraySize(saved(), 2) + 1))
EndIf
board(1, 1) = 2
Swap board(0, 0), board(2, 3)
board(2, 0) = 300
ShowBoard("now", board())
ShowBoard("saved", saved())
PrintN("wrapped byte: " + Str(board(2, 0)))

FreeArray(saved())
PrintN("after FreeArray: " + Str(ArraySize(saved())))
Dim saved.b(1, 1)
PrintN("made again: " + Str(ArraySize(saved(), 2)))

Dim names.s(2)
names(0) = "Ann" : names(1) = "Bob" : names(2) = "Cid"
Dim copy.s(0)
CopyArray(names(), copy())
copy(1) + "by"
names(2) = "Cy"
PrintN(names(0) + " " + names(1) + " " + names(2) + " / " + copy(0) + " " + copy(1) + " " + copy(2))

Dim cells.Cell(1)
cells(0)\kind = 1
cells(0)\score = 40
Dim kept.Cell(0)
CopyArray(cells(), kept())
cells(0)\score + 2
PrintN("cell scores: " + Str(cells(0)\score) + " and kept " + Str(kept(0)\score) + ", " + Str(ArraySize(kept()) + 1) + " kept")

Debug SizeOf(Byte) + SizeOf(Word) + SizeOf(Long)
Debug SizeOf(Cell)
Debug OffsetOf(Cell\score)
Debug SizeOf(Quad) * SizeOf(Double)
Debug TypeOf(Cell\owner) = #PB_Word
