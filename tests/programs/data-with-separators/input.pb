DataSection
Colors: ; the colors
Data.s "red", "blue"
EndDataSection
x = 0
If x = 0 : y = 1 : EndIf
Restore Colors : Read.s c$
Debug c$ : Debug x
If x = 5
  y = 0
Else : y = 2 : EndIf
PrintN(c$) : PrintN("!")
