; loops
s$ = "abc"
While s$ <> ""
  s$ = Mid(s$, 2)
Wend
x = 0
Repeat
  x + 1
Until x => 5
Repeat ; outer
  While x > 0 And x <> 3 ; count down
    x - 1
  Wend
Until x = 3 Or x < 0
Repeat
  Break
ForEver
