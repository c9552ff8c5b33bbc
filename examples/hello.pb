; hello.pb: a small program to try the converter with.
;   scripts/try-example.sh converts it into a web page: procedures become
;   JavaScript functions, the loop a "for", the Select a "switch", and every
;   Debug line shows up in the page's Debug area.
;   A list, a map and a structure use the runtime's classes.
KVX_Converter_SetProfile "Example"

Procedure.s Greeting(name.s, punctuation.s = "!")
  ProcedureReturn "Hello, " + name + punctuation
EndProcedure

Procedure.i Square(n.i)
  ProcedureReturn n * n
EndProcedure

Debug Greeting("World")
Debug Greeting("Korvex", "?")

For i = 1 To 5
  Select i
    Case 1
      Debug "one"
    Case 2
      Debug "two"
    Default
      Debug Square(i)
  EndSelect
Next

total = 0
While total < 20
  total + Square(2)
Wend
Debug total

; A list, a map and a structure.
NewList names.s()
AddElement(names()) : names() = "Ann"
AddElement(names()) : names() = "Bob"
ForEach names()
  Debug names()
Next

NewMap ages()
ages("Ann") = 31
Debug ages("Ann")

Structure Point
  x.l
  y.l
EndStructure

Define p.Point
p\x = 3 : p\y = 4
Debug p\x * p\x + p\y * p\y
