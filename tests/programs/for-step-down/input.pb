; countdown
Procedure Countdown(n)
  For k = n To 0 Step -2 ; even steps
    Debug k
  Next k
EndProcedure
For i = 1 To 10
  For j = 0 To i - 1 Step 3
    total + j
  Next
Next i ; done
For s = 1 To 9 Step delta
Next
