; Goto inside procedures: labels are local to each procedure, a Goto may
; jump back, forward, and out of two loops at once
Procedure.i FirstDivisor(n)
  Protected d = 2
  Try:
  If d * d > n
    Goto Prime
  EndIf
  If n % d = 0
    ProcedureReturn d
  EndIf
  d + 1
  Goto Try
  Prime:
  ProcedureReturn n
EndProcedure

Procedure.s FindPair(total)
  Protected a = 0, b = 0
  For a = 1 To 9
    For b = a To 9
      If a * b = total
        Goto Found
      EndIf
    Next
  Next
  ProcedureReturn "none"
  Found:
  ProcedureReturn Str(a) + " x " + Str(b)
EndProcedure

Debug FirstDivisor(91)
Debug FirstDivisor(97)
Debug FindPair(24)
Debug FindPair(97)
