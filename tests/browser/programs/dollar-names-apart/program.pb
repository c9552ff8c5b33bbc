; name$ and name are two different variables
OpenConsole()
name$ = "Ada"
name = 36
count$ = "three"
count = 3
PrintN(name$ + " is " + Str(name))
PrintN(count$ + " = " + Str(count))
count + 1
count$ + " plus one"
PrintN(count$ + " = " + Str(count))

Procedure.s Times(word$, word)
  For i = 1 To word
    result$ + word$
  Next
  ProcedureReturn result$
EndProcedure

PrintN(Times("ab", 3))
Global total$ = "total:", total = 10
Procedure AddTo(n)
  total + n
  total$ + " " + Str(n)
EndProcedure
AddTo(5)
AddTo(7)
PrintN(total$ + " = " + Str(total))
