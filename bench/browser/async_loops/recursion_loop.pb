; The recursive computation in a loop of the main code: 30 times Fib(30),
; about 80 million calls. A last Delay makes the main code wait.
Procedure Fib(n)
  If n < 2
    ProcedureReturn n
  EndIf
  ProcedureReturn Fib(n - 1) + Fib(n - 2)
EndProcedure

total = 0
For i = 1 To 30
  total + Fib(30)
Next
Delay(0)
Debug total
