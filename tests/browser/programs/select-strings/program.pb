; Select on a string
Procedure.s Answer(command$)
  Select LCase(command$)
    Case "hello"
      ProcedureReturn "Hi there"
    Case "bye"
      ProcedureReturn "See you"
    Default
      ProcedureReturn "Unknown command: " + command$
  EndSelect
EndProcedure

Debug Answer("Hello")
Debug Answer("BYE")
Debug Answer("help")
