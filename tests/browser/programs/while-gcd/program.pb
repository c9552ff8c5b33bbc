; Greatest common divisor with a While loop
Procedure.i GCD(a, b)
  While b <> 0
    t = b
    b = a % b
    a = t
  Wend
  ProcedureReturn a
EndProcedure

Debug GCD(48, 18)
Debug GCD(17, 5)
Debug GCD(100, 75)
