; Jumps that cross each other: a traffic light goes round until the fourth red
Define rounds = 0, log$ = ""
Goto Red
Green:
log$ + "G"
Goto Yellow
Red:
log$ + "R"
rounds + 1
If rounds > 3
  Goto Done
EndIf
Goto Green
Yellow:
log$ + "Y"
Goto Red
Done:
Debug log$
Debug "rounds: " + Str(rounds)
