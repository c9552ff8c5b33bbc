Debug "start"
x = 5
Debug x ; show x
Debug
Debug x, 1
DEBUG x * 2 : Debug x
CallDebugger
calldebugger
EnableDebugger
DisableDebugger
