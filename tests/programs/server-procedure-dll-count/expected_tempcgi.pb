ProcedureDLLCount = 1
y = 2


