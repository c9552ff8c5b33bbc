; A playlist reordered by hand: swaps, moves, jumps back to a remembered song,
; and songs taken out at the ends
Procedure ShowList(title$, List s.s())
  PushListPosition(s())
  line$ = title$ + ":"
  ForEach s()
    line$ + " " + s()
  Next
  PopListPosition(s())
  PrintN(line$)
EndProcedure

OpenConsole()
NewList songs.s()
Restore Songs
For i = 1 To 6
  AddElement(songs())
  Read.s songs()
Next
NewList original.s()
CopyList(songs(), original())

SelectElement(songs(), 3)
*red = @songs()
SelectElement(songs(), 1)
*blue = @songs()
SwapElements(songs(), *red, *blue)
ShowList("swapped", songs())
ChangeCurrentElement(songs(), *red)
PrintN("current: " + songs() + " at " + Str(ListIndex(songs())))

MoveElement(songs(), #PB_List_Last)
ShowList("red last", songs())
PrintN("still current: " + songs() + " at " + Str(ListIndex(songs())))
ChangeCurrentElement(songs(), *blue)
MoveElement(songs(), #PB_List_First)
ShowList("blue first", songs())
SelectElement(songs(), 4)
*outro = @songs()
ChangeCurrentElement(songs(), *red)
MoveElement(songs(), #PB_List_Before, *outro)
ShowList("red before outro", songs())
FirstElement(songs())
NextElement(songs())
MoveElement(songs(), #PB_List_After, *outro)
ShowList("intro after outro", songs())
PrintN("current: " + songs() + " at " + Str(ListIndex(songs())))

FirstElement(songs())
DeleteElement(songs())
PrintN("first deleted, index " + Str(ListIndex(songs())))
NextElement(songs())
PrintN("next is " + songs())
FirstElement(songs())
DeleteElement(songs(), 1)
PrintN("deleted with the next current: " + songs() + " at " + Str(ListIndex(songs())))
LastElement(songs())
DeleteElement(songs())
PrintN("last deleted: " + songs() + " at " + Str(ListIndex(songs())))
SelectElement(songs(), 1)
DeleteElement(songs())
PrintN("middle deleted: " + songs() + " at " + Str(ListIndex(songs())))
ShowList("left", songs())

ResetList(songs())
PrintN("after ResetList: " + Str(ListIndex(songs())))
n = 0
While NextElement(songs())
  n + 1
Wend
PrintN("walked " + Str(n))
ForEach songs()
  DeleteElement(songs())
Next
PrintN("emptied: " + Str(ListSize(songs())) + ", index " + Str(ListIndex(songs())))
If FirstElement(songs()) = 0
  PrintN("nothing to play")
EndIf

ShowList("original", original())
Debug ListSize(original())
LastElement(original())
Debug original()

DataSection
  Songs:
  Data.s "Intro", "Blue", "Green", "Red", "Gold", "Outro"
EndDataSection
