; Searching a grid: Break 2 leaves both loops at the first hit, Break 3
; leaves three, Continue skips the rest of a pass, Repeat ... ForEver ends
; with its Break
Dim grid(3, 3)
Define x = 0, y = 0, foundX = -1, foundY = -1, visited = 0
For y = 0 To 3
  For x = 0 To 3
    grid(x, y) = x * 10 + y
  Next
Next
For y = 0 To 3
  For x = 0 To 3
    visited + 1
    If grid(x, y) = 21
      foundX = x
      foundY = y
      Break 2
    EndIf
  Next
Next
Debug "found at " + Str(foundX) + "," + Str(foundY) + " after " + Str(visited) + " cells"

Define a = 0, b = 0, c = 0, tries = 0
For a = 1 To 5
  For b = 1 To 5
    c = 0
    While c < 5
      c + 1
      tries + 1
      If a * b * c = 12
        Break 3
      EndIf
    Wend
  Next
Next
Debug Str(a) + " * " + Str(b) + " * " + Str(c) + " = 12 after " + Str(tries) + " tries"

Define n = 0, sum = 0
Repeat
  n + 1
  If n % 2 = 1
    Continue
  EndIf
  sum + n
  If n >= 10
    Break
  EndIf
ForEver
Debug "even numbers to 10 add up to " + Str(sum)
