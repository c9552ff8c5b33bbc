; the first value of a Static takes the Static's type
Procedure.q NextBig()
  Static big.q = 1000
  Static t.b = 200
  Static f.f = 0.1
  big + 1
  ProcedureReturn big
EndProcedure
