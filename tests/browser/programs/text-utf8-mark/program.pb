; Größe ≥ 5 €, 日本: text beyond ASCII, saved as UTF-8 with its mark
OpenConsole()
title$ = "Größe ≥ 5 €, 日本"
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
PrintN(ReplaceString(title$, "日本", "Japan"))
Debug "Größe ≥ 5 €, 日本" ; ≥ in a comment after it
Debug Mid(title$, 7, 3)

DataSection
  Words:
  Data.s "Größe", "≥ 5 €", "日本"
EndDataSection
