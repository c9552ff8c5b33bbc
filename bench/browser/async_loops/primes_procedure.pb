; The same loop in a procedure that waits (so it is async), on its own
; variables.
Procedure CountPrimes(limit)
  Protected n, d, prime, count = 0
  For n = 2 To limit
    prime = 1
    d = 2
    While d * d <= n
      If n % d = 0
        prime = 0
        Break
      EndIf
      d + 1
    Wend
    count + prime
  Next
  Delay(0)
  ProcedureReturn count
EndProcedure

Debug CountPrimes(2000000)
