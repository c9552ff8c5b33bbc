x = 5
ProcedureDLLCount = 1
y = 2
