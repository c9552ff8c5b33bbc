; Code for each system, chosen when the program is compiled: the web page
; is none of Windows, Linux or macOS, so it takes the CompilerElse branch
CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  #PathSeparator$ = "\"
  Debug "built for Windows"
CompilerElseIf #PB_Compiler_OS = #PB_OS_Linux
  #PathSeparator$ = "/"
  Debug "built for Linux"
CompilerElseIf #PB_Compiler_OS = #PB_OS_MacOS
  #PathSeparator$ = "/"
  Debug "built for macOS"
CompilerElse
  #PathSeparator$ = "/"
  Debug "built for another system"
CompilerEndIf

CompilerSelect #PB_Compiler_Processor
  CompilerCase #PB_Processor_x86
    Debug "32-bit x86"
  CompilerCase #PB_Processor_x64
    Debug "64-bit x64"
  CompilerDefault
    Debug "some other processor"
CompilerEndSelect

#Verbose = 1
CompilerIf #Verbose And #PB_Compiler_Unicode
  Debug "verbose, unicode"
CompilerEndIf
CompilerIf Defined(Verbose, #PB_Constant) And Not Defined(Quiet, #PB_Constant)
  Debug "Verbose is defined, Quiet is not"
CompilerEndIf
CompilerIf #PB_Compiler_Version >= 600 And #PB_Compiler_Debugger
  Debug "a recent compiler, with the debugger"
CompilerEndIf
CompilerIf #PB_Compiler_OS <> #PB_OS_Windows : Debug "not Windows" : CompilerEndIf
Debug "path: home" + #PathSeparator$ + "docs"
