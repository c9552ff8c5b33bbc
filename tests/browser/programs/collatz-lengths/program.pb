; Collatz sequences: halve even numbers, 3n + 1 for odd ones
Global peak

Procedure.i CollatzSteps(n)
  steps = 0
  peak = n
  While n <> 1
    If n & 1 = 0
      n / 2
    Else
      n = 3 * n + 1
    EndIf
    If n > peak
      peak = n
    EndIf
    steps + 1
  Wend
  ProcedureReturn steps
EndProcedure

OpenConsole()
longest = 0
best = 0
highest = 0
For start = 1 To 10000
  s = CollatzSteps(start)
  If s > longest
    longest = s
    best = start
  EndIf
  If peak > highest
    highest = peak
    highStart = start
  EndIf
Next
PrintN("Longest below 10000: " + Str(best) + " with " + Str(longest) + " steps")
PrintN("Highest value: " + Str(highest) + " from " + Str(highStart))
PrintN("27 takes " + Str(CollatzSteps(27)) + " steps and reaches " + Str(peak))
; the same numbers halved with >> and tested with %
n = 837799
count = 0
While n > 1
  If n % 2
    n = n * 3 + 1
  Else
    n >> 1
  EndIf
  count + 1
Wend
PrintN("837799 takes " + Str(count) + " steps")
