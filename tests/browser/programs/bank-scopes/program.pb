; A small bank: Global, Shared, Protected and Static in one program
Global balance = 1000
fee = 2
rate = 5

Procedure.i Charge(amount)
  Shared fee
  Protected balance = amount + fee   ; a local that hides the global
  Static charges
  charges + 1
  Debug "charge " + Str(charges) + ": " + Str(balance)
  ProcedureReturn balance
EndProcedure

Procedure Interest()
  Shared rate
  balance + balance * rate / 100
EndProcedure

Procedure SetFee(newFee)
  Shared fee
  fee = newFee
EndProcedure

Procedure.i StatementNumber()
  Static printed = 10
  printed + 1
  ProcedureReturn printed
EndProcedure

OpenConsole()
balance - Charge(48)
PrintN("After the first charge: " + Str(balance))
Interest()
PrintN("After interest: " + Str(balance))
SetFee(10)
balance - Charge(90)
PrintN("After the second charge: " + Str(balance))
rate = 10
Interest()
PrintN("After interest: " + Str(balance))
PrintN("Fee: " + Str(fee) + ", rate: " + Str(rate))
PrintN("Statement numbers: " + Str(StatementNumber()) + " " + Str(StatementNumber()))
