; scores per player
Procedure Tally(player, bonus = 5)
  Static rounds
  Dim board(4, 2)
  rounds + 1
  For r = 0 To 4 Step 1
    Select board(r, 0) ; state of the row
      Case 0 : board(r, 1) = bonus
      Case 1, 2
        While board(r, 1) < 10 : board(r, 1) = board(r, 1) + player : Wend
      Default
        If rounds > 3 And board(r, 1) <> 0 : Break : EndIf
    EndSelect
  Next
  ProcedureReturn rounds
EndProcedure
Debug Tally(2)
