; Input() keeps the window open until Return
OpenConsole()
PrintN("Report ready.")
Print("Press Return to close ")
answer$ = Input()
PrintN("Answer: [" + answer$ + "]")
