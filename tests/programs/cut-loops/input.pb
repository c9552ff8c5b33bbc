Repeat
  x + 1
Until
While
