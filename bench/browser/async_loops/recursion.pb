; A recursive computation in a procedure that cannot wait, called from the
; main code: Fib(38), about 126 million calls.
Procedure Fib(n)
  If n < 2
    ProcedureReturn n
  EndIf
  ProcedureReturn Fib(n - 1) + Fib(n - 2)
EndProcedure

Debug Fib(38)
