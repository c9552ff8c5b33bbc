; Guess the number: Goto brings the player back to the question,
; and a 0 gives up at once
OpenConsole()
Define secret = 37, guess = 0, tries = 0
PrintN("I think of a number from 1 to 100.")
Ask:
Print("Your guess: ")
guess = Val(Input())
If guess = 0
  Goto GiveUp
EndIf
tries + 1
If guess < secret
  PrintN("Too small.")
  Goto Ask
ElseIf guess > secret
  PrintN("Too big.")
  Goto Ask
EndIf
PrintN("Right after " + Str(tries) + " tries.")
End
GiveUp:
PrintN("It was " + Str(secret) + ".")
