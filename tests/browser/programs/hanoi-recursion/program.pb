; Towers of Hanoi: a Global move counter, locals of their own in every call
Global moves
Global log$

Procedure Hanoi(n, from$, onto$, via$)
  If n > 0
    Hanoi(n - 1, from$, via$, onto$)
    moves + 1
    If n = 3
      log$ + from$ + onto$ + " "
    EndIf
    Hanoi(n - 1, via$, onto$, from$)
  EndIf
EndProcedure

; every call has its own count, which starts at 0
Procedure.i Depth(n)
  count + 1
  If n > 0
    inner = Depth(n - 1)
  EndIf
  ProcedureReturn count + inner
EndProcedure

OpenConsole()
For disks = 1 To 5
  moves = 0
  Hanoi(disks, "A", "C", "B")
  PrintN(Str(disks) + " disks: " + Str(moves) + " moves")
Next
PrintN("largest-but-two moves: " + Trim(log$))
PrintN("depth: " + Str(Depth(6)))
count = 99
inner = 98
PrintN("depth again: " + Str(Depth(2)) + ", count " + Str(count) + ", inner " + Str(inner))
