; Everyday words as variable names: Number, Math, Object, String, Date...
OpenConsole()
Number = 1234
While Number > 0
  digits + 1
  Number / 10
Wend
PrintN("digits: " + Str(digits))
Math = 90
Object = 7
PrintN("Math / Object = " + Str(Math / Object))
String$ = "text"
JSON$ = "{}"
PrintN(String$ + " " + JSON$)
window = 3
document = 2
console = window * document
PrintN("console: " + Str(console))
Date = 2024
Date + 1
PrintN("next year: " + Str(Date) + ", " + Str(Year(Date(Date, 1, 1, 0, 0, 0))))
Procedure.i Array2(Boolean, Symbol)
  ProcedureReturn Boolean * 10 + Symbol
EndProcedure
PrintN("Array2: " + Str(Array2(4, 2)))
