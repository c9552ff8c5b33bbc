CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  x = 1
CompilerElseIf #PB_Compiler_OS = #PB_OS_Linux Or #PB_Compiler_OS = #PB_OS_MacOS
  x = 2
CompilerElse
  x = 3
  CompilerIf #PB_Compiler_Debugger
    y = 1
  CompilerElse
    y = 0
  CompilerEndIf
CompilerEndIf
#Mode = 2 * 3
CompilerSelect #Mode
  CompilerCase 5
    m = 5
  CompilerCase 6, 7
    m = 6
  CompilerDefault
    m = 0
CompilerEndSelect
CompilerIf Defined(Helper, #PB_Procedure) : h = 0 : CompilerEndIf
Procedure Helper() : EndProcedure
CompilerIf Defined(Helper, #PB_Procedure) : h = 1 : CompilerEndIf
os = #PB_Compiler_OS : cpu = #PB_Compiler_Processor : file$ = #PB_Compiler_Filename
