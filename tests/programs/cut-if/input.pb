If a = 1 And b
  x = 2
ElseIf
