; A word list deployed beside the program: read line by line, measured,
; and a report written into a new file of the page
OpenConsole()
Define word$ = ""
Define count = 0
Define empty = 0
Define letters = 0
Define longest$ = ""
Define report$ = ""

PrintN("words.txt has " + Str(FileSize("words.txt")) + " bytes")
If ReadFile(0, "words.txt")
  While Eof(0) = 0
    word$ = ReadString(0)
    If word$ = ""
      empty = empty + 1
    Else
      count = count + 1
      letters = letters + Len(word$)
      If Len(word$) > Len(longest$)
        longest$ = word$
      EndIf
    EndIf
  Wend
  PrintN("Read up to byte " + Str(Loc(0)) + " of " + Str(Lof(0)))
  CloseFile(0)
Else
  PrintN("words.txt is missing")
EndIf
PrintN(Str(count) + " words, " + Str(empty) + " empty line, " + Str(letters) + " letters")
PrintN("Longest: " + longest$)

If CreateFile(1, "report.txt")
  WriteStringN(1, "words=" + Str(count))
  WriteString(1, "longest=" + longest$)
  CloseFile(1)
EndIf
If ReadFile(1, "report.txt")
  While Eof(1) = 0
    report$ = report$ + "[" + ReadString(1) + "]"
  Wend
  CloseFile(1)
EndIf
PrintN("Report: " + report$ + " in " + Str(FileSize("report.txt")) + " bytes")
PrintN("Missing file: " + Str(FileSize("nothing.txt")))
