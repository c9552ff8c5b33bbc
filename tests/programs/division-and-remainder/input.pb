; integer division truncates toward zero; % keeps the sign of the left operand
a = -7
b = 2
q = a / b
r = a % b
q = -7 / 2
q = 7 / -2
q = (a + 1) / b / 3
f.d = a / b
f = 7 / 2
i = 7 / 2 * 2.0
q = a / 2.0
Debug a / b
Debug 7 / 2.0
If a / b = -3.5
  q = 0
EndIf
