; Deleting elements while walking a list
NewList values()
For i = 1 To 10
  AddElement(values())
  values() = i
Next
ForEach values()
  If values() % 3 = 0
    DeleteElement(values())
  EndIf
Next
line$ = ""
ForEach values()
  line$ + Str(values()) + ","
Next
Debug line$
Debug ListSize(values())
FirstElement(values())
DeleteElement(values())
Debug ListIndex(values())
NextElement(values())
Debug values()
