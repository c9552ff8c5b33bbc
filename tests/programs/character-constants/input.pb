c = 'q'
If c >= 'a' And c <= 'z'
  c - 32
EndIf
space = ' '
word$ = 'ab'
