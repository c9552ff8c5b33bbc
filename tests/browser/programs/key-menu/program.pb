; A menu that reads single keys until Escape
OpenConsole("Menu")
PrintN("1) Hello  2) Count  Esc) Quit")
count = 0
Repeat
  key$ = Inkey()
  If key$ = "1"
    PrintN("Hello!")
  ElseIf key$ = "2"
    count + 1
    PrintN("Count: " + Str(count))
  ElseIf key$ = ""
    If RawKey()
      PrintN("Special key " + Str(RawKey()))
    EndIf
    Delay(20)
  ElseIf key$ <> Chr(27)
    PrintN("Unknown key: " + key$)
  EndIf
Until key$ = Chr(27)
PrintN("Bye")
