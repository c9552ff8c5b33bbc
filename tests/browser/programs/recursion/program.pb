; Recursive procedures: factorial, Fibonacci and the towers of Hanoi
Procedure.i Factorial(n)
  If n <= 1
    ProcedureReturn 1
  EndIf
  ProcedureReturn n * Factorial(n - 1)
EndProcedure

Procedure.i Fibonacci(n)
  If n < 2
    ProcedureReturn n
  EndIf
  ProcedureReturn Fibonacci(n - 1) + Fibonacci(n - 2)
EndProcedure

Global moves = 0
Procedure Hanoi(disks, from$, to$, via$)
  If disks > 0
    Hanoi(disks - 1, from$, via$, to$)
    moves + 1
    Hanoi(disks - 1, via$, to$, from$)
  EndIf
EndProcedure

Debug Factorial(5)
Debug Factorial(10)
Debug Fibonacci(15)
Hanoi(5, "A", "C", "B")
Debug "Moves: " + Str(moves)
