flags = 6
If flags & 4
  x = flags & %1010
EndIf
ok = flags > 0 And flags < 9
