; grading
Define score = 72
If score => 90 ; top
  grade$ = "A"
ElseIf score => 70
  grade$ = "B"
ElseIf score = 0 Or score < 0
  grade$ = "none"
Else
  grade$ = "C"
EndIf
If score <> 50 And Not score > 100 : Debug "ok" : EndIf
