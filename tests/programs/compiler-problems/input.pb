CompilerIf #Undefined
  a = 1
CompilerElse
  a = 2
CompilerEndIf
CompilerEndIf
CompilerIf 1
  b = 1
CompilerSelect 3
  CompilerCase 3 : c = 3
Macro Unfinished
  d = 1
