; A to-do list kept in a file: read at the start, changed by the user's
; commands, written back at the end, and found again the next time
OpenConsole()
NewList items.s()
Define line$ = ""
Define command$ = ""
Define n = 0
Define i = 0

If ReadFile(0, "todo.txt")
  While Eof(0) = 0
    line$ = ReadString(0)
    If line$ <> ""
      AddElement(items())
      items() = line$
    EndIf
  Wend
  CloseFile(0)
  PrintN("Loaded " + Str(ListSize(items())) + " items")
Else
  PrintN("No list yet")
EndIf

Repeat
  Print("> ")
  command$ = Input()
  Select LCase(StringField(command$, 1, " "))
    Case "add"
      LastElement(items())
      AddElement(items())
      items() = Mid(command$, 5)
      PrintN("Added: " + items())
    Case "done"
      n = Val(StringField(command$, 2, " "))
      If SelectElement(items(), n - 1)
        PrintN("Done: " + items())
        DeleteElement(items())
      Else
        PrintN("No item " + Str(n))
      EndIf
    Case "list"
      i = 0
      ForEach items()
        i = i + 1
        PrintN(Str(i) + ". " + items())
      Next
    Case "quit"
      PrintN("Bye")
    Default
      PrintN("Commands: add <text>, done <n>, list, quit")
  EndSelect
Until command$ = "quit"

If CreateFile(0, "todo.txt")
  ForEach items()
    WriteStringN(0, items())
  Next
  CloseFile(0)
EndIf
PrintN("Saved " + Str(ListSize(items())) + " items (" + Str(FileSize("todo.txt")) + " bytes)")
