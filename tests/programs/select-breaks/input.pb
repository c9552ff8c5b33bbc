; key handling
Procedure Handle()
  Debug "one"
EndProcedure
Select key
  Case 1
    Handle()
  Case 2
  Default
EndSelect
Select mode ; which mode
  Case 10, 20 ; tens
    x = 1
  Default ; anything else
    x = 0
EndSelect
