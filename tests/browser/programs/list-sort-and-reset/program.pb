; Sorting a list, then walking it with ResetList and NextElement
NewList scores()
Restore Scores
For i = 1 To 6
  Read.i value
  AddElement(scores())
  scores() = value
Next
SortList(scores(), #PB_Sort_Descending)
ResetList(scores())
rank = 0
While NextElement(scores())
  rank + 1
  Debug Str(rank) + ". " + Str(scores())
Wend
FirstElement(scores())
InsertElement(scores())
scores() = 100
Debug "First now: " + Str(scores()) + " of " + Str(ListSize(scores()))

DataSection
  Scores:
  Data.i 42, 17, 88, 5, 63, 29
EndDataSection
