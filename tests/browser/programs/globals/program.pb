; Global variables shared with procedures
Global balance = 100
Global log$ = ""

Procedure Deposit(amount)
  balance + amount
  log$ + "+" + Str(amount) + " "
EndProcedure

Procedure Withdraw(amount)
  If amount <= balance
    balance - amount
    log$ + "-" + Str(amount) + " "
  Else
    log$ + "refused "
  EndIf
EndProcedure

Deposit(50)
Withdraw(30)
Withdraw(500)
Deposit(5)
Debug balance
Debug Trim(log$)
