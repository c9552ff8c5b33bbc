; Escape strings: ~"..." with PureBasic's escape sequences, wherever a
; string may stand
#Greeting = ~"Hello,\tWorld"
OpenConsole()
PrintN(~"Name:\tKorvex")
PrintN(~"Two\nlines")
PrintN(~"She said \"hi\" and left")
PrintN(~"C:\\temp\\")
Print(~"First part; ")
PrintN(~"then the rest\\")
line$ = ~"a\tb\nc"
PrintN("Length: " + Str(Len(line$)))
escapes$ = ~"\a\b\f\n\r\t\v\"\\"
codes$ = ""
For i = 1 To Len(escapes$)
  codes$ + Str(Asc(Mid(escapes$, i, 1))) + " "
Next
PrintN(Trim(codes$))
PrintN(~"Größe ≥ 5 €\t日本")
PrintN(#Greeting)
Restore Texts
Read.s t$
PrintN(t$)
Select ~"x\ty"
  Case ~"x\ty"
    PrintN("Case matched")
  Default
    PrintN("no match")
EndSelect
PrintN(ReplaceString(~"one\ttwo\tthree", ~"\t", ", "))
Debug ~"Debug \"quoted\"\\"
Debug "plain \t stays"

DataSection
  Texts:
  Data.s ~"data\\\"end\""
EndDataSection
