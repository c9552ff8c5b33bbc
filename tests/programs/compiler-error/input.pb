CompilerIf #PB_Compiler_OS <> #PB_OS_Windows
  CompilerError "This program needs Windows"
CompilerEndIf
x = 1
