; Procedures with default parameter values
Procedure.s Greet(name.s, greeting.s = "Hello")
  ProcedureReturn greeting + ", " + name + "!"
EndProcedure

Procedure.i Area(width, height = 10)
  ProcedureReturn width * height
EndProcedure

Debug Greet("Anna")
Debug Greet("Ben", "Good morning")
Debug Area(3)
Debug Area(3, 4)
