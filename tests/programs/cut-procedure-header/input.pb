Procedure Area(w, h = 10
  ProcedureReturn w * h
