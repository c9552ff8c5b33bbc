; Splitting a line into its fields
line$ = "apple;banana;;cherry"
count = CountString(line$, ";") + 1
Debug "Fields: " + Str(count)
For i = 1 To count
  field$ = StringField(line$, i, ";")
  If field$ = ""
    Debug Str(i) + ": (empty)"
  Else
    Debug Str(i) + ": " + field$
  EndIf
Next
Debug StringField("one two three", 2, " ")
