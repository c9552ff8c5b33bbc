; Select with Case and Default
Procedure.s DayName(day)
  Protected name$
  Select day
    Case 1
      name$ = "Monday"
    Case 2
      name$ = "Tuesday"
    Case 3
      name$ = "Wednesday"
    Case 6
      name$ = "Saturday"
    Case 7
      name$ = "Sunday"
    Default
      name$ = "a weekday"
  EndSelect
  ProcedureReturn name$
EndProcedure

For d = 1 To 7
  Debug Str(d) + ": " + DayName(d)
Next
