For i = 1 To 9
  Select i % 4
    Case 0 : Continue
    Case 1, 2
      Select Str(i)
        Case "1"
          Debug "one"
        Default
          Break
      EndSelect
    Case 3 To 5
  EndSelect
Next
Select c
  Case 'a' To 'z', '_'
EndSelect
