x = 0
Repeat : x + 1 : Until x >= 3
Debug x
