; Asking in the console, through a procedure that waits for the answer.
; ProcedureC (a C calling convention) changes nothing in a page.
ProcedureC.s Ask(prompt$)
  Print(prompt$)
  ProcedureReturn Input()
EndProcedure
OpenConsole()
name$ = Ask("Your name: ")
age = Val(Ask("Your age: "))
PrintN("Hello " + name$ + ", next year you will be " + Str(age + 1) + ".")
