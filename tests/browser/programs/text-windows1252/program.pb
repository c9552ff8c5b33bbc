; Größe 5 €: text beyond ASCII, saved as Windows-1252 by an older editor
OpenConsole()
title$ = "Größe 5 €, Café"
PrintN(title$)
PrintN("Länge: " + Str(Len(title$)))
PrintN(UCase("größe") + " " + LCase("ÄÖÜ") + " " + UCase("café"))
Restore Words
For i = 1 To 3
  Read.s word$
  PrintN(word$ + " (" + Str(Len(word$)) + ")")
Next
PrintN("Euro: " + Str(Asc("€")) + " = " + Chr(8364) + ", " + Str('€') + ", " + Str('é'))
PrintN("Position of €: " + Str(FindString(title$, "€")))
Debug "Größe 5 €, Café" ; « in a comment after it »
Debug Mid(title$, 7, 3)

DataSection
  Words:
  Data.s "Größe", "5 €", "Ça va"
EndDataSection
