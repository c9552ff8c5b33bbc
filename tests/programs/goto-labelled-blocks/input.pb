; jumps forward and back
Define i = 0
Again:
i + 1
If i < 3
  Goto Again
EndIf
If i = 3 : Goto Done : EndIf
Debug "skipped"
Done:
Debug i
Procedure Countdown(n)
  Top:
  If n > 0
    n - 1
    Goto Top
  EndIf
  ProcedureReturn n
EndProcedure
Unused:
Debug Countdown(2)
