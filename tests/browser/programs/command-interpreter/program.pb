; A small command interpreter: nested Select on words and on numbers
Procedure.s Run(line$)
  Protected word$ = StringField(line$, 1, " ")
  Protected value = Val(StringField(line$, 2, " "))
  Select LCase(word$)
    Case "grade"
      Select value
        Case 90 To 100
          ProcedureReturn "A"
        Case 75 To 89
          ProcedureReturn "B"
        Case 50 To 74
          ProcedureReturn "C"
        Default
          ProcedureReturn "F"
      EndSelect
    Case "kind"
      Select value
        Case 0
          ProcedureReturn "zero"
        Case 1, 3, 5, 7, 9
          ProcedureReturn "odd digit"
        Case 2, 4, 6, 8
          ProcedureReturn "even digit"
        Case 10 To 99, 100
          ProcedureReturn "two digits or a hundred"
      EndSelect
      ProcedureReturn "big"
    Case "char"
      Select Asc(StringField(line$, 2, " "))
        Case 'a' To 'z'
          ProcedureReturn "lower case"
        Case 'A' To 'Z'
          ProcedureReturn "upper case"
        Case '0' To '9'
          ProcedureReturn "digit"
      EndSelect
      ProcedureReturn "other"
    Case "quit", "exit"
      ProcedureReturn "bye"
  EndSelect
  ProcedureReturn "unknown command " + word$
EndProcedure

Debug Run("grade 95")
Debug Run("GRADE 80")
Debug Run("grade 12")
Debug Run("kind 7")
Debug Run("kind 4")
Debug Run("kind 100")
Debug Run("kind 250")
Debug Run("char q")
Debug Run("char Q")
Debug Run("char 5")
Debug Run("char +")
Debug Run("exit")
Debug Run("jump 3")
