; A log parser: each line's date, time, level and message from one regular
; expression in multiline mode; lines that do not fit are passed over
OpenConsole()
Define log$ = ""
log$ = log$ + "2024-03-01 08:15:02 [INFO] Server started" + #LF$
log$ = log$ + "2024-03-01 08:15:07 [WARN] Disk 91% full" + #LF$
log$ = log$ + "2024-03-01 09:02:44 [ERROR] Cannot open users.db" + #LF$
log$ = log$ + "2024-03-01 09:02:45 [INFO] Retrying" + #LF$
log$ = log$ + "2024-03-01 09:03:10 [ERROR] Timeout after 30 s" + #LF$
log$ = log$ + "garbage line without a date" + #LF$
log$ = log$ + "2024-03-02 00:00:01 [DEBUG] Rotated" + #LF$

Define entries = 0
Define level$ = ""
Define message$ = ""
Define lastAt = 0
NewMap levels.i()
NewList messages.s()

If CreateRegularExpression(0, "^(\d{4})-(\d\d)-(\d\d) (\d\d:\d\d:\d\d) \[(?<level>[A-Z]+)\] (.*)$", #PB_RegularExpression_MultiLine)
  PrintN("Groups: " + Str(CountRegularExpressionGroups(0)))
  If ExamineRegularExpression(0, log$)
    While NextRegularExpressionMatch(0)
      entries = entries + 1
      level$ = RegularExpressionNamedGroup(0, "level")
      message$ = RegularExpressionGroup(0, 6)
      levels(level$) = levels(level$) + 1
      AddElement(messages())
      messages() = message$
      lastAt = RegularExpressionMatchPosition(0)
      If level$ = "ERROR"
        PrintN("ERROR " + RegularExpressionGroup(0, 3) + "." + RegularExpressionGroup(0, 2) + " " + RegularExpressionGroup(0, 4) + " (column " + Str(RegularExpressionGroupPosition(0, 6)) + "): " + message$)
      EndIf
    Wend
  EndIf
EndIf
PrintN("Entries: " + Str(entries))
PrintN("Last entry at " + Str(lastAt) + ": " + message$)
PrintN("INFO: " + Str(levels("INFO")))
PrintN("WARN: " + Str(levels("WARN")))
PrintN("ERROR: " + Str(levels("ERROR")))
PrintN("DEBUG: " + Str(levels("DEBUG")))

; numbers in the messages are masked
If CreateRegularExpression(1, "\d+")
  ForEach messages()
    If MatchRegularExpression(1, messages())
      PrintN("Masked: " + ReplaceRegularExpression(1, messages(), "#"))
    EndIf
  Next
EndIf
