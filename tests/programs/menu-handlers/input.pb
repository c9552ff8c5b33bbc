; menu handling, nested constructs
Enumeration
  #MenuOpen
  #MenuSave
  #MenuQuit
EndEnumeration
Global Dim counts(3)
Procedure Report(id, label$ = "item") ; shows one entry
  Protected i
  For i = 1 To counts(id) ; one line per hit
    If i = 1 ; the first one
      Debug label$
    ElseIf i =< 3
      Debug "again"
    Else
      Break
    EndIf
  Next i
EndProcedure
Procedure OnMenu(menu)
  Select menu ; which entry
    Case #MenuOpen
      counts(menu) = counts(menu) + 1
      Report(menu, "open")
    Case #MenuSave ; save twice
      n = 0
      Repeat ; retry
        n + 1
      Until n => 2 ; enough
    Default
      While counts(menu) > 0 ; drain
        counts(menu) = counts(menu) - 1
      Wend
  EndSelect
EndProcedure
OnMenu(#MenuOpen)
