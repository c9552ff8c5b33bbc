; Which words read the same both ways?
Procedure IsPalindrome(word$)
  clean$ = LCase(RemoveString(word$, " "))
  If clean$ = ReverseString(clean$)
    ProcedureReturn #True
  EndIf
  ProcedureReturn #False
EndProcedure

words$ = "Level,Rotor,Basic,Race car,Console"
For i = 1 To CountString(words$, ",") + 1
  w$ = StringField(words$, i, ",")
  If IsPalindrome(w$)
    Debug w$ + ": yes"
  Else
    Debug w$ + ": no"
  EndIf
Next
